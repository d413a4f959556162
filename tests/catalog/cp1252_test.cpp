#include "catalog/cp1252.h"

#include <gtest/gtest.h>

#include <string>

using catalog::Cp1252ToUtf8;
using catalog::Utf8ToCp1252;

namespace {

// U+ code points of the bytes 0x80..0x9F, as Windows' conversion gives them.
constexpr char32_t kExpected[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u32string Decode(const std::string& utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            c = c << 6 | (utf8[i + k] & 0x3F);
        out += c;
        i += extra + 1;
    }
    return out;
}

TEST(Cp1252, EveryByteOfTheUpperControlRangeMapsLikeWindows) {
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        const std::string utf8 = Cp1252ToUtf8(bytes);
        EXPECT_EQ(Decode(utf8), std::u32string(1, kExpected[byte - 0x80])) << byte;
        bool replaced = false;
        EXPECT_EQ(Utf8ToCp1252(utf8, &replaced), bytes) << byte;
        EXPECT_FALSE(replaced);
    }
}

TEST(Cp1252, AllBytesSurviveTheRoundTrip) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
    EXPECT_EQ(Cp1252ToUtf8("\xC4rzte \xE9t\xE9"), "\xC3\x84rzte \xC3\xA9t\xC3\xA9");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    bool replaced = false;
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC b", &replaced), "a\x80 b");
    EXPECT_FALSE(replaced);
    EXPECT_EQ(Utf8ToCp1252("\xCE\xA9 \xF0\x9F\x8E\xB5!", &replaced), "? ?!");
    EXPECT_TRUE(replaced);
}

TEST(Cp1252, MalformedUtf8IsReplacedWithoutReadingPastTheEnd) {
    for (std::string bad : {"\xC3", "\xE2\x82", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF8"}) {
        bool replaced = false;
        const std::string out = Utf8ToCp1252(bad, &replaced);
        EXPECT_TRUE(replaced) << bad.size();
        EXPECT_EQ(out.find_first_not_of('?'), std::string::npos);
    }
}

} // namespace
