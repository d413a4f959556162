#include "metaview/export/png_file.h"

#include "emf/crc32.h"

#include <QImage>
#include <QtEndian>

namespace metaview {

namespace {

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
    const auto* typeAndData = reinterpret_cast<const std::byte*>(out.constData()) + start;
    AppendU32(out, emf::Crc32({typeAndData, std::size_t(out.size() - start)}));
}

// Each row as R, G, B bytes after its filter byte: none for the first, "Up" for the rest.
QByteArray FilteredRows(const QImage& rgb) {
    const int w = rgb.width(), h = rgb.height();
    const qsizetype stride = 1 + qsizetype(w) * 3;
    QByteArray rows(stride * h, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(rows.data());
    for (int y = 0; y < h; ++y, out += stride) {
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const auto* above =
            y == 0 ? nullptr : reinterpret_cast<const QRgb*>(rgb.constScanLine(y - 1));
        out[0] = above ? 2 : 0;
        unsigned char* o = out + 1;
        for (int x = 0; x < w; ++x, o += 3) {
            const QRgb up = above ? above[x] : 0;
            o[0] = static_cast<unsigned char>(qRed(px[x]) - qRed(up));
            o[1] = static_cast<unsigned char>(qGreen(px[x]) - qGreen(up));
            o[2] = static_cast<unsigned char>(qBlue(px[x]) - qBlue(up));
        }
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
