#pragma once
// A metafile file of any of the three kinds, told apart by its first doubleword.

#include "emf/enh_metafile.h"

#include <vector>

namespace emf {

/// The first doubleword of an EMF file (EMR_HEADER's type) and of a WMF file (a memory
/// METAHEADER of 9 words).
inline constexpr std::uint32_t kEmfFileKey = 1, kWmfFileKey = 0x00090001;

/// The picture a file loads as: an EMF as it stands, a WMF converted, a placeable WMF
/// converted at the size its header gives. Anything else is refused.
PictureResult ReadMetafileFile(std::vector<std::byte> file);

} // namespace emf
