#include "emf/player/clip_region.h"

#include <QPainter>

namespace emf {

QRegion RegionOf(const DcCore& dc, const QPainterPath& device) {
    const QPaintDevice* d = dc.device();
    const QRectF extent = d ? QRectF(-64, -64, d->width() + 128.0, d->height() + 128.0) : QRectF();
    QPainterPath shape = device;
    if (!extent.contains(device.boundingRect())) {
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
