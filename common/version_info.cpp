#include "common/version_info.h"

#include <algorithm>

namespace {

std::uint32_t ReadLE32(std::span<const std::byte> data, std::size_t offset) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= std::uint32_t(std::to_integer<std::uint8_t>(data[offset + i])) << (8 * i);
    return v;
}

} // namespace

bool CFileVersionInfo::Load(std::optional<std::span<const std::byte>> resource) {
    m_block.reset();
    if (!resource) return false;

    std::array<std::byte, kBlockSize> block{};
    const auto data = *resource;
    // Only 4-byte aligned offsets are looked at, as the platform's own reader does.
    for (std::size_t off = 0; off + 4 <= data.size(); off += 4) {
        if (ReadLE32(data, off) != kSignature) continue;
        const std::size_t n = std::min(kBlockSize, data.size() - off);
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(off), n, block.begin());
        break;
    }
    m_block = block;
    return true;
}

std::uint32_t CFileVersionInfo::Field(std::size_t offset) const {
    return m_block ? ReadLE32(*m_block, offset) : 0xFFFFFFFFu;
}
