#include "catalog/media.h"

#include "catalog/list_helpers.h"

#include <algorithm>
#include <ctime>

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
    auto it = std::ranges::find(m_Tracks, trackIndex, &CTrack::m_nTrackIndex);
    return it == m_Tracks.end() ? nullptr : &*it;
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
    auto it = std::ranges::find(m_Tracks, trackIndex, &CTrack::m_nTrackIndex);
    if (it == m_Tracks.end()) return;
    catalog::ExchangeWithNeighbour(m_Tracks, it, towardFront, &CTrack::m_nTrackIndex);
}

CTrack* CMedia::FirstTrack() {
    m_TrackCursor = m_Tracks.begin();
    return NextTrack();
}

CTrack* CMedia::NextTrack() {
    return catalog::TakeNext(m_Tracks, m_TrackCursor);
}
