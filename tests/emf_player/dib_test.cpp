// Device-independent bitmaps of every depth and compression, and bitmap records.
#include "player_fixture.h"

#include "emf/player/bitmaps/dib_decoder.h"
#include "emf/player/metafile_player.h"

#include <QBuffer>

namespace emf::test {
namespace {

// A record-like block: the BITMAPINFO at offset 0, the bits right after it.
struct DibBlock {
    std::vector<std::byte> data;
    DibLocation at;
};

DibBlock MakeDib(int width, int height, int bits, std::uint32_t compression,
                 std::vector<std::uint32_t> colors, std::vector<std::uint8_t> pixels) {
    DibBlock d;
    ByteWriter w(d.data);
    w.u32(40), w.i32(width), w.i32(height), w.u16(1), w.u16(std::uint16_t(bits));
    w.u32(compression), w.u32(std::uint32_t(pixels.size())), w.u32(0), w.u32(0);
    w.u32(std::uint32_t(compression == 3 ? 0 : colors.size())), w.u32(0);
    for (std::uint32_t c : colors)
        w.u32(c); // masks for bit fields, else BGRX entries
    d.at = {0, std::uint32_t(d.data.size()), std::uint32_t(d.data.size()),
            std::uint32_t(pixels.size())};
    for (std::uint8_t p : pixels)
        w.u8(p);
    return d;
}

unsigned Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

std::optional<QImage> Decode(const DibBlock& d) {
    return DecodeDib(d.data, d.at);
}

TEST(Dib, OneBitIsBottomUpWithItsColourTable) {
    // rows are padded to 4 bytes; the first row in the data is the bottom row
    const auto img =
        Decode(MakeDib(2, 2, 1, 0, {0x000000, 0xFF0000}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}));
    ASSERT_TRUE(img);
    EXPECT_EQ(Px(*img, 0, 0), kRed);
    EXPECT_EQ(Px(*img, 1, 0), kBlack);
    EXPECT_EQ(Px(*img, 1, 1), kRed);
}

TEST(Dib, FourAndEightBitIndices) {
    const auto four = Decode(MakeDib(3, 1, 4, 0, {0, 0xFF, 0xFF00}, {0x12, 0x00, 0, 0}));
    ASSERT_TRUE(four);
    EXPECT_EQ(Px(*four, 0, 0), kBlue);
    EXPECT_EQ(Px(*four, 1, 0), kGreen);
    EXPECT_EQ(Px(*four, 2, 0), kBlack);
    const auto eight = Decode(MakeDib(2, -2, 8, 0, {0, 0xFF0000}, {1, 0, 0, 0, 0, 1, 0, 0}));
    ASSERT_TRUE(eight); // negative height: top-down
    EXPECT_EQ(Px(*eight, 0, 0), kRed);
    EXPECT_EQ(Px(*eight, 1, 1), kRed);
    EXPECT_EQ(Px(*eight, 1, 0), kBlack);
}

TEST(Dib, SixteenBitDefaultsTo555AndTakesBitFields) {
    const auto rgb555 = Decode(MakeDib(1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}));
    ASSERT_TRUE(rgb555);
    EXPECT_EQ(Px(*rgb555, 0, 0), kRed);
    const auto rgb565 = Decode(MakeDib(1, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0, 0}));
    ASSERT_TRUE(rgb565);
    EXPECT_EQ(Px(*rgb565, 0, 0), kGreen);
}

TEST(Dib, TwentyFourAndThirtyTwoBit) {
    const auto rgb24 = Decode(MakeDib(1, 1, 24, 0, {}, {0xFF, 0, 0, 0}));
    ASSERT_TRUE(rgb24);
    EXPECT_EQ(Px(*rgb24, 0, 0), kBlue);
    const auto rgb32 = Decode(MakeDib(1, 1, 32, 0, {}, {0, 0xFF, 0, 0}));
    ASSERT_TRUE(rgb32);
    EXPECT_EQ(Px(*rgb32, 0, 0), kGreen);
    EXPECT_EQ(qAlpha(rgb32->pixel(0, 0)), 255); // the fourth byte is not alpha
}

TEST(Dib, Rle8RunsAbsoluteRunsAndDeltas) {
    // row 0: run of 2 x index 1, absolute 3 pixels (2,1,2), end of line;
    // row 1: delta (1, 0), run of 1 x index 2, end of bitmap
    const auto img = Decode(MakeDib(6, 2, 8, 1, {0, 0xFF0000, 0xFF},
                                    {2, 1, 0, 3, 2, 1, 2, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1}));
    ASSERT_TRUE(img);
    EXPECT_EQ(Px(*img, 0, 1), kRed);
    EXPECT_EQ(Px(*img, 1, 1), kRed);
    EXPECT_EQ(Px(*img, 2, 1), kBlue);
    EXPECT_EQ(Px(*img, 4, 1), kBlue);
    EXPECT_EQ(Px(*img, 1, 0), kBlue);
    EXPECT_EQ(qAlpha(img->pixel(0, 0)), 0); // skipped: left transparent
}

TEST(Dib, Rle4AlternatesTheTwoNibbles) {
    const auto img = Decode(MakeDib(4, 1, 4, 2, {0, 0xFF0000, 0xFF}, {4, 0x12, 0, 1}));
    ASSERT_TRUE(img);
    EXPECT_EQ(Px(*img, 0, 0), kRed);
    EXPECT_EQ(Px(*img, 1, 0), kBlue);
    EXPECT_EQ(Px(*img, 2, 0), kRed);
}

TEST(Dib, HugeOrTruncatedBitmapsAreRefusedOrCut) {
    EXPECT_FALSE(Decode(MakeDib(100000, 100000, 24, 0, {}, {1, 2, 3})));
    EXPECT_FALSE(Decode(MakeDib(0, 5, 24, 0, {}, {})));
    // a few bytes claiming 64 million pixels, raw or RLE (end of bitmap at once): each one took
    // a tenth of a second to make and draw, so a small file could take minutes
    EXPECT_FALSE(Decode(MakeDib(8192, 8192, 8, 0, {}, std::vector<std::uint8_t>(16))));
    EXPECT_FALSE(Decode(MakeDib(8192, 8192, 8, 1, {}, {0, 1})));
    EXPECT_TRUE(Decode(MakeDib(1024, 1024, 8, 1, {}, {0, 1}))); // a small blank one is fine
    EXPECT_FALSE(Decode(MakeDib(2, 2, 7, 0, {}, std::vector<std::uint8_t>(16))));
    // only the bottom row is there: it decodes, the missing row stays black
    const auto cut = Decode(MakeDib(1, 2, 24, 0, {}, {0xFF, 0, 0, 0}));
    ASSERT_TRUE(cut);
    EXPECT_EQ(Px(*cut, 0, 1), kBlue);
    EXPECT_EQ(Px(*cut, 0, 0), kBlack);
    DibBlock outside = MakeDib(1, 1, 24, 0, {}, {0, 0, 0, 0});
    outside.at.cbBits = 1000; // claims more than the record holds
    EXPECT_FALSE(Decode(outside));
}

// EMR_STRETCHDIBITS of the whole bitmap onto 10..90 of the canvas.
std::vector<std::byte> StretchDibRecord(const DibBlock& dib, std::int32_t width,
                                        std::int32_t height) {
    std::vector<std::byte> p;
    ByteWriter w(p);
    const std::uint32_t fixed = 8 + 72; // record header and fixed fields
    w.rect({10, 10, 89, 89});
    w.i32(10), w.i32(10), w.i32(0), w.i32(0), w.i32(width), w.i32(height);
    w.u32(fixed), w.u32(dib.at.cbBmi), w.u32(fixed + dib.at.cbBmi), w.u32(dib.at.cbBits);
    w.u32(0), w.u32(0x00CC0020), w.i32(80), w.i32(80);
    w.bytes(dib.data);
    return p;
}

TEST(Dib, StretchDIBitsRecordDrawsTheBitmapRightWayUp) {
    // 2 x 2, bottom-up: bottom row red, blue; top row green, black
    const DibBlock dib =
        MakeDib(2, 2, 24, 0, {}, {0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0});
    EmfBuilder b = Canvas();
    b.AddRecord(EMR_STRETCHDIBITS, StretchDibRecord(dib, 2, 2));
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 25, 75), kRed);
    EXPECT_EQ(Rgb(img, 75, 75), kBlue);
    EXPECT_EQ(Rgb(img, 25, 25), kGreen);
    EXPECT_EQ(Rgb(img, 75, 25), kBlack);
    EXPECT_EQ(Rgb(img, 5, 5), kWhite);
}

std::vector<std::uint8_t> RedPng() {
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// The reader of PNG once printed libpng's complaints about damaged images on the terminal.
TEST(Dib, DamagedPngIsRefusedQuietlyAndPlayingNotesIt) {
    constexpr std::uint32_t BI_PNG = 5;
    std::vector<std::uint8_t> png = RedPng();
    ASSERT_TRUE(Decode(MakeDib(2, 2, 0, BI_PNG, {}, png)));
    std::vector<std::uint8_t> flipped = png, cut = png, badEnd = png;
    flipped[flipped.size() / 2] ^= 0x10;
    cut.resize(cut.size() - 20);
    badEnd[badEnd.size() - 8] = 0; // the IEND chunk's type, as in a file seen in the wild
    testing::internal::CaptureStderr();
    for (const auto& damaged : {flipped, cut, badEnd})
        EXPECT_FALSE(Decode(MakeDib(2, 2, 0, BI_PNG, {}, damaged)));
    EmfBuilder b = Canvas();
    b.AddRecord(EMR_STRETCHDIBITS, StretchDibRecord(MakeDib(2, 2, 0, BI_PNG, {}, badEnd), 2, 2));
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    DeviceContext dc(&img);
    PlayEnhMetaFile(dc, *b.Picture().picture, QRect(0, 0, 100, 100));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(dc.Notes().damagedImages, 1);
    EXPECT_EQ(Rgb(img, 50, 50), kWhite);
}

} // namespace
} // namespace emf::test
