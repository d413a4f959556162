// What a user waits for in the main window: a large catalogue opening until its media
// list shows, and a medium with many tracks until its track list shows.
#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class CSilentPrompts : public CDialogPrompts {
public:
    void Inform(QWidget*, const QString&) override {}
    SaveAnswer AskToSave(QWidget*, const QString&) override { return SaveAnswer::Discard; }
    bool Confirm(QWidget*, const QString&) override { return true; }
};

// 100,000 media of 12 tracks (1.2 million tracks); the first medium has 500.
const QString& LargeCatalogue() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("large.mvr"));
    static const bool written = [] {
        CCatalogue catalogue;
        for (int i = 0; i < 50; ++i)
            catalogue.Interpreters().FindOrAddInterpreter("Interpreter " + std::to_string(i));
        for (int m = 0; m < 100000; ++m) {
            CMedia* media = catalogue.Media().AddMedia("Medium title " + std::to_string(m),
                                                       "Second line", m % 7, 1000000000 + m, {});
            for (int t = 0; t < (m == 0 ? 500 : 12); ++t)
                media->AddTrack("Track title " + std::to_string(t), 345, std::uint32_t(t % 50),
                                TRACK_APPEND);
        }
        return catalog::SaveCatalogueFile(catalogue, path.toStdString()).ok();
    }();
    if (!written) std::abort();
    return path;
}

void BM_OpenUntilMediaListShows(benchmark::State& state) {
    CSilentPrompts prompts;
    CMainFrame frame(&prompts);
    frame.resize(1100, 700);
    frame.show();
    const QString& path = LargeCatalogue();
    for (auto _ : state) {
        frame.OpenCatalogue(path);
        benchmark::DoNotOptimize(frame.grab()); // paints the visible rows
        state.PauseTiming();
        frame.NewCatalogue();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenUntilMediaListShows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SelectMediumUntilTrackListShows(benchmark::State& state) {
    CSilentPrompts prompts;
    CMainFrame frame(&prompts);
    frame.resize(1100, 700);
    frame.show();
    frame.OpenCatalogue(LargeCatalogue());
    const CMediaListModel& rows = frame.MediaPane()->Model();
    const CMedia* big = rows.MediaAt(rows.rowCount() - 1); // media index 0, 500 tracks
    const CMedia* small = rows.MediaAt(0);
    for (auto _ : state) {
        frame.SelectMedium(big);
        benchmark::DoNotOptimize(frame.TrackPane()->grab());
        state.PauseTiming();
        frame.SelectMedium(small);
        state.ResumeTiming();
    }
    if (frame.TrackPane()->Model().rowCount() != 12) state.SkipWithError("track list not filled");
}
BENCHMARK(BM_SelectMediumUntilTrackListShows)->Unit(benchmark::kMillisecond);

// Every hundredth of the 100,000 media deleted in one step; Undo (or Redo) until the panes
// show the catalogue again.
void UndoInWindow(benchmark::State& state, bool undo) {
    CSilentPrompts prompts;
    CMainFrame frame(&prompts);
    frame.resize(1100, 700);
    frame.show();
    frame.OpenCatalogue(LargeCatalogue());
    QItemSelection rows;
    for (int row = 0; row < 100000; row += 100)
        rows.select(frame.MediaPane()->model()->index(row, 0),
                    frame.MediaPane()->model()->index(row, 0));
    frame.MediaPane()->selectionModel()->select(rows, QItemSelectionModel::Select |
                                                          QItemSelectionModel::Rows);
    frame.Actions().mediaDelete->trigger();
    QAction* timed = undo ? frame.Actions().editUndo : frame.Actions().editRedo;
    QAction* other = undo ? frame.Actions().editRedo : frame.Actions().editUndo;
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            other->trigger();
            state.ResumeTiming();
        }
        timed->trigger();
        benchmark::DoNotOptimize(frame.grab());
        if (undo) {
            state.PauseTiming();
            other->trigger();
            state.ResumeTiming();
        }
    }
}

void BM_UndoDelete1000MediaInWindow(benchmark::State& state) {
    UndoInWindow(state, true);
}
BENCHMARK(BM_UndoDelete1000MediaInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RedoDelete1000MediaInWindow(benchmark::State& state) {
    UndoInWindow(state, false);
}
BENCHMARK(BM_RedoDelete1000MediaInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
