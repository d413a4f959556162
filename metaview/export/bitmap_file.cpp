#include "metaview/export/bitmap_file.h"

#include "emf/byte_writer.h"

namespace metaview {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;

bool HasMasks(std::uint16_t bitsPerPixel) {
    return bitsPerPixel == 16 || bitsPerPixel == 32;
}

bool Describable(const BitmapPixels& b) {
    if (b.bitsPerPixel != 16 && b.bitsPerPixel != 24 && b.bitsPerPixel != 32) return false;
    if (b.width == 0 || b.height == 0 || b.width > INT32_MAX || b.height > INT32_MAX) return false;
    const std::uint64_t image = BitmapRowStride(b.width, b.bitsPerPixel) * b.height;
    return image == b.rows.size() && image + kFileHeaderSize + 52 <= UINT32_MAX;
}

// [MS-WMF] 2.2.2.3 BitmapInfoHeader; the masks follow it for BI_BITFIELDS.
void PutInfoHeader(emf::ByteWriter& w, const BitmapPixels& b, std::uint32_t imageSize) {
    w.u32(kInfoHeaderSize);
    w.i32(static_cast<std::int32_t>(b.width));
    w.i32(static_cast<std::int32_t>(b.height)); // positive: rows bottom-up
    w.u16(1);                                   // planes
    w.u16(b.bitsPerPixel);
    w.u32(HasMasks(b.bitsPerPixel) ? BI_BITFIELDS : BI_RGB);
    w.u32(imageSize);
    w.u32(b.pixelsPerMetre);
    w.u32(b.pixelsPerMetre);
    w.u32(0); // colours used
    w.u32(0); // colours important
    if (b.bitsPerPixel == 16) w.u32(0xF800), w.u32(0x07E0), w.u32(0x001F);
    if (b.bitsPerPixel == 32) w.u32(0x00FF0000), w.u32(0x0000FF00), w.u32(0x000000FF);
}

} // namespace

std::uint64_t BitmapRowStride(std::uint32_t width, std::uint16_t bitsPerPixel) {
    return (std::uint64_t(width) * bitsPerPixel + 31) / 32 * 4;
}

std::vector<std::byte> BitmapFilePrefix(const BitmapPixels& b) {
    std::vector<std::byte> out;
    if (!Describable(b)) return out;
    const auto imageSize = static_cast<std::uint32_t>(b.rows.size());
    const std::uint32_t block = kInfoHeaderSize + (HasMasks(b.bitsPerPixel) ? 12 : 0);
    emf::ByteWriter w(out);
    w.u16(0x4D42); // "BM"
    w.u32(kFileHeaderSize + block + imageSize);
    w.u16(0);
    w.u16(0);
    w.u32(kFileHeaderSize + block);
    PutInfoHeader(w, b, imageSize);
    return out;
}

} // namespace metaview

bool WriteBitmapFile(const metaview::BitmapPixels& bitmap, metaview::ByteSink& sink) {
    const std::vector<std::byte> prefix = metaview::BitmapFilePrefix(bitmap);
    return !prefix.empty() && sink.Write(prefix) && sink.Write(bitmap.rows);
}

bool WriteBitmapFile(const metaview::BitmapPixels& bitmap, const std::filesystem::path& path,
                     std::string& error) {
    return metaview::WriteFileAtomically(
        path, [&](metaview::ByteSink& sink) { return WriteBitmapFile(bitmap, sink); },
        "the bitmap does not match its description.", error);
}
