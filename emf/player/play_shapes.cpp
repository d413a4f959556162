// Rectangles, ellipses, arcs, chords, pies and gradients.
#include "emf/player/gdi_objects.h"
#include "emf/player/record_handlers.h"
#include "emf/player/record_reader.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace emf::handlers {

namespace {

enum class ArcKind { Arc, Chord, Pie };

// The angle (degrees, counter-clockwise on screen) at which the ray from the centre
// through p meets the ellipse inscribed in box.
double EllipseAngle(const QRectF& box, QPointF p) {
    const QPointF c = box.center();
    const double dx = (p.x() - c.x()) / (box.width() / 2);
    const double dy = (p.y() - c.y()) / (box.height() / 2);
    return std::atan2(-dy, dx) * 180 / M_PI;
}

// Sweep from a0 to a1 in the device's arc direction; equal angles make a full turn.
double Sweep(const DcCore& dc, double a0, double a1) {
    const bool flipped = dc.ToDevice().determinant() < 0;
    const bool ccw = (dc.state.arcDirection != AD_CLOCKWISE) != flipped;
    double s = ccw ? std::fmod(a1 - a0 + 720, 360) : -std::fmod(a0 - a1 + 720, 360);
    if (s == 0) s = ccw ? 360 : -360;
    return s;
}

QPainterPath ArcPath(const DcCore& dc, const QRectF& box, QPointF start, QPointF end,
                     ArcKind kind) {
    const double a0 = EllipseAngle(box, start), sweep = Sweep(dc, a0, EllipseAngle(box, end));
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, a0);
    path.arcTo(box, a0, sweep);
    if (kind != ArcKind::Arc) path.closeSubpath();
    return path;
}

bool ReadBox(ByteReader& r, QRectF& box) {
    box = ReadRectL(r).normalized();
    return r.ok();
}

bool PlayArc(Playback& pb, ByteReader& r, ArcKind kind) {
    QRectF box;
    ReadBox(r, box);
    const QPointF start = ReadPointL(r), end = ReadPointL(r);
    if (!r.ok()) return false;
    if (box.width() <= 0 || box.height() <= 0) return true;
    const QPainterPath path = ArcPath(pb.dc, box, start, end, kind);
    if (kind == ArcKind::Arc)
        pb.dc.DrawOpen(path, false);
    else
        pb.dc.DrawShape(path, true, true);
    return true;
}

} // namespace

bool Rectangle(Playback& pb, ByteReader& r) {
    QRectF box;
    if (!ReadBox(r, box)) return false;
    QPainterPath path;
    path.addRect(box);
    pb.dc.DrawShape(path, true, true);
    return true;
}

bool RoundRect(Playback& pb, ByteReader& r) {
    QRectF box;
    ReadBox(r, box);
    const QSizeF corner = ReadSizeL(r);
    if (!r.ok()) return false;
    QPainterPath path;
    path.addRoundedRect(box, std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    pb.dc.DrawShape(path, true, true);
    return true;
}

bool Ellipse(Playback& pb, ByteReader& r) {
    QRectF box;
    if (!ReadBox(r, box)) return false;
    QPainterPath path;
    path.addEllipse(box);
    pb.dc.DrawShape(path, true, true);
    return true;
}

bool Arc(Playback& pb, ByteReader& r) {
    return PlayArc(pb, r, ArcKind::Arc);
}
bool Chord(Playback& pb, ByteReader& r) {
    return PlayArc(pb, r, ArcKind::Chord);
}
bool Pie(Playback& pb, ByteReader& r) {
    return PlayArc(pb, r, ArcKind::Pie);
}

bool ArcTo(Playback& pb, ByteReader& r) {
    QRectF box;
    ReadBox(r, box);
    const QPointF start = ReadPointL(r), end = ReadPointL(r);
    if (!r.ok()) return false;
    if (box.width() <= 0 || box.height() <= 0) return true;
    QPainterPath path(pb.dc.state.currentPos);
    path.connectPath(ArcPath(pb.dc, box, start, end, ArcKind::Arc));
    pb.dc.state.currentPos = path.currentPosition();
    pb.dc.DrawOpen(path, true);
    return true;
}

bool AngleArc(Playback& pb, ByteReader& r) {
    const QPointF c = ReadPointL(r);
    const double radius = r.u32();
    const float start = r.f32(), sweep = r.f32();
    if (!r.ok() || !std::isfinite(start) || !std::isfinite(sweep)) return false;
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(pb.dc.state.currentPos);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, std::clamp(double(sweep), -3600.0, 3600.0));
    path.connectPath(arc);
    pb.dc.state.currentPos = path.currentPosition();
    pb.dc.DrawOpen(path, true);
    return true;
}

namespace {

struct Vertex {
    QPointF p;
    QColor color;
};

std::optional<std::vector<Vertex>> ReadVertices(ByteReader& r, std::uint32_t count) {
    Bytes raw = r.array(count, 16);
    if (!r.ok()) return std::nullopt;
    ByteReader vr(raw);
    std::vector<Vertex> v(count);
    for (Vertex& x : v) {
        x.p = ReadPointL(vr);
        const int red = vr.u16() >> 8, green = vr.u16() >> 8, blue = vr.u16() >> 8;
        vr.skip(2);
        x.color = QColor(red, green, blue);
    }
    return v;
}

void FillGradientRect(DcCore& dc, const Vertex& a, const Vertex& b, bool vertical) {
    const QRectF box = QRectF(a.p, b.p).normalized();
    QLinearGradient g(a.p, vertical ? QPointF(a.p.x(), b.p.y()) : QPointF(b.p.x(), a.p.y()));
    g.setColorAt(0, a.color);
    g.setColorAt(1, b.color);
    QPainterPath path;
    path.addRect(box);
    QBrush brush(g);
    brush.setTransform(dc.ToDevice());
    dc.FillDevice(dc.ToDevice().map(path), brush);
}

// Triangles take the mean of their corner colours: QPainter has no Gouraud shading.
void FillGradientTriangle(DcCore& dc, const Vertex& a, const Vertex& b, const Vertex& c) {
    QPainterPath path;
    path.addPolygon(QPolygonF({a.p, b.p, c.p}));
    path.closeSubpath();
    const QColor mean((a.color.red() + b.color.red() + c.color.red()) / 3,
                      (a.color.green() + b.color.green() + c.color.green()) / 3,
                      (a.color.blue() + b.color.blue() + c.color.blue()) / 3);
    dc.FillDevice(dc.ToDevice().map(path), mean);
}

} // namespace

bool GradientFill(Playback& pb, ByteReader& r) {
    enum { GRADIENT_FILL_RECT_H, GRADIENT_FILL_RECT_V, GRADIENT_FILL_TRIANGLE };
    r.skip(16);
    const std::uint32_t nVer = r.u32(), nTri = r.u32(), mode = r.u32();
    const auto v = ReadVertices(r, nVer);
    const std::uint32_t perItem = mode == GRADIENT_FILL_TRIANGLE ? 3 : 2;
    Bytes items = r.array(nTri, 4 * perItem);
    if (!v || !r.ok() || mode > GRADIENT_FILL_TRIANGLE) return false;
    ByteReader ir(items);
    for (std::uint32_t i = 0; i < nTri; ++i) {
        std::uint32_t idx[3] = {ir.u32(), ir.u32(), perItem == 3 ? ir.u32() : 0};
        if (idx[0] >= nVer || idx[1] >= nVer || idx[2] >= nVer) continue;
        if (perItem == 3)
            FillGradientTriangle(pb.dc, (*v)[idx[0]], (*v)[idx[1]], (*v)[idx[2]]);
        else
            FillGradientRect(pb.dc, (*v)[idx[0]], (*v)[idx[1]], mode == GRADIENT_FILL_RECT_V);
    }
    return true;
}

} // namespace emf::handlers
