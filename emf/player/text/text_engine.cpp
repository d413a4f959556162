#include "emf/player/text/text_engine.h"
#include "emf/player/text/font_mapping.h"
#include "emf/player/text/symbol_font.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <cmath>
#include <numeric>

namespace emf {

namespace {

// Em sizes beyond this draw nothing: no glyph that large is meant to be seen.
constexpr double kMaxEmPixels = 20000;

// How logical units along and across the baseline appear on the device.
struct TextFrame {
    QPointF origin;   ///< device pixels
    double angle = 0; ///< degrees, clockwise on the device
    double scaleX = 1, scaleY = 1;
};

// How much wider than its own proportions the playback draws the picture: a picture shown
// stretched draws its glyphs stretched with it, as every other shape. Only the playback
// frame counts; a mapping mode that scales its axes differently keeps the font's shape, as
// in GDI.
double FrameStretch(const DcCore& dc) {
    const double sx = std::hypot(dc.base.m11(), dc.base.m12());
    const double sy = std::hypot(dc.base.m21(), dc.base.m22());
    if (!(sx > 0) || !(sy > 0)) return 1;
    const double stretch = sx / sy;
    // Fitting a picture to whole pixels distorts it by a fraction of a percent.
    return std::abs(stretch - 1) < 0.01 || !std::isfinite(stretch) ? 1 : stretch;
}

// Logical units to the device as the picture would be drawn at its own proportions.
QTransform UnstretchedDevice(const DcCore& dc) {
    return dc.ToDevice() * QTransform::fromScale(1 / FrameStretch(dc), 1);
}

TextFrame FrameAt(const DcCore& dc, QPointF logical, const LogFont& font) {
    const QTransform t = UnstretchedDevice(dc);
    const QPointF o = t.map(QPointF(0, 0));
    QPointF ux = t.map(QPointF(1, 0)) - o;
    const QPointF uy = t.map(QPointF(0, 1)) - o;
    TextFrame f;
    f.origin = t.map(logical);
    f.scaleX = std::hypot(ux.x(), ux.y());
    f.scaleY = std::hypot(uy.x(), uy.y());
    // Mirrored axes keep text upright and left-to-right, as in the compatible mode.
    if (ux.x() < 0) ux = -ux;
    // The escapement turns counter-clockwise in logical space: a mapping that mirrors one
    // axis turns it the other way on the device.
    const double escapement = t.determinant() < 0 ? -font.escapement : font.escapement;
    f.angle = std::atan2(ux.y(), ux.x()) * 180 / M_PI - escapement / 10.0;
    return f;
}

const LogFont& SelectedFont(const DcCore& dc) {
    static const LogFont fallback;
    const LogFont* f = As<LogFont>(dc.state.font);
    return f ? *f : fallback;
}

QFont DeviceFont(const LogFont& lf, const TextFrame& frame) {
    return RealizeFont(lf, EmHeight(lf) * frame.scaleY, std::abs(lf.width) * frame.scaleX);
}

double RunWidth(const TextRun& run, const QFontMetricsF& fm, double scaleX) {
    if (!run.advances.empty())
        return std::accumulate(run.advances.begin(), run.advances.end(), 0.0) * scaleX;
    if (run.options & ETO_GLYPH_INDEX) return 0;
    return fm.horizontalAdvance(run.text);
}

QPointF AlignedStart(std::uint32_t align, double width, const QFontMetricsF& fm) {
    double x = 0, y = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        x = -width / 2;
    else if (align & TA_RIGHT)
        x = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        y = 0;
    else if (align & TA_BOTTOM)
        y = -fm.descent();
    else
        y = fm.ascent();
    return {x, y};
}

// A text rectangle mapped far beyond the device (a damaged record) cost Qt's rasterizer
// seconds to fill or clip by; only its part on the device can matter.
QPainterPath RectOnDevice(DcCore& dc, const QRectF& rect) {
    QPainterPath path;
    path.addPolygon(dc.ToDevice().map(QPolygonF(rect.normalized())));
    path.closeSubpath();
    const QPainter& p = dc.painter();
    if (!p.device() || !p.transform().isInvertible()) return path;
    const QRectF device(0, 0, p.device()->width(), p.device()->height());
    QPainterPath box;
    box.addRect(p.transform().inverted().mapRect(device.adjusted(-2, -2, 2, 2)));
    return box.contains(path.boundingRect()) ? path : path.intersected(box);
}

void FillLogicalRect(DcCore& dc, const QRectF& rect, COLORREF color) {
    dc.painter().fillPath(RectOnDevice(dc, rect), ToQColor(color));
}

// Glyph indices of the recorded font are drawn as outlines of the stand-in font's glyphs.
void DrawGlyphs(QPainter& p, const TextRun& run, const QFont& font, QPointF start, double scaleX) {
    const QRawFont raw = QRawFont::fromFont(font);
    QPainterPath outlines;
    double x = start.x();
    for (qsizetype i = 0; i < run.text.size(); ++i) {
        const quint32 glyph = run.text.at(i).unicode();
        outlines.addPath(raw.pathForGlyph(glyph).translated(x, start.y()));
        if (size_t(i) < run.advances.size())
            x += run.advances[size_t(i)] * scaleX;
        else
            x += raw.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0).x();
    }
    p.fillPath(outlines, p.pen().color());
}

// SVG output has no font stretch: a narrowed or widened font is written at its natural
// width under a horizontal scale instead.
void DrawString(QPainter& p, QPointF at, const QString& text) {
    const int stretch = p.font().stretch();
    if (p.paintEngine()->type() != QPaintEngine::SVG || stretch <= 0 || stretch == 100) {
        p.drawText(at, text);
        return;
    }
    QFont natural = p.font();
    natural.setStretch(QFont::Unstretched);
    p.save();
    p.setFont(natural);
    p.translate(at);
    p.scale(stretch / 100.0, 1);
    p.drawText(QPointF(), text);
    p.restore();
}

// The characters the font has, as one run of glyphs at their recorded advances; the
// others are drawn as text each, so that they find a fallback font. Laying out every
// character as a text of its own took most of a text picture's drawing time. Only raster
// devices: SVG and PDF keep their texts as text.
bool DrawAsGlyphRun(QPainter& p, const TextRun& run, QPointF start, double scaleX) {
    if (p.paintEngine()->type() != QPaintEngine::Raster) return false;
    const QRawFont raw = QRawFont::fromFont(p.font());
    const QList<quint32> indexes =
        raw.isValid() ? raw.glyphIndexesForString(run.text) : QList<quint32>();
    // Surrogate pairs would make one glyph of two characters.
    if (indexes.size() != run.text.size()) return false;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    double x = start.x();
    for (qsizetype i = 0; i < run.text.size(); ++i) {
        if (indexes[i] != 0) {
            glyphs.append(indexes[i]);
            positions.append(QPointF(x, start.y()));
        } else {
            DrawString(p, QPointF(x, start.y()), QString(run.text.at(i)));
        }
        if (size_t(i) < run.advances.size()) x += run.advances[size_t(i)] * scaleX;
    }
    if (glyphs.isEmpty()) return true;
    QGlyphRun glyphRun;
    glyphRun.setRawFont(raw);
    glyphRun.setGlyphIndexes(glyphs);
    glyphRun.setPositions(positions);
    glyphRun.setUnderline(p.font().underline());
    glyphRun.setStrikeOut(p.font().strikeOut());
    p.drawGlyphRun(QPointF(), glyphRun);
    return true;
}

void DrawCharacters(QPainter& p, const TextRun& run, QPointF start, double scaleX) {
    if (run.advances.empty()) {
        DrawString(p, start, run.text);
        return;
    }
    if (DrawAsGlyphRun(p, run, start, scaleX)) return;
    double x = start.x();
    for (qsizetype i = 0; i < run.text.size(); ++i) {
        DrawString(p, QPointF(x, start.y()), QString(run.text.at(i)));
        if (size_t(i) < run.advances.size()) x += run.advances[size_t(i)] * scaleX;
    }
}

// With TA_UPDATECP the current position is the reference point and moves past the text.
void UpdateCurrentPosition(DcState& s, double logicalWidth) {
    if ((s.textAlign & TA_CENTER) == TA_CENTER) return;
    s.currentPos.rx() += (s.textAlign & TA_RIGHT) ? -logicalWidth : logicalWidth;
}

} // namespace

QSizeF MeasureText(const DcCore& dc, const QString& text) {
    const LogFont& lf = SelectedFont(dc);
    const TextFrame frame = FrameAt(dc, QPointF(), lf);
    if (frame.scaleX <= 0 || frame.scaleY <= 0) return {};
    const QFontMetricsF fm(DeviceFont(lf, frame));
    const QString shown = IsSymbolFace(lf.faceName) ? FromSymbolCodes(text) : text;
    return {fm.horizontalAdvance(shown) / frame.scaleX, fm.height() / frame.scaleY};
}

namespace {

void DrawRun(DcCore& dc, const TextRun& run, const LogFont& lf) {
    const bool updateCp = dc.state.textAlign & TA_UPDATECP;
    const TextFrame frame = FrameAt(dc, updateCp ? dc.state.currentPos : run.reference, lf);
    if (!dc.BeginPaint(R2_COPYPEN, true)) return;
    QPainter& p = dc.painter();
    if (run.rect && (run.options & ETO_OPAQUE)) FillLogicalRect(dc, *run.rect, dc.state.bkColor);
    if (run.rect && (run.options & ETO_CLIPPED)) {
        p.setClipPath(RectOnDevice(dc, *run.rect),
                      p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    const double em = EmHeight(lf) * frame.scaleY;
    if (run.text.isEmpty() || em > kMaxEmPixels || !std::isfinite(em)) return;
    const QFont font = DeviceFont(lf, frame);
    const QFontMetricsF fm(font);
    const double width = RunWidth(run, fm, frame.scaleX);
    const QPointF start = AlignedStart(dc.state.textAlign, width, fm);
    if (updateCp) UpdateCurrentPosition(dc.state, width / frame.scaleX);
    p.scale(FrameStretch(dc), 1);
    p.translate(frame.origin);
    p.rotate(frame.angle);
    if (dc.state.bkMode == OPAQUE)
        p.fillRect(QRectF(start.x(), start.y() - fm.ascent(), width, fm.height()),
                   ToQColor(dc.state.bkColor));
    p.setFont(font);
    p.setPen(ToQColor(dc.state.textColor));
    // The background was filled above when the mode asks for it; a mode left opaque by an
    // earlier fill must not paint it again around the glyphs.
    p.setBackgroundMode(Qt::TransparentMode);
    if (run.options & ETO_GLYPH_INDEX)
        DrawGlyphs(p, run, font, start, frame.scaleX);
    else
        DrawCharacters(p, run, start, frame.scaleX);
    p.resetTransform();
}

} // namespace

void DrawTextRun(DcCore& dc, const TextRun& run) {
    const LogFont& lf = SelectedFont(dc);
    if (!IsSymbolFace(lf.faceName) || (run.options & ETO_GLYPH_INDEX)) return DrawRun(dc, run, lf);
    TextRun mapped = run;
    mapped.text = FromSymbolCodes(run.text);
    DrawRun(dc, mapped, lf);
}

} // namespace emf
