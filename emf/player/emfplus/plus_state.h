#pragma once
// The graphics state of GDI+ playback: what Save and BeginContainer push and Restore and
// EndContainer pop, apart from the GDI device context's own state.

#include "emf/emfplus/plus_objects.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <memory>
#include <optional>

namespace emf::plus {

struct GraphicsState {
    QTransform world;
    Unit pageUnit = Unit::Display;
    float pageScale = 1;
    std::optional<QPainterPath> clip; ///< device pixels; none = everything
    bool antialias = false;
    bool sourceCopy = false; ///< compositing mode: replace rather than blend
    int textHint = 0;
    int interpolation = 0;
    int pixelOffset = 0;
    QPointF renderingOrigin;
};

/// A Save or a BeginContainer: the state to return to, under the stack index the record named.
struct SavedState {
    std::uint32_t index = 0;
    GraphicsState state;
};

/// The objects a picture defines, by their 8-bit ids (0 to 63 in sound pictures).
using ObjectTable = std::array<std::shared_ptr<const Object>, 256>;

/// Device pixels per unit, given the reference device's resolution; World and Display
/// count as pixels, as they do when a picture is played.
double PixelsPerUnit(Unit unit, double dpi);

} // namespace emf::plus
