// Text laid out in a rectangle by a string format, and glyphs at given positions.
#include "emf/emfplus/plus_geometry.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/player/emfplus/plus_paint.h"
#include "emf/player/text/font_mapping.h"

#include <QGlyphRun>
#include <QRawFont>
#include <cmath>

namespace emf::plus::handlers {

namespace {

constexpr std::uint32_t kCmapLookup = 0x01, kRealizedAdvance = 0x04;

double Scale(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

// Text is laid out at the pixel size it takes on the device, in a space scaled by factor
// from world units, so that glyph hinting and metrics are the device's.
struct TextSpace {
    QFont font;
    double factor = 1; // drawing units per world unit
    QTransform toPainter;
};

std::optional<TextSpace> SpaceFor(const PlusPlayer& p, const Font& f) {
    const QTransform toDevice = p.ToDevice();
    const double scale = Scale(toDevice);
    const double em = f.emSize * p.WorldPerUnit(f.unit);
    const double deviceEm = em * scale;
    if (!(deviceEm > 0.1) || deviceEm > 20000) return std::nullopt;
    LogFont log;
    log.faceName = QString::fromStdU16String(f.family);
    log.weight = (f.style & 1) ? 700 : 400;
    log.italic = f.style & 2;
    log.underline = f.style & 4;
    log.strikeOut = f.style & 8;
    TextSpace s;
    s.font = RealizeFont(log, deviceEm, 0);
    s.factor = s.font.pixelSize() / em;
    s.toPainter = QTransform::fromScale(1 / s.factor, 1 / s.factor) * toDevice;
    return s;
}

int AlignmentOf(const StringFormat* format, bool wrap) {
    static const int horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const int vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    int flags = wrap ? Qt::TextWordWrap : 0;
    if (!format) return flags | Qt::AlignLeft | Qt::AlignTop;
    flags |= horizontal[std::min<std::uint32_t>(format->alignment, 2)];
    flags |= vertical[std::min<std::uint32_t>(format->lineAlign, 2)];
    return flags;
}

QString ReadText(ByteReader& r, std::uint32_t length) {
    const Bytes b = r.array(length, 2);
    QString s;
    s.reserve(qsizetype(b.size() / 2));
    for (std::size_t i = 0; i + 1 < b.size(); i += 2)
        s.push_back(QChar(
            char16_t(std::to_integer<unsigned>(b[i]) | std::to_integer<unsigned>(b[i + 1]) << 8)));
    return s;
}

} // namespace

bool DrawString(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32(), formatId = r.u32(), length = r.u32();
    const RectF box = ReadRect(r, false);
    const QString text = ReadText(r, length);
    const Font* font = p.Get<Font>(rec.flags & 0xFF);
    if (!r.ok() || !font) return false;
    const auto paint = PaintOf(p, rec.flags, brush);
    const auto space = SpaceFor(p, *font);
    if (!paint || !space) return paint.has_value();
    const StringFormat* format = p.Get<StringFormat>(formatId);
    const bool sized = box.width > 0 && box.height > 0;
    const bool wrap = sized && !(format && (format->flags & StringFormat::NoWrap));
    int flags = AlignmentOf(format, wrap);
    if (!sized || (format && (format->flags & StringFormat::NoClip))) flags |= Qt::TextDontClip;
    const double f = space->factor;
    const QRectF rect(box.x * f, box.y * f, std::max(0.f, box.width) * f,
                      std::max(0.f, box.height) * f);
    PaintScope scope(p);
    QPainter& q = scope.painter();
    q.setTransform(space->toPainter);
    q.setFont(space->font);
    q.setPen(QPen(paint->brush, 0));
    q.drawText(rect, flags, text);
    return true;
}

bool DrawDriverString(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const std::uint32_t brush = r.u32(), options = r.u32(), hasMatrix = r.u32(), count = r.u32();
    if (!r.ok() || count > r.remaining() / 10) return false;
    const Bytes glyphs = r.array(count, 2);
    std::vector<PointF> positions;
    if (!ReadPoints(r, count, PointForm::Float, positions)) return false;
    const Matrix m = hasMatrix ? ReadMatrix(r) : Matrix{};
    const Font* font = p.Get<Font>(rec.flags & 0xFF);
    if (!r.ok() || !font) return false;
    const auto paint = PaintOf(p, rec.flags, brush);
    const auto space = SpaceFor(p, *font);
    if (!paint || !space || count == 0) return paint.has_value();
    std::vector<quint32> indexes(count);
    for (std::uint32_t i = 0; i < count; ++i)
        indexes[i] = std::to_integer<unsigned>(glyphs[2 * i]) |
                     std::to_integer<unsigned>(glyphs[2 * i + 1]) << 8;
    const QRawFont raw = QRawFont::fromFont(space->font);
    if (options & kCmapLookup) {
        QString chars;
        for (quint32 c : indexes)
            chars.push_back(QChar(char16_t(c)));
        const QList<quint32> mapped = raw.glyphIndexesForString(chars);
        indexes.assign(mapped.begin(), mapped.end());
        indexes.resize(count);
    }
    QList<QPointF> at;
    const double f = space->factor;
    const QTransform local(m.m11, m.m12, m.m21, m.m22, m.dx * f, m.dy * f);
    const QList<QPointF> advances =
        raw.advancesForGlyphIndexes(QList<quint32>(indexes.begin(), indexes.end()));
    QPointF pen(positions[0].x * f, positions[0].y * f);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!(options & kRealizedAdvance)) pen = QPointF(positions[i].x * f, positions[i].y * f);
        at.push_back(pen);
        if (i < std::uint32_t(advances.size())) pen += advances[i];
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(QList<quint32>(indexes.begin(), indexes.end()));
    run.setPositions(at);
    PaintScope scope(p);
    QPainter& q = scope.painter();
    q.setTransform(local * space->toPainter);
    q.setPen(QPen(paint->brush, 0));
    q.drawGlyphRun(QPointF(0, 0), run);
    return true;
}

} // namespace emf::plus::handlers
