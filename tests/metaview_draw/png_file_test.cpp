// The PNG writer read back by Qt's own reader: every pixel and the resolution survive.
#include "metaview/export/png_file.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Flat rows (the "Up" filter's zeros), a gradient and bytes that wrap when subtracted.
QImage Sample() {
    QImage img(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y,
                         y < 5 ? qRgb(250, 10, 128) : qRgb(x * 7, 255 - y * 11, (x * y) & 0xFF));
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(7559);
    return img;
}

TEST(PngFile, ReadsBackPixelForPixelAtEveryLevel) {
    const QImage img = Sample();
    for (const int level : {0, 1, 9}) {
        const QByteArray png = metaview::EncodePngFile(img, level);
        QImage back;
        ASSERT_TRUE(back.loadFromData(png, "PNG")) << level;
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), img) << level;
        EXPECT_EQ(back.dotsPerMeterX(), 3780);
        EXPECT_EQ(back.dotsPerMeterY(), 7559);
    }
}

TEST(PngFile, AnImageWithAlphaIsWrittenOpaqueAndANullImageNotAtAll) {
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(0, 0, 255, 255));
    argb.setPixel(1, 0, qRgba(255, 0, 0, 255));
    QImage back;
    ASSERT_TRUE(back.loadFromData(metaview::EncodePngFile(argb, 1), "PNG"));
    EXPECT_FALSE(back.hasAlphaChannel());
    EXPECT_EQ(back.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_TRUE(metaview::EncodePngFile(QImage(), 1).isEmpty());
}

} // namespace
