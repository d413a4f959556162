// Strokes with GDI+ pens: widths in world units or the pen's own unit, dashes, caps, joins.
#include "emf/player/dash_clip.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_paint.h"

#include <cmath>

namespace emf::plus {

namespace {

Qt::PenCapStyle CapOf(std::int32_t cap) {
    switch (cap) {
    case 1:
        return Qt::SquareCap;
    case 2:
    case 0x12:
        return Qt::RoundCap; // round, round anchor
    case 0x11:
        return Qt::SquareCap; // square anchor
    default:
        return Qt::FlatCap;
    }
}

Qt::PenJoinStyle JoinOf(std::uint32_t join) {
    switch (join) {
    case 1:
        return Qt::BevelJoin;
    case 2:
        return Qt::RoundJoin;
    case 3:
        return Qt::SvgMiterJoin;
    default:
        return Qt::MiterJoin;
    }
}

QList<qreal> DashesOf(const Pen& pen) {
    switch (pen.lineStyle) {
    case 1:
        return {3, 1};
    case 2:
        return {1, 1};
    case 3:
        return {3, 1, 1, 1};
    case 4:
        return {3, 1, 1, 1, 1, 1};
    case 5: {
        QList<qreal> d;
        for (std::size_t i = 0; i < pen.dashes.size() && i < 64; ++i)
            d.push_back(std::max(0.01, double(pen.dashes[i])));
        if (d.size() % 2) d.push_back(d.back());
        return d;
    }
    default:
        return {};
    }
}

double Scale(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

QPen MakePen(const PlusPlayer& p, const Pen& pen) {
    const QTransform toDevice = p.ToDevice();
    double device = pen.width * p.WorldPerUnit(pen.unit) * Scale(toDevice);
    if (const QPaintDevice* d = p.dc().device())
        device = std::min(device, 2.0 * (d->width() + d->height()));
    QPen out(MakePaint(p, pen.brush).brush, std::max(1.0, device));
    out.setCapStyle(CapOf(pen.startCap));
    out.setJoinStyle(JoinOf(pen.join));
    out.setMiterLimit(std::clamp(double(pen.miterLimit), 1.0, 100.0));
    const QList<qreal> dashes = DashesOf(pen);
    if (!dashes.isEmpty()) {
        out.setDashPattern(dashes);
        out.setDashOffset(pen.dashOffset);
    }
    return out;
}

// A dashed stroke keeps only what can reach the device, each piece with its dash phase.
void DrawDashed(QPainter& q, const QPainterPath& device, QPen pen) {
    const QPaintDevice* d = q.device();
    const double margin = pen.widthF() * pen.miterLimit() + 2;
    const QRectF box =
        d ? QRectF(-margin, -margin, d->width() + 2 * margin, d->height() + 2 * margin) : QRectF();
    if (box.isEmpty() || box.contains(device.boundingRect())) {
        q.strokePath(device, pen);
        return;
    }
    double period = 0;
    for (qreal dash : pen.dashPattern())
        period += dash;
    const double offset = pen.dashOffset();
    for (const DashedPiece& piece : PiecesWithin(device, box)) {
        pen.setDashOffset(std::fmod(offset + piece.start / pen.widthF(), period));
        q.strokePath(piece.path, pen);
    }
}

} // namespace

const Pen* PenOf(const PlusPlayer& p, std::uint16_t flags) {
    return p.Get<Pen>(flags & 0xFF);
}

void StrokeWorld(PlusPlayer& p, const QPainterPath& world, const Pen& pen) {
    const QPainterPath device = p.ToDevice().map(world);
    if (device.isEmpty()) return;
    const QPen qpen = MakePen(p, pen);
    PaintScope scope(p);
    if (qpen.style() == Qt::SolidLine)
        scope.painter().strokePath(device, qpen);
    else
        DrawDashed(scope.painter(), device, qpen);
}

} // namespace emf::plus
