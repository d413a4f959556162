#include "player_fixture.h"

#include "emf/player/metafile_player.h"

namespace emf::test {

EmfBuilder Canvas() {
    EmfBuilder b;
    // 100 px of the 1024 px / 320 mm reference device are 3125 hundredths of a millimetre.
    b.SetBounds({0, 0, 99, 99});
    b.SetFrame({0, 0, 3125, 3125});
    return b;
}

EmfBuilder RedFill() {
    EmfBuilder b = Canvas();
    SelectNullPen(b);
    SelectSolidBrush(b, 1, RGB(255, 0, 0));
    return b;
}

QImage Play(const EmfBuilder& b, int size) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(Qt::white);
    PictureResult picture = b.Picture();
    EXPECT_TRUE(picture) << picture.error;
    if (!picture) return img;
    DeviceContext dc(&img);
    PlayEnhMetaFile(dc, *picture.picture, QRect(0, 0, size, size));
    return img;
}

unsigned Rgb(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

void SelectSolidBrush(EmfBuilder& b, std::uint32_t handle, std::uint32_t colorref) {
    b.CreateBrushIndirect(handle, 0, colorref);
    b.SelectObject(handle);
}

void SelectNullPen(EmfBuilder& b) {
    b.SelectObject(0x80000000 | 8);
}

} // namespace emf::test
