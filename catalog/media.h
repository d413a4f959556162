#pragma once

#include "catalog/file/counted_string.h"
#include "catalog/min_sec_length.h"
#include "catalog/track.h"

#include <cstdint>
#include <list>
#include <string>
#include <string_view>

namespace catalog {
class CatalogueEdit;
}

/// AddTrack position that appends (written -1 by callers).
inline constexpr std::uint32_t TRACK_APPEND = 0xFFFFFFFF;

/// One medium with its ordered tracks. Lives at one address for its whole life.
class CMedia {
public:
    /// A new medium holds the current time and no tracks.
    CMedia();
    CMedia(const CMedia&) = delete;
    CMedia& operator=(const CMedia&) = delete;

    /// Sets everything except tracks, track count and total length.
    void SetData(std::string_view title1, std::string_view title2, std::uint32_t mediaIndex,
                 std::int32_t mediaType, std::int32_t creationTime, std::string information);

    /// Inserts a track; position 0 or 1 = front, TRACK_APPEND or beyond the end = end.
    CTrack* AddTrack(std::string_view title, MinSecLength length, std::uint32_t interpreter,
                     std::uint32_t position);
    /// Changes the first track with that index; nullptr when there is none.
    CTrack* EditTrack(std::string_view title, MinSecLength length, std::uint32_t interpreter,
                      std::uint32_t trackIndex);
    /// Removes every track with that index and renumbers the later ones.
    void DeleteTrack(std::uint32_t trackIndex);
    /// Exchanges the track with its neighbour, places and indexes; nothing at either end.
    void MoveTrack(std::uint32_t trackIndex, bool towardFront);

    /// Track iteration with the medium's own cursor; nullptr at the end.
    CTrack* FirstTrack();
    CTrack* NextTrack();

    std::uint32_t TrackCount() const { return static_cast<std::uint32_t>(m_Tracks.size()); }
    std::string_view Title1() const { return m_Title1.Text(); }
    std::string_view Title2() const { return m_Title2.Text(); }
    const CCountedString& Title1String() const { return m_Title1; }
    const CCountedString& Title2String() const { return m_Title2; }
    /// Seconds since 1970-01-01 00:00 UTC.
    std::int32_t CreationTime() const { return m_CreationTime; }
    /// Index into catalog::MediaTypeNames; a damaged file may hold any number.
    std::int32_t MediaType() const { return m_nMediaType; }
    MinSecLength TotalLength() const { return m_TotalLength; }
    std::uint32_t MediaIndex() const { return m_nMediaIndex; }
    /// The rich text bytes of the information page; empty when there are none.
    const std::string& Information() const { return m_Information; }
    const std::list<CTrack>& Tracks() const { return m_Tracks; }

private:
    friend class CMediaList;
    friend class CCatalogue;
    friend struct CatalogueFormat;
    friend class catalog::CatalogueEdit;

    CTrack* FindTrack(std::uint32_t trackIndex);
    std::list<CTrack>::iterator InsertPoint(std::uint32_t position);

    CCountedString m_Title1;
    CCountedString m_Title2;
    std::int32_t m_CreationTime = 0;
    std::int32_t m_nMediaType = 0;
    MinSecLength m_TotalLength = 0;
    std::uint32_t m_nMediaIndex = 0;
    std::string m_Information;
    std::list<CTrack> m_Tracks;
    std::list<CTrack>::iterator m_TrackCursor = m_Tracks.end();
};
