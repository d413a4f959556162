// Text in a picture drawn out of its proportions: the glyphs stretch with everything else.
#include "emf/emf_builder.h"
#include "emf/player/metafile_player.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A square picture (200 x 200 reference pixels) with one line of text near its top; with
// anisotropic, the page maps logical units to half their width.
emf::EnhMetaFile TextPicture(bool anisotropic = false) {
    emf::EmfBuilder b;
    // 200 px of the 1024 px / 320 mm reference device are 6250 hundredths of a millimetre.
    b.SetBounds({0, 0, 199, 199});
    b.SetFrame({0, 0, 6250, 6250});
    if (anisotropic) {
        b.SetMapMode(8); // MM_ANISOTROPIC
        b.SetWindowExtEx({2, 1});
        b.SetViewportExtEx({1, 1});
    }
    emf::LogFontW font;
    font.height = -30;
    font.faceName = u"Arial";
    b.ExtCreateFontIndirectW(1, font);
    b.SelectObject(1);
    b.SetBkMode(1); // TRANSPARENT
    b.ExtTextOutW({anisotropic ? 20 : 10, 20}, u"MWMWMW");
    auto built = b.Picture();
    EXPECT_TRUE(built) << built.error;
    return *built.picture;
}

// The box around every pixel that is not white.
QRect Ink(const emf::EnhMetaFile& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        emf::DeviceContext dc(painter);
        emf::PlayEnhMetaFile(dc, picture, QRect(QPoint(), size));
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(TextStretch, GlyphsFollowTheViewsStretchOnEachAxis) {
    const emf::EnhMetaFile picture = TextPicture();
    const QRect own = Ink(picture, {400, 400});
    ASSERT_GT(own.width(), 100);
    const QRect narrow = Ink(picture, {200, 400});
    EXPECT_NEAR(narrow.width(), own.width() / 2.0, own.width() * 0.06)
        << "half as wide, so the letters do not run into each other";
    EXPECT_NEAR(narrow.height(), own.height(), 2) << "and as high as before";
    const QRect flat = Ink(picture, {400, 200});
    EXPECT_NEAR(flat.width(), own.width(), own.width() * 0.06);
    EXPECT_NEAR(flat.height(), own.height() / 2.0, 3);
    // Within its own proportions, the picture's size alone scales the text evenly.
    const QRect small = Ink(picture, {200, 200});
    EXPECT_NEAR(small.width(), own.width() / 2.0, own.width() * 0.06);
    EXPECT_NEAR(small.height(), own.height() / 2.0, 3);
}

TEST(TextStretch, AMappingModeThatSqueezesItsAxesKeepsTheFontsShape) {
    // The same text under a page that halves logical widths: as in GDI, the font keeps its
    // proportions (only its position moves), unlike a picture the view stretches.
    const QRect plain = Ink(TextPicture(), {400, 400});
    const QRect mapped = Ink(TextPicture(true), {400, 400});
    EXPECT_NEAR(mapped.width(), plain.width(), plain.width() * 0.06);
    EXPECT_NEAR(mapped.height(), plain.height(), 2);
}

} // namespace
