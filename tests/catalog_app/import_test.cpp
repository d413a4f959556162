#include "audio_files.h"
#include "catalogue_fixture.h"

#include "catalog_app/cli/command_line.h"
#include "catalog_app/exchange/csv_exchange.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_csv.h"
#include "catalog/file/catalogue_file.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::vector<std::byte> Bytes(CMELVARADoc& doc) {
    std::vector<std::byte> out;
    doc.Catalogue().Save(out);
    return out;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Import : public testing::Test {
protected:
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    CFakePrompts prompts;
    CMainFrame frame{&prompts};
};

TEST_F(Import, CsvGoesOutAndComesBackAsOneStep) {
    CCatalogue& c = frame.Document().Catalogue();
    c.Interpreters().FindOrAddInterpreter("Ann");
    AddMedium(c, "First", {405, 90});
    AddMedium(c, "No tracks");
    ASSERT_TRUE(frame.ExportCsv(File("out.csv")));
    const QByteArray exported = ReadAll(File("out.csv"));
    EXPECT_EQ(exported.toStdString(), catalog::ExportCsv(c));

    frame.NewCatalogue();
    ASSERT_TRUE(frame.ImportCsv(File("out.csv")));
    EXPECT_EQ(prompts.messages.back(), "Imported 2 media, 2 tracks and 1 new interpreters.");
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 2);
    EXPECT_EQ(frame.Actions().editUndo->text(), "&Undo Import CSV");
    EXPECT_TRUE(frame.isWindowModified());
    ASSERT_TRUE(frame.ExportCsv(File("again.csv")));
    EXPECT_EQ(ReadAll(File("again.csv")), exported);
    frame.Actions().editUndo->trigger();
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 0u);
    EXPECT_EQ(frame.Document().Catalogue().Interpreters().Count(), 0u);
}

TEST_F(Import, AMalformedCsvChangesNothingAndNamesItsLine) {
    AddMedium(frame.Document().Catalogue(), "Kept", {100});
    const auto before = Bytes(frame.Document());
    std::ofstream(File("bad.csv").toStdString())
        << "Title line 1,Length\r\nfine,1:00\r\nbroken,1:5\r\n";
    EXPECT_FALSE(frame.ImportCsv(File("bad.csv")));
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("line 3")));
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("\"1:5\" is not a length")));
    EXPECT_EQ(Bytes(frame.Document()), before);
    EXPECT_FALSE(frame.Actions().editUndo->isEnabled());
}

TEST_F(Import, TheCommandLineExportsWithoutAWindow) {
    CCatalogue c;
    AddMedium(c, "Album", {405});
    ASSERT_TRUE(catalog::SaveCatalogueFile(c, File("c.mvr").toStdString()).ok());
    std::ostringstream err;
    EXPECT_EQ(csv::RunExportCommand(File("c.mvr"), File("c.csv"), err), 0);
    EXPECT_EQ(ReadAll(File("c.csv")).toStdString(), catalog::ExportCsv(c));
    EXPECT_EQ(csv::RunExportCommand(File("missing.mvr"), File("x.csv"), err), 1);
    EXPECT_NE(err.str().find("missing.mvr"), std::string::npos);

    auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("melvara"));
        return ParseCommandLine(args, QStringLiteral("1"));
    };
    const StartRequest request = parse({"--export-csv", "c.mvr", "out.csv"});
    EXPECT_EQ(request.action, StartRequest::Action::ExportCsv);
    EXPECT_EQ(request.file, "c.mvr");
    EXPECT_EQ(request.csv, "out.csv");
    EXPECT_EQ(parse({"--export-csv", "c.mvr"}).action, StartRequest::Action::Fail);
}

TEST_F(Import, AFolderOfTaggedAudioFilesBecomesAMedium) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(File("Silence").toStdString());
    fs::create_directory(folder);
    testaudio::WriteWav(folder / "b.wav", 2600);
    testaudio::WriteFlac(folder / "a.flac", 300);
    testaudio::WriteWav(folder / "c.wav", 200);
    ASSERT_TRUE(testaudio::Tag(folder / "b.wav", {{"TITLE", "Second"},
                                                  {"ARTIST", "Bj\xC3\xB6rk"},
                                                  {"TRACKNUMBER", "2"},
                                                  {"ALBUM", "Quiet"}}));
    ASSERT_TRUE(testaudio::Tag(
        folder / "a.flac",
        {{"TITLE", "First"}, {"ARTIST", "Ann"}, {"TRACKNUMBER", "1"}, {"DATE", "2003"}}));
    std::ofstream(folder / "broken.mp3") << "not audio";
    frame.Document().Catalogue().Interpreters().FindOrAddInterpreter("ann");
    AddMedium(frame.Document().Catalogue(), "Already there");
    const auto before = Bytes(frame.Document());
    prompts.mediaSheet = [](CMediaSheetValues& v) {
        v.mediaType = 0; // the user makes it a CD
        return true;
    };
    ASSERT_TRUE(frame.ImportAudioFiles({File("Silence")}));
    ASSERT_EQ(prompts.sheetsShown.size(), 1u);
    EXPECT_EQ(prompts.sheetsShown[0].title1, "Quiet");
    EXPECT_EQ(prompts.sheetsShown[0].title2, "2003");
    EXPECT_EQ(prompts.sheetsShown[0].mediaType, 5);
    EXPECT_EQ(prompts.sheetsShown[0].trackCountText, "3");
    EXPECT_EQ(prompts.sheetsShown[0].totalText, "0:03");
    EXPECT_EQ(prompts.sheetsShown[0].indexText, "000001"); // the index it then gets

    const CMedia& m = *frame.Document().Catalogue().Media().FindMedia(1);
    EXPECT_EQ(m.MediaType(), 0);
    EXPECT_EQ(TrackTitles(m), (std::vector<std::string>{"c", "First", "Second"}));
    const CInterpreterList& names = frame.Document().Catalogue().Interpreters();
    EXPECT_EQ(std::next(m.Tracks().begin())->InterpreterIndex(), 0u); // "Ann" found as "ann"
    EXPECT_EQ(names.FindInterpreter(m.Tracks().back().InterpreterIndex())->Name(), "Bj\xF6rk");
    EXPECT_EQ(frame.Document().CurrentMedia(), &m);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("broken.mp3")));

    frame.Actions().editUndo->trigger();
    EXPECT_EQ(Bytes(frame.Document()), before);
}

TEST_F(Import, NoReadableAudioFileAddsNothing) {
    std::ofstream(File("x.mp3").toStdString()) << "not audio";
    EXPECT_FALSE(frame.ImportAudioFiles({File("x.mp3")}));
    EXPECT_TRUE(prompts.sheetsShown.empty());
    EXPECT_TRUE(prompts.messages.back().contains(QStringLiteral("x.mp3")));
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 0u);
}

} // namespace
