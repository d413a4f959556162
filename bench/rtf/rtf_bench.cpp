// What the information page waits for: loading a medium's RTF and writing it back.

#include "rtf/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                           "{\\f1\\fcharset204 Arial Cyr;}}{\\colortbl;\\red255\\green0\\blue0;}";

// Paragraphs of notes with a few formatted words, as WordPad writes them.
QByteArray Notes(int paragraphs) {
    QByteArray rtf = kHeader;
    for (int i = 0; i < paragraphs; ++i)
        rtf += "\\pard\\li720 Track notes: \\b live\\b0  recording, \\i remastered\\i0 , "
               "M\\'fcnchen \\cf1 1998\\cf0 .\\par\r\n";
    return rtf + "}";
}

// One paragraph whose every word switches formatting and code page.
QByteArray Runs(int words) {
    QByteArray rtf = kHeader;
    for (int i = 0; i < words; ++i)
        rtf += "\\b a\\b0\\f1\\'e9\\f0 b";
    return rtf + "}";
}

void ReadBench(benchmark::State& state, const QByteArray& rtf) {
    for (auto _ : state) {
        QTextDocument doc;
        rtf::Read(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_ReadNotes(benchmark::State& state) {
    ReadBench(state, Notes(int(state.range(0))));
}
void BM_ReadRuns(benchmark::State& state) {
    ReadBench(state, Runs(int(state.range(0))));
}

void BM_WriteNotes(benchmark::State& state) {
    QTextDocument doc;
    rtf::Read(Notes(int(state.range(0))), doc);
    qint64 bytes = 0;
    for (auto _ : state)
        bytes += rtf::Write(doc).size();
    state.SetBytesProcessed(bytes);
}

BENCHMARK(BM_ReadNotes)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRuns)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteNotes)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
