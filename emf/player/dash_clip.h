#pragma once
// A dashed stroke costs in proportion to its dashes wherever they fall, so a line reaching far
// beyond the device would be cut into millions of them. Only the parts of a path that can
// touch the device are kept, each with the distance along its figure at which it starts, so
// that its dashes fall where they would on the whole line.

#include <QPainterPath>
#include <QRectF>
#include <vector>

namespace emf {

struct DashedPiece {
    QPainterPath path; ///< an open polyline inside the box
    double start = 0;  ///< its distance from the start of its figure, device pixels
};

/// The pieces of device (flattened to polylines) that lie within box.
std::vector<DashedPiece> PiecesWithin(const QPainterPath& device, const QRectF& box);

} // namespace emf
