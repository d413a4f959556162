#include "emf/player/bitmaps/bitmap_blit.h"
#include "emf/player/gdi_objects.h"

#include <QPainter>

namespace emf {

namespace {

// The ternary operation index: the middle byte of the raster operation code.
constexpr std::uint32_t Rop3(std::uint32_t rop) {
    return (rop >> 16) & 0xFF;
}

QPainter::CompositionMode SourceMode(std::uint32_t rop, bool raster) {
    using C = QPainter::CompositionMode;
    if (!raster) return C::CompositionMode_SourceOver;
    switch (Rop3(rop)) {
    case Rop3(SRCPAINT):
        return C::RasterOp_SourceOrDestination;
    case Rop3(SRCAND):
        return C::RasterOp_SourceAndDestination;
    case Rop3(SRCINVERT):
        return C::RasterOp_SourceXorDestination;
    case Rop3(SRCERASE):
        return C::RasterOp_SourceAndNotDestination;
    case Rop3(NOTSRCCOPY):
        return C::RasterOp_NotSource;
    case Rop3(NOTSRCERASE):
        return C::RasterOp_NotSourceAndNotDestination;
    case Rop3(MERGEPAINT):
        return C::RasterOp_NotSourceOrDestination;
    default:
        return C::CompositionMode_SourceOver;
    }
}

} // namespace

bool UsesSource(std::uint32_t rop) {
    const std::uint32_t r = Rop3(rop);
    return ((r >> 2) & 0x33) != (r & 0x33); // the result changes with the source bit
}

QTransform MapRect(const QRectF& src, QPointF destOrigin, QSizeF destSize) {
    const double sx = src.width() != 0 ? destSize.width() / src.width() : 1;
    const double sy = src.height() != 0 ? destSize.height() / src.height() : 1;
    return QTransform(sx, 0, 0, sy, destOrigin.x() - src.x() * sx, destOrigin.y() - src.y() * sy);
}

void BlitImage(DcCore& dc, const QImage& image, const QRectF& src, const QTransform& toLogical,
               std::uint32_t rop, double opacity) {
    const QRectF part = src.intersected(QRectF(image.rect()));
    if (part.isEmpty() || !dc.BeginPaint(R2_COPYPEN, true)) return;
    QPainter& p = dc.painter();
    p.setCompositionMode(SourceMode(rop, dc.caps().rasterOps));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setOpacity(opacity);
    p.setTransform(toLogical * dc.ToDevice());
    p.drawImage(part.topLeft(), image, part);
    p.setOpacity(1);
    p.resetTransform();
}

void FillWithRop(DcCore& dc, const QRectF& logical, std::uint32_t rop) {
    QPainterPath path;
    path.addRect(logical.normalized());
    const QPainterPath device = dc.ToDevice().map(path);
    const std::uint32_t r = Rop3(rop);
    const int saved = dc.state.rop2;
    if (r == Rop3(BLACKNESS))
        dc.state.rop2 = R2_BLACK;
    else if (r == Rop3(WHITENESS))
        dc.state.rop2 = R2_WHITE;
    else if (r == Rop3(DSTINVERT))
        dc.state.rop2 = R2_NOT;
    else if (r == Rop3(PATINVERT))
        dc.state.rop2 = R2_XORPEN;
    else if (r == 0xAA)
        return; // the destination unchanged
    else
        dc.state.rop2 = R2_COPYPEN;
    const bool plain = r == Rop3(BLACKNESS) || r == Rop3(WHITENESS) || r == Rop3(DSTINVERT);
    dc.FillDevice(device, dc.DeviceBrush(plain ? StockObjectAt(BLACK_BRUSH) : dc.state.brush));
    dc.state.rop2 = saved;
}

} // namespace emf
