#include "catalog/media.h"

#include "catalog/list_helpers.h"

#include <ctime>
#include <iterator>

using catalog::AddLength;
using catalog::SubtractLength;

CMedia::CMedia() : m_CreationTime(static_cast<std::int32_t>(std::time(nullptr))) {}

void CMedia::SetData(std::string_view title1, std::string_view title2, std::uint32_t mediaIndex,
                     std::int32_t mediaType, std::int32_t creationTime, std::string information) {
    m_Title1.SetText(title1);
    m_Title2.SetText(title2);
    m_nMediaIndex = mediaIndex;
    m_nMediaType = mediaType;
    m_CreationTime = creationTime;
    m_Information = std::move(information);
}

std::list<CTrack>::iterator CMedia::InsertPoint(std::uint32_t position) {
    auto it = m_Tracks.begin();
    while (it != m_Tracks.end() && it->m_nTrackIndex < position)
        ++it;
    return it;
}

CTrack* CMedia::AddTrack(std::string_view title, MinSecLength length, std::uint32_t interpreter,
                         std::uint32_t position) {
    const std::uint64_t count = m_Tracks.size();
    std::list<CTrack>::iterator where = m_Tracks.end();
    std::uint32_t index = static_cast<std::uint32_t>(count + 1);
    if (position <= 1) position = 1;
    if (position != TRACK_APPEND && position < count + 1) {
        where = InsertPoint(position);
        for (CTrack& track : m_Tracks)
            if (track.m_nTrackIndex >= position) ++track.m_nTrackIndex;
        index = position;
    }
    CTrack& track = *m_Tracks.emplace(where);
    track.Set(title, index, length, interpreter);
    m_TotalLength = AddLength(m_TotalLength, length);
    return &track;
}

CTrack* CMedia::FindTrack(std::uint32_t trackIndex) {
    for (CTrack& track : m_Tracks)
        if (track.m_nTrackIndex == trackIndex) return &track;
    return nullptr;
}

CTrack* CMedia::EditTrack(std::string_view title, MinSecLength length, std::uint32_t interpreter,
                          std::uint32_t trackIndex) {
    CTrack* track = FindTrack(trackIndex);
    if (!track) return nullptr;
    m_TotalLength = AddLength(SubtractLength(m_TotalLength, track->m_Length), length);
    track->Set(title, trackIndex, length, interpreter);
    return track;
}

void CMedia::DeleteTrack(std::uint32_t trackIndex) {
    auto doomed = [&](const CTrack& track) { return track.m_nTrackIndex == trackIndex; };
    for (const CTrack& track : m_Tracks)
        if (doomed(track)) m_TotalLength = SubtractLength(m_TotalLength, track.m_Length);
    catalog::EraseWhere(m_Tracks, m_TrackCursor, doomed);
    for (CTrack& track : m_Tracks)
        if (track.m_nTrackIndex > trackIndex) --track.m_nTrackIndex;
}

void CMedia::MoveTrack(std::uint32_t trackIndex, bool towardFront) {
    auto it = m_Tracks.begin();
    while (it != m_Tracks.end() && it->m_nTrackIndex != trackIndex)
        ++it;
    if (it == m_Tracks.end()) return;
    auto front = it, back = std::next(it);
    if (towardFront) {
        if (it == m_Tracks.begin()) return;
        front = std::prev(it);
        back = it;
    } else if (back == m_Tracks.end()) {
        return;
    }
    // splice keeps both records where they live; only their list links change.
    m_Tracks.splice(front, m_Tracks, back);
    std::swap(front->m_nTrackIndex, back->m_nTrackIndex);
}

CTrack* CMedia::FirstTrack() {
    m_TrackCursor = m_Tracks.begin();
    return NextTrack();
}

CTrack* CMedia::NextTrack() {
    if (m_TrackCursor == m_Tracks.end()) return nullptr;
    return &*m_TrackCursor++;
}
