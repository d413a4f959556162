#pragma once
// Run-length encoded bitmaps (BI_RLE8, BI_RLE4), [MS-WMF] 2.1.1.7.

#include "emf/byte_reader.h"

#include <QImage>
#include <optional>

namespace emf {

/// Decodes into a premultiplied ARGB image; pixels the runs skip stay transparent, as they
/// leave the destination unchanged. Top-down (negative height) RLE is refused.
std::optional<QImage> DecodeRle(Bytes bits, int width, int height, bool rle4,
                                const QList<QRgb>& table);

} // namespace emf
