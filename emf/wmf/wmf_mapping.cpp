#include "emf/wmf/wmf_mapping.h"

#include <algorithm>
#include <cmath>

namespace emf {
namespace {

enum MapMode : std::uint32_t {
    MM_TEXT = 1,
    MM_LOMETRIC,
    MM_HIMETRIC,
    MM_LOENGLISH,
    MM_HIENGLISH,
    MM_TWIPS,
    MM_ISOTROPIC,
    MM_ANISOTROPIC
};

// Logical units per millimetre of the fixed map modes.
double UnitsPerMillimeter(std::uint32_t mode) {
    switch (mode) {
    case MM_LOMETRIC:
        return 10.0;
    case MM_HIMETRIC:
        return 100.0;
    case MM_LOENGLISH:
        return 100.0 / 25.4;
    case MM_HIENGLISH:
        return 1000.0 / 25.4;
    case MM_TWIPS:
        return 1440.0 / 25.4;
    default:
        return 0.0;
    }
}

std::int32_t Clamp32(double v) {
    if (!(v > -2147483648.0)) return INT32_MIN; // NaN lands here too
    return v >= 2147483647.0 ? INT32_MAX : static_cast<std::int32_t>(std::lround(v));
}

} // namespace

WmfMapping::WmfMapping(SizeL devicePixels, SizeL deviceMillimeters)
    : m_pixels(devicePixels), m_millimeters(deviceMillimeters), m_viewportExt(devicePixels) {
    m_state.windowExt = devicePixels;
}

void WmfMapping::SetWindowExt(SizeL ext) {
    if (ext.cx != 0 && ext.cy != 0) m_state.windowExt = ext;
}

void WmfMapping::ScaleWindowExt(std::int32_t xNum, std::int32_t xDenom, std::int32_t yNum,
                                std::int32_t yDenom) {
    if (xDenom == 0 || yDenom == 0) return;
    SetWindowExt({Clamp32(double(m_state.windowExt.cx) * xNum / xDenom),
                  Clamp32(double(m_state.windowExt.cy) * yNum / yDenom)});
}

void WmfMapping::Restore(std::int32_t level) {
    const std::int64_t depth = static_cast<std::int64_t>(m_saved.size());
    const std::int64_t target = level < 0 ? depth + level : level - 1;
    if (target < 0 || target >= depth) return;
    m_state = m_saved[static_cast<std::size_t>(target)];
    m_saved.resize(static_cast<std::size_t>(target));
}

void WmfMapping::Scales(double& sx, double& sy) const {
    const std::uint32_t mode = m_state.mode;
    if (mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) {
        sx = double(m_viewportExt.cx) / m_state.windowExt.cx;
        sy = double(m_viewportExt.cy) / m_state.windowExt.cy;
        if (mode == MM_ISOTROPIC) { // the smaller scale wins, each axis keeps its sign
            const double s = std::min(std::fabs(sx), std::fabs(sy));
            sx = std::copysign(s, sx), sy = std::copysign(s, sy);
        }
        return;
    }
    const double units = UnitsPerMillimeter(mode);
    if (units == 0.0 || m_millimeters.cx == 0 || m_millimeters.cy == 0) {
        sx = sy = 1.0; // MM_TEXT and anything unknown
        return;
    }
    sx = m_pixels.cx / (m_millimeters.cx * units);
    sy = -m_pixels.cy / (m_millimeters.cy * units); // y grows upwards in the metric modes
}

PointL WmfMapping::ToDevice(PointL p) const {
    double sx, sy;
    Scales(sx, sy);
    return {Clamp32((double(p.x) - m_state.windowOrg.x) * sx),
            Clamp32((double(p.y) - m_state.windowOrg.y) * sy)};
}

RectL WmfMapping::ToDevice(const RectL& r) const {
    const PointL a = ToDevice(PointL{r.left, r.top}), b = ToDevice(PointL{r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace emf
