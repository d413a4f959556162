// Replays saved inputs through a fuzz target's entry point in an ordinary build, so the
// test suite (and its sanitizer build) catches a relapse of any fault fuzzing once found: a
// crash, a sanitizer's report, or an input that takes longer than KORVEL_REPLAY_SECONDS
// (default 10) as a hang once did.
//   replay FILE_OR_FOLDER...
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Inputs(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path p = argv[i];
        if (fs::is_regular_file(p)) files.push_back(p);
        if (!fs::is_directory(p)) continue;
        for (const auto& e : fs::directory_iterator(p))
            if (e.is_regular_file()) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    const char* limitText = std::getenv("KORVEL_REPLAY_SECONDS");
    const double limit = limitText ? std::atof(limitText) : 10;
    const std::vector<fs::path> files = Inputs(argc, argv);
    int slow = 0;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> chars((std::istreambuf_iterator<char>(in)), {});
        std::printf("%s\n", file.string().c_str());
        std::fflush(stdout); // the last name printed is the input that failed
        const auto start = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (took.count() > limit) {
            std::printf("  took %.1f s, more than %.0f s\n", took.count(), limit);
            ++slow;
        }
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() || slow > 0 ? 1 : 0;
}
