#pragma once
// Pasting a clipboard block into a catalogue, as part of an undoable step. Interpreters
// are matched by name (CatalogueEdit::InterpreterFor), so a block from another catalogue
// reuses or adds interpreters there.

#include "catalog/file/clipboard_format.h"

#include <cstdint>
#include <string_view>

class CMedia;
class CTrack;

namespace catalog {

class CatalogueEdit;

/// The interpreter index of a pasted track that came without a name. No entry takes it
/// (new entries take the lowest free index), so the track shows "No Name" as it did.
inline constexpr std::uint32_t NO_INTERPRETER = 0xFFFFFFFF;

/// Adds the medium with the lowest free media index, then its tracks in order at the end;
/// the total is the sum of the pasted tracks, whatever the block says.
CMedia* PasteMedia(CatalogueEdit& edit, const MediaClip& clip);

/// Adds the track to the medium at position (1-based; TRACK_APPEND for the end).
CTrack* PasteTrack(CatalogueEdit& edit, CMedia& media, const TrackClip& clip,
                   std::uint32_t position);

} // namespace catalog
