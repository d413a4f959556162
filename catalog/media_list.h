#pragma once

#include "catalog/media.h"

#include <cstdint>
#include <list>
#include <string>
#include <string_view>

/// The catalogue's media in ascending media index order (gaps allowed).
class CMediaList {
public:
    CMediaList() = default;
    CMediaList(const CMediaList&) = delete;
    CMediaList& operator=(const CMediaList&) = delete;

    /// Adds a medium with the lowest free media index, placed in index order.
    CMedia* AddMedia(std::string_view title1, std::string_view title2, std::int32_t mediaType,
                     std::int32_t creationTime, std::string information);
    /// The media index the next AddMedia gives.
    std::uint32_t FreeMediaIndex();
    /// Changes the first medium with that index (tracks untouched); nullptr when none.
    CMedia* EditMedia(std::uint32_t mediaIndex, std::string_view title1, std::string_view title2,
                      std::int32_t mediaType, std::int32_t creationTime, std::string information);
    /// Removes the first medium with that index, tracks included; the gap stays.
    void DeleteMedia(std::uint32_t mediaIndex);
    /// Moves the medium one index toward the back (index + 1) or the front (index - 1).
    void MoveMedia(std::uint32_t mediaIndex, bool towardBack);
    /// The first medium with that index, or nullptr.
    CMedia* FindMedia(std::uint32_t mediaIndex);

    /// The same operations as CMedia's, on the first medium with that index.
    CTrack* AddTrack(std::uint32_t mediaIndex, std::string_view title, MinSecLength length,
                     std::uint32_t interpreter, std::uint32_t position);
    CTrack* EditTrack(std::uint32_t mediaIndex, std::string_view title, MinSecLength length,
                      std::uint32_t interpreter, std::uint32_t trackIndex);
    void DeleteTrack(std::uint32_t mediaIndex, std::uint32_t trackIndex);
    void MoveTrack(std::uint32_t mediaIndex, std::uint32_t trackIndex, bool towardFront);

    /// Media iteration with the list's own cursor; nullptr at the end.
    CMedia* FirstMedia();
    CMedia* NextMedia();
    /// Starts the tracks of the first medium with that index; nullptr if none or no tracks.
    CTrack* FirstTrackOf(std::uint32_t mediaIndex);
    /// Starts the tracks of the medium the media iteration returned last.
    CTrack* FirstTrackOfCurrent();
    /// The next track of the medium whose tracks are being iterated, or nullptr.
    CTrack* NextTrack();

    std::uint32_t Count() const { return static_cast<std::uint32_t>(m_Media.size()); }
    std::list<CMedia>::iterator begin() { return m_Media.begin(); }
    std::list<CMedia>::iterator end() { return m_Media.end(); }
    std::list<CMedia>::const_iterator begin() const { return m_Media.begin(); }
    std::list<CMedia>::const_iterator end() const { return m_Media.end(); }

private:
    friend struct CatalogueFormat;
    friend class catalog::CatalogueEdit;

    std::list<CMedia>::iterator FindIt(std::uint32_t mediaIndex);
    bool HasIndex(std::uint32_t mediaIndex) const;
    CTrack* StartTracks(CMedia* owner);

    std::list<CMedia> m_Media;
    std::list<CMedia>::iterator m_Next = m_Media.end();
    CMedia* m_pCurrent = nullptr;
    CMedia* m_pTrackOwner = nullptr;
};
