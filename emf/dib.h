#pragma once
// Packed device-independent bitmaps: where the BITMAPINFO ends and the pixel bits begin.

#include "emf/byte_reader.h"

#include <cstdint>
#include <optional>

namespace emf {

/// DIB_RGB_COLORS, DIB_PAL_COLORS, DIB_PAL_INDICES ([MS-WMF] 2.1.1.4 ColorUsage).
enum DibColorUsage : std::uint32_t { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1, DIB_PAL_INDICES = 2 };

struct DibLayout {
    std::size_t infoSize = 0; ///< header, bit-field masks and colour table
    std::size_t bitsSize = 0; ///< everything after the BITMAPINFO
    std::int32_t height = 0;  ///< biHeight: positive for a bottom-up bitmap
};

/// The layout of a packed DIB (BITMAPCOREHEADER or BITMAPINFOHEADER and later), or nothing
/// when its header or colour table does not fit in the bytes.
std::optional<DibLayout> MeasurePackedDib(Bytes dib, std::uint32_t colorUsage);

} // namespace emf
