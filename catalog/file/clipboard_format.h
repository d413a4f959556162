#pragma once
// The two private clipboard blocks and their plain-text companions. A block carries no
// media, track or interpreter index (interpreters travel by name), so it pastes into any
// catalogue, also one open in another running copy of the program.

#include "catalog/min_sec_length.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CInterpreterList;
class CMedia;
class CTrack;

namespace catalog {

/// One track as it travels: a TrackClipRecord.
struct TrackClip {
    MinSecLength length = 0;
    std::string title;
    /// Empty for a track whose interpreter no longer exists.
    std::string interpreter;
};

/// One medium with its tracks as it travels: a MediaClipHeader and what follows it.
struct MediaClip {
    std::string title1;
    std::string title2;
    std::int32_t creationTime = 0;
    std::int32_t mediaType = 0;
    /// As copied; paste recomputes the total from the tracks.
    MinSecLength totalLength = 0;
    /// RTF bytes of the information page, empty when there are none.
    std::string information;
    std::vector<TrackClip> tracks;
};

inline constexpr std::size_t MEDIA_CLIP_HEADER_SIZE = 28;
inline constexpr std::size_t TRACK_CLIP_HEADER_SIZE = 12;

/// What a copy of the track puts on the clipboard; interpreter names are looked up.
TrackClip TrackClipOf(const CTrack& track, const CInterpreterList& interpreters);
/// What a copy of the medium puts on the clipboard, its tracks in track order.
MediaClip MediaClipOf(const CMedia& media, const CInterpreterList& interpreters);

/// The KORVEL_MELVARA_TRACK block: the record alone.
std::vector<std::byte> EncodeTrackClip(const TrackClip& clip);
/// The KORVEL_MELVARA_MEDIA block: header, both titles, information, the track records.
std::vector<std::byte> EncodeMediaClip(const MediaClip& clip);

/// Reads a block from outside. Every size and count is checked against the block before
/// anything is read or allocated; nullopt for a block that is cut short or whose sizes do
/// not fit. Bytes after the last record are ignored (a clipboard may round a block up).
std::optional<TrackClip> DecodeTrackClip(std::span<const std::byte> block);
std::optional<MediaClip> DecodeMediaClip(std::span<const std::byte> block);

/// The list blocks that carry several media or tracks: each item's own block preceded by its
/// size, a 32-bit number, one after another.
std::vector<std::byte> EncodeMediaClipList(const std::vector<MediaClip>& clips);
std::vector<std::byte> EncodeTrackClipList(const std::vector<TrackClip>& clips);
/// nullopt when an item's size runs past the block or an item cannot be read, or when the
/// list holds no item. A size of 0 ends the list (a clipboard may pad a block with zeros).
std::optional<std::vector<MediaClip>> DecodeMediaClipList(std::span<const std::byte> block);
std::optional<std::vector<TrackClip>> DecodeTrackClipList(std::span<const std::byte> block);

/// The plain-text companions in Windows-1252, lines ending in a line feed, without the
/// terminating zero: "%06d\t%s\t%s\n" for a track; for a medium its own line (total as
/// stored, both titles, local creation time, type number) followed by its tracks' lines.
std::string TrackClipText(const TrackClip& clip);
std::string MediaClipText(const MediaClip& clip);

} // namespace catalog
