#include "emf/dib.h"

namespace emf {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12, kInfoHeaderSize = 40;
constexpr std::uint32_t BI_BITFIELDS = 3;

std::uint64_t EntrySize(std::uint32_t colorUsage, bool core) {
    if (colorUsage == DIB_PAL_INDICES) return 0;
    if (colorUsage == DIB_PAL_COLORS) return 2;
    return core ? 3 : 4;
}

} // namespace

std::optional<DibLayout> MeasurePackedDib(Bytes dib, std::uint32_t colorUsage) {
    ByteReader r(dib);
    const std::uint32_t headerSize = r.u32();
    if (!r.ok() || (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) ||
        headerSize > dib.size())
        return std::nullopt;
    const bool core = headerSize == kCoreHeaderSize;
    DibLayout layout;
    std::uint64_t colors = 0, masks = 0;
    if (core) {
        r.skip(2);
        layout.height = r.u16();
        r.skip(2);
        const std::uint16_t bits = r.u16();
        colors = bits >= 1 && bits <= 8 ? 1u << bits : 0;
    } else {
        r.skip(4);
        layout.height = r.i32();
        r.skip(2);
        const std::uint16_t bits = r.u16();
        const std::uint32_t compression = r.u32();
        r.skip(12);
        const std::uint32_t used = r.u32();
        colors = used != 0 ? used : (bits >= 1 && bits <= 8 ? 1u << bits : 0);
        masks = compression == BI_BITFIELDS && headerSize == kInfoHeaderSize ? 12 : 0;
    }
    const std::uint64_t info = headerSize + masks + colors * EntrySize(colorUsage, core);
    if (!r.ok() || info > dib.size()) return std::nullopt;
    layout.infoSize = static_cast<std::size_t>(info);
    layout.bitsSize = dib.size() - layout.infoSize;
    return layout;
}

} // namespace emf
