#include "emf/player/metafile_player.h"

#include <QImage>
#include <cmath>

namespace emf {

namespace {

constexpr int kMaxSide = 16384;

// Height over width of the picture: its frame, else its bounds, else square.
double Aspect(const EnhMetaHeader& h) {
    for (const RectL* r : {&h.rclFrame, &h.rclBounds}) {
        const double w = double(r->right) - r->left, hgt = double(r->bottom) - r->top;
        if (w > 0 && hgt > 0) return hgt / w;
    }
    return 1;
}

} // namespace

QImage RenderToImage(const EnhMetaFile& picture, int width, bool drawEmfPlus) {
    if (width < 1 || width > kMaxSide) return {};
    const double h = std::round(width * Aspect(picture.Header()));
    const int height = int(std::clamp(h, 1.0, double(kMaxSide)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    DeviceContext dc(&image);
    dc.SetDrawEmfPlus(drawEmfPlus);
    PlayEnhMetaFile(dc, picture, QRect(0, 0, width, height));
    return image;
}

} // namespace emf
