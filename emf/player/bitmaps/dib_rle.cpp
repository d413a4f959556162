#include "emf/player/bitmaps/dib_rle.h"

namespace emf {

namespace {

class RleCanvas {
public:
    RleCanvas(QImage& img, const QList<QRgb>& table) : m_img(img), m_table(table) {}
    void Put(std::uint32_t index) {
        if (m_x < m_img.width() && m_y < m_img.height()) {
            auto* row = reinterpret_cast<QRgb*>(m_img.scanLine(m_img.height() - 1 - m_y));
            row[m_x] = index < std::uint32_t(m_table.size()) ? m_table[index] : qRgb(0, 0, 0);
        }
        ++m_x;
    }
    void NextLine() { m_x = 0, ++m_y; }
    void Move(int dx, int dy) { m_x += dx, m_y += dy; }
    bool Done() const { return m_y >= m_img.height(); }

private:
    QImage& m_img;
    const QList<QRgb>& m_table;
    long long m_x = 0, m_y = 0;
};

void EncodedRun(RleCanvas& c, int count, std::uint8_t value, bool rle4) {
    for (int i = 0; i < count; ++i)
        c.Put(rle4 ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
}

void AbsoluteRun(RleCanvas& c, ByteReader& r, int count, bool rle4) {
    const int bytes = rle4 ? (count + 1) / 2 : count;
    Bytes run = r.bytes(size_t(bytes));
    for (int i = 0; i < count && r.ok(); ++i) {
        const auto b = std::to_integer<std::uint8_t>(run[size_t(rle4 ? i / 2 : i)]);
        c.Put(rle4 ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
    }
    if (bytes & 1) r.skip(1); // runs are padded to 16 bits
}

} // namespace

std::optional<QImage> DecodeRle(Bytes bits, int width, int height, bool rle4,
                                const QList<QRgb>& table) {
    if (height <= 0) return std::nullopt;
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return std::nullopt;
    img.fill(Qt::transparent);
    RleCanvas canvas(img, table);
    ByteReader r(bits);
    while (r.remaining() >= 2 && !canvas.Done()) {
        const int count = r.u8();
        const std::uint8_t value = r.u8();
        if (count > 0)
            EncodedRun(canvas, count, value, rle4);
        else if (value == 0)
            canvas.NextLine();
        else if (value == 1)
            break;
        else if (value == 2) {
            const int dx = r.u8();
            canvas.Move(dx, r.u8());
        } else
            AbsoluteRun(canvas, r, value, rle4);
    }
    return img;
}

} // namespace emf
