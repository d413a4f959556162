#include "emf/player/device_caps.h"
#include "emf/player/gdi_types.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <cmath>

namespace emf {

int DeviceCaps::Get(int index) const {
    switch (index) {
    case HORZSIZE:
        return horzSize;
    case VERTSIZE:
        return vertSize;
    case HORZRES:
        return horzRes;
    case VERTRES:
        return vertRes;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case LOGPIXELSX:
        return logPixelsX;
    case LOGPIXELSY:
        return logPixelsY;
    case PHYSICALWIDTH:
        return physicalWidth;
    case PHYSICALHEIGHT:
        return physicalHeight;
    case PHYSICALOFFSETX:
        return physicalOffsetX;
    case PHYSICALOFFSETY:
        return physicalOffsetY;
    default:
        return 0;
    }
}

namespace {

// A paged device (printer, PDF writer) paints from the corner of its printable area.
void ReadPageLayout(const QPageLayout& layout, DeviceCaps& caps) {
    const int dpi = caps.logPixelsX;
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    const QRectF paintMm = layout.paintRect(QPageLayout::Millimeter);
    caps.horzRes = paint.width();
    caps.vertRes = paint.height();
    caps.horzSize = int(std::lround(paintMm.width()));
    caps.vertSize = int(std::lround(paintMm.height()));
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.physicalOffsetX = paint.left() - full.left();
    caps.physicalOffsetY = paint.top() - full.top();
}

} // namespace

DeviceCaps ReadDeviceCaps(QPaintDevice* device, const QPaintEngine* engine) {
    DeviceCaps caps;
    if (!device) return caps;
    caps.logPixelsX = device->logicalDpiX();
    caps.logPixelsY = device->logicalDpiY();
    caps.horzRes = caps.physicalWidth = device->width();
    caps.vertRes = caps.physicalHeight = device->height();
    caps.horzSize = device->widthMM();
    caps.vertSize = device->heightMM();
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device))
        ReadPageLayout(paged->pageLayout(), caps);
    caps.rasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
    return caps;
}

} // namespace emf
