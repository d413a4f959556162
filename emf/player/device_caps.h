#pragma once
// Device capabilities read once from a paint device.

class QPaintDevice;
class QPaintEngine;

namespace emf {

struct DeviceCaps {
    int horzRes = 0, vertRes = 0;   ///< printable area, pixels
    int horzSize = 0, vertSize = 0; ///< printable area, millimetres
    int logPixelsX = 96, logPixelsY = 96;
    int physicalWidth = 0, physicalHeight = 0;    ///< whole page, pixels
    int physicalOffsetX = 0, physicalOffsetY = 0; ///< printable area's corner, pixels
    bool rasterOps = false; ///< the device can combine with its own pixels (ROP2)

    /// GetDeviceCaps by index; 0 for an unknown index.
    int Get(int index) const;
};

/// Reads the capabilities: a QPrinter from its page layout, an image from its dots per
/// metre, any other device from its metrics; raster operations from the painter's engine
/// (asking a widget for its engine outside painting is refused).
DeviceCaps ReadDeviceCaps(QPaintDevice* device, const QPaintEngine* engine);

} // namespace emf
