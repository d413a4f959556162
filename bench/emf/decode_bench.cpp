// What users wait for when a metafile opens: validating and indexing its records, converting
// a WMF, and copying the picture's bytes for saving.

#include "emf/emf_builder.h"
#include "emf/enh_metafile.h"
#include "emf/metafile_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using ByteVector = std::vector<std::byte>;

// About 52 MB: a million 52-byte polylines of six points.
const ByteVector& LargePicture() {
    static const ByteVector bytes = [] {
        emf::EmfBuilder b;
        std::vector<emf::PointS> points(6);
        for (int i = 0; i < 1'000'000; ++i) {
            for (int k = 0; k < 6; ++k)
                points[k] = {static_cast<std::int16_t>((i + k) % 1000),
                             static_cast<std::int16_t>(k * 7)};
            b.Polyline16(points);
        }
        return b.Build();
    }();
    return bytes;
}

void BM_DecodeMillionRecords(benchmark::State& state) {
    const ByteVector& bytes = LargePicture();
    for (auto _ : state) {
        state.PauseTiming();
        ByteVector copy = bytes;
        state.ResumeTiming();
        const emf::PictureResult r = emf::EnhMetaFile::FromBytes(std::move(copy));
        benchmark::DoNotOptimize(r.picture->Records().size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["records"] = 1'000'002;
}
BENCHMARK(BM_DecodeMillionRecords)->Unit(benchmark::kMillisecond);

struct CorpusFile {
    std::string name;
    ByteVector bytes;
};

const std::vector<CorpusFile>& Corpus() {
    static const std::vector<CorpusFile> files = [] {
        std::vector<CorpusFile> out;
        const fs::path root = KORVEL_CORPUS_DIR;
        if (!fs::is_directory(root)) return out;
        for (const auto& e : fs::recursive_directory_iterator(root)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".emf" && ext != ".wmf")) continue;
            std::ifstream in(e.path(), std::ios::binary);
            const std::vector<char> chars((std::istreambuf_iterator<char>(in)), {});
            ByteVector bytes(chars.size());
            std::transform(chars.begin(), chars.end(), bytes.begin(),
                           [](char c) { return std::byte(c); });
            out.push_back({e.path().string(), std::move(bytes)});
        }
        return out;
    }();
    return files;
}

// Every corpus file, loaded (WMF converted) and, with copy set, its bytes copied for saving.
void LoadCorpus(benchmark::State& state, bool copy) {
    if (Corpus().empty()) return state.SkipWithError("no corpus at " KORVEL_CORPUS_DIR);
    double slowest = 0;
    std::string slowestName;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (const CorpusFile& f : Corpus()) {
            const auto start = std::chrono::steady_clock::now();
            const emf::PictureResult r = emf::ReadMetafileFile(f.bytes);
            if (copy && r) {
                ByteVector saved(r.picture->Data().begin(), r.picture->Data().end());
                benchmark::DoNotOptimize(saved.data());
            }
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            if (took.count() > slowest) slowest = took.count(), slowestName = f.name;
            bytes += static_cast<std::int64_t>(f.bytes.size());
        }
    }
    state.SetBytesProcessed(bytes);
    state.counters["files"] = static_cast<double>(Corpus().size());
    state.counters["slowest_us"] = slowest;
    state.SetLabel(fs::path(slowestName).filename().string());
}

void BM_LoadCorpus(benchmark::State& state) {
    LoadCorpus(state, false);
}
void BM_LoadCorpusAndCopyBytes(benchmark::State& state) {
    LoadCorpus(state, true);
}
BENCHMARK(BM_LoadCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCorpusAndCopyBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
