// Plays one metafile at a width and lists its slowest records, to find what makes a picture
// slow to draw.   emf_record_times FILE [WIDTH]
#include "corpus_files.h"

#include "emf/player/metafile_player.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    emf::corpus::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: emf_record_times FILE [WIDTH]\n", stderr);
        return 2;
    }
    const auto picture = emf::corpus::Load(QString::fromLocal8Bit(argv[1]));
    if (!picture) {
        std::fputs("not a metafile\n", stderr);
        return 1;
    }
    const int width = argc > 2 ? std::max(1, std::atoi(argv[2])) : 800;
    const QImage probe = emf::RenderToImage(*picture, 1);
    const QSize size(width, std::max(1, int(width * double(probe.height()) / probe.width())));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    emf::DeviceContext dc(&image);
    struct Timed {
        double ms;
        std::size_t index;
        std::uint32_t type;
    };
    std::vector<Timed> times;
    emf::EnumEnhMetaFile(
        dc, *picture,
        [&times](emf::DeviceContext& d, emf::HandleTable& t, const emf::RecordView& r, int n) {
            QElapsedTimer clock;
            clock.start();
            emf::PlayEnhMetaFileRecord(d, t, r, n);
            times.push_back({clock.nsecsElapsed() / 1e6, times.size(), r.type});
            return true;
        },
        QRect(QPoint(0, 0), size));
    std::sort(times.begin(), times.end(), [](auto& a, auto& b) { return a.ms > b.ms; });
    for (std::size_t i = 0; i < std::min<std::size_t>(10, times.size()); ++i)
        std::printf("%9.2f ms  record %zu  type %u\n", times[i].ms, times[i].index, times[i].type);
    return 0;
}
