// The corpus files holding EMF+ records, drawn from those records and from their GDI
// records, each scored against LibreOffice's drawing (the only other EMF+ renderer here) and
// timed; the three pictures are saved side by side for looking at.
//   emfplus_fidelity [OUTDIR]
#include "corpus_files.h"
#include "fidelity_score.h"

#include "emf/player/metafile_player.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace {

struct Drawn {
    QImage image;
    double ms = 0;
    emf::fidelity::Agreement agreement;
};

// The best of three runs: the machine is shared.
Drawn Draw(const emf::EnhMetaFile& picture, const QImage& reference, bool plus) {
    Drawn d;
    d.ms = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        d.image = emf::RenderToImage(picture, reference.isNull() ? 800 : reference.width(), plus);
        d.ms = std::min(d.ms, t.nsecsElapsed() / 1e6);
    }
    if (!reference.isNull()) d.agreement = emf::fidelity::Agree(d.image, reference);
    return d;
}

// Share of pixels that are not the white page.
double Ink(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 ink = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ink += (line[x] & 0xFFFFFF) != 0xFFFFFF;
    }
    return rgb.isNull() ? 0 : double(ink) / (double(rgb.width()) * rgb.height());
}

QStringList PlusFiles(const QString& dir) {
    QFile manifest(dir + "/MANIFEST.tsv");
    QStringList files;
    if (!manifest.open(QIODevice::ReadOnly)) return files;
    while (!manifest.atEnd()) {
        const QStringList cols = QString::fromUtf8(manifest.readLine()).split('\t');
        if (cols.size() > 2 && cols[2].contains("emfplus")) files << cols[0];
    }
    return files;
}

void Save(const QString& outDir, const QString& file, const Drawn& plus, const Drawn& gdi,
          const QImage& reference) {
    if (outDir.isEmpty()) return;
    const QImage left = emf::fidelity::SideBySide(plus.image, gdi.image);
    emf::fidelity::SideBySide(
        left, reference.isNull() ? QImage(left.size() / 2, QImage::Format_RGB32) : reference)
        .save(outDir + "/" + QString(file).replace('/', '_') + ".png");
}

} // namespace

int main(int argc, char** argv) {
    emf::corpus::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    const QString dir = emf::corpus::Folder();
    if (dir.isEmpty()) {
        std::puts("no corpus folder: nothing to score");
        return 0;
    }
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!outDir.isEmpty()) QDir().mkpath(outDir);
    int files = 0, plusAgree = 0, gdiAgree = 0, scored = 0, drawnPlusOnly = 0, plusOnly = 0;
    double slowest = 0;
    QString slowestFile;
    std::puts("EMF+ agree mean   GDI agree mean   EMF+ ms  GDI ms  ink   file");
    for (const QString& file : PlusFiles(dir)) {
        const auto picture = emf::corpus::Load(dir + "/" + file);
        if (!picture) continue;
        const QImage reference(dir + "/ref-emfplus/" + file + ".png");
        const Drawn plus = Draw(*picture, reference, true), gdi = Draw(*picture, reference, false);
        ++files;
        const double ink = Ink(plus.image);
        if (Ink(gdi.image) < 0.001) {
            ++plusOnly;
            drawnPlusOnly += ink >= 0.001;
        }
        if (!reference.isNull()) {
            ++scored;
            plusAgree += plus.agreement.agrees;
            gdiAgree += gdi.agreement.agrees;
        }
        if (plus.ms > slowest) slowest = plus.ms, slowestFile = file;
        std::printf("%-5s %5.1f   %-5s %5.1f   %7.1f %7.1f  %.3f %s\n",
                    plus.agreement.agrees ? "yes" : "no", plus.agreement.meanDiff,
                    gdi.agreement.agrees ? "yes" : "no", gdi.agreement.meanDiff, plus.ms, gdi.ms,
                    ink, qPrintable(file));
        Save(outDir, file, plus, gdi, reference);
    }
    std::printf("files %d; with a reference %d: EMF+ drawing agrees %d, GDI drawing agrees %d\n",
                files, scored, plusAgree, gdiAgree);
    std::printf("files whose GDI records draw nothing: %d, of which drawn from EMF+: %d\n",
                plusOnly, drawnPlusOnly);
    std::printf("slowest EMF+ drawing: %.1f ms  %s\n", slowest, qPrintable(slowestFile));
    return 0;
}
