// Line and polygon records: poly lines, polygons and beziers (32- and 16-bit points),
// PolyDraw, the current position and single pixels.
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

#include <QPainter>
#include <cmath>

namespace emf::handlers {

namespace {

enum class Poly { Bezier, Polygon, Polyline, BezierTo, PolylineTo };

// Cubic segments from points[first]; a trailing incomplete segment is left out.
void AddBeziers(QPainterPath& path, const QPolygonF& points, qsizetype first) {
    for (qsizetype i = first; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

bool DrawPoly(DcCore& dc, Poly kind, const QPolygonF& pts) {
    DcState& s = dc.state;
    QPainterPath path;
    switch (kind) {
    case Poly::Polygon:
        if (pts.size() < 2) return true;
        path.addPolygon(pts);
        path.closeSubpath();
        dc.DrawShape(path, true, true);
        return true;
    case Poly::Polyline:
        path.addPolygon(pts);
        break;
    case Poly::PolylineTo:
        path.moveTo(s.currentPos);
        for (const QPointF& p : pts)
            path.lineTo(p);
        break;
    case Poly::Bezier:
        if (pts.size() < 4) return true;
        path.moveTo(pts[0]);
        AddBeziers(path, pts, 1);
        break;
    case Poly::BezierTo:
        path.moveTo(s.currentPos);
        AddBeziers(path, pts, 0);
        break;
    }
    const bool continues = kind == Poly::PolylineTo || kind == Poly::BezierTo;
    if (continues && path.elementCount() > 1) s.currentPos = path.currentPosition();
    dc.DrawOpen(path, continues);
    return true;
}

bool PlayPoly(Playback& pb, ByteReader& r, Poly kind, bool sixteenBit) {
    r.skip(16); // bounds
    const std::optional<QPolygonF> pts = ReadPoints(r, r.u32(), sixteenBit);
    return pts && DrawPoly(pb.dc, kind, *pts);
}

bool PlayPolyPoly(Playback& pb, ByteReader& r, bool polygons, bool sixteenBit) {
    r.skip(16);
    const std::uint32_t nPolys = r.u32(), total = r.u32();
    Bytes counts = r.array(nPolys, 4);
    const std::optional<QPolygonF> pts = ReadPoints(r, total, sixteenBit);
    if (!pts) return false;
    ByteReader cr(counts);
    QPainterPath path;
    qsizetype at = 0;
    for (std::uint32_t i = 0; i < nPolys; ++i) {
        const std::uint32_t n = cr.u32();
        if (n > std::uint32_t(pts->size() - at)) return false;
        path.addPolygon(pts->mid(at, n));
        if (polygons) path.closeSubpath();
        at += n;
    }
    if (polygons)
        pb.dc.DrawShape(path, true, true);
    else
        pb.dc.DrawOpen(path, false);
    return true;
}

bool PlayPolyDraw(Playback& pb, ByteReader& r, bool sixteenBit) {
    enum { PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6 };
    r.skip(16);
    const std::uint32_t count = r.u32();
    const std::optional<QPolygonF> pts = ReadPoints(r, count, sixteenBit);
    Bytes types = r.bytes(count);
    if (!pts || !r.ok()) return false;
    QPainterPath path(pb.dc.state.currentPos);
    for (qsizetype i = 0; i < pts->size(); ++i) {
        const auto t = std::to_integer<std::uint8_t>(types[size_t(i)]);
        if ((t & ~PT_CLOSEFIGURE) == PT_MOVETO)
            path.moveTo((*pts)[i]);
        else if ((t & ~PT_CLOSEFIGURE) == PT_BEZIERTO && i + 2 < pts->size()) {
            path.cubicTo((*pts)[i], (*pts)[i + 1], (*pts)[i + 2]);
            i += 2;
        } else
            path.lineTo((*pts)[i]);
        if (t & PT_CLOSEFIGURE) path.closeSubpath();
    }
    pb.dc.state.currentPos = path.currentPosition();
    pb.dc.DrawOpen(path, true);
    return true;
}

} // namespace

bool PolyBezier(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Bezier, false);
}
bool Polygon(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Polygon, false);
}
bool Polyline(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Polyline, false);
}
bool PolyBezierTo(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::BezierTo, false);
}
bool PolylineTo(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::PolylineTo, false);
}
bool PolyBezier16(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Bezier, true);
}
bool Polygon16(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Polygon, true);
}
bool Polyline16(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::Polyline, true);
}
bool PolyBezierTo16(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::BezierTo, true);
}
bool PolylineTo16(Playback& pb, ByteReader& r) {
    return PlayPoly(pb, r, Poly::PolylineTo, true);
}
bool PolyPolyline(Playback& pb, ByteReader& r) {
    return PlayPolyPoly(pb, r, false, false);
}
bool PolyPolygon(Playback& pb, ByteReader& r) {
    return PlayPolyPoly(pb, r, true, false);
}
bool PolyPolyline16(Playback& pb, ByteReader& r) {
    return PlayPolyPoly(pb, r, false, true);
}
bool PolyPolygon16(Playback& pb, ByteReader& r) {
    return PlayPolyPoly(pb, r, true, true);
}
bool PolyDraw(Playback& pb, ByteReader& r) {
    return PlayPolyDraw(pb, r, false);
}
bool PolyDraw16(Playback& pb, ByteReader& r) {
    return PlayPolyDraw(pb, r, true);
}

bool MoveToEx(Playback& pb, ByteReader& r) {
    const QPointF p = ReadPointL(r);
    if (r.ok()) pb.dc.MoveTo(p);
    return r.ok();
}

bool LineTo(Playback& pb, ByteReader& r) {
    const QPointF p = ReadPointL(r);
    if (r.ok()) pb.dc.LineTo(p);
    return r.ok();
}

bool SetPixelV(Playback& pb, ByteReader& r) {
    const QPointF p = ReadPointL(r);
    const COLORREF c = r.u32();
    if (!r.ok() || !pb.dc.BeginPaint(R2_COPYPEN, false)) return r.ok();
    const QPointF d = pb.dc.ToDevice().map(p);
    pb.dc.painter().fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), ToQColor(c));
    return true;
}

} // namespace emf::handlers
