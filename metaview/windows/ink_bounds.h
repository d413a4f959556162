#pragma once
// A paint device that draws nothing and only remembers where ink would have gone, in its
// own device pixels, so a picture's records can be located exactly as they are drawn.

#include <QPaintDevice>
#include <QRectF>
#include <QSize>

#include <memory>

namespace metaview {

class InkBoundsDevice : public QPaintDevice {
public:
    /// A device of size pixels at 96 dots per inch, as the view's pictures are drawn.
    explicit InkBoundsDevice(QSize size);
    ~InkBoundsDevice() override;

    /// The device-pixel box around everything painted since the last Reset, inside the
    /// clip; empty when nothing was painted.
    QRectF Ink() const;
    void Reset();

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};

} // namespace metaview
