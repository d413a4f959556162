#include "metaview/export/png_file.h"

#include <QImage>
#include <QtEndian>

#include <array>

namespace metaview {

namespace {

// CRC-32 of ISO 3309 as the chunks carry it (PNG specification, section 5.5).
std::uint32_t Crc32(const char* data, qsizetype size, std::uint32_t crc = 0xFFFFFFFFu) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ std::uint8_t(data[i])) & 0xFF] ^ (crc >> 8);
    return crc;
}

void AppendU32(QByteArray& out, std::uint32_t v) {
    const std::uint32_t be = qToBigEndian(v);
    out.append(reinterpret_cast<const char*>(&be), 4);
}

// Length, type, data, then the CRC of type and data.
void AppendChunk(QByteArray& out, const char (&type)[5], const QByteArray& data) {
    AppendU32(out, std::uint32_t(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    AppendU32(out, Crc32(out.constData() + start, out.size() - start) ^ 0xFFFFFFFFu);
}

// Each row as R, G, B bytes after its filter byte: none for the first, "Up" for the rest.
QByteArray FilteredRows(const QImage& rgb) {
    const int w = rgb.width(), h = rgb.height();
    const qsizetype stride = 1 + qsizetype(w) * 3;
    QByteArray rows(stride * h, Qt::Uninitialized);
    QByteArray above(stride - 1, '\0');
    QByteArray line(stride - 1, Qt::Uninitialized);
    for (int y = 0; y < h; ++y) {
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            line[3 * x] = char(qRed(px[x]));
            line[3 * x + 1] = char(qGreen(px[x]));
            line[3 * x + 2] = char(qBlue(px[x]));
        }
        char* out = rows.data() + stride * y;
        out[0] = y == 0 ? 0 : 2;
        for (qsizetype i = 0; i < line.size(); ++i)
            out[1 + i] = char(line[i] - above[i]);
        std::swap(line, above);
    }
    return rows;
}

QByteArray Header(const QImage& image) {
    QByteArray ihdr;
    AppendU32(ihdr, std::uint32_t(image.width()));
    AppendU32(ihdr, std::uint32_t(image.height()));
    ihdr.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, adaptive filters, no interlace
    return ihdr;
}

} // namespace

QByteArray EncodePngFile(const QImage& image, int zlibLevel) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(out, "IHDR", Header(rgb));
    if (rgb.dotsPerMeterX() > 0 && rgb.dotsPerMeterY() > 0) {
        QByteArray phys;
        AppendU32(phys, std::uint32_t(rgb.dotsPerMeterX()));
        AppendU32(phys, std::uint32_t(rgb.dotsPerMeterY()));
        phys.append('\x01'); // per metre
        AppendChunk(out, "pHYs", phys);
    }
    // qCompress gives a zlib stream after its own four-byte length.
    AppendChunk(out, "IDAT", qCompress(FilteredRows(rgb), zlibLevel).mid(4));
    AppendChunk(out, "IEND", {});
    return out;
}

} // namespace metaview
