// Cardinal splines and Bezier curves.
#include "emf/emfplus/plus_geometry.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/player/emfplus/plus_paint.h"

namespace emf::plus::handlers {

namespace {

constexpr std::uint16_t kWinding = 0x2000;

QPointF At(const std::vector<PointF>& pts, std::size_t i) {
    return {pts[i].x, pts[i].y};
}

// A cardinal spline through the points as Bezier segments: each control point lies a third
// of the tension along the chord through the neighbours.
QPainterPath Spline(const std::vector<PointF>& pts, float tension, bool closed,
                    std::size_t first = 0, std::size_t segments = SIZE_MAX) {
    QPainterPath path;
    const std::size_t n = pts.size();
    if (n < 2) return path;
    const double t = double(tension) / 3;
    auto point = [&](std::ptrdiff_t i) {
        if (closed) return At(pts, std::size_t((i % std::ptrdiff_t(n) + n) % n));
        return At(pts, std::size_t(std::clamp<std::ptrdiff_t>(i, 0, std::ptrdiff_t(n) - 1)));
    };
    const std::size_t last = closed ? n : n - 1;
    segments = std::min(segments, last - std::min(first, last));
    path.moveTo(point(std::ptrdiff_t(first)));
    for (std::size_t s = first; s < first + segments; ++s) {
        const auto i = std::ptrdiff_t(s);
        const QPointF c1 = point(i) + t * (point(i + 1) - point(i - 1));
        const QPointF c2 = point(i + 1) - t * (point(i + 2) - point(i));
        path.cubicTo(c1, c2, point(i + 1));
    }
    if (closed) path.closeSubpath();
    return path;
}

bool Read(const PlusRecord& rec, ByteReader& r, std::vector<PointF>& pts) {
    const std::uint32_t count = r.u32();
    return r.ok() && ReadPoints(r, count, PointFormOf(rec.flags), pts);
}

} // namespace

bool FillClosedCurve(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32();
    const float tension = r.f32();
    std::vector<PointF> pts;
    if (!Read(rec, r, pts)) return false;
    QPainterPath path = Spline(pts, tension, true);
    path.setFillRule((rec.flags & kWinding) ? Qt::WindingFill : Qt::OddEvenFill);
    const auto paint = PaintOf(p, rec.flags, brush);
    if (paint) FillWorld(p, path, *paint);
    return paint.has_value();
}

bool DrawClosedCurve(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float tension = r.f32();
    std::vector<PointF> pts;
    const Pen* pen = PenOf(p, rec.flags);
    if (!Read(rec, r, pts) || !pen) return false;
    StrokeWorld(p, Spline(pts, tension, true), *pen);
    return true;
}

bool DrawCurve(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float tension = r.f32();
    const std::uint32_t offset = r.u32(), segments = r.u32();
    std::vector<PointF> pts;
    const Pen* pen = PenOf(p, rec.flags);
    if (!Read(rec, r, pts) || !pen) return false;
    StrokeWorld(p, Spline(pts, tension, false, offset, segments), *pen);
    return true;
}

bool DrawBeziers(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    std::vector<PointF> pts;
    const Pen* pen = PenOf(p, rec.flags);
    if (!Read(rec, r, pts) || !pen || pts.empty()) return false;
    QPainterPath path(At(pts, 0));
    for (std::size_t i = 1; i + 2 < pts.size(); i += 3)
        path.cubicTo(At(pts, i), At(pts, i + 1), At(pts, i + 2));
    StrokeWorld(p, path, *pen);
    return true;
}

} // namespace emf::plus::handlers
