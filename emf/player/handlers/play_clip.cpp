// Clipping and region records. Clip regions of ExtSelectClipRgn are in the reference
// device's pixels; regions of the painting records are in logical units.
#include "emf/player/clip_region.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

#include <QPainter>

namespace emf::handlers {

namespace {

QRegion DeviceRect(const DcCore& dc, const QRectF& logical) {
    QPainterPath p;
    p.addPolygon(dc.ToDevice().map(QPolygonF(logical.normalized())));
    p.closeSubpath();
    return RegionOf(dc, p);
}

QPainterPath DevicePathOf(const DcCore& dc, const QRegion& logical) {
    QPainterPath p;
    p.addRegion(logical);
    return dc.ToDevice().map(p);
}

HGDIOBJ BrushAt(const Playback& pb, std::uint32_t index) {
    const HGDIOBJ obj = ResolveObject(pb, index);
    return As<LogBrush>(obj) ? obj : nullptr;
}

// The cells of a region inside its border of the given thickness.
QRegion Interior(const QRegion& rgn, int w, int h) {
    return rgn.intersected(rgn.translated(w, 0))
        .intersected(rgn.translated(-w, 0))
        .intersected(rgn.translated(0, h))
        .intersected(rgn.translated(0, -h));
}

} // namespace

bool IntersectClipRect(Playback& pb, ByteReader& r) {
    const QRectF rc = ReadRectL(r);
    return r.ok() && CombineClip(pb.dc, DeviceRect(pb.dc, rc), RGN_AND);
}

bool ExcludeClipRect(Playback& pb, ByteReader& r) {
    const QRectF rc = ReadRectL(r);
    return r.ok() && CombineClip(pb.dc, DeviceRect(pb.dc, rc), RGN_DIFF);
}

bool OffsetClipRgn(Playback& pb, ByteReader& r) {
    const QPointF offset = ReadPointL(r);
    if (!r.ok()) return false;
    const QTransform t = pb.dc.ToDevice();
    OffsetClip(pb.dc, t.map(offset) - t.map(QPointF(0, 0)));
    return true;
}

bool SetMetaRgn(Playback& pb, ByteReader&) {
    DcState& s = pb.dc.state;
    if (s.clip) s.metaRegion = s.metaRegion ? s.metaRegion->intersected(*s.clip) : *s.clip;
    s.clip.reset();
    return true;
}

bool ExtSelectClipRgn(Playback& pb, ByteReader& r) {
    const std::uint32_t size = r.u32();
    const int mode = r.i32();
    if (!r.ok()) return false;
    if (mode == RGN_COPY && size == 0) {
        pb.dc.state.clip.reset(); // a null region with RGN_COPY selects the default clip
        return true;
    }
    const std::optional<QRegion> rgn = ReadRegionData(r, size);
    if (!rgn) return false;
    QPainterPath p;
    p.addRegion(*rgn);
    return CombineClip(pb.dc, RegionOf(pb.dc, pb.dc.base.map(p)), mode);
}

bool FillRgn(Playback& pb, ByteReader& r) {
    r.skip(16);
    const std::uint32_t size = r.u32();
    const HGDIOBJ brush = BrushAt(pb, r.u32());
    const std::optional<QRegion> rgn = ReadRegionData(r, size);
    if (!rgn || !brush) return false;
    pb.dc.FillDevice(DevicePathOf(pb.dc, *rgn), pb.dc.DeviceBrush(brush));
    return true;
}

bool FrameRgn(Playback& pb, ByteReader& r) {
    r.skip(16);
    const std::uint32_t size = r.u32();
    const HGDIOBJ brush = BrushAt(pb, r.u32());
    const QSizeF stroke = ReadSizeL(r);
    const std::optional<QRegion> rgn = ReadRegionData(r, size);
    if (!rgn || !brush) return false;
    const int w = std::clamp(int(stroke.width()), 1, 1 << 20);
    const int h = std::clamp(int(stroke.height()), 1, 1 << 20);
    const QRegion frame = rgn->subtracted(Interior(*rgn, w, h));
    pb.dc.FillDevice(DevicePathOf(pb.dc, frame), pb.dc.DeviceBrush(brush));
    return true;
}

bool InvertRgn(Playback& pb, ByteReader& r) {
    r.skip(16);
    const std::optional<QRegion> rgn = ReadRegionData(r, r.u32());
    if (!rgn) return false;
    if (!pb.dc.BeginPaint(R2_NOT, false)) return true;
    pb.dc.painter().fillPath(DevicePathOf(pb.dc, *rgn), Qt::black);
    return true;
}

bool PaintRgn(Playback& pb, ByteReader& r) {
    r.skip(16);
    const std::optional<QRegion> rgn = ReadRegionData(r, r.u32());
    if (!rgn) return false;
    pb.dc.FillDevice(DevicePathOf(pb.dc, *rgn), pb.dc.DeviceBrush(pb.dc.state.brush));
    return true;
}

} // namespace emf::handlers
