// What a Kelvane user waits for on a large picture: opening it, listing its records, saving
// what is seen, and the parameter list of a long record.

#include "emf/emf_builder.h"
#include "metaview/document/emf_data.h"
#include "metaview/document/record_format.h"
#include "metaview/export/command_line.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// About 24 MB: a million rectangles.
const std::vector<std::byte>& LargeEmf() {
    static const std::vector<std::byte> bytes = [] {
        emf::EmfBuilder b;
        for (int i = 0; i < 1'000'000; ++i)
            b.Rectangle({i % 1000, i % 700, i % 1000 + 5, i % 700 + 5});
        return b.Build();
    }();
    return bytes;
}

class CountingSink : public metaview::ByteSink {
public:
    bool Write(std::span<const std::byte> bytes) override {
        written += bytes.size();
        return true;
    }
    std::size_t written = 0;
};

void BM_OpenDocument(benchmark::State& state) {
    for (auto _ : state) {
        CEMFData data;
        std::string error;
        data.LoadFromArchive(LargeEmf(), error);
        benchmark::DoNotOptimize(data.RecordCount());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(LargeEmf().size()));
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

void BM_StoreWhatIsSeen(benchmark::State& state) {
    CEMFData data;
    std::string error;
    data.LoadFromArchive(LargeEmf(), error);
    for (std::size_t i = 0; i < data.RecordCount(); i += 2)
        data.SetPlayFlag(i, false);
    for (auto _ : state) {
        CountingSink sink;
        data.StoreToArchive(sink, false);
        benchmark::DoNotOptimize(sink.written);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(LargeEmf().size()));
}
BENCHMARK(BM_StoreWhatIsSeen)->Unit(benchmark::kMillisecond);

// The whole of "kelvane --records": read the file, load it, print a line a record.
void BM_ListRecords(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "kelvane-bench-records.emf";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(LargeEmf().data()),
               std::streamsize(LargeEmf().size()));
    const std::vector<std::string> args = {"--records", path.string()};
    for (auto _ : state) {
        std::ostringstream out, err;
        metaview::RunCommandLine(args, out, err);
        benchmark::DoNotOptimize(out.tellp());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * 1'000'002);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ListRecords)->Unit(benchmark::kMillisecond);

void BM_FormatParameters(benchmark::State& state) {
    std::vector<std::byte> record(8 + 4 * 4096, std::byte{0x41});
    record[4] = std::byte{0x08}, record[5] = std::byte{0x40}, record[6] = std::byte{0},
    record[7] = std::byte{0};
    std::vector<std::string> lines;
    const auto form = static_cast<metaview::ParameterForm>(state.range(0));
    for (auto _ : state) {
        FormatRecordParameters(record, form, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * 4096);
}
BENCHMARK(BM_FormatParameters)->Arg(0)->Arg(1)->Arg(2);

} // namespace

BENCHMARK_MAIN();
