#include "emf/player/dc_core.h"
#include "emf/player/dash_clip.h"
#include "emf/player/device_context.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/pen_brush.h"

#include <QPainter>
#include <cmath>

namespace emf {

DcCore::DcCore(QPainter& painter)
    : m_painter(&painter), m_caps(ReadDeviceCaps(painter.device(), painter.paintEngine())) {
    // What the caller set on the painter (a view's scroll offset, a paint event's clip)
    // stays in force under the context's own mapping and clipping.
    base = painter.worldTransform();
    if (painter.hasClipping()) outerClip = base.map(painter.clipRegion());
    pxPerMm = QSizeF(m_caps.logPixelsX / 25.4, m_caps.logPixelsY / 25.4);
    state.pen = StockObjectAt(BLACK_PEN);
    state.brush = StockObjectAt(WHITE_BRUSH);
    state.font = StockObjectAt(SYSTEM_FONT);
    state.palette = StockObjectAt(DEFAULT_PALETTE);
    drawEmfPlus = DrawsEmfPlusByDefault();
}

QPaintDevice* DcCore::device() const {
    return m_painter->device();
}

int DcCore::Save() {
    saved.push_back(state);
    return int(saved.size());
}

bool DcCore::Restore(int level) {
    const long long n = level < 0 ? (long long)saved.size() + level + 1 : level;
    if (n < 1 || n > (long long)saved.size()) return false;
    state = std::move(saved[size_t(n - 1)]);
    saved.resize(size_t(n - 1));
    return true;
}

namespace {

// Logical units per millimetre of the metric map modes, y pointing up.
double MetricUnitsPerMm(int mode) {
    switch (mode) {
    case MM_LOMETRIC:
        return 10;
    case MM_HIMETRIC:
        return 100;
    case MM_LOENGLISH:
        return 100 / 25.4;
    case MM_HIENGLISH:
        return 1000 / 25.4;
    case MM_TWIPS:
        return 1440 / 25.4;
    default:
        return 0;
    }
}

double SafeRatio(double num, double den) {
    return den == 0 ? 1 : num / den;
}

} // namespace

QTransform DcCore::PageTransform() const {
    double sx = 1, sy = 1;
    const int mode = state.mapMode;
    if (const double upm = MetricUnitsPerMm(mode)) {
        sx = pxPerMm.width() / upm;
        sy = -pxPerMm.height() / upm;
    } else if (mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) {
        sx = SafeRatio(state.viewportExt.width(), state.windowExt.width());
        sy = SafeRatio(state.viewportExt.height(), state.windowExt.height());
        if (mode == MM_ISOTROPIC) {
            // The viewport shrinks along one axis so that units are square.
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    }
    const QPointF w = state.windowOrg, v = state.viewportOrg;
    return QTransform(sx, 0, 0, sy, v.x() - w.x() * sx, v.y() - w.y() * sy);
}

QTransform DcCore::ToReference() const {
    return state.world * PageTransform();
}

QTransform DcCore::ToDevice() const {
    return ToReference() * base;
}

double DcCore::DeviceScale() const {
    return std::sqrt(std::abs(ToDevice().determinant()));
}

std::optional<QRegion> DcCore::EffectiveClip() const {
    std::optional<QRegion> clip = outerClip;
    for (const auto* r : {&state.metaRegion, &state.clip})
        if (*r) clip = clip ? clip->intersected(**r) : **r;
    return clip;
}

namespace {

QPainter::CompositionMode CompositionFor(int rop2) {
    using C = QPainter::CompositionMode;
    switch (rop2) {
    case R2_NOTMERGEPEN:
        return C::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN:
        return C::RasterOp_NotSourceAndDestination;
    case R2_NOTCOPYPEN:
        return C::RasterOp_NotSource;
    case R2_MASKPENNOT:
        return C::RasterOp_SourceAndNotDestination;
    case R2_NOT:
        return C::RasterOp_NotDestination;
    case R2_XORPEN:
        return C::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN:
        return C::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN:
        return C::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN:
        return C::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN:
        return C::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT:
        return C::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN:
        return C::RasterOp_SourceOrDestination;
    default:
        return C::CompositionMode_SourceOver;
    }
}

} // namespace

bool DcCore::BeginPaint(int rop2, bool antialias) {
    if (rop2 == R2_NOP) return false;
    QPainter& p = *m_painter;
    p.setTransform(QTransform());
    const std::optional<QRegion> clip = EffectiveClip();
    if (clip)
        p.setClipRegion(*clip);
    else
        p.setClipping(false);
    const bool raster = m_caps.rasterOps && rop2 != R2_COPYPEN;
    p.setCompositionMode(raster ? CompositionFor(rop2) : QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing, antialias && !raster && !unblended);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    return true;
}

QPen DcCore::DevicePen() const {
    QPen pen = MakeDevicePen(state.pen, DeviceScale(), state.miterLimit, state.rop2);
    // A pen millions of pixels wide made Qt's stroker and clipper take a minute; beyond twice
    // the device's size a wider pen covers the device no differently.
    if (const QPaintDevice* d = device())
        pen.setWidthF(std::min(pen.widthF(), 2.0 * (d->width() + d->height())));
    return pen;
}

QBrush DcCore::DeviceBrush(const HGDIOBJ& brush) const {
    return MakeDeviceBrush(brush, state.textColor, state.bkColor, state.rop2);
}

namespace {

// Qt's anti-aliasing rasterizer splits its work into ever smaller bands when a shape's edges
// cross more cells than its pool holds: a path of many long, crossing segments (a damaged
// polyline, say) took seconds. Such paths are drawn without smoothing, as GDI draws them.
bool SmoothEnough(const QPainterPath& device, const QPaintDevice* onto) {
    if (!onto) return true;
    const double limit = 16.0 * (onto->width() + onto->height()) + 32768;
    double length = 0;
    for (int i = 1; i < device.elementCount() && length <= limit; ++i) {
        const QPainterPath::Element a = device.elementAt(i - 1), b = device.elementAt(i);
        if (!b.isMoveTo()) length += std::hypot(b.x - a.x, b.y - a.y);
    }
    return length <= limit;
}

} // namespace

bool DcCore::BeginFill(const QBrush& brush, bool antialias) {
    if (brush.style() == Qt::NoBrush || !BeginPaint(state.rop2, antialias)) return false;
    QPainter& p = *m_painter;
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.setBrushOrigin(base.map(state.brushOrg));
    p.setBackgroundMode(state.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(state.bkColor));
    return true;
}

void DcCore::FillDevice(const QPainterPath& device, const QBrush& brush) {
    if (BeginFill(brush, SmoothEnough(device, this->device()))) m_painter->drawPath(device);
}

void DcCore::FillDevice(const QRegion& device, const QBrush& brush) {
    if (device.isEmpty() || !BeginFill(brush, true)) return;
    QPainter& p = *m_painter;
    p.setClipRegion(device, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.drawRect(device.boundingRect());
}

namespace {

// A dashed stroke keeps only what can reach the device (see dash_clip.h), each piece taking
// the dash phase it has on the whole figure.
void DrawStroke(QPainter& p, const QPainterPath& device, QPen pen) {
    const QPaintDevice* d = p.device();
    const double margin = pen.widthF() * std::max(1.0, pen.miterLimit()) + 2;
    const QRectF box =
        d ? QRectF(-margin, -margin, d->width() + 2 * margin, d->height() + 2 * margin) : QRectF();
    double period = 0;
    for (qreal dash : pen.dashPattern())
        period += dash;
    if (pen.style() == Qt::SolidLine || box.isEmpty() || period <= 0 ||
        box.contains(device.boundingRect())) {
        p.drawPath(device);
        return;
    }
    const double unit = std::max(1.0, pen.widthF()); // dashes are in pen widths
    const double offset = pen.dashOffset();
    for (const DashedPiece& piece : PiecesWithin(device, box)) {
        pen.setDashOffset(std::fmod(offset + piece.start / unit, period));
        p.setPen(pen);
        p.drawPath(piece.path);
    }
}

} // namespace

void DcCore::StrokeDevice(const QPainterPath& device) {
    const QPen pen = DevicePen();
    if (pen.style() == Qt::NoPen || !BeginPaint(state.rop2, SmoothEnough(device, this->device())))
        return;
    QPainter& p = *m_painter;
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(state.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(state.bkColor));
    // A one-pixel line at x lights pixel x, whose centre is x + 0.5.
    if (pen.widthF() <= 1.5) p.translate(0.5, 0.5);
    DrawStroke(p, device, pen);
    p.resetTransform();
}

void DcCore::DrawShape(const QPainterPath& logical, bool fill, bool stroke) {
    QPainterPath device = ToDevice().map(logical);
    if (state.path.open) {
        state.path.path.addPath(device);
        return;
    }
    device.setFillRule(state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    if (fill) FillDevice(device, DeviceBrush(state.brush));
    if (stroke) StrokeDevice(device);
}

void DcCore::DrawOpen(const QPainterPath& logical, bool continueFigure) {
    const QPainterPath device = ToDevice().map(logical);
    if (!state.path.open) {
        StrokeDevice(device);
        return;
    }
    // A piece continues the open figure; after a move or a closed figure it starts a new one
    // at the same point (connectPath would join it to the figure before).
    QPainterPath& path = state.path.path;
    const int n = path.elementCount();
    const bool join =
        continueFigure && n > 0 && !path.elementAt(n - 1).isMoveTo() && !state.path.figureClosed;
    if (join)
        path.connectPath(device);
    else
        path.addPath(device);
    state.path.figureClosed = false;
}

void DcCore::MoveTo(QPointF logical) {
    state.currentPos = logical;
    if (state.path.open) state.path.path.moveTo(ToDevice().map(logical));
}

void DcCore::LineTo(QPointF logical) {
    QPainterPath line(state.currentPos);
    line.lineTo(logical);
    state.currentPos = logical;
    DrawOpen(line, true);
}

} // namespace emf
