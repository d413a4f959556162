#pragma once
// Device-independent bitmaps as records carry them: a BITMAPINFO and the pixel bits
// ([MS-WMF] 2.2.2.9 DeviceIndependentBitmap).

#include "emf/byte_reader.h"

#include <QImage>
#include <optional>

namespace emf {

/// Most pixels a bitmap may have; larger ones are refused before anything is allocated.
inline constexpr std::uint64_t kMaxBitmapPixels = 1ull << 26;
/// Beyond a small size, a bitmap's pixels must be justified by its bits: a complete one holds a
/// pixel in at most 4 bytes, an RLE one may skip blank rows in 2 bytes each, but a few bytes
/// claiming millions of pixels would only cost time to make and to draw.
inline constexpr std::uint64_t kFreeBitmapPixels = 1ull << 20, kPixelsPerByte = 4096;

/// Where a record keeps its bitmap: offsets from the record start and sizes.
struct DibLocation {
    std::uint32_t offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
};

/// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, bit fields, RLE4/RLE8, JPEG and PNG,
/// bottom-up and top-down. Up to 8 bits per pixel the image stays indexed (Format_Mono or
/// Format_Indexed8) so that mono patterns can take the device colours. None when the
/// bitmap is damaged, does not fit the record or is too large. With alpha, 32-bit pixels
/// keep their fourth byte as premultiplied alpha (for AlphaBlend).
std::optional<QImage> DecodeDib(Bytes record, const DibLocation& at, bool alpha = false);

/// Reads the four offsets and sizes in the order records store them.
DibLocation ReadDibLocation(ByteReader& r);

} // namespace emf
