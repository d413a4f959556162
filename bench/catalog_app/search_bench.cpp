// What a user waits for after pressing Search in a large collection: the search and the
// filling of the results pane until it is painted, for a text that is nowhere and for one
// that stops at the capacity of 1024 hits.
#include "../catalog/large_catalogue.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/search_view.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class CSilentPrompts : public CDialogPrompts {
public:
    void Inform(QWidget*, const QString&) override {}
    SaveAnswer AskToSave(QWidget*, const QString&) override { return SaveAnswer::Discard; }
};

// 100,000 media with 1.2 million tracks, opened in a shown main window.
CMainFrame& Frame() {
    static QTemporaryDir dir;
    static CSilentPrompts prompts;
    static CMainFrame* frame = [] {
        const QString path = dir.filePath(QStringLiteral("large.mvr"));
        QFile file(path);
        const std::vector<std::byte>& bytes = LargeCatalogueFile();
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
                qint64(bytes.size()))
            std::abort();
        file.close();
        auto* f = new CMainFrame(&prompts);
        f->resize(1100, 700);
        f->show();
        if (!f->OpenCatalogue(path)) std::abort();
        return f;
    }();
    return *frame;
}

void SearchUntilThePaneShows(benchmark::State& state, const QString& text) {
    CSearchView& pane = *Frame().SearchPane();
    for (auto _ : state) {
        pane.RunSearch(text);
        benchmark::DoNotOptimize(pane.grab()); // paints the visible rows
    }
    state.counters["rows"] = pane.Model().rowCount();
}

void BM_SearchFindingNothing(benchmark::State& state) {
    SearchUntilThePaneShows(state, QStringLiteral("qxqxq"));
}
BENCHMARK(BM_SearchFindingNothing)->Unit(benchmark::kMillisecond);

// The rare word is in about 1% of the track titles: the track hits fill up early.
void BM_SearchStoppingAt1024Hits(benchmark::State& state) {
    SearchUntilThePaneShows(state, QString::fromLatin1(kRareWord.data(), kRareWord.size()));
}
BENCHMARK(BM_SearchStoppingAt1024Hits)->Unit(benchmark::kMillisecond);

// Media numbered with "99" are spread over the whole list: the media hits fill up late.
void BM_SearchStoppingAt1024HitsLate(benchmark::State& state) {
    SearchUntilThePaneShows(state, QStringLiteral("99"));
}
BENCHMARK(BM_SearchStoppingAt1024HitsLate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
