#include "emf/player/bitmaps/embedded_image.h"
#include "emf/crc32.h"

#include <QLoggingCategory>
#include <cctype>
#include <climits>
#include <cstring>
#include <mutex>
#include <string>

namespace emf {

namespace {

// Qt's image readers log what they find wrong under qt.gui.imageio; silence exactly those.
QLoggingCategory::CategoryFilter g_previousFilter = nullptr;

void QuietImageReaders(QLoggingCategory* category) {
    if (g_previousFilter) g_previousFilter(category);
    if (std::strncmp(category->categoryName(), "qt.gui.imageio", 14) == 0) {
        for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
            category->setEnabled(type, false);
    }
}

std::uint32_t BigEndian32(Bytes data, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = v << 8 | std::to_integer<std::uint32_t>(data[at + i]);
    return v;
}

bool IsPng(Bytes data) {
    static constexpr unsigned char kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    return data.size() >= 8 && std::memcmp(data.data(), kSignature, 8) == 0;
}

// PNG's chunks from IHDR to IEND, each with its length inside the data and a CRC-32 over its
// type and data that holds: what libpng checks before it would complain on stderr.
bool SoundPngChunks(Bytes data) {
    std::size_t pos = 8;
    for (bool first = true; data.size() - pos >= 12; first = false) {
        const std::uint32_t length = BigEndian32(data, pos);
        if (length > data.size() - pos - 12) return false;
        const Bytes typeAndData = data.subspan(pos + 4, 4 + std::size_t(length));
        const std::string type(reinterpret_cast<const char*>(typeAndData.data()), 4);
        for (char c : type)
            if (!std::isalpha(static_cast<unsigned char>(c))) return false;
        if (first != (type == "IHDR")) return false;
        if (Crc32(typeAndData) != BigEndian32(data, pos + 8 + length)) return false;
        if (type == "IEND") return true;
        pos += 12 + std::size_t(length);
    }
    return false;
}

} // namespace

std::optional<QImage> DecodeEmbeddedImage(Bytes data) {
    static std::once_flag once;
    std::call_once(once,
                   [] { g_previousFilter = QLoggingCategory::installFilter(QuietImageReaders); });
    if (data.size() > std::size_t(INT_MAX) || (IsPng(data) && !SoundPngChunks(data)))
        return std::nullopt;
    QImage img = QImage::fromData(reinterpret_cast<const uchar*>(data.data()), int(data.size()));
    return img.isNull() ? std::nullopt : std::optional<QImage>(std::move(img));
}

} // namespace emf
