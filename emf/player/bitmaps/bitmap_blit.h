#pragma once
// Drawing bitmaps and raster operations into the device context.

#include "emf/player/dc_core.h"

#include <QImage>

namespace emf {

enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

/// Draws the src part of image (pixels, top-down) through toLogical (image pixels to logical
/// units) with a raster operation that uses the source.
void BlitImage(DcCore& dc, const QImage& image, const QRectF& src, const QTransform& toLogical,
               std::uint32_t rop, double opacity = 1);
/// A raster operation without a source (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS,
/// WHITENESS) over a logical rectangle.
void FillWithRop(DcCore& dc, const QRectF& logical, std::uint32_t rop);
/// Whether a raster operation reads a source bitmap.
bool UsesSource(std::uint32_t rop);
/// The transform that maps src (image pixels) onto the logical rectangle dest; negative
/// extents mirror.
QTransform MapRect(const QRectF& src, QPointF destOrigin, QSizeF destSize);

} // namespace emf
