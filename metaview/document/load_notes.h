#pragma once
// What reading noticed about a damaged file, as sentences for the user.

#include "emf/enh_metafile.h"

#include <string>

namespace metaview {

/// One sentence a line, each ending with a line feed; empty for a sound file.
std::string LoadNoteText(const emf::LoadNotes& notes);

} // namespace metaview
