#include "player_fixture.h"
#include "tests/emf/plus_writer.h"

#include "emf/player/metafile_player.h"

#include <QElapsedTimer>

namespace emf::test {
namespace {

// Record types and flags as stored.
enum : std::uint16_t {
    kObject = 0x4008,
    kFillRects = 0x400A,
    kDrawLines = 0x400D,
    kFillPath = 0x4014,
    kGetDC = 0x4004,
    kDrawString = 0x401C,
    kSave = 0x4025,
    kRestore = 0x4026,
    kTranslate = 0x402D,
    kScale = 0x402E,
    kPage = 0x4030,
    kClipRect = 0x4032,
    kSolid = 0x8000
};

Data Rect(std::uint32_t argb, std::initializer_list<float> xywh) {
    return Data().U32(argb).U32(1).F32s(xywh);
}

struct Played {
    QImage image;
    PlayNotes notes;
};

Played PlayWith(const EmfBuilder& b, bool plus = true) {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    const PictureResult picture = b.Picture();
    DeviceContext dc(&img);
    dc.SetDrawEmfPlus(plus);
    PlayEnhMetaFile(dc, *picture.picture, QRect(0, 0, 100, 100));
    return {img, dc.Notes()};
}

// A dual picture: red from its GDI+ records at the left, blue from its GDI records at
// the right.
EmfBuilder Dual() {
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(true).Record(kFillRects, kSolid, Rect(0xFFFF0000, {10, 10, 20, 20}));
    w.AddTo(b);
    SelectNullPen(b);
    SelectSolidBrush(b, 1, RGB(0, 0, 255));
    b.Rectangle({60, 10, 80, 30});
    return b;
}

TEST(EmfPlusPlay, ADualPictureDrawsItsPlusRecordsOrOnRequestItsGdiRecords) {
    const QImage plus = PlayWith(Dual()).image;
    EXPECT_EQ(Rgb(plus, 20, 20), kRed);
    EXPECT_EQ(Rgb(plus, 70, 20), kWhite);
    const QImage gdi = PlayWith(Dual(), false).image;
    EXPECT_EQ(Rgb(gdi, 20, 20), kWhite);
    EXPECT_EQ(Rgb(gdi, 70, 20), kBlue);
}

TEST(EmfPlusPlay, GdiRecordsAfterGetDCAreDrawnUntilTheNextPlusRecord) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(false).Record(kGetDC, 0);
    w.AddTo(b);
    SelectNullPen(b);
    SelectSolidBrush(b, 1, RGB(0, 0, 255));
    b.Rectangle({10, 10, 30, 30});
    w.Record(kFillRects, kSolid, Rect(0xFF00FF00, {40, 10, 20, 20}));
    w.AddTo(b);
    b.Rectangle({70, 10, 90, 30});
    const QImage img = PlayWith(b).image;
    EXPECT_EQ(Rgb(img, 20, 20), kBlue);
    EXPECT_EQ(Rgb(img, 50, 20), kGreen);
    EXPECT_EQ(Rgb(img, 80, 20), kWhite);
}

TEST(EmfPlusPlay, TransformsPageUnitsAndTheStateStack) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(false)
        .Record(kTranslate, 0, Data().F32s({50, 0}))
        .Record(kSave, 0, Data().U32(1))
        .Record(kScale, 0, Data().F32s({2, 2}))
        .Record(kFillRects, kSolid, Rect(0xFFFF0000, {0, 0, 10, 10})) // 50..70, 0..20
        .Record(kRestore, 0, Data().U32(1))
        .Record(kFillRects, kSolid, Rect(0xFF0000FF, {0, 40, 10, 10})) // 50..60, 40..50
        .Record(0x402B, 0)                                             // reset world
        .Record(kPage, 6, Data().F32(1)) // millimetres at 96 dpi: 3.78 px each
        .Record(kFillRects, kSolid, Rect(0xFF00FF00, {0, 20, 10, 5})); // 0..38, 76..94
    w.AddTo(b);
    const QImage img = PlayWith(b).image;
    EXPECT_EQ(Rgb(img, 65, 15), kRed);
    EXPECT_EQ(Rgb(img, 55, 45), kBlue);
    EXPECT_EQ(Rgb(img, 65, 45), kWhite);
    EXPECT_EQ(Rgb(img, 35, 85), kGreen);
    EXPECT_EQ(Rgb(img, 42, 85), kWhite);
}

TEST(EmfPlusPlay, ClipsCombineByTheirMode) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(false)
        .Record(kClipRect, 0x0000, Data().F32s({0, 0, 50, 100}))  // replace
        .Record(kClipRect, 0x0400, Data().F32s({0, 0, 25, 100}))  // exclude
        .Record(kClipRect, 0x0200, Data().F32s({80, 0, 20, 100})) // union
        .Record(kFillRects, kSolid, Rect(0xFFFF0000, {0, 0, 100, 100}));
    w.AddTo(b);
    const QImage img = PlayWith(b).image;
    EXPECT_EQ(Rgb(img, 10, 50), kWhite);
    EXPECT_EQ(Rgb(img, 40, 50), kRed);
    EXPECT_EQ(Rgb(img, 65, 50), kWhite);
    EXPECT_EQ(Rgb(img, 90, 50), kRed);
}

TEST(EmfPlusPlay, AlphaBlendsAndPensStrokeInWorldUnits) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    Data pen;
    pen.U32(0).U32(0).U32(0).U32(0).F32(6).Append(SolidBrush(0xFF0000FF).Bytes());
    w.Header(false)
        .Record(kFillRects, kSolid, Rect(0x80FF0000, {0, 0, 50, 50}))
        .Record(kObject, 0x0201, pen)
        .Record(kDrawLines, 0x0001, Data().U32(2).F32s({10, 80, 90, 80}));
    w.AddTo(b);
    const QImage img = PlayWith(b).image;
    const QColor half(img.pixel(25, 25));
    EXPECT_EQ(half.red(), 255);
    EXPECT_NEAR(half.green(), 127, 3);
    EXPECT_EQ(Rgb(img, 50, 78), kBlue);
    EXPECT_EQ(Rgb(img, 50, 82), kBlue);
    EXPECT_EQ(Rgb(img, 50, 86), kWhite);
}

TEST(EmfPlusPlay, AContinuedPathIsJoinedAndFilled) {
    const Data path = PathObject({10, 10, 90, 10, 90, 90, 10, 90}, {0, 1, 1, 0x81});
    const auto& bytes = path.Bytes();
    const std::size_t half = bytes.size() / 2;
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(false);
    w.Record(kObject, 0x8302,
             Data().U32(std::uint32_t(bytes.size())).Append({bytes.begin(), bytes.begin() + half}));
    w.AddTo(b); // the pieces may lie in different comments
    w.Record(kObject, 0x8302,
             Data().U32(std::uint32_t(bytes.size())).Append({bytes.begin() + half, bytes.end()}));
    w.Record(kFillPath, kSolid | 0x02, Data().U32(0xFF00FF00));
    w.AddTo(b);
    const Played p = PlayWith(b);
    EXPECT_EQ(Rgb(p.image, 50, 50), kGreen);
    EXPECT_EQ(p.notes.skippedPlusRecords, 0);
}

TEST(EmfPlusPlay, UnknownDamagedAndDanglingRecordsAreSkippedAndCounted) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    w.Header(false)
        .Record(0x40FF, 0)                                    // unknown type
        .RawRecord(kFillRects, kSolid, 16, 64, Data().U32(0)) // data past its size
        .Record(kFillPath, 0x07, Data().U32(9))               // no path 7, no brush 9
        .Record(kFillRects, kSolid, Data().U32(0xFFFF0000).U32(0x7FFFFFFF).F32s({0, 0, 1, 1}))
        .Record(kFillRects, kSolid, Rect(0xFF0000FF, {40, 40, 20, 20}));
    w.AddTo(b);
    const Played p = PlayWith(b);
    EXPECT_EQ(p.notes.skippedPlusRecords, 4);
    EXPECT_EQ(Rgb(p.image, 50, 50), kBlue);
    EXPECT_FALSE(p.notes.Sentences().empty());
}

TEST(EmfPlusPlay, StringsKeepToTheirLayoutRectangle) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    Data font;
    font.U32(0).F32(12).U32(2).U32(0).U32(0).U32(5).Text(u"Arial");
    Data text;
    text.U32(0xFF000000).U32(0xFFFFFFFF).U32(40).F32s({10, 10, 30, 20});
    text.Text(u"Wide words that wrap and wrap and wrap.");
    text.U16(0);
    w.Header(false).Record(kObject, 0x0601, font).Record(kDrawString, kSolid | 0x01, text);
    w.AddTo(b);
    const QImage img = PlayWith(b).image;
    int inside = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            if (Rgb(img, x, y) == kWhite) continue;
            (x >= 10 && x < 40 && y >= 10 && y < 30 ? inside : outside)++;
        }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

// A 2 x 1 bitmap object of a raw pixel format, drawn over the whole canvas.
EmfBuilder RawImage(std::uint32_t format, std::int32_t stride, const Data& pixels) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    Data image;
    image.U32(0).U32(1).U32(2).U32(1).U32(std::uint32_t(stride)).U32(format).U32(0);
    image.Append(pixels.Bytes());
    Data draw;
    draw.U32(0).U32(2).F32s({0, 0, 2, 1}).F32s({0, 0, 100, 100});
    w.Header(false).Record(kObject, 0x0503, image).Record(0x401A, 0x03, draw);
    w.AddTo(b);
    return b;
}

TEST(EmfPlusPlay, RawPixelFormatsAreDecoded) {
    const QImage argb =
        PlayWith(RawImage(0x0026200A, 8, Data().U32(0xFFFF0000).U32(0xFF0000FF))).image;
    EXPECT_EQ(Rgb(argb, 20, 50), kRed);
    EXPECT_EQ(Rgb(argb, 80, 50), kBlue);
    const QImage gray = PlayWith(RawImage(0x00101004, 4, Data().U16(0xFFFF).U16(0x0000))).image;
    EXPECT_EQ(Rgb(gray, 20, 50), kWhite);
    EXPECT_EQ(Rgb(gray, 80, 50), kBlack);
    // A stride too small for the width is damage, noted and not drawn.
    const Played bad = PlayWith(RawImage(0x0026200A, 4, Data().U32(0xFFFF0000).U32(0)));
    EXPECT_EQ(bad.notes.damagedImages, 1);
    EXPECT_EQ(Rgb(bad.image, 50, 50), kWhite);
}

TEST(EmfPlusPlay, HostileSizesStayQuick) {
    EmfBuilder b = Canvas();
    PlusWriter w;
    Data pen;
    pen.U32(0).U32(0).U32(0x20).U32(0).F32(1e30f).U32(2).Append(SolidBrush(0xFF000000).Bytes());
    Data thin;
    thin.U32(0).U32(0).U32(0x20).U32(0).F32(0.001f).U32(2).Append(SolidBrush(0xFF000000).Bytes());
    w.Header(false)
        .Record(kScale, 0, Data().F32s({1e6f, 1e6f}))
        .Record(kObject, 0x0201, pen)
        .Record(kDrawLines, 0x0001, Data().U32(2).F32s({-1e6f, 0, 1e6f, 50}))
        .Record(kObject, 0x0202, thin)
        .Record(kDrawLines, 0x0002, Data().U32(2).F32s({-1e6f, 0, 1e6f, 50}));
    w.AddTo(b);
    QElapsedTimer t;
    t.start();
    PlayWith(b);
    EXPECT_LT(t.elapsed(), 2000 * KORVEL_SLOWDOWN);
}

} // namespace
} // namespace emf::test
