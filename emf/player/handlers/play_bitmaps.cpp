// Bitmap records: BitBlt, StretchBlt, MaskBlt, PlgBlt, SetDIBitsToDevice, StretchDIBits,
// AlphaBlend and TransparentBlt.
#include "emf/player/bitmaps/bitmap_blit.h"
#include "emf/player/bitmaps/dib_decoder.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

namespace emf::handlers {

namespace {

// The source part shared by the blit records: its position, transform, colour and bitmap.
struct BlitSource {
    QPointF origin;
    QTransform xform;
    std::uint32_t extra = 0; ///< background colour, blend function or transparent colour
    DibLocation dib;
};

// From the source transform on: xformSrc, crBkColorSrc, iUsageSrc and the bitmap.
bool ReadSourceTail(ByteReader& r, BlitSource& s, bool withExtraFirst) {
    const std::optional<QTransform> x = ReadXForm(r);
    const std::uint32_t bk = r.u32();
    if (!withExtraFirst) s.extra = bk;
    r.skip(4); // usage: palette-index colour tables are read as RGB
    s.dib = ReadDibLocation(r);
    if (!x || !r.ok()) return false;
    s.xform = *x;
    return true;
}

bool ReadSource(ByteReader& r, BlitSource& s, bool withExtraFirst) {
    if (withExtraFirst) s.extra = r.u32();
    s.origin = ReadPointL(r);
    return ReadSourceTail(r, s, withExtraFirst);
}

// The source rectangle in the decoded (top-down) image.
QRectF SourceRect(const BlitSource& s, QSizeF size) {
    const QRectF rect(s.origin, size);
    return s.xform.isInvertible() ? s.xform.mapRect(rect) : rect;
}

bool PlayBlt(Playback& pb, ByteReader& r, bool stretch) {
    r.skip(16);
    const QPointF destOrigin = ReadPointL(r);
    const QSizeF destSize = ReadSizeL(r);
    const std::uint32_t rop = r.u32();
    BlitSource s;
    if (!ReadSource(r, s, false)) return false;
    const QSizeF srcSize = stretch ? ReadSizeL(r) : destSize;
    if (!r.ok()) return false;
    if (!UsesSource(rop) || s.dib.cbBmi == 0) {
        FillWithRop(pb.dc, QRectF(destOrigin, destSize), rop);
        return true;
    }
    const std::optional<QImage> img = DecodeNoted(pb, r.data(), s.dib);
    if (!img) return false;
    const QRectF src = SourceRect(s, srcSize);
    BlitImage(pb.dc, *img, src, MapRect(src, destOrigin, destSize), rop);
    return true;
}

// A bottom-up bitmap counts its source rows from the bottom.
QRectF DibSourceRect(const QImage& img, QPointF origin, QSizeF size, bool bottomUp) {
    const double y = bottomUp ? img.height() - origin.y() - size.height() : origin.y();
    return QRectF(QPointF(origin.x(), y), size);
}

bool IsBottomUp(Bytes record, const DibLocation& at) {
    ByteReader r(record);
    r.seek(at.offBmi);
    return r.u32() == 12 || (r.skip(4), r.i32() > 0);
}

} // namespace

bool BitBlt(Playback& pb, ByteReader& r) {
    return PlayBlt(pb, r, false);
}
bool StretchBlt(Playback& pb, ByteReader& r) {
    return PlayBlt(pb, r, true);
}

bool StretchDIBits(Playback& pb, ByteReader& r) {
    r.skip(16);
    const QPointF dest = ReadPointL(r), srcOrigin = ReadPointL(r);
    const QSizeF srcSize = ReadSizeL(r);
    const DibLocation at = ReadDibLocation(r);
    r.skip(4); // usage
    const std::uint32_t rop = r.u32();
    const QSizeF destSize = ReadSizeL(r);
    if (!r.ok()) return false;
    if (!UsesSource(rop)) {
        FillWithRop(pb.dc, QRectF(dest, destSize), rop);
        return true;
    }
    const std::optional<QImage> img = DecodeNoted(pb, r.data(), at);
    if (!img) return false;
    const QRectF src = DibSourceRect(*img, srcOrigin, srcSize, IsBottomUp(r.data(), at));
    BlitImage(pb.dc, *img, src, MapRect(src, dest, destSize), rop);
    return true;
}

bool SetDIBitsToDevice(Playback& pb, ByteReader& r) {
    r.skip(16);
    const QPointF dest = ReadPointL(r), srcOrigin = ReadPointL(r);
    const QSizeF size = ReadSizeL(r);
    const DibLocation at = ReadDibLocation(r);
    if (!r.ok()) return false;
    const std::optional<QImage> img = DecodeNoted(pb, r.data(), at);
    if (!img) return false;
    const QRectF src = DibSourceRect(*img, srcOrigin, size, IsBottomUp(r.data(), at));
    BlitImage(pb.dc, *img, src, MapRect(src, dest, size), SRCCOPY);
    return true;
}

namespace {

// Reads the mask's bitmap after a MaskBlt or PlgBlt source and makes it the image's alpha:
// mask bits of 1 draw the source, bits of 0 leave the destination.
void ApplyMask(Playback& pb, ByteReader& r, QImage& img) {
    r.skip(12); // mask origin and usage
    const DibLocation at = ReadDibLocation(r);
    if (!r.ok() || at.cbBmi == 0) return;
    const std::optional<QImage> mask = DecodeNoted(pb, r.data(), at);
    if (!mask || mask->size() != img.size()) return;
    img = img.convertToFormat(QImage::Format_ARGB32);
    img.setAlphaChannel(mask->convertToFormat(QImage::Format_Grayscale8));
}

} // namespace

bool MaskBlt(Playback& pb, ByteReader& r) {
    r.skip(16);
    const QPointF destOrigin = ReadPointL(r);
    const QSizeF destSize = ReadSizeL(r);
    const std::uint32_t rop = r.u32();
    BlitSource s;
    if (!ReadSource(r, s, false)) return false;
    std::optional<QImage> img = DecodeNoted(pb, r.data(), s.dib);
    if (!img) return false;
    ApplyMask(pb, r, *img);
    const QRectF src = SourceRect(s, destSize);
    BlitImage(pb.dc, *img, src, MapRect(src, destOrigin, destSize), rop & 0x00FFFFFF);
    return true;
}

bool PlgBlt(Playback& pb, ByteReader& r) {
    r.skip(16);
    const QPointF p0 = ReadPointL(r), p1 = ReadPointL(r), p2 = ReadPointL(r);
    BlitSource s;
    s.origin = ReadPointL(r);
    const QSizeF srcSize = ReadSizeL(r);
    if (!ReadSourceTail(r, s, false)) return false;
    std::optional<QImage> img = DecodeNoted(pb, r.data(), s.dib);
    if (!img) return false;
    ApplyMask(pb, r, *img);
    const QRectF src = SourceRect(s, srcSize);
    if (src.width() == 0 || src.height() == 0) return true;
    const QPointF ux = (p1 - p0) / src.width(), uy = (p2 - p0) / src.height();
    const QTransform toDest = QTransform::fromTranslate(-src.x(), -src.y()) *
                              QTransform(ux.x(), ux.y(), uy.x(), uy.y(), p0.x(), p0.y());
    BlitImage(pb.dc, *img, src, toDest, SRCCOPY);
    return true;
}

namespace {

bool PlayBlend(Playback& pb, ByteReader& r, bool alphaBlend) {
    r.skip(16);
    const QPointF destOrigin = ReadPointL(r);
    const QSizeF destSize = ReadSizeL(r);
    BlitSource s;
    if (!ReadSource(r, s, true)) return false;
    const QSizeF srcSize = ReadSizeL(r);
    const bool srcAlpha = alphaBlend && ((s.extra >> 24) & 1);
    std::optional<QImage> img = r.ok() ? DecodeNoted(pb, r.data(), s.dib, srcAlpha) : std::nullopt;
    if (!img) return false;
    double opacity = 1;
    if (alphaBlend)
        opacity = ((s.extra >> 16) & 0xFF) / 255.0;
    else {
        QImage keyed = img->convertToFormat(QImage::Format_ARGB32);
        const QRgb key = qRgb(s.extra & 0xFF, (s.extra >> 8) & 0xFF, (s.extra >> 16) & 0xFF);
        for (int y = 0; y < keyed.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
        }
        img = std::move(keyed);
    }
    const QRectF src = SourceRect(s, srcSize);
    BlitImage(pb.dc, *img, src, MapRect(src, destOrigin, destSize), SRCCOPY, opacity);
    return true;
}

} // namespace

bool AlphaBlend(Playback& pb, ByteReader& r) {
    return PlayBlend(pb, r, true);
}
bool TransparentBlt(Playback& pb, ByteReader& r) {
    return PlayBlend(pb, r, false);
}

} // namespace emf::handlers

namespace emf {

std::optional<QImage> DecodeNoted(Playback& pb, Bytes record, const DibLocation& at, bool alpha) {
    std::optional<QImage> img = DecodeDib(record, at, alpha);
    if (!img) ++pb.dc.notes.damagedImages;
    return img;
}

} // namespace emf
