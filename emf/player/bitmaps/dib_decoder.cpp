#include "emf/player/bitmaps/dib_decoder.h"
#include "emf/player/bitmaps/dib_rle.h"
#include "emf/player/bitmaps/embedded_image.h"

#include <bit>
#include <cstring>

namespace emf {

namespace {

enum Compression : std::uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
};

struct DibHeader {
    std::int64_t width = 0, height = 0;
    std::uint32_t bitCount = 0, compression = BI_RGB, clrUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    bool core = false;
    std::size_t colorTableAt = 0; ///< offset of the colour table inside the BITMAPINFO
};

bool ReadInfoHeader(ByteReader& r, DibHeader& h) {
    const std::uint32_t size = r.u32();
    if (size == 12) {
        h.core = true;
        h.width = r.u16();
        h.height = r.u16();
        r.skip(2);
        h.bitCount = r.u16();
        h.colorTableAt = 12;
        return r.ok();
    }
    if (size < 40) return false;
    h.width = r.i32();
    h.height = r.i32();
    r.skip(2);
    h.bitCount = r.u16();
    h.compression = r.u32();
    r.skip(12); // image size and resolution
    h.clrUsed = r.u32();
    r.skip(4);
    const bool fields = h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS;
    if (fields)
        for (auto& m : h.masks)
            m = r.u32(); // in the header (V2+) or just after it
    h.colorTableAt = size + (fields && size == 40 ? 12 : 0);
    return r.ok();
}

QList<QRgb> ReadColorTable(Bytes bmi, const DibHeader& h) {
    if (h.bitCount > 8) return {};
    const std::uint32_t max = 1u << h.bitCount;
    const std::uint32_t count = h.clrUsed && h.clrUsed < max ? h.clrUsed : max;
    ByteReader r(bmi, std::min(h.colorTableAt, bmi.size()));
    QList<QRgb> table;
    for (std::uint32_t i = 0; i < max; ++i) {
        if (i >= count || r.remaining() < (h.core ? 3u : 4u)) {
            table.append(i == 1 && h.bitCount == 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            continue;
        }
        const std::uint8_t b = r.u8(), g = r.u8(), rd = r.u8();
        if (!h.core) r.skip(1);
        table.append(qRgb(rd, g, b));
    }
    return table;
}

// One channel through a bit mask, scaled to 8 bits.
std::uint8_t Channel(std::uint32_t px, std::uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return std::uint8_t(((px & mask) >> shift) * 255 / max);
}

void DefaultMasks(DibHeader& h) {
    if (h.masks[0] | h.masks[1] | h.masks[2]) return;
    if (h.bitCount == 16)
        h.masks[0] = 0x7C00, h.masks[1] = 0x3E0, h.masks[2] = 0x1F;
    else
        h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
}

std::uint32_t PixelAt(const std::uint8_t* row, std::int64_t x, std::uint32_t bits) {
    const std::uint8_t* p = row + x * (bits / 8);
    if (bits == 16) return p[0] | (p[1] << 8);
    if (bits == 24) return p[0] | (p[1] << 8) | (p[2] << 16);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

void DecodeRow(const DibHeader& h, const std::uint8_t* src, QImage& img, int y, bool alpha) {
    const int w = img.width();
    if (h.bitCount == 1 || h.bitCount == 8) {
        std::memcpy(img.scanLine(y), src, size_t((w * h.bitCount + 7) / 8));
    } else if (h.bitCount == 4) {
        for (int x = 0; x < w; ++x)
            img.scanLine(y)[x] = (x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4);
    } else {
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::uint32_t px = PixelAt(src, x, h.bitCount);
            const int a = alpha ? int(px >> 24) : 255;
            out[x] =
                qRgba(Channel(px, h.masks[0]), Channel(px, h.masks[1]), Channel(px, h.masks[2]), a);
        }
    }
}

QImage::Format FormatFor(std::uint32_t bits, bool alpha) {
    if (bits == 1) return QImage::Format_Mono;
    if (bits <= 8) return QImage::Format_Indexed8;
    return alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

std::optional<QImage> DecodeRaw(DibHeader h, Bytes bits, const QList<QRgb>& table, bool alpha) {
    const std::uint32_t b = h.bitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return std::nullopt;
    const std::uint64_t stride = ((std::uint64_t(h.width) * b + 31) / 32) * 4;
    const std::int64_t rows = std::min<std::int64_t>(std::llabs(h.height), bits.size() / stride);
    const bool topDown = h.height < 0;
    alpha = alpha && b == 32;
    DefaultMasks(h);
    QImage img(int(h.width), int(std::llabs(h.height)), FormatFor(b, alpha));
    if (img.isNull()) return std::nullopt;
    if (b <= 8) img.setColorTable(table);
    img.fill(0);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bits.data());
    for (std::int64_t i = 0; i < rows; ++i) {
        const int y = int(topDown ? i : img.height() - 1 - i);
        DecodeRow(h, data + i * stride, img, y, alpha);
    }
    return img;
}

} // namespace

DibLocation ReadDibLocation(ByteReader& r) {
    DibLocation at;
    at.offBmi = r.u32();
    at.cbBmi = r.u32();
    at.offBits = r.u32();
    at.cbBits = r.u32();
    return at;
}

std::optional<QImage> DecodeDib(Bytes record, const DibLocation& at, bool alpha) {
    ByteReader rec(record);
    rec.seek(at.offBmi);
    Bytes bmi = rec.bytes(at.cbBmi);
    rec.seek(at.offBits);
    Bytes bits = rec.bytes(at.cbBits);
    ByteReader hr(bmi);
    DibHeader h;
    if (!rec.ok() || !ReadInfoHeader(hr, h) || h.width <= 0 || h.height == 0) return std::nullopt;
    const std::uint64_t pixels = std::uint64_t(h.width) * std::uint64_t(std::llabs(h.height));
    if (pixels > kMaxBitmapPixels || pixels > kFreeBitmapPixels + kPixelsPerByte * bits.size())
        return std::nullopt;
    const QList<QRgb> table = ReadColorTable(bmi, h);
    switch (h.compression) {
    case BI_RGB:
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        return DecodeRaw(h, bits, table, alpha);
    case BI_RLE8:
    case BI_RLE4:
        return DecodeRle(bits, int(h.width), int(h.height), h.compression == BI_RLE4, table);
    case BI_JPEG:
    case BI_PNG:
        return DecodeEmbeddedImage(bits);
    default:
        return std::nullopt;
    }
}

} // namespace emf
