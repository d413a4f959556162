#include "emf/cp1252.h"

#include <gtest/gtest.h>

namespace emf {
namespace {

TEST(Cp1252, MapsTheWindowsRangeBothWays) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(Cp1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(Cp1252ToUnicode(0xE4), u'\u00E4');
    EXPECT_EQ(UnicodeToCp1252(u'\u20AC'), '\x80');
    EXPECT_EQ(UnicodeToCp1252(u'\u2019'), '\x92');
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(static_cast<unsigned char>(UnicodeToCp1252(Cp1252ToUnicode(c))), c) << c;
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToCp1252(u"a\u4E2Db\xD83D"), "a?b?");
    EXPECT_EQ(FromCp1252("x\x80"), u"x\u20AC");
}

} // namespace
} // namespace emf
