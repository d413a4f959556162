// The handle table, stock objects, pens, brushes and palettes.
#include "player_fixture.h"

#include "emf/player/metafile_player.h"

namespace emf::test {
namespace {

constexpr std::uint32_t kStock = 0x80000000;

TEST(Objects, StockObjectsAreTheIndicesWithTheHighBit) {
    EmfBuilder b = Canvas();
    SelectNullPen(b);
    b.SelectObject(kStock | BLACK_BRUSH);
    b.Rectangle({10, 10, 30, 30});
    b.SelectObject(kStock | NULL_BRUSH);
    b.SelectObject(kStock | BLACK_PEN);
    b.Rectangle({50, 50, 90, 90});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kBlack);
    EXPECT_EQ(Rgb(img, 70, 70), kWhite); // null brush: outline only
    EXPECT_EQ(Rgb(img, 50, 70), kBlack);
}

TEST(Objects, BadOrDeletedHandlesAreIgnored) {
    EmfBuilder b = Canvas();
    SelectNullPen(b);
    SelectSolidBrush(b, 1, RGB(255, 0, 0));
    b.SelectObject(999);         // beyond the table
    b.SelectObject(kStock | 77); // no such stock object
    b.CreateBrushIndirect(2, 0, RGB(0, 0, 255));
    b.DeleteObject(2);
    b.SelectObject(2); // deleted
    b.Rectangle({10, 10, 30, 30});
    EXPECT_EQ(Rgb(Play(b), 20, 20), kRed);
}

TEST(Objects, HandleSlotsAreReused) {
    EmfBuilder b = Canvas();
    SelectNullPen(b);
    SelectSolidBrush(b, 1, RGB(255, 0, 0));
    b.Rectangle({10, 10, 30, 30});
    b.SelectObject(kStock | WHITE_BRUSH);
    b.DeleteObject(1);
    SelectSolidBrush(b, 1, RGB(0, 0, 255));
    b.Rectangle({50, 10, 70, 30});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kRed);
    EXPECT_EQ(Rgb(img, 60, 20), kBlue);
}

TEST(Objects, GeometricPenWidthScalesAndZeroWidthIsOnePixel) {
    EmfBuilder b = Canvas();
    b.CreatePen(1, PS_SOLID, 10, RGB(0, 0, 255));
    b.SelectObject(1);
    b.MoveToEx({10, 20});
    b.LineTo({90, 20});
    b.CreatePen(2, PS_SOLID, 0, RGB(255, 0, 0));
    b.SelectObject(2);
    b.MoveToEx({10, 60});
    b.LineTo({90, 60});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 50, 16), kBlue);
    EXPECT_EQ(Rgb(img, 50, 23), kBlue);
    EXPECT_EQ(Rgb(img, 50, 27), kWhite);
    EXPECT_EQ(Rgb(img, 50, 57), kWhite);
    EXPECT_TRUE(Rgb(img, 50, 60) != kWhite || Rgb(img, 50, 59) != kWhite);
    EXPECT_EQ(Rgb(img, 50, 63), kWhite);
}

TEST(Objects, HatchedBrushLeavesGapsInTransparentMode) {
    EmfBuilder b = Canvas();
    SelectNullPen(b);
    b.SetBkMode(TRANSPARENT);
    b.CreateBrushIndirect(1, 2 /* BS_HATCHED */, RGB(0, 0, 0), 4 /* HS_CROSS */);
    b.SelectObject(1);
    b.Rectangle({0, 0, 64, 64});
    const QImage img = Play(b);
    int black = 0, white = 0;
    for (int y = 8; y < 56; ++y)
        for (int x = 8; x < 56; ++x)
            (Rgb(img, x, y) == kBlack ? black : white) += 1;
    EXPECT_GT(black, 100);
    EXPECT_GT(white, 1000);
}

TEST(Objects, PalettesKeepTheirBookkeeping) {
    QImage img(10, 10, QImage::Format_RGB32);
    DeviceContext dc(&img);
    const HPALETTE pal = CreatePalette({{255, 0, 0, 0}});
    const HPALETTE old = dc.SelectPalette(pal, false);
    EXPECT_EQ(old, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(dc.RealizePalette(), 0u);
    EXPECT_EQ(dc.SelectPalette(old, false), pal);
    EXPECT_EQ(dc.SelectPalette(CreateSolidBrush(0), false), nullptr); // not a palette
}

TEST(Objects, SelectObjectReturnsThePreviousOfItsKind) {
    QImage img(10, 10, QImage::Format_RGB32);
    DeviceContext dc(&img);
    HPEN pen = CreatePen(PS_DASH, 2, RGB(1, 2, 3));
    const HGDIOBJ oldPen = dc.SelectObject(pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(CreateSolidBrush(0)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(oldPen), pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
}

} // namespace
} // namespace emf::test
