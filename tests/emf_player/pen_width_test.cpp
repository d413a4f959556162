// Thin pens: a cosmetic pen, and a geometric one that maps to less than a device pixel, draw
// lines one device pixel wide, whatever the mapping and however the line is recorded.
#include "player_fixture.h"

namespace emf::test {
namespace {

constexpr std::uint32_t PS_GEOMETRIC = 0x00010000, PS_ENDCAP_FLAT = 0x200;

// 400 logical units played onto 100 pixels: the reference device has four times the detail.
EmfBuilder FineCanvas() {
    EmfBuilder b;
    b.SetBounds({0, 0, 399, 399});
    b.SetFrame({0, 0, 12500, 12500});
    return b;
}

void ExtCreatePen(EmfBuilder& b, std::uint32_t style, std::uint32_t width) {
    b.AddRecord(EMR_EXTCREATEPEN, PackParams(1u, 0u, 0u, 0u, 0u, style, width, 0u, 0u, 0u, 0u));
    b.SelectObject(1);
}

void Scale(EmfBuilder& b, float s) {
    std::vector<std::byte> p;
    ByteWriter w(p);
    for (float f : {s, 0.f, 0.f, s, 0.f, 0.f})
        w.f32(f);
    w.u32(2); // MWT_LEFTMULTIPLY
    b.AddRecord(EMR_MODIFYWORLDTRANSFORM, p);
}

// The ink of columns 20 to 80, in pixels of full black per column.
double InkPerColumn(const QImage& img) {
    double ink = 0;
    for (int x = 20; x < 80; ++x)
        for (int y = 0; y < img.height(); ++y)
            ink += (255 - qGray(img.pixel(x, y))) / 255.0;
    return ink / 60;
}

// A line falling one pixel in four; one pixel wide it inks about 1.03 pixels per column.
void SlantedLine(EmfBuilder& b, int unit = 1, bool inPath = false) {
    if (inPath) b.AddRecord(EMR_BEGINPATH, {});
    b.MoveToEx({40 * unit, 100 * unit});
    b.LineTo({360 * unit, 180 * unit});
    if (inPath) {
        b.AddRecord(EMR_ENDPATH, {});
        b.AddRecord(EMR_STROKEPATH, PackParams(RectL{0, 0, 399, 399}));
    }
}

TEST(PenWidth, ThinPensInkOnePixelAlongALine) {
    struct Case {
        const char* name;
        std::function<void(EmfBuilder&)> draw;
    } cases[] = {
        {"CreatePen width 0",
         [](EmfBuilder& b) {
             b.CreatePen(1, 0, 0, 0);
             b.SelectObject(1);
             SlantedLine(b);
         }},
        {"CreatePen width 1",
         [](EmfBuilder& b) {
             b.CreatePen(1, 0, 1, 0);
             b.SelectObject(1);
             SlantedLine(b);
         }},
        {"cosmetic ExtCreatePen", [](EmfBuilder& b) { ExtCreatePen(b, 0, 1), SlantedLine(b); }},
        {"geometric ExtCreatePen under a world scale",
         [](EmfBuilder& b) {
             Scale(b, 0.125f);
             ExtCreatePen(b, PS_GEOMETRIC | PS_ENDCAP_FLAT, 1);
             SlantedLine(b, 8);
         }},
        {"geometric pen stroking a path",
         [](EmfBuilder& b) {
             Scale(b, 0.125f);
             ExtCreatePen(b, PS_GEOMETRIC | PS_ENDCAP_FLAT, 1);
             SlantedLine(b, 8, true);
         }},
    };
    for (const Case& c : cases) {
        EmfBuilder b = FineCanvas();
        c.draw(b);
        const double ink = InkPerColumn(Play(b));
        EXPECT_GT(ink, 0.8) << c.name;
        EXPECT_LT(ink, 1.3) << c.name;
    }
}

} // namespace
} // namespace emf::test
