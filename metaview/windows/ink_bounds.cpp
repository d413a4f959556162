#include "metaview/windows/ink_bounds.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

namespace metaview {

namespace {

constexpr int kDpi = 96;

} // namespace

class InkBoundsDevice::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawPath(const QPainterPath& path) override { addShape(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        const QRectF box = QPolygonF(QList<QPointF>(points, points + count)).boundingRect();
        if (mode == PolylineMode)
            addStroke(box);
        else
            addShape(box);
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { add(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        add(r);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        add(QRectF(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    }

    QRectF ink;

private:
    // A stroked outline reaches half the pen's width beyond its path.
    void addStroke(const QRectF& box) {
        const QPen pen = painter()->pen();
        const double half = pen.style() == Qt::NoPen ? 0 : std::max(1.0, pen.widthF()) / 2;
        add(box.adjusted(-half, -half, half, half));
    }
    void addShape(const QRectF& box) {
        if (painter()->pen().style() == Qt::NoPen)
            add(box);
        else
            addStroke(box);
    }
    void add(const QRectF& logical) {
        const QTransform& t = painter()->combinedTransform();
        QRectF box = t.mapRect(logical);
        if (painter()->hasClipping()) box &= t.mapRect(painter()->clipBoundingRect());
        // A line along an axis has no area and still counts; a clipped-away one does not.
        if (box.isNull() || box.width() < 0 || box.height() < 0) return;
        ink = ink.isNull() ? box : ink.united(box);
    }
};

InkBoundsDevice::InkBoundsDevice(QSize size) : m_size(size), m_engine(std::make_unique<Engine>()) {}

InkBoundsDevice::~InkBoundsDevice() = default;

QRectF InkBoundsDevice::Ink() const {
    return m_engine->ink;
}

void InkBoundsDevice::Reset() {
    m_engine->ink = QRectF();
}

QPaintEngine* InkBoundsDevice::paintEngine() const {
    return m_engine.get();
}

int InkBoundsDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return m_size.width() * 254 / (kDpi * 10);
    case PdmHeightMM:
        return m_size.height() * 254 / (kDpi * 10);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kDpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace metaview
