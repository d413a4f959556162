#pragma once
// Pasting a clipboard block into a catalogue. Interpreters are matched by name, so a
// block from another catalogue reuses or adds interpreters there.

#include "catalog/clipboard_format.h"

#include <cstdint>
#include <string_view>

class CCatalogue;
class CInterpreterList;
class CMedia;
class CTrack;

namespace catalog {

/// The interpreter index of a pasted track that came without a name. No entry takes it
/// (new entries take the lowest free index), so the track shows "No Name" as it did.
inline constexpr std::uint32_t NO_INTERPRETER = 0xFFFFFFFF;

/// The index of the interpreter with that name, added when new; NO_INTERPRETER for a
/// blank name, which would otherwise become a nameless entry.
std::uint32_t InterpreterForPaste(CInterpreterList& interpreters, std::string_view name);

/// Adds the medium with the lowest free media index, then its tracks in order at the end;
/// the total is the sum of the pasted tracks, whatever the block says.
CMedia* PasteMedia(CCatalogue& catalogue, const MediaClip& clip);

/// Adds the track to the medium at position (1-based; TRACK_APPEND for the end).
CTrack* PasteTrack(CCatalogue& catalogue, CMedia& media, const TrackClip& clip,
                   std::uint32_t position);

} // namespace catalog
