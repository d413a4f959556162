#pragma once
// Windows metafile to enhanced metafile, as SetWinMetaFileBits does with no reference device
// context: every WMF record becomes its EMF equivalent, in the same order, drawn on the
// reference device (kReferenceDevice) at the picture's own size and proportions.
//
// The size comes from a placement: a placeable WMF's bounding box and units per inch, or for a
// plain WMF its first window at 96 units per inch. A WMF that sets no window is scaled to the
// whole reference device, as the platform does when it is given no picture size.
//
// A WMF that the platform made from an EMF and that is unchanged since (its checksum holds)
// gives back that EMF as it was. Otherwise the picture starts with EMR_SETMAPMODE
// (MM_ANISOTROPIC), EMR_SETWINDOWORGEX and EMR_SETWINDOWEXTEX (the placement's window) and
// EMR_SETVIEWPORTEXTEX (the picture's area in device pixels), so the metafile's own window is
// stretched over the picture's area. Object slot n becomes EMF handle n + 1. Text becomes
// EMR_EXTTEXTOUTA, with a spacing array only where the WMF had one (offDx 0 otherwise).
// Records with no EMF equivalent or that would undo the device mapping are left out:
// escapes, viewport changes, SetTextCharacterExtra, SetRelAbs and AnimatePalette. Old
// device-dependent bitmaps become DIBs with the palette their device most likely had.

#include "emf/enh_metafile.h"

#include <optional>

namespace emf {

/// The first doubleword of a placeable WMF file.
inline constexpr std::uint32_t kPlaceableWmfKey = 0x9AC6CDD7;
/// The size of the placeable header that precedes the METAHEADER.
inline constexpr std::size_t kPlaceableHeaderSize = 22;

/// Where a WMF lies on paper: the window the picture spans in its logical units (origin at
/// left/top, extent right - left by bottom - top, signed) and how many units make an inch.
struct WmfPlacement {
    RectL window;
    std::uint32_t unitsPerInch = 0;
};

/// Converts WMF bytes starting with their METAHEADER. Records are read as far as they are
/// sound; a METAHEADER that does not describe a WMF refuses the picture. Without a
/// placement (or with one that has no size) the picture is sized from its first window.
PictureResult ConvertWmf(Bytes wmf, std::optional<WmfPlacement> placement = std::nullopt);

/// Converts a placeable WMF file: its body (PlaceableWmfBody) at the size its header's
/// bounding box and units per inch give.
PictureResult ConvertPlaceableWmf(Bytes file);

/// The part of a placeable WMF file that is converted: 2 x mtSize bytes after the 22-byte
/// header, fewer when the file is shorter than its METAHEADER says.
Bytes PlaceableWmfBody(Bytes file);

} // namespace emf
