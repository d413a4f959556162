#include "emf/cp1252.h"

#include <array>

namespace emf {
namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined keep their own code point.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t Cp1252ToUnicode(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : char16_t(c);
}

char UnicodeToCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

std::u16string FromCp1252(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out.push_back(UnicodeToCp1252(c));
    return out;
}

} // namespace emf
