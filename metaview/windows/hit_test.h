#pragma once
// Select mode: the drawing record under a point.

#include "emf/enh_metafile.h"

#include <QPointF>
#include <QRectF>

#include <optional>

class CEMFData;

namespace metaview {

/// Draws the picture into drawn as the view does (play mode and play flags) and finds the
/// records whose ink, in those device pixels, lies around p: the box of the smallest one
/// (by area), the earliest among equal areas; none when no drawn record is there. Mapping
/// modes, window and viewport, the world transform and clipping all count as in the view.
std::optional<QRectF> SmallestRecordAt(const CEMFData& data, const emf::RectL& drawn, QPointF p);

} // namespace metaview
