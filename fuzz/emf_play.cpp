// Plays arbitrary bytes that load as a metafile (an EMF, or a WMF converted as the viewer
// converts it) at a size the input chooses: no read outside the data, no allocation beyond
// what the data justifies, no undefined behaviour, no record that takes seconds.
//
// The last two bytes pick the longer side of the image, 16 to 2048 pixels. A sound metafile
// ends in zeros, so the seeds play at 800 pixels, the size a viewer shows them at.
#include "emf/metafile_file.h"
#include "emf/player/metafile_player.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <vector>

// Leaks the sanitizer finds inside the system's font configuration (its caches live for the
// process) and inside QtGui's polygon-to-region conversion are not the player's to mend.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so\n";
}

namespace {

constexpr int kMinSide = 16, kMaxSide = 2048, kSeedSide = 800;

int ChosenSide(const std::uint8_t* data, std::size_t size) {
    const unsigned last = size >= 2 ? data[size - 2] | data[size - 1] << 8 : 0;
    constexpr unsigned kSides = kMaxSide - kMinSide + 1;
    return kMinSide + int((last + kSeedSide - kMinSide) % kSides);
}

// The longer side of the frame gets side pixels.
QSize ImageSize(const emf::EnhMetaHeader& h, int side) {
    const double w = double(h.rclFrame.right) - h.rclFrame.left;
    const double ht = double(h.rclFrame.bottom) - h.rclFrame.top;
    if (!(w > 0 && ht > 0)) return {side, side};
    if (w >= ht) return {side, std::max(1, int(side * ht / w))};
    return {std::max(1, int(side * w / ht)), side};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv); // fonts need the application object
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const std::byte*>(data);
    const emf::PictureResult r = emf::ReadMetafileFile({bytes, bytes + size});
    if (!r) return 0;
    const QSize pixels = ImageSize(r.picture->Header(), ChosenSide(data, size));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    emf::DeviceContext dc(&image);
    emf::PlayEnhMetaFile(dc, *r.picture, QRect(QPoint(0, 0), pixels));
    return 0;
}
