// Every real-world file of the shared corpus loads, or is refused with a reason, quickly.

#include "emf/enh_metafile.h"
#include "emf/metafile_file.h"
#include "emf/record_types.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace emf {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    const fs::path root = KORVEL_CORPUS_DIR;
    if (!fs::is_directory(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        const bool metafile = ext == ".emf" || ext == ".wmf" || ext == ".EMF" || ext == ".WMF";
        if (entry.is_regular_file() && metafile) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void ExpectSoundPicture(const EnhMetaFile& p) {
    ASSERT_GE(p.Records().size(), 2u);
    EXPECT_EQ(p.Records().front().type, EMR_HEADER);
    EXPECT_EQ(p.Records().back().type, EMR_EOF);
    std::size_t offset = 0;
    for (const RecordView& r : p.Records()) {
        EXPECT_EQ(r.offset, offset);
        offset += r.size;
    }
    EXPECT_EQ(offset, p.Data().size());
}

// The picture's bytes, written to a file, read back as the same picture with nothing to note.
void ExpectRereads(const EnhMetaFile& p) {
    // One file per process: test runs of several build trees share the temporary folder.
    const std::string path =
        testing::TempDir() + "corpus_reread_" + std::to_string(::getpid()) + ".emf";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(p.Data().data()),
               static_cast<std::streamsize>(p.Data().size()));
    const test::ByteVector written = test::ReadFile(path);
    fs::remove(path);
    ASSERT_TRUE(std::equal(written.begin(), written.end(), p.Data().begin(), p.Data().end()));
    const PictureResult again = EnhMetaFile::FromBytes(written);
    ASSERT_TRUE(again) << again.error;
    EXPECT_EQ(again.picture->Records().size(), p.Records().size());
    EXPECT_TRUE(again.picture->Notes().damage.empty());
    EXPECT_EQ(again.picture->Notes().ignoredBytes, 0u);
}

TEST(Corpus, EveryFileLoadsSoundlyOrIsRefusedQuickly) {
    const std::vector<fs::path> files = CorpusFiles();
    if (files.empty()) GTEST_SKIP() << "no metafile corpus at " << KORVEL_CORPUS_DIR;
    int loaded = 0;
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.string());
        const test::ByteVector bytes = test::ReadFile(path.string());
        const auto start = std::chrono::steady_clock::now();
        const PictureResult r = ReadMetafileFile(bytes);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1) * KORVEL_SLOWDOWN);
        if (!r) {
            EXPECT_FALSE(r.error.empty());
            continue;
        }
        ++loaded;
        ExpectSoundPicture(*r.picture);
        ExpectRereads(*r.picture);
        if (ReadU32(bytes, 0) != EMR_HEADER) {
            EXPECT_EQ(r.picture->Header().nRecords, r.picture->Records().size());
            EXPECT_EQ(r.picture->Header().nBytes, r.picture->Data().size());
        }
    }
    EXPECT_GT(loaded, static_cast<int>(files.size() * 9 / 10));
}

} // namespace
} // namespace emf
