#include "emf/player/emfplus/plus_image.h"

#include "emf/metafile_file.h"
#include "emf/player/bitmaps/embedded_image.h"
#include "emf/player/metafile_player.h"

#include <QPainter>

namespace emf::plus {

namespace {

enum PixelFormat : std::uint32_t {
    Indexed1 = 0x00030101,
    Indexed4 = 0x00030402,
    Indexed8 = 0x00030803,
    Rgb555 = 0x00021005,
    Rgb565 = 0x00021006,
    Rgb24 = 0x00021808,
    Rgb32 = 0x00022009,
    Argb32 = 0x0026200A,
    Pargb32 = 0x000E200B,
    Gray16 = 0x00101004,
    Argb1555 = 0x00061007
};

constexpr int kMaxSide = 16384;

int BitsPerPixel(std::uint32_t format) {
    return int((format >> 8) & 0xFF);
}

// Indexed formats start with their palette: flags, count, then the colours.
std::vector<QRgb> ReadPalette(ByteReader& r) {
    r.u32();
    const std::uint32_t count = r.u32();
    std::vector<QRgb> colors;
    if (!r.ok() || count > 256 || count > r.remaining() / 4) return colors;
    for (std::uint32_t i = 0; i < count; ++i)
        colors.push_back(r.u32());
    return colors;
}

QRgb Pixel16(const std::uint8_t* p, std::uint32_t format) {
    const unsigned v = p[0] | p[1] << 8;
    const auto c5 = [](unsigned c) { return int((c & 31) * 255 / 31); };
    switch (format) {
    case Rgb555:
        return qRgb(c5(v >> 10), c5(v >> 5), c5(v));
    case Argb1555:
        return qRgba(c5(v >> 10), c5(v >> 5), c5(v), (v & 0x8000) ? 255 : 0);
    case Gray16:
        return qRgb(int(v >> 8), int(v >> 8), int(v >> 8));
    default:
        return qRgb(c5(v >> 11), int((v >> 5 & 63) * 255 / 63), c5(v)); // 565
    }
}

QRgb PixelAt(const std::uint8_t* row, int x, std::uint32_t format, const std::vector<QRgb>& pal) {
    auto index = [&](int bits) -> QRgb {
        const int bit = x * bits, v = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
        return std::size_t(v) < pal.size() ? pal[std::size_t(v)] : 0xFF000000;
    };
    switch (format) {
    case Indexed1:
        return index(1);
    case Indexed4:
        return index(4);
    case Indexed8:
        return index(8);
    case Rgb555:
    case Rgb565:
    case Argb1555:
    case Gray16:
        return Pixel16(row + 2 * x, format);
    case Rgb24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case Rgb32:
        return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default: // ARGB, premultiplied or not: told apart by the image format
        return qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
    }
}

std::optional<QImage> DecodePixels(const Image& image) {
    const std::uint32_t f = image.pixelFormat;
    const int bpp = BitsPerPixel(f);
    const bool known = f == Indexed1 || f == Indexed4 || f == Indexed8 || f == Rgb555 ||
                       f == Rgb565 || f == Argb1555 || f == Gray16 || f == Rgb24 || f == Rgb32 ||
                       f == Argb32 || f == Pargb32;
    if (!known || image.width <= 0 || image.height <= 0 || image.width > kMaxSide ||
        image.height > kMaxSide || image.stride <= 0 ||
        std::int64_t(image.width) * bpp > std::int64_t(image.stride) * 8)
        return std::nullopt;
    ByteReader r(image.data);
    const std::vector<QRgb> palette = (f & 0x00010000) ? ReadPalette(r) : std::vector<QRgb>{};
    const Bytes pixels = r.array(std::uint64_t(image.stride), std::uint64_t(image.height));
    if (!r.ok()) return std::nullopt;
    QImage out(image.width, image.height,
               f == Pargb32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(pixels.data()) +
                          std::size_t(y) * std::size_t(image.stride);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x)
            line[x] = PixelAt(row, x, f, palette);
    }
    return out;
}

// Metafiles may hold metafiles; each level is drawn into an image of its own.
thread_local int t_depth = 0;

bool WmfHeaderAt(const std::vector<std::byte>& data, std::size_t at) {
    const std::uint32_t v = ReadU32(data, at);
    return (v == 0x00090001 || v == 0x00090002);
}

// Writers pad the 22-byte placeable header of an embedded WMF to 24 bytes.
std::vector<std::byte> MetafileBytes(const Image& image) {
    std::vector<std::byte> data = image.data;
    if (image.metafileType == 2 && !WmfHeaderAt(data, 22) && WmfHeaderAt(data, 24))
        data.erase(data.begin() + 22, data.begin() + 24);
    return data;
}

} // namespace

std::optional<QImage> DecodeImage(const Image& image) {
    if (image.kind != Image::Bitmap) return std::nullopt;
    if (image.bitmapType == Image::Compressed) return DecodeEmbeddedImage(image.data);
    return DecodePixels(image);
}

bool PlayMetafileImage(const Image& image, QPainter& painter, QSize size) {
    if (image.kind != Image::Metafile || t_depth >= 3 || size.isEmpty()) return false;
    const PictureResult picture = ReadMetafileFile(MetafileBytes(image));
    if (!picture) return false;
    ++t_depth;
    {
        DeviceContext dc(painter);
        PlayEnhMetaFile(dc, *picture.picture, QRect(QPoint(0, 0), size));
    }
    --t_depth;
    return true;
}

} // namespace emf::plus
