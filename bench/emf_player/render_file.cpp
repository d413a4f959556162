// Renders one metafile to a PNG, for looking at the player's output by eye.
//   emf_render FILE OUT.png [WIDTH]
#include "corpus_files.h"

#include "emf/player/metafile_player.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    emf::corpus::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: emf_render FILE OUT.png [WIDTH]\n", stderr);
        return 2;
    }
    const auto picture = emf::corpus::Load(QString::fromLocal8Bit(argv[1]));
    if (!picture) {
        std::fputs("not a metafile\n", stderr);
        return 1;
    }
    const int width = argc > 3 ? std::atoi(argv[3]) : 800;
    return emf::RenderToImage(*picture, width).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
