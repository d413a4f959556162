#include "emf/player/emfplus/plus_paint.h"

#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_image.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace emf::plus {

namespace {

QTransform ToQt(const Matrix& m) {
    return QTransform(m.m11, m.m12, m.m21, m.m22, m.dx, m.dy);
}

QGradient::Spread SpreadOf(std::int32_t wrap) {
    switch (wrap) {
    case 0:
        return QGradient::RepeatSpread; // tile
    case 1:
    case 2:
    case 3:
        return QGradient::ReflectSpread; // tiles flipped
    default:
        return QGradient::PadSpread; // clamp
    }
}

QColor Mix(Argb a, Argb b, double t) {
    const QColor x = ToColor(a), y = ToColor(b);
    auto lerp = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return QColor(lerp(x.red(), y.red()), lerp(x.green(), y.green()), lerp(x.blue(), y.blue()),
                  lerp(x.alpha(), y.alpha()));
}

// Preset colours give the stops; blend factors say how far from start to end each is.
void SetStops(QGradient& g, const Brush& b, Argb start, Argb end) {
    QGradientStops stops;
    const auto& pos = b.blendPositions;
    for (std::size_t i = 0; i < pos.size() && i < 1024; ++i) {
        const double at = std::clamp(double(pos[i]), 0.0, 1.0);
        if (i < b.blendColors.size())
            stops.push_back({at, ToColor(b.blendColors[i])});
        else if (i < b.blendFactors.size())
            stops.push_back({at, Mix(start, end, std::clamp(double(b.blendFactors[i]), 0.0, 1.0))});
    }
    if (stops.size() < 2) stops = {{0, ToColor(start)}, {1, ToColor(end)}};
    g.setStops(stops);
}

QBrush Linear(const Brush& b) {
    const RectF& r = b.rect;
    QLinearGradient g(r.x, r.y, r.x + r.width, r.y);
    SetStops(g, b, b.color, b.color2);
    g.setSpread(SpreadOf(b.wrapMode));
    return QBrush(g);
}

// A radial blend from the centre colour to the first surrounding colour, reaching the
// boundary's farthest point: the common case of a path gradient, an ellipse.
QBrush Radial(const Brush& b) {
    double radius = 0;
    for (const PointF& q : b.boundary.points)
        radius = std::max(radius, std::hypot(double(q.x) - b.center.x, double(q.y) - b.center.y));
    if (radius <= 0) return QBrush(ToColor(b.color));
    QRadialGradient g(b.center.x, b.center.y, radius);
    const Argb outer = b.surroundingColors.empty() ? b.color : b.surroundingColors.front();
    SetStops(g, b, outer, b.color); // positions run from the boundary to the centre
    QGradientStops stops = g.stops();
    for (auto& s : stops)
        s.first = 1 - s.first;
    std::sort(stops.begin(), stops.end(), [](auto& x, auto& y) { return x.first < y.first; });
    g.setStops(stops);
    return QBrush(g);
}

Qt::BrushStyle HatchOf(std::uint32_t style) {
    switch (style) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 4:
        return Qt::CrossPattern;
    case 5:
        return Qt::DiagCrossPattern;
    default:
        return style < 16 ? Qt::Dense6Pattern : Qt::Dense4Pattern;
    }
}

} // namespace

QColor ToColor(Argb c) {
    return QColor(Red(c), Green(c), Blue(c), Alpha(c));
}

Paint MakePaint(const PlusPlayer& p, const Brush& b) {
    const QTransform toDevice = p.ToDevice();
    Paint paint;
    switch (b.kind) {
    case Brush::Hatch:
        paint.brush = QBrush(ToColor(b.color), HatchOf(b.hatchStyle));
        paint.hatchBack = ToColor(b.color2);
        return paint; // hatches keep their device-pixel pattern, as GDI+ draws them
    case Brush::LinearGradient:
        paint.brush = Linear(b);
        break;
    case Brush::PathGradient:
        paint.brush = Radial(b);
        break;
    case Brush::Texture:
        if (b.texture)
            if (const auto image = DecodeImage(*b.texture)) paint.brush = QBrush(*image);
        break;
    default:
        paint.brush = QBrush(ToColor(b.color));
        return paint;
    }
    paint.brush.setTransform(ToQt(b.transform) * toDevice);
    return paint;
}

std::optional<Paint> PaintOf(const PlusPlayer& p, std::uint16_t flags, std::uint32_t brushId) {
    if (flags & 0x8000) return Paint{QBrush(ToColor(brushId)), std::nullopt};
    if (const Brush* b = p.Get<Brush>(brushId)) return MakePaint(p, *b);
    return std::nullopt;
}

PaintScope::PaintScope(PlusPlayer& p) : m_painter(p.dc().painter()) {
    QPainter& q = m_painter;
    q.save();
    q.setTransform(QTransform());
    const std::optional<QRegion>& outer = p.dc().outerClip;
    if (outer) q.setClipRegion(*outer);
    if (p.state.clip) q.setClipPath(*p.state.clip, outer ? Qt::IntersectClip : Qt::ReplaceClip);
    if (!outer && !p.state.clip) q.setClipping(false);
    q.setCompositionMode(p.state.sourceCopy ? QPainter::CompositionMode_Source
                                            : QPainter::CompositionMode_SourceOver);
    q.setRenderHint(QPainter::Antialiasing, p.state.antialias);
    q.setRenderHint(QPainter::SmoothPixmapTransform, p.state.interpolation != 5);
    q.setPen(Qt::NoPen);
    q.setBrush(Qt::NoBrush);
}

PaintScope::~PaintScope() {
    m_painter.restore();
}

QPainterPath ToPainterPath(const Path& path) {
    QPainterPath out;
    const std::size_t n = std::min(path.points.size(), path.types.size());
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF q(path.points[i].x, path.points[i].y);
        const std::uint8_t t = path.types[i];
        if ((t & PathTypeMask) == PathStart || out.elementCount() == 0)
            out.moveTo(q);
        else if ((t & PathTypeMask) == PathBezier && i + 2 < n) {
            const auto& b = path.points;
            out.cubicTo(q, QPointF(b[i + 1].x, b[i + 1].y), QPointF(b[i + 2].x, b[i + 2].y));
            i += 2;
            if (path.types[i] & PathCloseSubpath) out.closeSubpath();
            continue;
        } else
            out.lineTo(q);
        if (t & PathCloseSubpath) out.closeSubpath();
    }
    return out;
}

void FillWorld(PlusPlayer& p, const QPainterPath& world, const Paint& paint) {
    const QPainterPath device = p.ToDevice().map(world);
    if (device.isEmpty()) return;
    PaintScope scope(p);
    if (paint.hatchBack) scope.painter().fillPath(device, *paint.hatchBack);
    scope.painter().fillPath(device, paint.brush);
}

} // namespace emf::plus
