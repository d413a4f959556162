#include "emf/player/clip_region.h"

#include "emf/player/int_range.h"
#include "emf/player/record_reader.h"

#include <QPainter>
#include <cmath>

namespace emf {

namespace {

// The device and a margin: what a region needs to hold, whatever the records ask for.
QRect Extent(const DcCore& dc) {
    const QPaintDevice* d = dc.device();
    return d ? QRect(-64, -64, d->width() + 128, d->height() + 128) : QRect();
}

} // namespace

QRegion RegionOf(const DcCore& dc, const QPainterPath& device) {
    const QRectF extent = Extent(dc);
    const QRectF bounds = device.boundingRect();
    if (!std::isfinite(bounds.width()) || !std::isfinite(bounds.height())) return {};
    QPainterPath shape = device;
    if (!extent.contains(bounds)) {
        QPainterPath box;
        box.addRect(extent);
        shape = device.intersected(box);
        shape.setFillRule(device.fillRule());
    }
    // The fill polygon joins the subpaths by edges that cancel out under either rule.
    return QRegion(shape.toFillPolygon().toPolygon(), shape.fillRule());
}

namespace {

// "No clip" stands for the whole device; regions combine against its extent.
QRegion Everything(const DcCore& dc) {
    const QPaintDevice* d = dc.device();
    return QRegion(d ? QRect(0, 0, d->width(), d->height()) : QRect());
}

} // namespace

void OffsetClip(DcCore& dc, QPointF offset) {
    std::optional<QRegion>& clip = dc.state.clip;
    if (!clip) return;
    // The clip stays within the device's extent, so a bounded move cannot overflow it.
    const int limit = kMaxRegionCoordinate;
    clip->translate(ClampToInt(offset.x(), limit), ClampToInt(offset.y(), limit));
    *clip = clip->intersected(Extent(dc));
}

bool CombineClip(DcCore& dc, const QRegion& region, int mode) {
    std::optional<QRegion>& clip = dc.state.clip;
    switch (mode) {
    case RGN_AND:
        clip = clip ? clip->intersected(region) : region;
        return true;
    case RGN_OR:
        if (clip) clip = clip->united(region);
        return true;
    case RGN_XOR:
        clip = (clip ? *clip : Everything(dc)).xored(region);
        return true;
    case RGN_DIFF:
        clip = (clip ? *clip : Everything(dc)).subtracted(region);
        return true;
    case RGN_COPY:
        clip = region;
        return true;
    default:
        return false;
    }
}

} // namespace emf
