// What a user waits for when choosing a label sheet: reading every gLabels template on the
// machine (the first "Sheet product..." of a run, every --list-sheets and --sheet), and
// narrowing the list with each key typed.
#include "labels/sheets/sheet_database.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

const sheets::SheetDatabase& Loaded() {
    static const sheets::SheetDatabase db = [] {
        sheets::SheetDatabase loaded;
        loaded.Load(sheets::SheetDatabase::DefaultFolders());
        return loaded;
    }();
    return db;
}

void LoadAllTemplates(benchmark::State& state) {
    std::size_t products = 0;
    for (auto _ : state) {
        sheets::SheetDatabase db;
        db.Load(sheets::SheetDatabase::DefaultFolders());
        products = db.Products().size();
        benchmark::DoNotOptimize(products);
    }
    if (products == 0) state.SkipWithError("no gLabels templates installed (glabels-data)");
    state.counters["products"] = double(products);
}
BENCHMARK(LoadAllTemplates)->Unit(benchmark::kMillisecond);

void Filter(benchmark::State& state, const char* text) {
    const sheets::SheetDatabase& db = Loaded();
    if (db.IsEmpty()) state.SkipWithError("no gLabels templates installed (glabels-data)");
    const QString query = QString::fromLatin1(text);
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = db.Filter(query).size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK_CAPTURE(Filter, everything, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Filter, one_letter, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Filter, brand, "avery")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Filter, brand_and_word, "avery cd")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Filter, nothing, "no such product")->Unit(benchmark::kMicrosecond);

void FindByName(benchmark::State& state) {
    const sheets::SheetDatabase& db = Loaded();
    if (db.IsEmpty()) state.SkipWithError("no gLabels templates installed (glabels-data)");
    for (auto _ : state)
        benchmark::DoNotOptimize(db.Find(QStringLiteral("Zweckform L7760")));
}
BENCHMARK(FindByName)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
