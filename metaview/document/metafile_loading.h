#pragma once
// Tells EMF, WMF and placeable WMF files apart by their first doubleword and builds the
// picture each loads as.

#include "emf/enh_metafile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace metaview {

inline constexpr std::uint32_t kEmfFileKey = 1;          // EMR_HEADER's record type
inline constexpr std::uint32_t kWmfFileKey = 0x00090001; // METAHEADER type 1, 9 words

/// The picture a file's bytes load as: an EMF as it stands, a WMF converted to EMF, a
/// placeable WMF converted from the 2 x mtSize bytes after its 22-byte header, at the size
/// its header gives. Anything else is refused with a reason.
emf::PictureResult LoadMetafileBytes(std::vector<std::byte> file);

/// The picture a file loads as; none with error set to a sentence naming the file.
emf::PictureResult LoadMetafileFile(const std::filesystem::path& path, std::string& error);

} // namespace metaview
