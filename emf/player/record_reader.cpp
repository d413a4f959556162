#include "emf/player/record_reader.h"
#include "emf/player/int_range.h"

#include <QRegion>
#include <QString>
#include <cmath>
#include <vector>

namespace emf {

QPointF ReadPointL(ByteReader& r) {
    const double x = r.i32();
    return {x, double(r.i32())};
}

QPointF ReadPointS(ByteReader& r) {
    const double x = r.i16();
    return {x, double(r.i16())};
}

QRectF ReadRectL(ByteReader& r) {
    const QPointF tl = ReadPointL(r);
    return QRectF(tl, ReadPointL(r));
}

QSizeF ReadSizeL(ByteReader& r) {
    const double cx = r.i32();
    return {cx, double(r.i32())};
}

std::optional<QTransform> ReadXForm(ByteReader& r) {
    float v[6];
    for (float& f : v)
        f = r.f32();
    for (float f : v)
        if (!std::isfinite(f)) return std::nullopt;
    if (!r.ok()) return std::nullopt;
    return QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
}

std::optional<QPolygonF> ReadPoints(ByteReader& r, std::uint32_t count, bool sixteenBit) {
    if (count > kMaxPoints) return std::nullopt;
    Bytes raw = r.array(count, sixteenBit ? 4 : 8);
    if (!r.ok()) return std::nullopt;
    ByteReader pr(raw);
    QPolygonF poly;
    poly.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        poly.append(sixteenBit ? ReadPointS(pr) : ReadPointL(pr));
    return poly;
}

std::optional<QRegion> ReadRegionData(ByteReader& r, std::uint32_t size) {
    Bytes data = r.bytes(size);
    if (!r.ok() || size < 32) return std::nullopt;
    ByteReader rr(data);
    const std::uint32_t headerSize = rr.u32();
    rr.skip(4); // iType
    const std::uint32_t count = rr.u32();
    rr.seek(headerSize);
    Bytes rects = rr.array(count, 16);
    if (!rr.ok() || headerSize < 32) return std::nullopt;
    ByteReader pr(rects);
    std::vector<QRect> list;
    list.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const QRectF rc = ReadRectL(pr).normalized();
        // A rectangle's width may exceed the int range; no device is that large.
        const int l = ClampToInt(rc.left(), kMaxRegionCoordinate);
        const int t = ClampToInt(rc.top(), kMaxRegionCoordinate);
        const int r = ClampToInt(rc.right(), kMaxRegionCoordinate);
        const int b = ClampToInt(rc.bottom(), kMaxRegionCoordinate);
        if (l < r && t < b) list.push_back(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
    }
    // Region data comes as y-x banded rectangles, which QRegion takes as they are.
    QRegion region;
    region.setRects(list.data(), int(list.size()));
    return region;
}

std::optional<QString> ReadUtf16At(const ByteReader& r, std::uint32_t offset, std::uint32_t count) {
    ByteReader s(r.data());
    s.seek(offset);
    Bytes raw = s.array(count, 2);
    if (!s.ok()) return std::nullopt;
    QString text(qsizetype(count), Qt::Uninitialized);
    ByteReader cr(raw);
    for (std::uint32_t i = 0; i < count; ++i)
        text[qsizetype(i)] = QChar(cr.u16());
    return text;
}

std::optional<LogFont> ReadLogFontW(ByteReader& r) {
    LogFont f;
    f.height = r.i32();
    f.width = r.i32();
    f.escapement = r.i32();
    f.orientation = r.i32();
    f.weight = r.i32();
    f.italic = r.u8();
    f.underline = r.u8();
    f.strikeOut = r.u8();
    f.charSet = r.u8();
    r.skip(3); // precisions and quality
    f.pitchAndFamily = r.u8();
    const std::optional<QString> face = ReadUtf16At(r, std::uint32_t(r.pos()), 32);
    if (!r.ok() || !face) return std::nullopt;
    f.faceName = face->left(face->indexOf(QChar(0)));
    return f;
}

} // namespace emf
