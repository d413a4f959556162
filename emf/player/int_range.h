#pragma once
// Coordinates from outside bytes reach doubles that no int can hold: QPointF::toPoint and
// QRectF::toRect would overflow (undefined behaviour). These round and clamp instead.

#include <QPoint>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace emf {

/// v rounded to the nearest integer within [-limit, limit]; 0 for NaN.
inline int ClampToInt(double v, int limit = std::numeric_limits<int>::max()) {
    if (std::isnan(v)) return 0;
    return int(std::lround(std::clamp(v, -double(limit), double(limit))));
}

inline QPoint ClampToPoint(QPointF p) {
    return QPoint(ClampToInt(p.x()), ClampToInt(p.y()));
}

} // namespace emf
