// Map modes, window and viewport, world transforms, the save stack and the frame mapping.
#include "player_fixture.h"

#include "emf/player/metafile_player.h"
#include "emf/wmf/wmf_converter.h"

#include <QPainter>

namespace emf::test {
namespace {

void AddXForm(EmfBuilder& b, std::uint32_t type, float m11, float m22, float dx, float dy,
              std::uint32_t mode = 0) {
    std::vector<std::byte> p;
    ByteWriter w(p);
    for (float f : {m11, 0.f, 0.f, m22, dx, dy})
        w.f32(f);
    if (type == EMR_MODIFYWORLDTRANSFORM) w.u32(mode);
    b.AddRecord(type, p);
}

TEST(Mapping, TextModeDrawsInPixels) {
    EmfBuilder b = RedFill();
    b.Rectangle({10, 10, 30, 30});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kRed);
    EXPECT_EQ(Rgb(img, 40, 40), kWhite);
}

TEST(Mapping, AnisotropicScalesWindowToViewport) {
    EmfBuilder b = RedFill();
    b.SetMapMode(MM_ANISOTROPIC);
    b.SetWindowExtEx({1000, 2000});
    b.SetViewportExtEx({100, 100});
    b.SetWindowOrgEx({-100, 0});
    b.Rectangle({0, 200, 200, 600}); // pixels 10..30 wide, 10..30 high
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kRed);
    EXPECT_EQ(Rgb(img, 35, 20), kWhite);
    EXPECT_EQ(Rgb(img, 20, 35), kWhite);
    EXPECT_EQ(Rgb(img, 5, 20), kWhite);
}

TEST(Mapping, IsotropicKeepsUnitsSquare) {
    EmfBuilder b = RedFill();
    b.SetMapMode(MM_ISOTROPIC);
    b.SetWindowExtEx({50, 100});
    b.SetViewportExtEx({100, 100}); // x would scale 2, y 1: both take 1
    b.Rectangle({0, 0, 40, 40});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 30, 30), kRed);
    EXPECT_EQ(Rgb(img, 60, 20), kWhite);
}

TEST(Mapping, MetricModesPointUpAndUseTheReferenceDevice) {
    EmfBuilder b = RedFill();
    b.SetMapMode(MM_LOMETRIC);      // 0.1 mm; the reference device has 3.2 px per mm
    b.Rectangle({0, 0, 100, -100}); // 10 mm square below the origin: 32 px
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 16, 16), kRed);
    EXPECT_EQ(Rgb(img, 16, 40), kWhite);
    EXPECT_EQ(Rgb(img, 40, 16), kWhite);
}

TEST(Mapping, WorldTransformSetAndModified) {
    EmfBuilder b = RedFill();
    AddXForm(b, EMR_SETWORLDTRANSFORM, 2, 2, 10, 10);
    b.Rectangle({0, 0, 10, 10});                           // 10..30
    AddXForm(b, EMR_MODIFYWORLDTRANSFORM, 1, 1, 20, 0, 2); // left multiply: logical shift
    SelectSolidBrush(b, 2, RGB(0, 0, 255));
    b.Rectangle({0, 0, 10, 10});                          // 50..70
    AddXForm(b, EMR_MODIFYWORLDTRANSFORM, 1, 1, 0, 0, 1); // identity
    b.Rectangle({80, 80, 90, 90});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kRed);
    EXPECT_EQ(Rgb(img, 60, 20), kBlue);
    EXPECT_EQ(Rgb(img, 40, 20), kWhite);
    EXPECT_EQ(Rgb(img, 85, 85), kBlue);
}

TEST(Mapping, RestoreDcBringsBackOriginsAndObjects) {
    EmfBuilder b = RedFill();
    b.SaveDC();
    b.SetWindowOrgEx({-50, 0});
    SelectSolidBrush(b, 2, RGB(0, 0, 255));
    b.SaveDC();
    b.SetWindowOrgEx({-70, 0});
    b.RestoreDC(-2); // back past both saves
    b.Rectangle({10, 10, 30, 30});
    b.RestoreDC(-1); // nothing left to restore: ignored
    b.Rectangle({10, 50, 30, 70});
    const QImage img = Play(b);
    EXPECT_EQ(Rgb(img, 20, 20), kRed);
    EXPECT_EQ(Rgb(img, 20, 60), kRed);
    EXPECT_EQ(Rgb(img, 70, 20), kWhite);
}

TEST(Mapping, FrameIsStretchedOntoTheDestination) {
    EmfBuilder b = RedFill();
    b.Rectangle({10, 10, 30, 30});
    const QImage img = Play(b, 200);
    EXPECT_EQ(Rgb(img, 45, 45), kRed);
    EXPECT_EQ(Rgb(img, 65, 45), kWhite);
}

// A placeable WMF of 2 x 1 inches whose box is filled red: words after the 22-byte header.
std::vector<std::byte> RedPlaceableWmf() {
    const std::vector<std::vector<std::int16_t>> records = {
        {0x02FA, 5, 0, 0, 0, 0},    // CREATEPENINDIRECT: PS_NULL
        {0x012D, 0},                // SELECTOBJECT
        {0x02FC, 0, 0x00FF, 0, 0},  // CREATEBRUSHINDIRECT: solid red
        {0x012D, 1},                // SELECTOBJECT
        {0x020C, 1440, 2880},       // SETWINDOWEXT
        {0x041B, 1441, 2881, 0, 0}, // RECTANGLE: bottom, right, top, left
        {0x0000}};                  // EOF
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(0x9AC6CDD7), w.u16(0), w.i16(0), w.i16(0), w.i16(2880), w.i16(1440), w.u16(1440);
    w.u32(0), w.u16(0);
    std::uint32_t words = 9;
    for (const auto& r : records)
        words += 2 + std::uint32_t(r.size());
    w.u16(1), w.u16(9), w.u16(0x300), w.u32(words), w.u16(2), w.u32(8), w.u16(0);
    for (const auto& r : records) {
        w.u32(std::uint32_t(r.size()) + 2);
        for (std::int16_t v : r)
            w.i16(v);
    }
    return out;
}

// The conversion once stretched every WMF over the 4:3 reference device.
TEST(Mapping, APlaceableWmfDrawsAtItsOwnProportionsFillingItsImage) {
    const PictureResult r = ConvertPlaceableWmf(RedPlaceableWmf());
    ASSERT_TRUE(r) << r.error;
    const QImage img = RenderToImage(*r.picture, 400);
    EXPECT_EQ(img.size(), QSize(400, 200));
    for (QPoint p : {QPoint(1, 1), QPoint(398, 1), QPoint(1, 198), QPoint(398, 198)})
        EXPECT_EQ(Rgb(img, p.x(), p.y()), kRed) << p.x() << "," << p.y();
}

// A frame spanning its whole 32-bit field is still a picture twice as wide as high.
TEST(Mapping, AFrameAtTheLimitsOfItsFieldDrawsAtItsAspect) {
    EmfBuilder b = RedFill();
    b.SetFrame({INT32_MIN, INT32_MIN, INT32_MAX, 0});
    b.Rectangle({0, 0, 100, 100});
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r) << r.error;
    const QImage img = RenderToImage(*r.picture, 400);
    EXPECT_EQ(img.size(), QSize(400, 200));
}

TEST(Mapping, CallersViewportOriginMovesThePicture) {
    EmfBuilder b = RedFill();
    b.Rectangle({0, 0, 20, 20});
    const PictureResult picture = b.Picture();
    ASSERT_TRUE(picture);
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    DeviceContext dc(&img);
    dc.SetViewportOrg(50, 40);
    PlayEnhMetaFile(dc, *picture.picture, QRect(0, 0, 100, 100));
    dc.Painter().end();
    EXPECT_EQ(Rgb(img, 60, 50), kRed);
    EXPECT_EQ(Rgb(img, 10, 10), kWhite);
    EXPECT_EQ(dc.SetViewportOrg(0, 0), QPoint(50, 40)); // the caller's state survives
}

TEST(Mapping, PaintersOwnTransformAndClipStayInForce) {
    EmfBuilder b = RedFill();
    b.Rectangle({0, 0, 100, 100});
    const PictureResult picture = b.Picture();
    ASSERT_TRUE(picture);
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setClipRect(0, 0, 60, 100);
    painter.translate(20, 0);
    {
        DeviceContext dc(painter);
        PlayEnhMetaFile(dc, *picture.picture, QRect(0, 0, 20, 20));
    }
    painter.end();
    EXPECT_EQ(Rgb(img, 30, 10), kRed);
    EXPECT_EQ(Rgb(img, 10, 10), kWhite); // moved by the painter's translation
    EXPECT_EQ(Rgb(img, 30, 30), kWhite);
}

TEST(DeviceCaps, ImageReportsItsResolutionAndSize) {
    QImage img(600, 300, QImage::Format_RGB32);
    img.setDotsPerMeterX(11811); // 300 dpi
    img.setDotsPerMeterY(5906);  // 150 dpi
    DeviceContext dc(&img);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 150);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 600);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 300);
    EXPECT_NEAR(dc.GetDeviceCaps(HORZSIZE), 51, 1); // 600 px at 300 dpi
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 0);
    EXPECT_EQ(dc.GetDeviceCaps(12345), 0);
}

} // namespace
} // namespace emf::test
