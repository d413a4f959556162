#include "emf/wmf/wmf_context.h"

#include <algorithm>

namespace emf {

WmfContext::WmfContext(std::size_t budgetBytes)
    : mapping(kReferenceDevice.pixels, kReferenceDevice.millimeters),
      selectedPalette(kDefaultPaletteHandle), budget(budgetBytes), area(kReferenceDevice.pixels) {}

PointL ReadYX(ByteReader& r) {
    const std::int16_t y = r.i16(), x = r.i16();
    return {x, y};
}

void WmfContext::Draw(const RectL& logical) {
    const RectL d = mapping.ToDevice(logical);
    const RectL clipped{std::max(d.left, 0), std::max(d.top, 0), std::min(d.right, area.cx - 1),
                        std::min(d.bottom, area.cy - 1)};
    if (clipped.left <= clipped.right && clipped.top <= clipped.bottom)
        emf.IncludeInBounds(clipped);
}

RectL ReadReversedRect(ByteReader& r) {
    RectL v;
    v.bottom = r.i16(), v.right = r.i16(), v.top = r.i16(), v.left = r.i16();
    return v;
}

std::vector<PointL> ReadPoints(ByteReader& r, std::uint64_t count) {
    ByteReader points(r.array(count, 4));
    std::vector<PointL> out;
    if (!r.ok()) return out;
    out.reserve(static_cast<std::size_t>(count));
    while (points.remaining() >= 4) {
        const std::int16_t x = points.i16(), y = points.i16();
        out.push_back({x, y});
    }
    return out;
}

RectL Extent(std::span<const PointL> points) {
    if (points.empty()) return {0, 0, -1, -1};
    RectL r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const PointL& p : points) {
        r.left = std::min(r.left, p.x), r.right = std::max(r.right, p.x);
        r.top = std::min(r.top, p.y), r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

} // namespace emf
