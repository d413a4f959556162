// EMR_EXTFLOODFILL: needs the device's pixels, so it fills only on image devices; on others
// (printers, PDF, SVG, widgets) it is left out with a note.
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/int_range.h"
#include "emf/player/record_reader.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace emf::handlers {

namespace {

enum { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };

// The pixels of an image device, as 32-bit RGB rows.
class Pixels {
public:
    explicit Pixels(const QImage& device)
        : m_img(device.depth() == 32 ? device : device.convertToFormat(QImage::Format_RGB32)) {}
    int width() const { return m_img.width(); }
    int height() const { return m_img.height(); }
    QRgb at(int x, int y) const {
        return reinterpret_cast<const QRgb*>(m_img.constScanLine(y))[x] & 0xFFFFFF;
    }

private:
    QImage m_img;
};

// A scanline fill: the 4-connected pixels from seed that belong to the fill (those of the
// surface colour, or those not of the border colour) as one-pixel-high runs, sorted by row.
// Each pixel joins one run and is looked at a bounded number of times.
std::vector<QRect> FloodRuns(const Pixels& px, QPoint seed, QRgb color, int mode) {
    const int w = px.width(), h = px.height();
    std::vector<std::uint8_t> taken(std::size_t(w) * std::size_t(h), 0);
    const auto open = [&](int x, int y) {
        if (taken[std::size_t(y) * w + x]) return false;
        return (px.at(x, y) == color) == (mode == FLOODFILLSURFACE);
    };
    std::vector<QRect> runs;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const int y = p.y();
        if (!open(p.x(), y)) continue;
        int left = p.x(), right = p.x();
        while (left > 0 && open(left - 1, y))
            --left;
        while (right + 1 < w && open(right + 1, y))
            ++right;
        std::fill_n(taken.begin() + std::ptrdiff_t(std::size_t(y) * w + left), right - left + 1, 1);
        runs.emplace_back(left, y, right - left + 1, 1);
        for (const int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= h) continue;
            for (int x = left; x <= right; ++x)
                if (open(x, ny) && (x == left || !open(x - 1, ny))) stack.emplace_back(x, ny);
        }
    }
    std::sort(runs.begin(), runs.end(), [](const QRect& a, const QRect& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return runs;
}

} // namespace

bool ExtFloodFill(Playback& pb, ByteReader& r) {
    const QPointF start = ReadPointL(r);
    const COLORREF color = r.u32();
    const int mode = r.i32();
    if (!r.ok()) return false;
    const auto* img = dynamic_cast<const QImage*>(pb.dc.painter().device());
    if (!img) {
        ++pb.dc.notes.skippedFloodFills;
        return true;
    }
    const QPoint seed = ClampToPoint(pb.dc.ToDevice().map(start));
    if (!img->rect().contains(seed)) return true;
    const Pixels px(*img);
    const QRgb c = ToQColor(color).rgb() & 0xFFFFFF;
    if ((px.at(seed.x(), seed.y()) == c) != (mode == FLOODFILLSURFACE)) return true;
    const std::vector<QRect> runs = FloodRuns(px, seed, c, mode);
    QRegion area; // y-x banded rectangles, as setRects wants them
    area.setRects(runs.data(), int(runs.size()));
    pb.dc.FillDevice(area, pb.dc.DeviceBrush(pb.dc.state.brush));
    return true;
}

} // namespace emf::handlers
