#pragma once
// Builds a version record at compile time in the layout of a VS_VERSIONINFO resource
// holding only its fixed block, so the reader scans the same bytes a Windows program has.

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvel {

struct Version {
    std::uint16_t a, b, c, d;
    constexpr std::uint32_t ms() const { return std::uint32_t(a) << 16 | b; }
    constexpr std::uint32_t ls() const { return std::uint32_t(c) << 16 | d; }
};

inline constexpr std::size_t kVersionRecordSize = 92;

constexpr std::array<std::byte, kVersionRecordSize> MakeVersionRecord(Version file,
                                                                      Version product) {
    std::array<std::byte, kVersionRecordSize> r{};
    std::size_t pos = 0;
    auto put16 = [&](std::uint32_t v) {
        r[pos++] = std::byte(v & 0xFF);
        r[pos++] = std::byte(v >> 8 & 0xFF);
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };

    put16(kVersionRecordSize); // wLength
    put16(52);                 // wValueLength: the fixed block
    put16(0);                  // wType: binary
    for (char ch : "VS_VERSION_INFO")
        put16(static_cast<unsigned char>(ch)); // with its NUL
    put16(0);                                  // padding to a 32-bit boundary
    put32(0xFEEF04BD);                         // dwSignature
    put32(0x00010000);                         // dwStrucVersion
    put32(file.ms());
    put32(file.ls());
    put32(product.ms());
    put32(product.ls());
    put32(0x3F);       // dwFileFlagsMask
    put32(0);          // dwFileFlags
    put32(0x00040004); // dwFileOS: VOS_NT_WINDOWS32
    put32(1);          // dwFileType: VFT_APP
    put32(0);          // dwFileSubtype
    put32(0);          // dwFileDateMS
    put32(0);          // dwFileDateLS
    return r;
}

} // namespace korvel
