// Shapes, fill modes, mix modes, paths and clipping.
#include "player_fixture.h"

#include "emf/player/metafile_player.h"

#include <QElapsedTimer>
#include <QPainter>

namespace emf::test {
namespace {

void Record(EmfBuilder& b, std::uint32_t type, auto... params) {
    b.AddRecord(type, PackParams(params...));
}

TEST(MixModes, NotXorPenTwiceRestoresTheImage) {
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(QColor(10, 200, 30));
    img.setPixel(30, 30, qRgb(250, 250, 250));
    const QImage before = img.copy();
    {
        DeviceContext dc(&img);
        dc.SetROP2(R2_NOTXORPEN);
        HGDIOBJ brush = CreateSolidBrush(RGB(128, 0, 0));
        dc.SelectObject(brush);
        dc.Rectangle(10, 10, 50, 50);
        dc.Painter().end();
    }
    EXPECT_NE(img, before);
    {
        DeviceContext dc(&img);
        dc.SetROP2(R2_NOTXORPEN);
        dc.SelectObject(CreateSolidBrush(RGB(128, 0, 0)));
        dc.Rectangle(10, 10, 50, 50);
    }
    EXPECT_EQ(img, before);
}

TEST(MixModes, NopDrawsNothingAndBlackOverridesTheBrush) {
    EmfBuilder b = RedFill();
    Record(b, EMR_SETROP2, R2_NOP);
    b.Rectangle({10, 10, 30, 30});
    Record(b, EMR_SETROP2, R2_BLACK);
    b.Rectangle({50, 10, 70, 30});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kWhite);
    EXPECT_EQ(Rgb(img, 60, 20), kBlack);
}

// Two squares, the second inside the first, both drawn the same way round.
void NestedSquares(EmfBuilder& b) {
    std::vector<std::byte> p;
    ByteWriter w(p);
    w.rect({0, 0, 100, 100});
    w.u32(2), w.u32(8), w.u32(4), w.u32(4);
    for (PointL pt :
         {PointL{10, 10}, {90, 10}, {90, 90}, {10, 90}, {30, 30}, {70, 30}, {70, 70}, {30, 70}})
        w.point(pt);
    b.AddRecord(EMR_POLYPOLYGON, p);
}

TEST(Drawing, PolygonFillModeDecidesNestedFigures) {
    EmfBuilder alternate = RedFill();
    NestedSquares(alternate);
    EmfBuilder winding = RedFill();
    Record(winding, EMR_SETPOLYFILLMODE, 2);
    NestedSquares(winding);
    EXPECT_EQ(Rgb(Play(alternate), 50, 50), kWhite);
    EXPECT_EQ(Rgb(Play(alternate), 20, 50), kRed);
    EXPECT_EQ(Rgb(Play(winding), 50, 50), kRed);
}

TEST(Drawing, PieFollowsTheArcDirection) {
    EmfBuilder ccw = RedFill();
    Record(ccw, EMR_PIE, RectL{10, 10, 90, 90}, PointL{90, 50}, PointL{50, 10});
    EmfBuilder cw = RedFill();
    Record(cw, EMR_SETARCDIRECTION, 2);
    Record(cw, EMR_PIE, RectL{10, 10, 90, 90}, PointL{90, 50}, PointL{50, 10});
    const QImage a = Play(ccw), c = Play(cw);
    EXPECT_EQ(Rgb(a, 65, 35), kRed); // upper right quarter
    EXPECT_EQ(Rgb(a, 35, 65), kWhite);
    EXPECT_EQ(Rgb(c, 65, 35), kWhite); // the other three quarters
    EXPECT_EQ(Rgb(c, 35, 65), kRed);
}

// A geometric dashed pen, 4 pixels wide with flat ends: dashes of 16 and gaps of 8 pixels.
EmfBuilder DashedCanvas() {
    EmfBuilder b = Canvas();
    constexpr std::uint32_t PS_GEOMETRIC_DASH_FLAT = 0x00010000 | 0x200 | 1;
    b.AddRecord(EMR_EXTCREATEPEN,
                PackParams(1u, 0u, 0u, 0u, 0u, PS_GEOMETRIC_DASH_FLAT, 4u, 0u, 0x0000FFu, 0u, 0u));
    b.SelectObject(1);
    return b;
}

// Dashes were once cut along the whole length of a line, however far beyond the device.
TEST(Drawing, DashesOfLinesReachingFarOutsideKeepTheirPhaseAndCostLittle) {
    EmfBuilder far = DashedCanvas(), near = DashedCanvas();
    far.MoveToEx({-24 * 100000, 50}); // a whole number of dash periods before x = 0
    far.LineTo({99, 50});
    near.MoveToEx({0, 50});
    near.LineTo({99, 50});
    for (int i = 0; i < 200; ++i) {
        far.MoveToEx({-1000000, 20});
        far.LineTo({1000000, 20});
    }
    QElapsedTimer t;
    t.start();
    const QImage a = Play(far), b = Play(near);
    EXPECT_LT(t.elapsed(), 2000 * KORVEL_SLOWDOWN);
    int dashes = 0;
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(Rgb(a, x, 50), Rgb(b, x, 50)) << x;
        dashes += x > 0 && Rgb(b, x, 50) == kRed && Rgb(b, x - 1, 50) != kRed;
    }
    EXPECT_GE(dashes, 3);
    EXPECT_TRUE(Rgb(a, 50, 20) == kRed || Rgb(a, 60, 20) == kRed); // the long lines show
}

TEST(Paths, FillPathFillsEachFigureOnItsOwn) {
    EmfBuilder b = RedFill();
    Record(b, EMR_BEGINPATH);
    b.MoveToEx({10, 10});
    b.LineTo({40, 10});
    b.LineTo({10, 40});
    Record(b, EMR_CLOSEFIGURE);
    b.MoveToEx({60, 60});
    b.LineTo({90, 60});
    b.LineTo({60, 90});
    Record(b, EMR_CLOSEFIGURE);
    Record(b, EMR_ENDPATH);
    Record(b, EMR_FILLPATH, RectL{0, 0, 100, 100});
    b.Rectangle({80, 10, 90, 20}); // drawn normally once the path is used up
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 18, 18), kRed);
    EXPECT_EQ(Rgb(img, 68, 68), kRed);
    EXPECT_EQ(Rgb(img, 45, 45), kWhite); // nothing joins the two figures
    EXPECT_EQ(Rgb(img, 85, 15), kRed);
}

TEST(Paths, AbortedPathDrawsNothingAndShapesInsideAPathAreNotDrawn) {
    EmfBuilder b = RedFill();
    Record(b, EMR_BEGINPATH);
    b.Rectangle({10, 10, 30, 30});
    Record(b, EMR_ABORTPATH);
    Record(b, EMR_FILLPATH, RectL{0, 0, 100, 100});
    EXPECT_EQ(Rgb(Play(b), 20, 20), kWhite);
}

TEST(Clipping, IntersectAndExcludeRectangles) {
    EmfBuilder b = RedFill();
    Record(b, EMR_INTERSECTCLIPRECT, RectL{0, 0, 50, 100});
    Record(b, EMR_EXCLUDECLIPRECT, RectL{10, 10, 20, 20});
    b.Rectangle({0, 0, 100, 100});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 30, 30), kRed);
    EXPECT_EQ(Rgb(img, 15, 15), kWhite);
    EXPECT_EQ(Rgb(img, 70, 30), kWhite);
}

TEST(Clipping, ClipPathAndResetByEmptyRegion) {
    EmfBuilder b = RedFill();
    Record(b, EMR_BEGINPATH);
    b.Ellipse({0, 0, 100, 100});
    Record(b, EMR_ENDPATH);
    Record(b, EMR_SELECTCLIPPATH, 1 /* RGN_AND */);
    b.Rectangle({0, 0, 100, 100});
    Record(b, EMR_EXTSELECTCLIPRGN, 0, 5 /* RGN_COPY, no region: no clip */);
    SelectSolidBrush(b, 2, RGB(0, 0, 255));
    b.Rectangle({0, 90, 10, 100});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 50, 50), kRed);
    EXPECT_EQ(Rgb(img, 3, 3), kWhite);
    EXPECT_EQ(Rgb(img, 5, 95), kBlue);
}

TEST(Clipping, RestoreDcDropsALaterClip) {
    EmfBuilder b = RedFill();
    b.SaveDC();
    Record(b, EMR_INTERSECTCLIPRECT, RectL{0, 0, 10, 10});
    b.RestoreDC(-1);
    b.Rectangle({0, 0, 100, 100});
    EXPECT_EQ(Rgb(Play(b), 50, 50), kRed);
}

} // namespace
} // namespace emf::test
