#include "metaview/export/bitmap_export.h"
#include "metaview/export/bitmap_file.h"

#include "test_files.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using metaview::BitmapPixels;
using testing_metaview::ReadAll;
using testing_metaview::ScratchDir;
using testing_metaview::U32At;

// A 3 x 2 picture: bottom row red, green, blue; top row white, black, grey.
std::vector<std::byte> Rows(std::uint16_t bpp) {
    const QColor colours[2][3] = {{Qt::red, Qt::green, Qt::blue}, {Qt::white, Qt::black, Qt::gray}};
    std::vector<std::byte> rows;
    for (const auto& row : colours) {
        const std::size_t start = rows.size();
        for (const QColor& c : row) {
            auto put = [&](unsigned v) { rows.push_back(std::byte(v & 0xFF)); };
            if (bpp == 16) {
                const unsigned v = (c.red() >> 3) << 11 | (c.green() >> 2) << 5 | c.blue() >> 3;
                put(v), put(v >> 8);
            } else {
                put(c.blue()), put(c.green()), put(c.red());
                if (bpp == 32) put(0);
            }
        }
        while ((rows.size() - start) % 4)
            rows.push_back(std::byte{0});
    }
    return rows;
}

class BitmapFileTest : public testing::TestWithParam<std::uint16_t> {};

TEST_P(BitmapFileTest, QtReadsBackTheColours) {
    const std::uint16_t bpp = GetParam();
    const std::vector<std::byte> rows = Rows(bpp);
    const BitmapPixels pixels{3, 2, bpp, 2953, rows};
    ScratchDir dir;
    std::string error;
    ASSERT_TRUE(WriteBitmapFile(pixels, dir / "p.bmp", error)) << error;
    const std::vector<std::byte> file = ReadAll(dir / "p.bmp");
    const std::uint32_t prefix = bpp == 24 ? 54 : 66;
    EXPECT_EQ(U32At(file, 10), prefix);
    EXPECT_EQ(file.size(), prefix + rows.size());
    EXPECT_EQ(U32At(file, 2), file.size());
    EXPECT_EQ(U32At(file, 38), 2953u); // pixels per metre, both ways
    EXPECT_EQ(U32At(file, 42), 2953u);

    QImage image(QString::fromStdString((dir / "p.bmp").string()));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(3, 2));
    // 5-6-5 pixels lose the low bits of each component.
    const int tolerance = bpp == 16 ? 7 : 0;
    auto near = [&](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) <= tolerance &&
               std::abs(a.green() - b.green()) <= tolerance &&
               std::abs(a.blue() - b.blue()) <= tolerance;
    };
    EXPECT_TRUE(near(image.pixelColor(0, 1), Qt::red));
    EXPECT_TRUE(near(image.pixelColor(2, 1), Qt::blue));
    EXPECT_TRUE(near(image.pixelColor(0, 0), Qt::white));
    EXPECT_TRUE(near(image.pixelColor(1, 0), Qt::black));
    EXPECT_TRUE(near(image.pixelColor(2, 0), Qt::gray));
}

INSTANTIATE_TEST_SUITE_P(BitsPerPixel, BitmapFileTest, testing::Values(16, 24, 32));

TEST(BitmapFile, MasksFollowTheHeaderFor16And32Bits) {
    const auto rows32 = Rows(32);
    const auto p32 = metaview::BitmapFilePrefix({3, 2, 32, 0, rows32});
    ASSERT_EQ(p32.size(), 66u);
    EXPECT_EQ(U32At(p32, 30), 3u); // BI_BITFIELDS
    EXPECT_EQ(U32At(p32, 54), 0x00FF0000u);
    EXPECT_EQ(U32At(p32, 62), 0x000000FFu);
    const auto rows16 = Rows(16);
    const auto p16 = metaview::BitmapFilePrefix({3, 2, 16, 0, rows16});
    ASSERT_EQ(p16.size(), 66u);
    EXPECT_EQ(U32At(p16, 54), 0xF800u);
    EXPECT_EQ(U32At(p16, 58), 0x07E0u);
    const auto rows24 = Rows(24);
    const auto p24 = metaview::BitmapFilePrefix({3, 2, 24, 0, rows24});
    ASSERT_EQ(p24.size(), 54u);
    EXPECT_EQ(U32At(p24, 30), 0u); // BI_RGB
    EXPECT_EQ(U32At(p24, 34), rows24.size());
}

TEST(BitmapFile, PixelsThatDoNotMatchTheirDescriptionWriteNothing) {
    const auto rows = Rows(24);
    ScratchDir dir;
    std::string error;
    for (const BitmapPixels& bad :
         {BitmapPixels{3, 3, 24, 0, rows}, BitmapPixels{3, 2, 8, 0, rows},
          BitmapPixels{0, 2, 24, 0, rows}, BitmapPixels{2, 2, 32, 0, rows}}) {
        EXPECT_FALSE(WriteBitmapFile(bad, dir / "bad.bmp", error));
        EXPECT_FALSE(std::filesystem::exists(dir / "bad.bmp"));
    }
    EXPECT_FALSE(WriteBitmapFile(BitmapPixels{3, 2, 24, 0, rows}, dir / "none" / "x.bmp", error));
    EXPECT_NE(error.find("x.bmp"), std::string::npos) << error;
}

TEST(BitmapExportSize, ResolutionTimesSize) {
    const auto size = metaview::ExportBitmapSize(75, 100, 100);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 295u);
    EXPECT_EQ(size->height, 295u);
    EXPECT_EQ(size->pixelsPerMetre, 2953u);
    EXPECT_EQ(metaview::ExportBitmapSize(72, 254, 10)->width, 720u);
    EXPECT_EQ(metaview::ExportBitmapSize(72, 254, 10)->height, 28u);
    EXPECT_EQ(metaview::PixelsPerMetre(2400), 94488u);
}

TEST(BitmapExportSize, EmptyOrHugeBitmapsAreRefused) {
    EXPECT_FALSE(metaview::ExportBitmapSize(0, 100, 100));
    EXPECT_FALSE(metaview::ExportBitmapSize(1, 1, 100)) << "less than a pixel wide";
    EXPECT_FALSE(metaview::ExportBitmapSize(2400, 1000, 1000));
    EXPECT_FALSE(metaview::ExportBitmapSize(0xFFFFFFFFu, 1000, 1000)) << "no 32-bit wrap";
    EXPECT_TRUE(metaview::ExportBitmapSize(2400, 100, 100));
}

TEST(BitmapExportSize, KeepRatioFollowsTheFrame) {
    EXPECT_EQ(metaview::RatioSide(100, 20000, 10000), 50u);
    EXPECT_EQ(metaview::RatioSide(50, 10000, 20000), 100u);
    EXPECT_EQ(metaview::RatioSide(100, 0, 10000), 100u) << "a zero frame keeps the side";
    EXPECT_EQ(metaview::RatioSide(1000, 1, 0xFFFFFFFFu), 0xFFFFFFFFu);
}

} // namespace
