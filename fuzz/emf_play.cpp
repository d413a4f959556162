// Plays arbitrary bytes that load as an enhanced metafile into a small image: no read
// outside the data, no allocation beyond what the data justifies, no endless loop.
#include "emf/enh_metafile.h"
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

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv); // fonts need the application object
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const std::byte*>(data);
    emf::PictureResult picture = emf::EnhMetaFile::FromBytes({bytes, bytes + size});
    if (picture) emf::RenderToImage(*picture.picture, 64);
    return 0;
}
