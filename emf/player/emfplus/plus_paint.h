#pragma once
// Turning GDI+ brushes and pens into device-space QBrush and QPen, and filling and
// stroking world-space shapes under the state's transform, clip and compositing.

#include "emf/player/emfplus/plus_player.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <optional>

namespace emf::plus {

QColor ToColor(Argb c);

/// A shape's paint: the brush, and a hatch's background colour filled under it.
struct Paint {
    QBrush brush;
    std::optional<QColor> hatchBack;
};

/// The paint of a drawing record: a colour when the flags' 0x8000 bit is set, else the
/// brush object with that id; none for a missing object.
std::optional<Paint> PaintOf(const PlusPlayer& p, std::uint16_t flags, std::uint32_t brushId);
/// A brush object as device-space paint.
Paint MakePaint(const PlusPlayer& p, const Brush& brush);

/// The painter set up for one drawing: identity transform, the clip, compositing and
/// smoothing; its state is put back when the scope ends.
class PaintScope {
public:
    explicit PaintScope(PlusPlayer& p);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    QPainter& painter() { return m_painter; }

private:
    QPainter& m_painter;
};

/// A path object as a QPainterPath in world units.
QPainterPath ToPainterPath(const Path& path);

/// Fills a world-space shape.
void FillWorld(PlusPlayer& p, const QPainterPath& world, const Paint& paint);
/// Strokes a world-space shape with a pen object.
void StrokeWorld(PlusPlayer& p, const QPainterPath& world, const Pen& pen);
/// The pen named by a record's flags (its low byte), or null.
const Pen* PenOf(const PlusPlayer& p, std::uint16_t flags);

} // namespace emf::plus
