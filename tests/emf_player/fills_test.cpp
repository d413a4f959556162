// Flood fills and gradient fills: what they colour, and that their cost stays with the
// pixels they touch.
#include "player_fixture.h"

#include "emf/player/metafile_player.h"

#include <QElapsedTimer>
#include <QPicture>

namespace emf::test {
namespace {

enum { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };

void FloodFill(EmfBuilder& b, PointL at, std::uint32_t colorref, std::uint32_t mode) {
    b.AddRecord(EMR_EXTFLOODFILL, PackParams(at, colorref, mode));
}

// A black frame from 20 to 60 around a white inside, on a white page.
EmfBuilder FramedCanvas() {
    EmfBuilder b = Canvas();
    b.CreatePen(1, 0, 3, RGB(0, 0, 0));
    b.SelectObject(1);
    b.SelectObject(0x80000000 | 5); // NULL_BRUSH
    b.Rectangle({20, 20, 60, 60});
    SelectNullPen(b);
    SelectSolidBrush(b, 2, RGB(255, 0, 0));
    return b;
}

TEST(FloodFill, BorderModeFillsUpToTheBorderColour) {
    EmfBuilder b = FramedCanvas();
    FloodFill(b, {40, 40}, RGB(0, 0, 0), FLOODFILLBORDER);
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 40, 40), kRed);
    EXPECT_EQ(Rgb(img, 23, 57), kRed);
    EXPECT_EQ(Rgb(img, 20, 40), kBlack);
    EXPECT_EQ(Rgb(img, 10, 10), kWhite);
}

TEST(FloodFill, SurfaceModeFillsTheSeedsColourOnly) {
    EmfBuilder b = FramedCanvas();
    FloodFill(b, {10, 10}, RGB(255, 255, 255), FLOODFILLSURFACE); // outside the frame
    FloodFill(b, {20, 40}, RGB(0, 255, 0), FLOODFILLSURFACE);     // seed not of that colour
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 10, 10), kRed);
    EXPECT_EQ(Rgb(img, 90, 90), kRed);
    EXPECT_EQ(Rgb(img, 40, 40), kWhite);
    EXPECT_EQ(Rgb(img, 20, 40), kBlack);
}

// A fill once made one path rectangle per pixel: a whole 2000-pixel page took minutes.
TEST(FloodFill, ABigFillTakesTimeInProportionToItsPixels) {
    EmfBuilder b = FramedCanvas();
    FloodFill(b, {5, 5}, RGB(255, 255, 255), FLOODFILLSURFACE);
    FloodFill(b, {40, 40}, RGB(0, 0, 0), FLOODFILLBORDER);
    QElapsedTimer t;
    t.start();
    const QImage img = Play(b, 2000);
    EXPECT_LT(t.elapsed(), 1500 * KORVEL_SLOWDOWN);
    EXPECT_EQ(Rgb(img, 100, 1900), kRed);
    EXPECT_EQ(Rgb(img, 800, 800), kRed);
}

// Played smaller, a one-unit outline falls between pixels; its blended edge once let a
// border fill out over the whole page.
TEST(FloodFill, AThinOutlineBetweenPixelsStillHoldsTheFill) {
    EmfBuilder b = Canvas();
    b.CreatePen(1, 0, 1, RGB(0, 0, 0));
    b.SelectObject(1);
    b.SelectObject(0x80000000 | 5); // NULL_BRUSH
    b.Rectangle({21, 21, 61, 61});
    SelectSolidBrush(b, 2, RGB(255, 0, 0));
    FloodFill(b, {40, 40}, RGB(0, 0, 0), FLOODFILLBORDER);
    const QImage img = Play(b, 37);
    EXPECT_EQ(Rgb(img, 15, 15), kRed);
    EXPECT_EQ(Rgb(img, 3, 3), kWhite);
    EXPECT_EQ(Rgb(img, 30, 30), kWhite);
}

// Only pictures that flood-fill give up smooth edges, and only while they play.
TEST(FloodFill, PicturesWithoutFillsKeepSmoothEdges) {
    const auto greys = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += Rgb(img, x, y) != kWhite && Rgb(img, x, y) != kBlack;
        return n;
    };
    EmfBuilder line = Canvas();
    line.CreatePen(1, 0, 3, RGB(0, 0, 0));
    line.SelectObject(1);
    line.MoveToEx({10, 0});
    line.LineTo({90, 30});
    EmfBuilder filled = line;
    FloodFill(filled, {95, 95}, RGB(0, 0, 255), FLOODFILLSURFACE); // fills nothing
    EXPECT_GT(greys(Play(line)), 20);
    EXPECT_EQ(greys(Play(filled)), 0);
}

TEST(FloodFill, ADeviceWhosePixelsCannotBeReadLeavesItOutWithANote) {
    EmfBuilder b = FramedCanvas();
    FloodFill(b, {40, 40}, RGB(0, 0, 0), FLOODFILLBORDER);
    FloodFill(b, {10, 10}, RGB(0, 0, 0), FLOODFILLBORDER);
    QPicture picture;
    DeviceContext dc(&picture);
    PlayEnhMetaFile(dc, *b.Picture().picture, QRect(0, 0, 100, 100));
    EXPECT_EQ(dc.Notes().skippedFloodFills, 2);
    EXPECT_EQ(dc.Notes().Sentences().size(), 1u);
}

// TRIVERTEX: x, y, then 16-bit red, green, blue, alpha.
std::vector<std::byte> Vertex(std::int32_t x, std::int32_t y, unsigned rgb) {
    std::vector<std::byte> v;
    ByteWriter w(v);
    w.i32(x), w.i32(y);
    w.u16(std::uint16_t((rgb >> 16 & 0xFF) << 8)), w.u16(std::uint16_t((rgb >> 8 & 0xFF) << 8));
    w.u16(std::uint16_t((rgb & 0xFF) << 8)), w.u16(0);
    return v;
}

void GradientTriangle(EmfBuilder& b) {
    std::vector<std::byte> p =
        PackParams(RectL{0, 0, 99, 99}, 3u, 1u, 2u); // GRADIENT_FILL_TRIANGLE
    for (const auto& v : {Vertex(0, 0, kRed), Vertex(99, 0, kGreen), Vertex(0, 99, kBlue)})
        p.insert(p.end(), v.begin(), v.end());
    ByteWriter(p).u32(0), ByteWriter(p).u32(1), ByteWriter(p).u32(2);
    b.AddRecord(EMR_GRADIENTFILL, p);
}

int Channel(unsigned rgb, int shift) {
    return int(rgb >> shift & 0xFF);
}

TEST(GradientFill, TrianglesBlendTheirCornersColours) {
    EmfBuilder b = Canvas();
    GradientTriangle(b);
    const QImage img = Play(b);
    const unsigned nearRed = Rgb(img, 2, 2), middle = Rgb(img, 33, 33);
    EXPECT_GT(Channel(nearRed, 16), 240);
    EXPECT_LT(Channel(nearRed, 8), 15);
    EXPECT_GT(Channel(Rgb(img, 95, 2), 8), 230); // near the green corner
    EXPECT_GT(Channel(Rgb(img, 2, 95), 0), 230); // near the blue corner
    for (int shift : {0, 8, 16})                 // the centroid mixes all three
        EXPECT_NEAR(Channel(middle, shift), 85, 12) << shift;
    EXPECT_EQ(Rgb(img, 90, 90), kWhite); // outside the triangle
}

TEST(GradientFill, TheBrushOriginDoesNotMoveTheShading) {
    EmfBuilder b = Canvas();
    b.AddRecord(EMR_SETBRUSHORGEX, PackParams(PointL{37, 11}));
    GradientTriangle(b);
    EmfBuilder plain = Canvas();
    GradientTriangle(plain);
    EXPECT_EQ(Play(b), Play(plain));
}

} // namespace
} // namespace emf::test
