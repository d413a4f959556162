#include "temp_folder.h"

#include "catalog/file/catalogue_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using catalog::CatalogueStatus;

namespace {

void Fill(CCatalogue& catalogue, int media) {
    catalogue.Interpreters().FindOrAddInterpreter("Someone");
    for (int m = 0; m < media; ++m) {
        catalogue.Media().AddMedia("A medium with a title", "", 0, 0, std::string(300, 'x'));
        catalogue.Media().AddTrack(m, "A track", 305, 0, TRACK_APPEND);
    }
}

// Lets writes beyond `bytes` fail with EFBIG for the life of the object, as a full disk
// would in the middle of a save.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_Old);
        rlimit limited = m_Old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_Old); }

private:
    rlimit m_Old{};
};

TEST(CatalogueFile, SavedFileLoadsBack) {
    TempFolder folder;
    CCatalogue catalogue;
    Fill(catalogue, 3);
    ASSERT_TRUE(catalog::SaveCatalogueFile(catalogue, folder.File("a.mvr")).ok());
    CCatalogue loaded;
    ASSERT_TRUE(catalog::LoadCatalogueFile(loaded, folder.File("a.mvr")).ok());
    EXPECT_EQ(loaded.Media().Count(), 3u);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(CatalogueFile, WriteFailingPartWayKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("old.mvr");
    WriteFile(path, "the user's previous catalogue");
    CCatalogue catalogue;
    Fill(catalogue, 100);
    CatalogueStatus status;
    {
        FileSizeLimit limit(4096);
        status = catalog::SaveCatalogueFile(catalogue, path);
    }
    EXPECT_EQ(status.kind, CatalogueStatus::WriteError);
    EXPECT_EQ(status.Message(), "Error 13 while writing to the given file!");
    EXPECT_EQ(ReadFile(path), "the user's previous catalogue");
    EXPECT_EQ(folder.EntryCount(), 1u) << "the temporary file is left behind";
}

TEST(CatalogueFile, SinkFailingPartWayFailsTheSave) {
    CCatalogue catalogue;
    Fill(catalogue, 400);
    int calls = 0;
    const catalog::ByteSink failsSecondTime = [&](std::span<const std::byte>) {
        return ++calls < 2;
    };
    EXPECT_FALSE(catalogue.Save(failsSecondTime));
    EXPECT_EQ(calls, 2) << "nothing may be written after a failure";
}

TEST(CatalogueFile, ContentThatCannotBeProducedKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("old.mvr");
    WriteFile(path, "previous");
    CatalogueStatus status = catalog::WriteFileAtomically(path, [](const catalog::ByteSink& sink) {
        sink(std::as_bytes(std::span("partial", 7)));
        return false;
    });
    EXPECT_EQ(status.kind, CatalogueStatus::WriteError);
    EXPECT_EQ(ReadFile(path), "previous");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(CatalogueFile, ReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    const std::string path = folder.File("shared.mvr");
    WriteFile(path, "old");
    chmod(path.c_str(), 0640);
    CCatalogue catalogue;
    ASSERT_TRUE(catalog::SaveCatalogueFile(catalogue, path).ok());
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFile(path).size(), 12u);
}

TEST(CatalogueFile, SavingThroughALinkReplacesItsTarget) {
    TempFolder folder;
    WriteFile(folder.File("real.mvr"), "old");
    std::filesystem::create_symlink("real.mvr", folder.File("link.mvr"));
    CCatalogue catalogue;
    ASSERT_TRUE(catalog::SaveCatalogueFile(catalogue, folder.File("link.mvr")).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.mvr")));
    EXPECT_EQ(ReadFile(folder.File("real.mvr")).size(), 12u);
}

TEST(CatalogueFile, MissingFolderIsAWriteError) {
    TempFolder folder;
    CCatalogue catalogue;
    CatalogueStatus status = catalog::SaveCatalogueFile(catalogue, folder.File("no/such.mvr"));
    EXPECT_EQ(status.Message(), "Error 2 while writing to the given file!");
}

TEST(CatalogueFile, SavingOverAFolderFailsAndLeavesNothingBehind) {
    TempFolder folder;
    std::filesystem::create_directories(folder.File("taken/inner"));
    CCatalogue catalogue;
    EXPECT_FALSE(catalog::SaveCatalogueFile(catalogue, folder.File("taken")).ok());
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(CatalogueFile, UnreadablePathsAreReadErrors) {
    TempFolder folder;
    CCatalogue catalogue;
    EXPECT_EQ(catalog::LoadCatalogueFile(catalogue, folder.File("none.mvr")).Message(),
              "Error 2 while reading from the given file!");
    std::filesystem::create_directory(folder.File("dir.mvr"));
    EXPECT_EQ(catalog::LoadCatalogueFile(catalogue, folder.File("dir.mvr")).Message(),
              "Error 6 while reading from the given file!");
}

// The sample catalogue is what a new user opens first: it must load and show sound lengths.
TEST(CatalogueFile, TheSampleCatalogueLoadsWithSecondsBelowSixty) {
    CCatalogue sample;
    ASSERT_TRUE(
        catalog::LoadCatalogueFile(sample, KORVEL_TEST_DATA_DIR "/../../examples/sample.mvr").ok());
    EXPECT_EQ(sample.Media().Count(), 36u);
    for (const CMedia& media : sample.Media())
        for (const CTrack& track : media.Tracks())
            EXPECT_LT(track.Length() % 100, 60u) << media.Title1() << " / " << track.Title();
}

} // namespace
