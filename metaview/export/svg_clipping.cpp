#include "metaview/export/svg_clipping.h"

#include <QBuffer>
#include <QDomDocument>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgGenerator>

namespace metaview {

namespace {

const QString kMarkPrefix = QStringLiteral("kelvane-clip:");

// The path in SVG path syntax, in device coordinates.
QString PathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const char* command = e.isMoveTo() ? "M" : e.isLineTo() ? "L" : e.isCurveTo() ? "C" : "";
        d += QStringLiteral("%1%2,%3 ").arg(QLatin1String(command)).arg(e.x).arg(e.y);
    }
    return d.trimmed();
}

// The mark text of a group, when the group holds one; null otherwise.
QDomElement MarkText(const QDomNode& node) {
    if (!node.isElement()) return {};
    const QDomElement text = node.firstChildElement(QStringLiteral("text"));
    return text.text().startsWith(kMarkPrefix) ? text : QDomElement();
}

// A mark's number: an index into the clips, or -1 for "no clip".
int MarkNumber(const QDomElement& text) {
    bool ok = false;
    const int mark = text.text().mid(kMarkPrefix.size()).toInt(&ok);
    return ok ? mark : -1;
}

QDomElement ClipPathElement(QDomDocument& doc, const QString& id, const QPainterPath& clip) {
    QDomElement clipPath = doc.createElement(QStringLiteral("clipPath"));
    clipPath.setAttribute(QStringLiteral("id"), id);
    clipPath.setAttribute(QStringLiteral("clipPathUnits"), QStringLiteral("userSpaceOnUse"));
    QDomElement path = doc.createElement(QStringLiteral("path"));
    path.setAttribute(QStringLiteral("d"), PathData(clip));
    path.setAttribute(QStringLiteral("clip-rule"),
                      clip.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero");
    clipPath.appendChild(path);
    return clipPath;
}

} // namespace

// Draws everything through a painter on the generator; before each drawing whose clip
// differs from the last one, it writes a mark: a text of its own, under a pen of its own, so
// that the generator puts it in a group of its own.
class SvgClipEngine : public QPaintEngine {
public:
    SvgClipEngine(QSvgGenerator& svg, std::vector<QPainterPath>& clips)
        : QPaintEngine(FeaturesOf(*static_cast<QPaintDevice&>(svg).paintEngine())), m_svg(svg),
          m_clips(clips) {}

    bool begin(QPaintDevice*) override { return m_painter.begin(&m_svg); }
    bool end() override { return m_painter.end(); }
    Type type() const override { return SVG; }

    void updateState(const QPaintEngineState& s) override {
        const DirtyFlags dirty = s.state();
        if (dirty & DirtyPen) m_painter.setPen(s.pen());
        if (dirty & DirtyBrush) m_painter.setBrush(s.brush());
        if (dirty & DirtyBrushOrigin) m_painter.setBrushOrigin(s.brushOrigin());
        if (dirty & DirtyFont) m_painter.setFont(s.font());
        if (dirty & DirtyBackground) m_painter.setBackground(s.backgroundBrush());
        if (dirty & DirtyBackgroundMode) m_painter.setBackgroundMode(s.backgroundMode());
        if (dirty & DirtyTransform) {
            m_transform = s.transform();
            m_painter.setTransform(m_transform);
        }
        if (dirty & DirtyHints) m_painter.setRenderHints(s.renderHints());
        if (dirty & DirtyOpacity) m_painter.setOpacity(s.opacity());
    }

    void drawPath(const QPainterPath& path) override {
        MarkClip();
        m_painter.drawPath(path);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        MarkClip();
        if (mode == PolylineMode)
            m_painter.drawPolyline(points, count);
        else
            m_painter.drawPolygon(points, count,
                                  mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override {
        MarkClip();
        m_painter.drawPixmap(r, pixmap, source);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        MarkClip();
        m_painter.drawImage(r, image, source, flags);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        MarkClip();
        m_painter.setFont(item.font());
        m_painter.drawText(p, item.text());
    }

private:
    static PaintEngineFeatures FeaturesOf(const QPaintEngine& engine) {
        PaintEngineFeatures features;
        for (unsigned bit = 0; bit < 32; ++bit)
            if (engine.hasFeature(PaintEngineFeature(1u << bit)))
                features |= PaintEngineFeature(1u << bit);
        return features;
    }

    // The drawing painter's clip, in device coordinates; empty when it does not clip. The
    // painter gives it in the coordinates of the transform it hands this engine, which may
    // hold more than its world transform (half a pixel for aliased lines).
    QPainterPath DeviceClip() const {
        const QPainter* p = painter();
        if (!p || !p->hasClipping()) return {};
        return m_transform.map(p->clipPath());
    }

    void MarkClip() {
        QPainterPath clip = DeviceClip();
        const bool clipping = painter() && painter()->hasClipping();
        if (clipping == m_clipping && clip == m_lastClip) return;
        m_clipping = clipping;
        m_lastClip = clip;
        int mark = -1;
        if (clipping) {
            mark = int(m_clips.size());
            m_clips.push_back(std::move(clip));
        }
        m_painter.save();
        m_painter.resetTransform();
        m_painter.setPen(QPen(Qt::transparent));
        m_painter.setFont(QFont(QStringLiteral("kelvane-mark")));
        m_painter.drawText(QPointF(), kMarkPrefix + QString::number(mark));
        m_painter.restore();
    }

    QSvgGenerator& m_svg;
    std::vector<QPainterPath>& m_clips;
    QPainter m_painter;
    QTransform m_transform;
    QPainterPath m_lastClip;
    bool m_clipping = false;
};

struct SvgClipDevice::Output {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QSvgGenerator svg;
    std::vector<QPainterPath> clips;
};

SvgClipDevice::SvgClipDevice(const QSize& pixels, const QString& title)
    : m_output(std::make_unique<Output>()) {
    QSvgGenerator& svg = m_output->svg;
    svg.setOutputDevice(&m_output->buffer);
    svg.setResolution(96);
    svg.setSize(pixels);
    svg.setViewBox(QRect(QPoint(0, 0), pixels));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Drawn by Kelvane"));
    m_engine = std::make_unique<SvgClipEngine>(svg, m_output->clips);
}

SvgClipDevice::~SvgClipDevice() = default;

QPaintEngine* SvgClipDevice::paintEngine() const {
    return m_engine.get();
}

int SvgClipDevice::metric(PaintDeviceMetric metric) const {
    const QSvgGenerator& svg = m_output->svg;
    switch (metric) {
    case PdmWidth:
        return svg.width();
    case PdmHeight:
        return svg.height();
    case PdmWidthMM:
        return svg.widthMM();
    case PdmHeightMM:
        return svg.heightMM();
    case PdmNumColors:
        return svg.colorCount();
    case PdmDepth:
        return svg.depth();
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return svg.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return svg.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

QByteArray SvgClipDevice::Finish() const {
    // A picture that never clips has no marks: its SVG stands as written.
    if (m_output->clips.empty()) return m_output->bytes;
    return ApplyClipMarks(m_output->bytes, m_output->clips);
}

QByteArray ApplyClipMarks(const QByteArray& svg, const std::vector<QPainterPath>& clips) {
    QDomDocument doc;
    if (!doc.setContent(svg)) return {};
    QDomElement root = doc.documentElement();
    // Clip paths are SVG 1.1; the Tiny profile the generator names has none.
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    root.removeAttribute(QStringLiteral("baseProfile"));
    QDomElement defs = root.firstChildElement(QStringLiteral("defs"));
    QDomElement content = root.firstChildElement(QStringLiteral("g"));
    QHash<QString, QString> ids; // clip path data -> its id, so equal clips share one
    const auto wrapperFor = [&](int mark) {
        if (mark < 0 || size_t(mark) >= clips.size()) return QDomElement();
        const QPainterPath& clip = clips[size_t(mark)];
        QString& id = ids[PathData(clip)];
        if (id.isEmpty()) {
            id = QStringLiteral("clip%1").arg(ids.size());
            defs.appendChild(ClipPathElement(doc, id, clip));
        }
        QDomElement wrapper = doc.createElement(QStringLiteral("g"));
        wrapper.setAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#%1)").arg(id));
        return wrapper;
    };
    QDomElement wrapper;
    for (QDomNode node = content.firstChild(); !node.isNull();) {
        const QDomNode next = node.nextSibling();
        if (const QDomElement mark = MarkText(node); !mark.isNull()) {
            wrapper = wrapperFor(MarkNumber(mark));
            if (!wrapper.isNull()) content.insertBefore(wrapper, node);
            node.removeChild(mark);
            if (node.firstChildElement().isNull()) {
                content.removeChild(node);
                node = next;
                continue;
            }
        }
        if (!wrapper.isNull()) wrapper.appendChild(content.removeChild(node));
        node = next;
    }
    return doc.toByteArray(1);
}

} // namespace metaview
