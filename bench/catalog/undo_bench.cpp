// Undo and redo of a large deletion: 1,000 media with 12 tracks each, spread over the
// 100,000-media catalogue, as one step; also the deletion itself and a CSV export.

#include "large_catalogue.h"

#include "catalog/catalogue_edit.h"
#include "catalog/file/catalogue_csv.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Every hundredth medium.
std::vector<CMedia*> Doomed(CCatalogue& catalogue) {
    std::vector<CMedia*> doomed;
    int i = 0;
    for (CMedia& media : catalogue.Media())
        if (i++ % (kMedia / 1000) == 0) doomed.push_back(&media);
    return doomed;
}

void BM_DeleteMedia1000(benchmark::State& state) {
    CCatalogue& catalogue = LoadedLargeCatalogue();
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<CMedia*> doomed = Doomed(catalogue);
        auto edit = std::make_unique<catalog::CatalogueEdit>(catalogue);
        state.ResumeTiming();
        edit->DeleteMedia(doomed);
        state.PauseTiming();
        edit->Undo();
        edit.reset();
        state.ResumeTiming();
    }
}

// undo = true times Undo (media come back), false times Redo (they go again).
void UndoOrRedo(benchmark::State& state, bool undo) {
    CCatalogue& catalogue = LoadedLargeCatalogue();
    catalog::CatalogueEdit edit(catalogue);
    edit.DeleteMedia(Doomed(catalogue));
    state.counters["held_MB"] = double(edit.Bytes()) / (1 << 20);
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            edit.Undo();
            state.ResumeTiming();
            edit.Redo();
        } else {
            edit.Undo();
            state.PauseTiming();
            edit.Redo();
            state.ResumeTiming();
        }
    }
    edit.Undo();
}

void BM_UndoDeleteMedia1000(benchmark::State& state) {
    UndoOrRedo(state, true);
}

void BM_RedoDeleteMedia1000(benchmark::State& state) {
    UndoOrRedo(state, false);
}

void BM_ExportCsv(benchmark::State& state) {
    const CCatalogue& catalogue = LoadedLargeCatalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(catalog::ExportCsv(catalogue).size());
}

BENCHMARK(BM_DeleteMedia1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoDeleteMedia1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoDeleteMedia1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
