#pragma once
// The state and drawing primitives shared by the device context and the record handlers.
// Geometry is built in logical units, mapped to device pixels here, and drawn by QPainter
// with an identity transform, so pens, fonts and paths follow GDI's device-space rules.

#include "emf/player/dc_state.h"
#include "emf/player/device_caps.h"
#include "emf/player/play_notes.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace emf {

namespace plus {
class PlusPlayer;
}

class DcCore {
public:
    explicit DcCore(QPainter& painter);

    QPainter& painter() { return *m_painter; }
    QPaintDevice* device() const;
    const DeviceCaps& caps() const { return m_caps; }

    DcState state;
    std::vector<DcState> saved;

    /// Playback frame: reference-device units to the painter's pixels, the pixels per
    /// millimetre the metric map modes use, and the clip the caller's state imposes.
    QTransform base;
    QSizeF pxPerMm;
    std::optional<QRegion> outerClip;
    /// Edges drawn unblended, as GDI draws them: flood fills read the device's colours, and
    /// anti-aliased outlines let them leak through.
    bool unblended = false;
    /// What was left out of the drawing, and why.
    PlayNotes notes;
    /// GDI+ records: whether they are drawn (else the GDI records are), which of them
    /// (by comment offset and index within; none = all), and their player while a
    /// picture plays.
    bool drawEmfPlus = true;
    std::function<bool(std::size_t offset, std::size_t index)> plusFilter;
    std::shared_ptr<plus::PlusPlayer> plus;

    /// SaveDC: pushes the state; returns the new level.
    int Save();
    /// RestoreDC: a positive level restores that level, a negative one counts back.
    bool Restore(int level);

    QTransform PageTransform() const;
    /// Logical units to device pixels: world, then page, then the playback frame.
    QTransform ToDevice() const;
    /// Logical units to the pixels of the metafile's reference device (page space mapped).
    QTransform ToReference() const;
    /// Linear scale of ToDevice (square root of its determinant's magnitude).
    double DeviceScale() const;

    /// Fills and/or strokes a logical shape with the selected brush and pen; while a path
    /// is being recorded, the shape joins the path instead.
    void DrawShape(const QPainterPath& logical, bool fill, bool stroke);
    /// Strokes an open logical figure; while a path is being recorded it joins the path,
    /// continuing the current figure when continueFigure is set (the "...To" records).
    void DrawOpen(const QPainterPath& logical, bool continueFigure);
    /// Fills a device-space shape with brush under the mix mode and clipping.
    void FillDevice(const QPainterPath& device, const QBrush& brush);
    /// Fills a device-space region the same way; for regions of many small rectangles.
    void FillDevice(const QRegion& device, const QBrush& brush);
    /// Strokes a device-space shape with the selected pen.
    void StrokeDevice(const QPainterPath& device);

    /// MoveToEx and LineTo: the current position, which also starts or extends the path.
    void MoveTo(QPointF logical);
    void LineTo(QPointF logical);

    QPen DevicePen() const;
    QBrush DeviceBrush(const HGDIOBJ& brush) const;

    /// The clip the next drawing obeys, in device pixels (outer, meta and clip regions).
    std::optional<QRegion> EffectiveClip() const;
    /// Prepares the painter (identity transform, clip, mix mode); false for R2_NOP.
    bool BeginPaint(int rop2, bool antialias);

private:
    bool BeginFill(const QBrush& brush, bool antialias);

    QPainter* m_painter;
    DeviceCaps m_caps;
};

} // namespace emf
