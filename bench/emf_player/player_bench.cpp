// Playing speed: the whole corpus into 800-pixel-wide images, and a synthetic picture of
// 100,000 small drawing records.
#include "corpus_files.h"

#include "emf/emf_builder.h"
#include "emf/player/metafile_player.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

std::vector<emf::EnhMetaFile> CorpusPictures() {
    std::vector<emf::EnhMetaFile> out;
    if (emf::corpus::Folder().isEmpty()) return out;
    for (const auto& e : emf::corpus::Entries())
        if (auto p = emf::corpus::Load(emf::corpus::Folder() + "/" + e.file)) out.push_back(*p);
    return out;
}

void BM_PlayCorpus(benchmark::State& state) {
    static const std::vector<emf::EnhMetaFile> pictures = CorpusPictures();
    if (pictures.empty()) state.SkipWithError("no corpus folder");
    std::size_t records = 0;
    for (auto _ : state)
        for (const auto& p : pictures) {
            benchmark::DoNotOptimize(emf::RenderToImage(p, 800));
            records += p.Records().size();
        }
    state.counters["files"] = double(pictures.size());
    state.counters["records/s"] = benchmark::Counter(double(records), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlayCorpus)->Unit(benchmark::kMillisecond)->Iterations(3);

// Lines, rectangles, ellipses, polygons and pen/brush changes spread over the picture.
emf::EnhMetaFile SyntheticPicture(int records) {
    emf::EmfBuilder b;
    b.CreatePen(1, 0, 1, emf::RGB(200, 0, 0));
    b.CreateBrushIndirect(2, 0, emf::RGB(0, 120, 200));
    b.SelectObject(1);
    b.SelectObject(2);
    for (int i = 0; b.RecordCount() < std::uint32_t(records); ++i) {
        const int x = (i * 37) % 1000, y = (i * 91) % 700;
        switch (i % 4) {
        case 0:
            b.Rectangle({x, y, x + 12, y + 9});
            break;
        case 1:
            b.Ellipse({x, y, x + 10, y + 10});
            break;
        case 2:
            b.MoveToEx({x, y});
            b.LineTo({x + 15, y + 7});
            break;
        default: {
            const emf::PointS pts[] = {
                {short(x), short(y)}, {short(x + 9), short(y + 3)}, {short(x + 4), short(y + 11)}};
            b.Polygon16(pts);
        }
        }
    }
    return *b.Picture().picture;
}

void BM_Play100kRecords(benchmark::State& state) {
    static const emf::EnhMetaFile picture = SyntheticPicture(100000);
    for (auto _ : state)
        benchmark::DoNotOptimize(emf::RenderToImage(picture, 800));
    state.counters["records/s"] = benchmark::Counter(
        double(picture.Records().size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Play100kRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    emf::corpus::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
