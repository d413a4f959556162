#pragma once
// Combining regions into the clip region, in device pixels.

#include "emf/player/dc_core.h"

namespace emf {

enum RegionMode : int { RGN_AND = 1, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY };

/// A device-space shape as a region, with its fill rule, cut to the device's extent plus a
/// margin: the conversion's memory grows with the shape's height.
QRegion RegionOf(const DcCore& dc, const QPainterPath& device);
/// Moves the clip region by a device offset (OffsetClipRgn).
void OffsetClip(DcCore& dc, QPointF offset);
/// Combines region into the clip with an RGN_ mode; false for an unknown mode.
bool CombineClip(DcCore& dc, const QRegion& region, int mode);

} // namespace emf
