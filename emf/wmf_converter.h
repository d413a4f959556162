#pragma once
// Windows metafile to enhanced metafile, as SetWinMetaFileBits does with no reference device
// context and no picture size: the picture is scaled to the whole reference device
// (kReferenceDevice) and every WMF record becomes its EMF equivalent, in the same order.

#include "emf/enh_metafile.h"

namespace emf {

/// The first doubleword of a placeable WMF file.
inline constexpr std::uint32_t kPlaceableWmfKey = 0x9AC6CDD7;
/// The size of the placeable header that precedes the METAHEADER.
inline constexpr std::size_t kPlaceableHeaderSize = 22;

/// Converts WMF bytes starting with their METAHEADER (a placeable file's bytes after its
/// 22-byte header). Records are read as far as they are sound; a METAHEADER that does not
/// describe a WMF refuses the picture.
PictureResult ConvertWmf(Bytes wmf);

/// The part of a placeable WMF file that is converted: 2 x mtSize bytes after the 22-byte
/// header, fewer when the file is shorter than its METAHEADER says.
Bytes PlaceableWmfBody(Bytes file);

} // namespace emf
