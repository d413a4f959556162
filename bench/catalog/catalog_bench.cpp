// What users wait for with a large collection: opening, saving, searching, adding.

#include "large_catalogue.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

std::string TempPath() {
    return (std::filesystem::temp_directory_path() / ("catalog-bench-" + std::to_string(getpid())))
        .string();
}

void BM_Load(benchmark::State& state) {
    const auto& bytes = LargeCatalogueFile();
    for (auto _ : state) {
        auto catalogue = std::make_unique<CCatalogue>();
        benchmark::DoNotOptimize(catalogue->Load(bytes));
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_LoadFile(benchmark::State& state) {
    const std::string path = TempPath();
    catalog::WriteFileAtomically(
        path, [](const catalog::ByteSink& sink) { return sink(LargeCatalogueFile()); });
    for (auto _ : state) {
        auto catalogue = std::make_unique<CCatalogue>();
        benchmark::DoNotOptimize(catalog::LoadCatalogueFile(*catalogue, path));
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
    std::remove(path.c_str());
}

// Encoding alone, into a sink that only counts.
void BM_Save(benchmark::State& state) {
    const CCatalogue& catalogue = LoadedLargeCatalogue();
    std::size_t total = 0;
    const catalog::ByteSink count = [&](std::span<const std::byte> bytes) {
        total += bytes.size();
        return true;
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.Save(count));
}

// Includes writing the temporary file, fsync and rename.
void BM_SaveFile(benchmark::State& state) {
    const CCatalogue& catalogue = LoadedLargeCatalogue();
    const std::string path = TempPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(catalog::SaveCatalogueFile(catalogue, path));
    std::remove(path.c_str());
}

void BM_SearchNothing(benchmark::State& state) {
    CCatalogue& catalogue = LoadedLargeCatalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.Search("qxqxq").trackHitCount);
}

// Stops at the 1024-hit cap, about a tenth into the catalogue.
void BM_SearchOnePercent(benchmark::State& state) {
    CCatalogue& catalogue = LoadedLargeCatalogue();
    for (auto _ : state) {
        const SearchResults& results = catalogue.Search("zanzibar");
        benchmark::DoNotOptimize(results.trackHitCount);
        state.counters["track_hits"] = results.trackHitCount;
    }
}

// The same bytes as a search that matches nothing, compared with a plain case-insensitive
// substring scan: titles of every medium and track, the interpreter name of every track.
void BM_BaselineScan(benchmark::State& state) {
    const CCatalogue& catalogue = LoadedLargeCatalogue();
    std::vector<std::string_view> names(kInterpreters);
    for (const CInterpreter& entry : catalogue.Interpreters())
        names[entry.InterpreterIndex()] = entry.Name();
    auto contains = [](std::string_view text) {
        auto fold = [](char a, char b) { return (a | 0x20) == (b | 0x20); };
        std::string_view query = "qxqxq";
        return std::search(text.begin(), text.end(), query.begin(), query.end(), fold) !=
               text.end();
    };
    for (auto _ : state) {
        std::size_t hits = 0;
        for (const CMedia& media : catalogue.Media()) {
            hits += contains(media.Title1()) + contains(media.Title2());
            for (const CTrack& track : media.Tracks())
                hits += contains(track.Title()) + contains(names[track.InterpreterIndex()]);
        }
        benchmark::DoNotOptimize(hits);
    }
}

// The new medium takes index 100000 at the end; deleting it again keeps the size.
void BM_AddMedia(benchmark::State& state) {
    CMediaList& media = LoadedLargeCatalogue().Media();
    for (auto _ : state) {
        CMedia* added = media.AddMedia("New Media Line 1", "New Media Line 2", 2, 0, {});
        benchmark::DoNotOptimize(added);
        state.PauseTiming();
        media.DeleteMedia(added->MediaIndex());
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNothing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOnePercent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMedia)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
