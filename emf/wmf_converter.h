#pragma once
// Windows metafile to enhanced metafile, as SetWinMetaFileBits does with no reference device
// context and no picture size: the picture is scaled to the whole reference device
// (kReferenceDevice) and every WMF record becomes its EMF equivalent, in the same order.
//
// A WMF that the platform made from an EMF and that is unchanged since (its checksum holds)
// gives back that EMF as it was. Otherwise the picture starts with EMR_SETMAPMODE (MM_ANISOTROPIC),
// EMR_SETWINDOWEXTEX and EMR_SETVIEWPORTEXTEX, both the device size, so a metafile that sets its
// own window is stretched over the device. Object slot n becomes EMF handle n + 1. Text becomes
// EMR_EXTTEXTOUTA, with a spacing array only where the WMF had one (offDx 0 otherwise).
// Records with no EMF equivalent or that would undo the device mapping are left out:
// escapes, viewport changes, SetTextCharacterExtra, SetRelAbs, AnimatePalette, and bitmap
// transfers of old device-dependent bitmaps (pattern brushes from them become grey brushes).

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
