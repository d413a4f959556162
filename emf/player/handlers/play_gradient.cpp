// EMR_GRADIENTFILL: rectangles shaded along one axis, triangles shaded between their corners.
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace emf::handlers {

namespace {

// A TRIVERTEX with its position in device pixels and its colour in 16-bit channels.
struct Vertex {
    QPointF p;
    double rgb[3];
};

std::optional<std::vector<Vertex>> ReadVertices(ByteReader& r, std::uint32_t count) {
    Bytes raw = r.array(count, 16);
    if (!r.ok()) return std::nullopt;
    ByteReader vr(raw);
    std::vector<Vertex> v(count);
    for (Vertex& x : v) {
        x.p = ReadPointL(vr);
        for (double& c : x.rgb)
            c = vr.u16();
        vr.skip(2); // alpha
    }
    return v;
}

QColor ColorOf(const double rgb[3]) {
    const auto channel = [](double c) { return int(std::clamp(c, 0.0, 65535.0)) >> 8; };
    return QColor(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]));
}

// A shading placed in device space, undoing the brush origin that filling applies to brushes.
QBrush Placed(QBrush brush, const QTransform& toDevice, const DcCore& dc) {
    const QPointF origin = dc.base.map(dc.state.brushOrg);
    brush.setTransform(toDevice * QTransform::fromTranslate(-origin.x(), -origin.y()));
    return brush;
}

void FillGradientRect(DcCore& dc, const Vertex& a, const Vertex& b, bool vertical) {
    const QRectF box = QRectF(a.p, b.p).normalized();
    QLinearGradient g(a.p, vertical ? QPointF(a.p.x(), b.p.y()) : QPointF(b.p.x(), a.p.y()));
    g.setColorAt(0, ColorOf(a.rgb));
    g.setColorAt(1, ColorOf(b.rgb));
    QPainterPath path;
    path.addRect(box);
    dc.FillDevice(dc.ToDevice().map(path), Placed(QBrush(g), dc.ToDevice(), dc));
}

// The corners' colours blended by barycentric weights at every pixel of the box, so the
// work is bounded by the part of the device the triangle covers.
QImage GouraudImage(const QRect& box, const QPointF (&p)[3], const Vertex* (&v)[3]) {
    QImage img(box.size(), QImage::Format_RGB32);
    const double det = (p[1].y() - p[2].y()) * (p[0].x() - p[2].x()) +
                       (p[2].x() - p[1].x()) * (p[0].y() - p[2].y());
    for (int y = 0; y < box.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double py = box.y() + y + 0.5;
        for (int x = 0; x < box.width(); ++x) {
            const double px = box.x() + x + 0.5;
            const double w0 = ((p[1].y() - p[2].y()) * (px - p[2].x()) +
                               (p[2].x() - p[1].x()) * (py - p[2].y())) /
                              det;
            const double w1 = ((p[2].y() - p[0].y()) * (px - p[2].x()) +
                               (p[0].x() - p[2].x()) * (py - p[2].y())) /
                              det;
            const double w[3] = {w0, w1, 1 - w0 - w1};
            double rgb[3] = {0, 0, 0};
            for (int k = 0; k < 3; ++k)
                for (int c = 0; c < 3; ++c)
                    rgb[c] += std::clamp(w[k], 0.0, 1.0) * v[k]->rgb[c];
            row[x] = ColorOf(rgb).rgb();
        }
    }
    return img;
}

void FillGradientTriangle(DcCore& dc, const Vertex& a, const Vertex& b, const Vertex& c) {
    const QTransform t = dc.ToDevice();
    const QPointF p[3] = {t.map(a.p), t.map(b.p), t.map(c.p)};
    const Vertex* v[3] = {&a, &b, &c};
    QPainterPath path;
    path.addPolygon(QPolygonF({p[0], p[1], p[2]}));
    path.closeSubpath();
    const QPaintDevice* device = dc.device();
    QRect box = path.boundingRect().toAlignedRect().intersected(
        device ? QRect(0, 0, device->width(), device->height()) : QRect());
    if (const std::optional<QRegion> clip = dc.EffectiveClip())
        box = box.intersected(clip->boundingRect());
    if (box.isEmpty()) return;
    const double area = (p[1].x() - p[0].x()) * (p[2].y() - p[0].y()) -
                        (p[2].x() - p[0].x()) * (p[1].y() - p[0].y());
    if (std::abs(area) < 1e-9) return; // a line has no inside to shade
    const QTransform at = QTransform::fromTranslate(box.x(), box.y());
    dc.FillDevice(path, Placed(QBrush(GouraudImage(box, p, v)), at, dc));
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
