// EMR_EXTFLOODFILL: needs the device's pixels, so it fills only on image devices.
#include "emf/player/gdi_objects.h"
#include "emf/player/record_handlers.h"
#include "emf/player/record_reader.h"

#include <QImage>
#include <QPainter>
#include <vector>

namespace emf::handlers {

namespace {

enum { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };

// Marks the 4-connected pixels from seed that belong to the fill: those of the surface
// colour, or those not of the border colour. Each pixel is pushed at most once.
std::vector<bool> FloodMask(const QImage& img, QPoint seed, QRgb color, int mode) {
    const int w = img.width(), h = img.height();
    std::vector<bool> mask(size_t(w) * size_t(h), false);
    auto inside = [&](int x, int y) {
        const bool same = (img.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
        return mode == FLOODFILLSURFACE ? same : !same;
    };
    std::vector<QPoint> stack{seed};
    mask[size_t(seed.y()) * w + seed.x()] = true;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
            const size_t i = size_t(q.y()) * w + q.x();
            if (mask[i] || !inside(q.x(), q.y())) continue;
            mask[i] = true;
            stack.push_back(q);
        }
    }
    return mask;
}

} // namespace

bool ExtFloodFill(Playback& pb, ByteReader& r) {
    const QPointF start = ReadPointL(r);
    const COLORREF color = r.u32();
    const int mode = r.i32();
    if (!r.ok()) return false;
    auto* img = dynamic_cast<QImage*>(pb.dc.painter().device());
    const QPoint seed = pb.dc.ToDevice().map(start).toPoint();
    if (!img || !img->rect().contains(seed)) return true;
    const QRgb c = ToQColor(color).rgb();
    const bool seedInside = (img->pixel(seed) & 0xFFFFFF) == (c & 0xFFFFFF);
    if (seedInside != (mode == FLOODFILLSURFACE)) return true;
    const std::vector<bool> mask = FloodMask(*img, seed, c, mode);
    QPainterPath area;
    for (int y = 0; y < img->height(); ++y)
        for (int x = 0; x < img->width(); ++x)
            if (mask[size_t(y) * img->width() + x]) area.addRect(x, y, 1, 1);
    pb.dc.FillDevice(area, pb.dc.DeviceBrush(pb.dc.state.brush));
    return true;
}

} // namespace emf::handlers
