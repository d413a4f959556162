// Rectangles, ellipses, arcs, chords and pies.
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

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

} // namespace emf::handlers
