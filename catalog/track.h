#pragma once

#include "catalog/file/counted_string.h"
#include "catalog/min_sec_length.h"

#include <cstdint>
#include <string_view>

/// One track of a medium; its index is its 1-based position in the medium.
class CTrack {
public:
    /// Sets all four fields at once.
    void Set(std::string_view title, std::uint32_t trackIndex, MinSecLength length,
             std::uint32_t interpreterIndex) {
        m_Title.SetText(title);
        m_nTrackIndex = trackIndex;
        m_Length = length;
        m_nInterpreterIndex = interpreterIndex;
    }

    std::uint32_t TrackIndex() const { return m_nTrackIndex; }
    MinSecLength Length() const { return m_Length; }
    /// May name no interpreter; views then show "No Name".
    std::uint32_t InterpreterIndex() const { return m_nInterpreterIndex; }
    std::string_view Title() const { return m_Title.Text(); }
    const CCountedString& TitleString() const { return m_Title; }

private:
    friend class CMedia;
    friend struct CatalogueFormat;

    std::uint32_t m_nTrackIndex = 1;
    MinSecLength m_Length = 0;
    std::uint32_t m_nInterpreterIndex = 0;
    CCountedString m_Title;
};
