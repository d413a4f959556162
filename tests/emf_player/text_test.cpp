// Text placement, alignment and measurement: what GetTextExtentPoint32A reports is what
// ExtTextOutA draws.
#include "player_fixture.h"

#include "emf/player/metafile_player.h"
#include "emf/player/text/font_mapping.h"
#include "emf/player/text/symbol_font.h"

#include <QPainter>

namespace emf::test {
namespace {

// The columns that hold dark pixels, as [first, last]; {-1, -1} for none.
std::pair<int, int> InkColumns(const QImage& img) {
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

struct TextCanvas {
    QImage img{400, 100, QImage::Format_RGB32};
    std::unique_ptr<DeviceContext> dc;
    TextCanvas() {
        img.fill(Qt::white);
        dc = std::make_unique<DeviceContext>(&img);
        dc->SelectObject(ArialOfHeight(-40));
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextAlign(TA_BASELINE);
    }
    static HFONT ArialOfHeight(int height);
    QImage Done() {
        dc->Painter().end();
        return img;
    }
};

HFONT TextCanvas::ArialOfHeight(int height) {
    // A font is built the way a metafile creates one.
    EmfBuilder b = Canvas();
    LogFontW f;
    f.height = height;
    f.faceName = u"Arial";
    b.ExtCreateFontIndirectW(1, f);
    const PictureResult pic = b.Picture();
    QImage scratch(1, 1, QImage::Format_RGB32);
    DeviceContext dc(&scratch);
    HFONT font;
    EnumEnhMetaFile(
        dc, *pic.picture,
        [&](DeviceContext& d, HandleTable& t, const RecordView& r, int n) {
            PlayEnhMetaFileRecord(d, t, r, n);
            if (!font) font = t.Get(1);
            return true;
        },
        QRect(0, 0, 1, 1));
    return font;
}

TEST(Text, ExtentGrowsWithTheTextAndMatchesTheFontHeight) {
    TextCanvas c;
    SizeL two, four;
    ASSERT_TRUE(c.dc->GetTextExtentPoint32A("WW", two));
    ASSERT_TRUE(c.dc->GetTextExtentPoint32A("WWWW", four));
    EXPECT_GT(two.cx, 40);
    EXPECT_NEAR(four.cx, 2 * two.cx, 2);
    EXPECT_GE(two.cy, 40); // a character height of 40 has a taller cell
    EXPECT_LE(two.cy, 50);
}

TEST(Text, DrawnWidthAgreesWithTheMeasuredExtent) {
    TextCanvas c;
    SizeL size;
    c.dc->GetTextExtentPoint32A("HHHH", size);
    c.dc->ExtTextOutA(100, 60, 0, nullptr, "HHHH");
    const auto [first, last] = InkColumns(c.Done());
    ASSERT_GE(first, 100);
    EXPECT_NEAR(last - 100, size.cx, 6); // side bearings only
}

TEST(Text, RightAndCentreAlignmentPlaceTheTextAroundTheReference) {
    TextCanvas right;
    right.dc->SetTextAlign(TA_RIGHT | TA_BASELINE);
    right.dc->ExtTextOutA(300, 60, 0, nullptr, "HHHH");
    const auto r = InkColumns(right.Done());
    EXPECT_LE(r.second, 300);
    EXPECT_GT(r.second, 290);

    TextCanvas centre;
    centre.dc->SetTextAlign(TA_CENTER | TA_BASELINE);
    centre.dc->ExtTextOutA(200, 60, 0, nullptr, "HHHH");
    const auto m = InkColumns(centre.Done());
    EXPECT_NEAR((m.first + m.second) / 2.0, 200, 3);
}

TEST(Text, TopAlignmentPutsTheGlyphsBelowTheReference) {
    TextCanvas c;
    c.dc->SetTextAlign(TA_TOP);
    c.dc->ExtTextOutA(10, 50, 0, nullptr, "H");
    const QImage img = c.Done();
    bool above = false, below = false;
    for (int x = 0; x < 60; ++x) {
        above |= qGray(img.pixel(x, 45)) < 128;
        below |= qGray(img.pixel(x, 70)) < 128;
    }
    EXPECT_FALSE(above);
    EXPECT_TRUE(below);
}

TEST(Text, UpdateCpContinuesWhereTheLastTextEnded) {
    TextCanvas c;
    SizeL size;
    c.dc->GetTextExtentPoint32A("HH", size);
    c.dc->SetTextAlign(TA_UPDATECP | TA_BASELINE);
    c.dc->MoveTo(20, 60);
    c.dc->ExtTextOutA(0, 0, 0, nullptr, "HH");
    c.dc->ExtTextOutA(0, 0, 0, nullptr, "HH");
    EXPECT_NEAR(c.dc->MoveTo(0, 0).x(), 20 + 2 * size.cx, 1);
}

TEST(Text, SpacingArrayPlacesEachCharacter) {
    TextCanvas c;
    const int dx[] = {100, 100, 100};
    c.dc->ExtTextOutA(20, 60, 0, nullptr, "III", dx);
    const auto [first, last] = InkColumns(c.Done());
    EXPECT_NEAR(last - first, 200, 8);
}

// Characters with advances are drawn as one run of the font's glyphs; one the font lacks
// (Arabic, which Liberation Sans has not) is still found in a fallback font and drawn at its
// advance, as when it is drawn alone.
TEST(Text, ACharacterTheFontLacksIsDrawnFromAFallbackAtItsAdvance) {
    const auto picture = [](const std::vector<std::pair<int, std::u16string_view>>& runs) {
        EmfBuilder b = Canvas();
        LogFontW f;
        f.height = -30;
        f.faceName = u"Arial";
        b.ExtCreateFontIndirectW(1, f);
        b.SelectObject(1);
        b.SetBkMode(TRANSPARENT);
        for (const auto& [x, text] : runs) {
            // Single characters go without advances: laid out as text, as before runs.
            const std::vector<std::int32_t> dx(text.size() > 1 ? text.size() : 0, 30);
            b.ExtTextOutW({x, 50}, text, 0, {0, 0, -1, -1}, dx);
        }
        return Play(b);
    };
    const QImage drawn = picture({{5, u"I\u0627I"}}); // alef between two I
    const QImage apart = picture({{5, u"I"}, {35, u"\u0627"}, {65, u"I"}});
    EXPECT_EQ(InkColumns(drawn.copy(30, 0, 30, 100)), InkColumns(apart.copy(30, 0, 30, 100)));
    EXPECT_EQ(drawn, apart);
}

// Before a picture is drawn, its fonts' faces can be known, each as it will be drawn.
TEST(Text, DrawingFacesAreTheStandInsOfThePicturesFonts) {
    EmfBuilder b = Canvas();
    std::uint32_t handle = 1;
    for (const auto& [face, family] :
         {std::pair{u"Arial", 0}, {u"Courier New", 0}, {u"", 0x10}, {u"Symbol", 0}}) {
        LogFontW f;
        f.faceName = face;
        f.pitchAndFamily = std::uint8_t(family); // FF_ROMAN for the nameless one
        b.ExtCreateFontIndirectW(handle++, f);
    }
    EXPECT_EQ(DrawingFaces(*b.Picture().picture),
              QStringList(
                  {"Liberation Sans", "Liberation Mono", "Liberation Serif", "Liberation Serif"}));
}

TEST(Text, OpaqueRectangleIsFilledEvenForEmptyText) {
    TextCanvas c;
    c.dc->SetBkColor(RGB(0, 0, 255));
    const RectL rect{10, 10, 50, 50};
    c.dc->ExtTextOutA(10, 40, ETO_OPAQUE, &rect, "");
    const QImage img = c.Done();
    EXPECT_EQ(Rgb(img, 30, 30), kBlue);
    EXPECT_EQ(Rgb(img, 60, 30), kWhite);
}

TEST(Text, OpaqueBackgroundAndTextColour) {
    TextCanvas c;
    c.dc->SetBkMode(OPAQUE);
    c.dc->SetBkColor(RGB(0, 255, 0));
    c.dc->SetTextColor(RGB(255, 0, 0));
    c.dc->ExtTextOutA(20, 60, 0, nullptr, "HH");
    const QImage img = c.Done();
    bool red = false;
    for (int x = 20; x < 70; ++x)
        red |= Rgb(img, x, 50) == kRed;
    EXPECT_TRUE(red);
    EXPECT_EQ(Rgb(img, 21, 62), kGreen); // below the baseline, inside the cell
}

TEST(Text, ExtentIsInLogicalUnits) {
    TextCanvas c;
    SizeL plain, scaled;
    c.dc->GetTextExtentPoint32A("Hello", plain);
    c.dc->SetMapMode(MM_ANISOTROPIC);
    c.dc->SetWindowExt(1, 1);
    c.dc->SetViewportExt(2, 2);
    c.dc->GetTextExtentPoint32A("Hello", scaled);
    EXPECT_NEAR(scaled.cx, plain.cx, 3);
    EXPECT_NEAR(scaled.cy, plain.cy, 3);
}

TEST(Text, MetafileTextRecordsDraw) {
    EmfBuilder b = Canvas();
    LogFontW f;
    f.height = -30;
    f.faceName = u"Times New Roman";
    b.ExtCreateFontIndirectW(1, f);
    b.SelectObject(1);
    b.SetBkMode(TRANSPARENT);
    b.ExtTextOutW({10, 50}, u"Hi");
    b.ExtTextOutA({50, 50}, "\x80x");
    const auto [first, last] = InkColumns(Play(b));
    EXPECT_GE(first, 10);
    EXPECT_GT(last, 55);
}

// 8-bit records are in the code page of the font's character set: Cyrillic bytes under a
// RUSSIAN_CHARSET font draw what the same letters in a Unicode record draw.
TEST(Text, AnsiRecordsReadInTheFontsCharacterSet) {
    const auto picture = [](std::uint8_t charSet, bool wide) {
        EmfBuilder b = Canvas();
        LogFontW f;
        f.height = -30;
        f.charSet = charSet;
        f.faceName = u"Arial";
        b.ExtCreateFontIndirectW(1, f);
        b.SelectObject(1);
        b.SetBkMode(TRANSPARENT);
        if (wide)
            b.ExtTextOutW({5, 50}, u"\u041F\u0440\u0438");
        else
            b.ExtTextOutA({5, 50}, "\xCF\xF0\xE8");
        return Play(b);
    };
    constexpr std::uint8_t ANSI_CHARSET = 0, RUSSIAN_CHARSET = 204;
    const QImage unicode = picture(RUSSIAN_CHARSET, true);
    EXPECT_EQ(picture(RUSSIAN_CHARSET, false), unicode);
    EXPECT_NE(picture(ANSI_CHARSET, false), unicode); // "Ïði"
}

// The rows that hold dark pixels, as [first, last].
std::pair<int, int> InkRows(const QImage& img) {
    // a quarter turn clockwise puts row y into column height - 1 - y
    const auto [first, last] = InkColumns(img.transformed(QTransform().rotate(90)));
    return {img.height() - 1 - last, img.height() - 1 - first};
}

QImage VerticalText(bool yUp) {
    EmfBuilder b = Canvas();
    if (yUp) {
        b.SetMapMode(MM_ANISOTROPIC);
        b.SetWindowExtEx({100, -100});
        b.SetViewportExtEx({100, 100});
        b.SetWindowOrgEx({0, 100});
    }
    LogFontW f;
    f.height = -20;
    f.escapement = yUp ? 2700 : 900;
    f.faceName = u"Arial";
    b.ExtCreateFontIndirectW(1, f);
    b.SelectObject(1);
    b.SetBkMode(TRANSPARENT);
    b.ExtTextOutW({50, 50}, u"HHHH"); // reference point at pixel (50, 50) either way
    return Play(b);
}

TEST(Text, EscapementTurnsTheOtherWayUnderAMirroredMapping) {
    for (bool yUp : {false, true}) {
        const auto [top, bottom] = InkRows(VerticalText(yUp));
        EXPECT_LT(top, 30) << yUp; // the text runs up from the reference point
        EXPECT_LE(bottom, 52) << yUp;
    }
}

TEST(Text, SymbolFontCodesBecomeGreekAndMathematicalSigns) {
    EXPECT_TRUE(IsSymbolFace("SYMBOL"));
    EXPECT_FALSE(IsSymbolFace("Symbolic"));
    EXPECT_EQ(FromSymbolCodes(QString::fromUtf16(u"a\uF061A1[\u00E6\u00B3")),
              QString::fromUtf16(u"\u03B1\u03B1\u03911[\u239B\u2265"));
}

} // namespace
} // namespace emf::test
