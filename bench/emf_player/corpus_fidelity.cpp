// Renders every corpus file at its reference's width, scores it against the reference and
// reports the distribution, the time per file and the worst files (saved side by side).
//   emf_fidelity [OUTDIR]
// Or scores one file outside the corpus against its reference:
//   emf_fidelity --file FILE REFERENCE.png
#include "corpus_files.h"
#include "fidelity_score.h"

#include "emf/player/metafile_player.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>

namespace {

struct Result {
    QString file;
    emf::fidelity::Score score;
    emf::fidelity::Agreement agreement;
    double ms = 0;
    QImage rendering, reference;
};

std::optional<Result> Score(const emf::corpus::Entry& e) {
    const QString dir = emf::corpus::Folder();
    Result r{e.file, {}, {}, 0, {}, QImage(dir + "/ref/" + e.file + ".png")};
    const auto picture = emf::corpus::Load(dir + "/" + e.file);
    if (!picture) return r;
    QElapsedTimer t;
    t.start();
    r.rendering = emf::RenderToImage(*picture, r.reference.isNull() ? 800 : r.reference.width());
    r.ms = t.nsecsElapsed() / 1e6;
    if (r.reference.isNull()) return r;
    r.score = emf::fidelity::Compare(r.rendering, r.reference);
    r.agreement = emf::fidelity::Agree(r.rendering, r.reference);
    return r;
}

void SaveSideBySide(const Result& r, const QString& outDir, const QString& prefix) {
    if (outDir.isEmpty()) return;
    emf::fidelity::SideBySide(r.rendering, r.reference)
        .save(outDir + "/" + prefix + "_" + QString(r.file).replace('/', '_') + ".png");
}

// The agreement figure first, with every file that misses it.
void ReportAgreement(const std::vector<Result*>& scored, const QString& outDir) {
    const auto agreeing = std::count_if(scored.begin(), scored.end(),
                                        [](const Result* r) { return r->agreement.agrees; });
    std::printf("agreement: %td of %zu (aspect within 3%%, mean difference under 8/255 at 96 px)\n",
                agreeing, scored.size());
    for (const Result* r : scored) {
        if (r->agreement.agrees) continue;
        std::printf("  differs: aspect %.3f mean %.1f  %s\n", r->agreement.aspect,
                    r->agreement.meanDiff, qPrintable(r->file));
        SaveSideBySide(*r, outDir, "differs");
    }
}

void Report(std::vector<Result>& results, const QString& outDir) {
    std::vector<Result*> scored;
    double slowest = 0;
    for (Result& r : results) {
        slowest = std::max(slowest, r.ms);
        if (!r.reference.isNull()) scored.push_back(&r);
    }
    std::sort(scored.begin(), scored.end(),
              [](auto* a, auto* b) { return a->score.ssim < b->score.ssim; });
    ReportAgreement(scored, outDir);
    int close = 0, closeSsim = 0;
    for (const Result* r : scored) {
        close += r->score.ink >= 0.8;
        closeSsim += r->score.ssim >= 0.9;
    }
    std::printf("files %zu, with reference %zu, close: ink >= 0.8 %d, SSIM >= 0.9 %d, "
                "slowest %.1f ms\n",
                results.size(), scored.size(), close, closeSsim, slowest);
    for (double q : {0.1, 0.25, 0.5, 0.75})
        if (!scored.empty())
            std::printf("SSIM at %.0f%%: %.3f\n", q * 100,
                        scored[size_t(q * (scored.size() - 1))]->score.ssim);
    for (size_t i = 0; i < scored.size(); ++i) {
        const Result& r = *scored[i];
        std::printf("ink %.3f all %.3f ssim %.3f mean %5.1f %7.1f ms  %s\n", r.score.ink,
                    r.score.all, r.score.ssim, r.agreement.meanDiff, r.ms, qPrintable(r.file));
        if (i < 15) SaveSideBySide(r, outDir, QString::number(i));
    }
}

int ScoreOne(const QString& file, const QString& referencePath) {
    const QImage reference(referencePath);
    const auto picture = emf::corpus::Load(file);
    if (!picture || reference.isNull()) {
        std::puts("cannot read the file or its reference");
        return 1;
    }
    const QImage rendering = emf::RenderToImage(*picture, reference.width());
    const emf::fidelity::Agreement a = emf::fidelity::Agree(rendering, reference);
    const emf::fidelity::Score s = emf::fidelity::Compare(rendering, reference);
    std::printf("%s: aspect %.3f mean %.1f ssim %.3f ink %.3f\n", a.agrees ? "agrees" : "differs",
                a.aspect, a.meanDiff, s.ssim, s.ink);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    emf::corpus::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--file")
        return ScoreOne(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (emf::corpus::Folder().isEmpty()) {
        std::puts("no corpus folder: nothing to score");
        return 0;
    }
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!outDir.isEmpty()) QDir().mkpath(outDir);
    std::vector<Result> results;
    for (const auto& e : emf::corpus::Entries())
        if (auto r = Score(e)) results.push_back(std::move(*r));
    Report(results, outDir);
    return 0;
}
