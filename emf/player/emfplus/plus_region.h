#pragma once
// Regions and clipping as QPainterPaths.

#include "emf/emfplus/plus_objects.h"

#include <QPainterPath>
#include <optional>

namespace emf::plus {

/// A region object's area in world units; an infinite part is a very large rectangle.
QPainterPath RegionPath(const Region& region);

/// Combines a clip (device pixels; none = everything) with a new area by mode.
std::optional<QPainterPath> CombineClip(const std::optional<QPainterPath>& clip,
                                        const QPainterPath& area, CombineMode mode);

} // namespace emf::plus
