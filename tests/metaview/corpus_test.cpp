// Real metafiles from the shared corpus; skipped where the corpus is not beside the project.

#include "metaview/document/emf_doc.h"
#include "metaview/export/command_line.h"

#include "emf/record_types.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using testing_metaview::CorpusDir;
using testing_metaview::ScratchDir;

struct CorpusFile {
    std::filesystem::path path;
    std::string format; // EMF, WMF-placeable, WMF-plain
};

std::vector<CorpusFile> Manifest() {
    std::vector<CorpusFile> files;
    std::ifstream in(CorpusDir() / "MANIFEST.tsv");
    std::string line;
    std::getline(in, line); // column names
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        CorpusFile f;
        std::string rel;
        std::getline(fields, rel, '\t');
        std::getline(fields, f.format, '\t');
        f.path = CorpusDir() / rel;
        files.push_back(f);
    }
    return files;
}

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string Output(std::vector<std::string> args) {
    std::ostringstream out, err;
    EXPECT_EQ(metaview::RunCommandLine(args, out, err), 0) << args[1] << ": " << err.str();
    return out.str();
}

// Every second record left out of the play list, then saved as seen and read back.
void ExpectSeenSaveIsSound(CEMFDoc& doc, const std::filesystem::path& out) {
    CEMFData& data = doc.Data();
    std::size_t kept = 0;
    for (std::size_t i = 1; i < data.RecordCount(); ++i) {
        data.SetPlayFlag(i, i % 2 == 0);
        const auto& entry = data.Entries()[i];
        kept += i % 2 == 0 && !entry.plus && entry.view.type != emf::EMR_EOF;
    }
    doc.m_bSaveCopy = false;
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(out, error)) << error;
    CEMFDoc back;
    ASSERT_TRUE(back.OnOpenDocument(out, error)) << error;
    const auto& notes = back.Data().Picture().Notes();
    EXPECT_FALSE(notes.recordCountDiffers || notes.byteCountDiffers || notes.eofAdded);
    EXPECT_EQ(back.Data().Picture().Records().size(), kept + 2);
    EXPECT_EQ(back.Data().Picture().Records().back().type, emf::EMR_EOF);
}

TEST(Corpus, EveryLoadableFileListsAndSavesSoundly) {
    if (CorpusDir().empty()) GTEST_SKIP() << "no corpus beside the project";
    ScratchDir dir;
    std::size_t loaded = 0, emfs = 0;
    for (const CorpusFile& f : Manifest()) {
        SCOPED_TRACE(f.path.string());
        CEMFDoc doc;
        std::string error;
        emfs += f.format == "EMF";
        if (!doc.OnOpenDocument(f.path, error)) continue;
        ++loaded;
        const std::size_t n = doc.Data().RecordCount();
        EXPECT_EQ(n, doc.Data().Entries().size()); // records and EMF+ records
        const std::string records = Output({"--records", f.path.string()});
        EXPECT_EQ(LineCount(records), n);
        EXPECT_EQ(records.rfind("0\tEMR_HEADER\t0\t", 0), 0u);
        EXPECT_NE(records.find("\tEMR_EOF\t13\t"), std::string::npos);
        const std::size_t info = LineCount(Output({"--info", f.path.string()}));
        EXPECT_TRUE(info == 18u || info == 20u) << info; // EMF+ pictures: version, resolution
        ExpectSeenSaveIsSound(doc, dir / "seen.emf");
    }
    EXPECT_GE(loaded, emfs * 9 / 10) << "most EMF files of the corpus load";
}

TEST(Corpus, ConvertedWmfReadsBackAsTheSameEmf) {
    if (CorpusDir().empty()) GTEST_SKIP() << "no corpus beside the project";
    ScratchDir dir;
    std::size_t converted = 0;
    for (const CorpusFile& f : Manifest()) {
        if (f.format.rfind("WMF", 0) != 0) continue;
        SCOPED_TRACE(f.path.string());
        CEMFDoc doc;
        std::string error;
        if (!doc.OnOpenDocument(f.path, error)) {
            if (error.find("not available") != std::string::npos)
                GTEST_SKIP() << "WMF conversion is not there yet";
            continue;
        }
        std::ostringstream out, err;
        const std::string target = (dir / "converted.emf").string();
        ASSERT_EQ(metaview::RunCommandLine({{"--convert", f.path.string(), target}}, out, err), 0)
            << err.str();
        CEMFDoc back;
        ASSERT_TRUE(back.OnOpenDocument(target, error)) << error;
        EXPECT_EQ(back.Data().RecordCount(), doc.Data().RecordCount());
        EXPECT_EQ(back.Data().Header().nRecords, back.Data().Picture().Records().size());
        ++converted;
    }
    EXPECT_GT(converted, 10u);
}

} // namespace
