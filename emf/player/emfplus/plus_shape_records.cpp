// Rectangles, polygons, lines, ellipses, pies, arcs, regions and paths.
#include "emf/emfplus/plus_geometry.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/player/emfplus/plus_paint.h"
#include "emf/player/emfplus/plus_region.h"

namespace emf::plus::handlers {

namespace {

constexpr std::uint16_t kCompressed = 0x4000;
constexpr std::uint16_t kClosedLines = 0x2000;

QRectF ToQt(const RectF& r) {
    return QRectF(r.x, r.y, r.width, r.height);
}

QPolygonF ToPolygon(const std::vector<PointF>& points) {
    QPolygonF out;
    out.reserve(qsizetype(points.size()));
    for (const PointF& q : points)
        out.push_back(QPointF(q.x, q.y));
    return out;
}

// Pies and arcs: GDI+ angles run clockwise on the page, Qt's the other way.
QPainterPath Arc(const QRectF& box, float start, float sweep, bool pie) {
    QPainterPath path;
    if (pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, -start);
    path.arcTo(box, -start, -std::clamp(sweep, -360.f, 360.f));
    if (pie) path.closeSubpath();
    return path;
}

struct AngleBox {
    float start = 0, sweep = 0;
    QRectF box;
};
AngleBox ReadAngleBox(const PlusRecord& rec, ByteReader& r) {
    AngleBox a;
    a.start = r.f32();
    a.sweep = r.f32();
    a.box = ToQt(ReadRect(r, rec.flags & kCompressed));
    return a;
}

bool Stroke(PlusPlayer& p, const PlusRecord& rec, const QPainterPath& path) {
    const Pen* pen = PenOf(p, rec.flags);
    if (pen) StrokeWorld(p, path, *pen);
    return pen != nullptr;
}

bool Fill(PlusPlayer& p, const PlusRecord& rec, std::uint32_t brushId, QPainterPath path) {
    const auto paint = PaintOf(p, rec.flags, brushId);
    if (paint) FillWorld(p, path, *paint);
    return paint.has_value();
}

} // namespace

bool Clear(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const Argb color = r.u32();
    if (!r.ok()) return false;
    PaintScope scope(p);
    scope.painter().setCompositionMode(QPainter::CompositionMode_Source);
    const QPaintDevice* d = scope.painter().device();
    if (d) scope.painter().fillRect(QRect(0, 0, d->width(), d->height()), ToColor(color));
    return true;
}

bool FillRects(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32(), count = r.u32();
    std::vector<RectF> rects;
    if (!r.ok() || !ReadRects(r, count, rec.flags & kCompressed, rects)) return false;
    QPainterPath path;
    for (const RectF& q : rects)
        path.addRect(ToQt(q));
    return Fill(p, rec, brush, path);
}

bool DrawRects(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t count = r.u32();
    std::vector<RectF> rects;
    if (!r.ok() || !ReadRects(r, count, rec.flags & kCompressed, rects)) return false;
    QPainterPath path;
    for (const RectF& q : rects)
        path.addRect(ToQt(q));
    return Stroke(p, rec, path);
}

bool FillPolygon(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32(), count = r.u32();
    std::vector<PointF> points;
    if (!r.ok() || !ReadPoints(r, count, PointFormOf(rec.flags), points)) return false;
    QPainterPath path;
    path.addPolygon(ToPolygon(points));
    path.closeSubpath();
    return Fill(p, rec, brush, path);
}

bool DrawLines(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t count = r.u32();
    std::vector<PointF> points;
    if (!r.ok() || !ReadPoints(r, count, PointFormOf(rec.flags), points)) return false;
    QPainterPath path;
    path.addPolygon(ToPolygon(points));
    if (rec.flags & kClosedLines) path.closeSubpath();
    return Stroke(p, rec, path);
}

bool FillEllipse(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32();
    const QRectF box = ToQt(ReadRect(r, rec.flags & kCompressed));
    if (!r.ok()) return false;
    QPainterPath path;
    path.addEllipse(box);
    return Fill(p, rec, brush, path);
}

bool DrawEllipse(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const QRectF box = ToQt(ReadRect(r, rec.flags & kCompressed));
    if (!r.ok()) return false;
    QPainterPath path;
    path.addEllipse(box);
    return Stroke(p, rec, path);
}

bool FillPie(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32();
    const AngleBox a = ReadAngleBox(rec, r);
    return r.ok() && Fill(p, rec, brush, Arc(a.box, a.start, a.sweep, true));
}

bool DrawPie(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const AngleBox a = ReadAngleBox(rec, r);
    return r.ok() && Stroke(p, rec, Arc(a.box, a.start, a.sweep, true));
}

bool DrawArc(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const AngleBox a = ReadAngleBox(rec, r);
    return r.ok() && Stroke(p, rec, Arc(a.box, a.start, a.sweep, false));
}

bool FillRegion(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32();
    const Region* region = p.Get<Region>(rec.flags & 0xFF);
    return r.ok() && region && Fill(p, rec, brush, RegionPath(*region));
}

bool FillPath(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32();
    const Path* path = p.Get<Path>(rec.flags & 0xFF);
    return r.ok() && path && Fill(p, rec, brush, ToPainterPath(*path));
}

bool DrawPath(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t penId = r.u32();
    const Path* path = p.Get<Path>(rec.flags & 0xFF);
    const Pen* pen = p.Get<Pen>(penId);
    if (!r.ok() || !path || !pen) return false;
    StrokeWorld(p, ToPainterPath(*path), *pen);
    return true;
}

} // namespace emf::plus::handlers
