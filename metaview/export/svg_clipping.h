#pragma once
// Clipping for SVG output. QSvgGenerator (Qt 6.4) writes no clip paths, so a picture drawn
// into it shows everything its clip regions hide. SvgClipDevice draws through a generator and
// marks each change of the clip in its output; Finish() turns the marks into clip paths.

#include <QByteArray>
#include <QPaintDevice>
#include <QPainterPath>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

namespace metaview {

class SvgClipEngine;

/// A paint device that writes SVG, clipping included.
class SvgClipDevice : public QPaintDevice {
public:
    /// An SVG of pixels (at 96 dpi) with that view box, titled title.
    SvgClipDevice(const QSize& pixels, const QString& title);
    ~SvgClipDevice() override;

    QPaintEngine* paintEngine() const override;
    /// The SVG document; call once the painter on this device has ended.
    QByteArray Finish() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    struct Output;
    std::unique_ptr<Output> m_output;
    std::unique_ptr<SvgClipEngine> m_engine;
};

/// Replaces the clip marks in svg (as SvgClipDevice writes them) by groups clipped to
/// clips[mark]; the marks themselves go. Exposed for tests.
QByteArray ApplyClipMarks(const QByteArray& svg, const std::vector<QPainterPath>& clips);

} // namespace metaview
