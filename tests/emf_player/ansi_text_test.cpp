// 8-bit texts in the code pages of their fonts' character sets, with Qt's codecs headless.
#include "emf/player/text/ansi_text.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace emf {
namespace {

constexpr std::uint8_t ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2,
                       SHIFTJIS_CHARSET = 128, HANGUL_CHARSET = 129, GB2312_CHARSET = 134,
                       CHINESEBIG5_CHARSET = 136, GREEK_CHARSET = 161, TURKISH_CHARSET = 162,
                       VIETNAMESE_CHARSET = 163, HEBREW_CHARSET = 177, ARABIC_CHARSET = 178,
                       BALTIC_CHARSET = 186, RUSSIAN_CHARSET = 204, THAI_CHARSET = 222,
                       EASTEUROPE_CHARSET = 238, OEM_CHARSET = 255;

QString Decoded(std::string_view bytes, std::uint8_t charSet) {
    return DecodeAnsiText(bytes, charSet, {}).text;
}

struct Sample {
    std::uint8_t charSet;
    const char* bytes;
    const char16_t* text;
};

// Every set's codec must be there: without one, the text falls back to Latin garbage.
TEST(AnsiText, EachCharacterSetReadsInItsCodePage) {
    const Sample samples[] = {
        {SHIFTJIS_CHARSET, "\x93\xfa\x96\x7b", u"日本"},
        {HANGUL_CHARSET, "\xc7\xd1\xb1\xdb", u"한글"},
        {GB2312_CHARSET, "\xd6\xd0\xce\xc4", u"中文"},
        {CHINESEBIG5_CHARSET, "\xa4\xa4\xa4\xe5", u"中文"},
        {GREEK_CHARSET, "\xc1\xe8\xde\xed\xe1", u"Αθήνα"},
        {TURKISH_CHARSET, "\xdd\xfe\xf0", u"İşğ"},
        {VIETNAMESE_CHARSET, "\xd0\xf5", u"Đơ"},
        {HEBREW_CHARSET, "\xf9\xec\xe5\xed", u"שלום"},
        {ARABIC_CHARSET, "\xd3\xe1\xc7\xe3", u"سلام"},
        {BALTIC_CHARSET, "\xc0\xe8\xfe", u"Ąčž"},
        {RUSSIAN_CHARSET, "\xcf\xf0\xe8\xe2\xe5\xf2", u"Привет"},
        {THAI_CHARSET, "\xa1\xd2", u"กา"},
        {EASTEUROPE_CHARSET, "\x8a\xe8\xf8", u"Ščř"},
        {OEM_CHARSET, "\xc9\xcd\xbb", u"╔═╗"},
    };
    for (const Sample& s : samples) {
        ASSERT_NE(CodePageOf(s.charSet), nullptr) << int(s.charSet);
        EXPECT_EQ(Decoded(s.bytes, s.charSet), QString::fromUtf16(s.text)) << int(s.charSet);
    }
}

TEST(AnsiText, EveryCodePageNamedHasACodec) {
    int named = 0;
    for (int set = 0; set < 256; ++set)
        if (const char* name = CodePageOf(std::uint8_t(set))) {
            EXPECT_TRUE(QStringDecoder(name).isValid()) << name;
            ++named;
        }
    EXPECT_EQ(named, 15);
}

TEST(AnsiText, AnsiDefaultSymbolAndUnknownSetsStayWindows1252) {
    for (const std::uint8_t set :
         {ANSI_CHARSET, DEFAULT_CHARSET, SYMBOL_CHARSET, std::uint8_t(99)}) {
        EXPECT_EQ(CodePageOf(set), nullptr);
        EXPECT_EQ(Decoded("caf\xe9 \x80", set), QString::fromUtf16(u"café €")) << int(set);
    }
}

// The spacing array has one advance per byte: a double-byte character advances by both.
TEST(AnsiText, ADoubleByteCharacterTakesTheSumOfItsBytesAdvances) {
    const AnsiText t = DecodeAnsiText("A\x93\xfa"
                                      "B",
                                      SHIFTJIS_CHARSET, {10, 12, 8, 10});
    EXPECT_EQ(t.text, QString::fromUtf16(u"A日B"));
    EXPECT_EQ(t.advances, (std::vector<double>{10, 20, 10}));
    // A short spacing array spaces what it covers; the rest advances by nothing.
    EXPECT_EQ(DecodeAnsiText("\x93\xfa"
                             "B",
                             SHIFTJIS_CHARSET, {7})
                  .advances,
              (std::vector<double>{7, 0}));
    // Single-byte sets keep one advance per character.
    EXPECT_EQ(DecodeAnsiText("\xcf\xf0", RUSSIAN_CHARSET, {5, 6}).advances,
              (std::vector<double>{5, 6}));
}

TEST(AnsiText, ALeadByteWithoutItsTrailByteStillTakesAPlace) {
    const AnsiText t = DecodeAnsiText("A\x93", SHIFTJIS_CHARSET, {10, 9});
    ASSERT_EQ(t.text.size(), 2);
    EXPECT_EQ(t.text.at(0), u'A');
    EXPECT_EQ(t.advances, (std::vector<double>{10, 9}));
    EXPECT_EQ(Decoded("", GB2312_CHARSET), QString());
}

} // namespace
} // namespace emf
