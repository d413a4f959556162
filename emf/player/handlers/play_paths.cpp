// Path records: recording a path between BeginPath and EndPath, then filling, stroking,
// flattening, widening or selecting it as the clip. The path is used up by all but the last
// two of those and by AbortPath.
#include "emf/player/clip_region.h"
#include "emf/player/handlers/record_handlers.h"

#include <QPainterPathStroker>

namespace emf::handlers {

namespace {

// The recorded path, when one is ready (EndPath seen, or still open: writers that forget
// EndPath are forgiven).
QPainterPath* ReadyPath(DcCore& dc) {
    PathState& p = dc.state.path;
    return (p.closed || p.open) ? &p.path : nullptr;
}

void DiscardPath(DcCore& dc) {
    dc.state.path = PathState{};
}

bool PaintPath(DcCore& dc, bool fill, bool stroke) {
    QPainterPath* path = ReadyPath(dc);
    if (!path) return true;
    QPainterPath device = *path;
    DiscardPath(dc);
    device.setFillRule(dc.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    if (fill) dc.FillDevice(device, dc.DeviceBrush(dc.state.brush));
    if (stroke) dc.StrokeDevice(device);
    return true;
}

} // namespace

bool BeginPath(Playback& pb, ByteReader&) {
    PathState& p = pb.dc.state.path;
    p = PathState{};
    p.open = true;
    p.path.moveTo(pb.dc.ToDevice().map(pb.dc.state.currentPos));
    return true;
}

bool EndPath(Playback& pb, ByteReader&) {
    PathState& p = pb.dc.state.path;
    if (!p.open) return false;
    p.open = false;
    p.closed = true;
    return true;
}

bool CloseFigure(Playback& pb, ByteReader&) {
    PathState& p = pb.dc.state.path;
    if (!p.open) return false;
    p.path.closeSubpath();
    p.figureClosed = true;
    return true;
}

bool AbortPath(Playback& pb, ByteReader&) {
    DiscardPath(pb.dc);
    return true;
}

bool FillPath(Playback& pb, ByteReader&) {
    return PaintPath(pb.dc, true, false);
}
bool StrokeAndFillPath(Playback& pb, ByteReader&) {
    return PaintPath(pb.dc, true, true);
}
bool StrokePath(Playback& pb, ByteReader&) {
    return PaintPath(pb.dc, false, true);
}

bool FlattenPath(Playback& pb, ByteReader&) {
    QPainterPath* path = ReadyPath(pb.dc);
    if (!path) return false;
    QPainterPath flat;
    for (const QPolygonF& poly : path->toSubpathPolygons())
        flat.addPolygon(poly);
    *path = flat;
    return true;
}

bool WidenPath(Playback& pb, ByteReader&) {
    QPainterPath* path = ReadyPath(pb.dc);
    if (!path) return false;
    const QPen pen = pb.dc.DevicePen();
    QPainterPathStroker stroker(pen);
    stroker.setWidth(std::max(1.0, pen.widthF()));
    *path = stroker.createStroke(*path);
    return true;
}

bool SelectClipPath(Playback& pb, ByteReader& r) {
    const int mode = r.i32();
    QPainterPath* path = ReadyPath(pb.dc);
    if (!r.ok() || !path) return false;
    path->setFillRule(pb.dc.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    const QRegion region = RegionOf(pb.dc, *path);
    DiscardPath(pb.dc);
    return CombineClip(pb.dc, region, mode);
}

} // namespace emf::handlers
