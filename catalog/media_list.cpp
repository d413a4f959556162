#include "catalog/media_list.h"

#include "catalog/list_helpers.h"

#include <algorithm>
#include <limits>

namespace {

std::uint32_t IndexOf(const CMedia& media) {
    return media.MediaIndex();
}

} // namespace

CMedia* CMediaList::AddMedia(std::string_view title1, std::string_view title2,
                             std::int32_t mediaType, std::int32_t creationTime,
                             std::string information) {
    const auto [index, where] = catalog::FreeSlot(m_Media, IndexOf);
    CMedia& media = *m_Media.emplace(where);
    media.SetData(title1, title2, index, mediaType, creationTime, std::move(information));
    return &media;
}

std::uint32_t CMediaList::FreeMediaIndex() {
    return catalog::FreeSlot(m_Media, IndexOf).first;
}

CMedia* CMediaList::EditMedia(std::uint32_t mediaIndex, std::string_view title1,
                              std::string_view title2, std::int32_t mediaType,
                              std::int32_t creationTime, std::string information) {
    CMedia* media = FindMedia(mediaIndex);
    if (media)
        media->SetData(title1, title2, mediaIndex, mediaType, creationTime, std::move(information));
    return media;
}

void CMediaList::DeleteMedia(std::uint32_t mediaIndex) {
    auto it = FindIt(mediaIndex);
    if (it == m_Media.end()) return;
    // The cursors must never point at a destroyed medium.
    if (m_pCurrent == &*it) m_pCurrent = nullptr;
    if (m_pTrackOwner == &*it) m_pTrackOwner = nullptr;
    const bool atCursor = it == m_Next;
    it = m_Media.erase(it);
    if (atCursor) m_Next = it;
}

void CMediaList::MoveMedia(std::uint32_t mediaIndex, bool towardBack) {
    // Index 0 has no front; the last possible index has no back (it would wrap to 0).
    if (mediaIndex == (towardBack ? std::numeric_limits<std::uint32_t>::max() : 0)) return;
    const std::uint32_t target = towardBack ? mediaIndex + 1 : mediaIndex - 1;
    const bool targetUsed = HasIndex(target);
    auto it = FindIt(mediaIndex);
    if (it == m_Media.end()) return;
    if (!targetUsed) {
        it->m_nMediaIndex = target;
        return;
    }
    catalog::ExchangeWithNeighbour(m_Media, it, !towardBack, &CMedia::m_nMediaIndex);
}

std::list<CMedia>::iterator CMediaList::FindIt(std::uint32_t mediaIndex) {
    return std::ranges::find(m_Media, mediaIndex, &CMedia::m_nMediaIndex);
}

bool CMediaList::HasIndex(std::uint32_t mediaIndex) const {
    return std::ranges::find(m_Media, mediaIndex, &CMedia::m_nMediaIndex) != m_Media.end();
}

CMedia* CMediaList::FindMedia(std::uint32_t mediaIndex) {
    auto it = FindIt(mediaIndex);
    return it == m_Media.end() ? nullptr : &*it;
}

CTrack* CMediaList::AddTrack(std::uint32_t mediaIndex, std::string_view title, MinSecLength length,
                             std::uint32_t interpreter, std::uint32_t position) {
    CMedia* media = FindMedia(mediaIndex);
    return media ? media->AddTrack(title, length, interpreter, position) : nullptr;
}

CTrack* CMediaList::EditTrack(std::uint32_t mediaIndex, std::string_view title, MinSecLength length,
                              std::uint32_t interpreter, std::uint32_t trackIndex) {
    CMedia* media = FindMedia(mediaIndex);
    return media ? media->EditTrack(title, length, interpreter, trackIndex) : nullptr;
}

void CMediaList::DeleteTrack(std::uint32_t mediaIndex, std::uint32_t trackIndex) {
    if (CMedia* media = FindMedia(mediaIndex)) media->DeleteTrack(trackIndex);
}

void CMediaList::MoveTrack(std::uint32_t mediaIndex, std::uint32_t trackIndex, bool towardFront) {
    if (CMedia* media = FindMedia(mediaIndex)) media->MoveTrack(trackIndex, towardFront);
}

CMedia* CMediaList::FirstMedia() {
    m_Next = m_Media.begin();
    return NextMedia();
}

CMedia* CMediaList::NextMedia() {
    m_pCurrent = catalog::TakeNext(m_Media, m_Next);
    return m_pCurrent;
}

CTrack* CMediaList::StartTracks(CMedia* owner) {
    m_pTrackOwner = owner;
    return owner ? owner->FirstTrack() : nullptr;
}

CTrack* CMediaList::FirstTrackOf(std::uint32_t mediaIndex) {
    return StartTracks(FindMedia(mediaIndex));
}

CTrack* CMediaList::FirstTrackOfCurrent() {
    return StartTracks(m_pCurrent);
}

CTrack* CMediaList::NextTrack() {
    return m_pTrackOwner ? m_pTrackOwner->NextTrack() : nullptr;
}
