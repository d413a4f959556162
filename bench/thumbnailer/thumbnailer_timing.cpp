// Runs the thumbnailer entry's command on every corpus file, as a file manager would, and
// reports whole-process wall time and peak memory beside that of `kelvane --version`, the
// least a start of the program costs: thumbnailer_timing [SIZE]
#include "corpus_files.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    double cpuSeconds = 0; ///< user and system: what a shared machine's load does not inflate
    long peakKb = 0;
    int status = -1;
};

// The Exec line with its placeholders filled; the program is the built one.
QStringList Command(const QString& input, const QString& output, int size) {
    QFile entry(QStringLiteral(KORVEL_THUMBNAILER));
    if (!entry.open(QIODevice::ReadOnly)) return {};
    QStringList args;
    for (const QString& line : QString::fromUtf8(entry.readAll()).split('\n'))
        if (line.startsWith("Exec=")) args = line.mid(5).split(' ', Qt::SkipEmptyParts);
    if (args.isEmpty()) return {};
    args[0] = QStringLiteral(THUMBNAILER_EXE);
    for (QString& arg : args)
        arg = arg == "%i"   ? input
              : arg == "%o" ? output
              : arg == "%s" ? QString::number(size)
                            : arg;
    return args;
}

Run Spawn(const QStringList& command) {
    std::vector<QByteArray> bytes;
    for (const QString& arg : command)
        bytes.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        rusage usage{};
        wait4(pid, &run.status, 0, &usage);
        run.peakKb = usage.ru_maxrss;
        const auto secs = [](timeval t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
        run.cpuSeconds = secs(usage.ru_utime) + secs(usage.ru_stime);
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The best of three runs: the machine is shared.
Run Best(const QStringList& command) {
    Run best{1e9, 1e9, 0, -1};
    for (int i = 0; i < 3; ++i) {
        const Run run = Spawn(command);
        if (run.seconds < best.seconds)
            best = Run{run.seconds, best.cpuSeconds, run.peakKb, run.status};
        best.cpuSeconds = std::min(best.cpuSeconds, run.cpuSeconds);
    }
    return best;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

} // namespace

int main(int argc, char** argv) {
    const int size = argc > 1 ? std::atoi(argv[1]) : 256;
    if (emf::corpus::Folder().isEmpty()) {
        std::puts("thumbnailer_timing: ../shared/corpus is not here");
        return 0;
    }
    QTemporaryDir dir;
    std::vector<double> times;
    long peakKb = 0;
    int failed = 0;
    QString slowest;
    std::vector<double> versionTimes, versionCpu, cpu;
    for (const emf::corpus::Entry& e : emf::corpus::Entries()) {
        const QString input = emf::corpus::Folder() + '/' + e.file;
        // Interleaved, so that both see the same load on the machine.
        const Run version = Best({QStringLiteral(KELVANE_EXE), "--version"});
        versionTimes.push_back(version.seconds);
        versionCpu.push_back(version.cpuSeconds);
        const Run best = Best(Command(input, dir.filePath("t.png"), size));
        cpu.push_back(best.cpuSeconds);
        if (!times.empty() && best.seconds > *std::max_element(times.begin(), times.end()))
            slowest = e.file;
        times.push_back(best.seconds);
        peakKb = std::max(peakKb, best.peakKb);
        failed += !(WIFEXITED(best.status) && WEXITSTATUS(best.status) == 0);
    }
    if (times.empty()) return 0;
    const auto over = [&](double limit) {
        return long(std::count_if(times.begin(), times.end(), [&](double t) { return t > limit; }));
    };
    std::printf("thumbnails of %zu corpus files at %d px (%d refused): median %.3f s, "
                "90th percentile %.3f s, slowest %.3f s (%s), %ld over 0.1 s, %ld over 0.3 s; "
                "peak memory %ld MB\n",
                times.size(), size, failed, Percentile(times, 0.5), Percentile(times, 0.9),
                Percentile(times, 1.0), qPrintable(slowest), over(0.1), over(0.3), peakKb / 1024);
    const double version = Percentile(versionTimes, 0.5);
    std::printf("kelvane --version: median %.3f s; median thumbnail / --version: %.2f\n", version,
                Percentile(times, 0.5) / version);
    std::printf("processor time: thumbnail median %.4f s, --version median %.4f s, ratio %.2f\n",
                Percentile(cpu, 0.5), Percentile(versionCpu, 0.5),
                Percentile(cpu, 0.5) / Percentile(versionCpu, 0.5));
    return 0;
}
