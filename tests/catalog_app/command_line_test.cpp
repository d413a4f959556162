#include "catalog_app/cli/command_line.h"

#include <gtest/gtest.h>

namespace {

StartRequest Parse(QStringList args) {
    args.prepend(QStringLiteral("melvara"));
    return ParseCommandLine(args, QStringLiteral("0.9.2.2"));
}

TEST(CommandLine, NoArgumentStartsANewCatalogueAndAFileIsOpened) {
    EXPECT_EQ(Parse({}).action, StartRequest::Action::Run);
    EXPECT_TRUE(Parse({}).file.isEmpty());
    const StartRequest open = Parse({QStringLiteral("music.mvr")});
    EXPECT_EQ(open.action, StartRequest::Action::Run);
    EXPECT_EQ(open.file, QStringLiteral("music.mvr"));
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindow) {
    const StartRequest help = Parse({QStringLiteral("--help")});
    EXPECT_EQ(help.action, StartRequest::Action::ShowHelp);
    EXPECT_TRUE(help.message.contains(QStringLiteral("--version")));
    const StartRequest version = Parse({QStringLiteral("--version")});
    EXPECT_EQ(version.action, StartRequest::Action::ShowVersion);
    EXPECT_EQ(version.message, QStringLiteral("Melvara 0.9.2.2"));
}

TEST(CommandLine, SearchNeedsACatalogueAndIsInTheHelp) {
    const StartRequest search =
        Parse({QStringLiteral("--search"), QStringLiteral("gold"), QStringLiteral("a.mvr")});
    EXPECT_EQ(search.action, StartRequest::Action::Search);
    EXPECT_EQ(search.searchText, QStringLiteral("gold"));
    EXPECT_EQ(search.file, QStringLiteral("a.mvr"));
    EXPECT_EQ(Parse({QStringLiteral("--search="), QStringLiteral("a.mvr")}).action,
              StartRequest::Action::Search);
    EXPECT_EQ(Parse({QStringLiteral("--search"), QStringLiteral("gold")}).action,
              StartRequest::Action::Fail);
    EXPECT_TRUE(Parse({QStringLiteral("--help")}).message.contains(QStringLiteral("--search")));
}

TEST(CommandLine, UnknownOptionsAndTwoFilesAreRefused) {
    EXPECT_EQ(Parse({QStringLiteral("--bogus")}).action, StartRequest::Action::Fail);
    EXPECT_EQ(Parse({QStringLiteral("a.mvr"), QStringLiteral("b.mvr")}).action,
              StartRequest::Action::Fail);
}

TEST(CommandLine, PrintLabelTakesItsOptionsAndNeedsMediaAndPdf) {
    const StartRequest r =
        Parse({"--print-label", "cat.mvr", "--media", "3,5,10-12", "--pdf", "out.pdf", "--form",
               "f.emf", "--margins", "1,2,3,4,5,6", "--cell", "2,3", "--paper", "Letter"});
    ASSERT_EQ(r.action, StartRequest::Action::PrintLabel);
    EXPECT_EQ(r.label.catalogue, "cat.mvr");
    EXPECT_EQ(r.label.media, "3,5,10-12");
    EXPECT_EQ(r.label.pdf, "out.pdf");
    EXPECT_EQ(r.label.form, "f.emf");
    EXPECT_EQ(r.label.margins, "1,2,3,4,5,6");
    EXPECT_EQ(r.label.cell, "2,3");
    EXPECT_EQ(r.label.paper, "Letter");
    EXPECT_EQ(Parse({"--print-label", "c.mvr", "--pdf", "o.pdf"}).action,
              StartRequest::Action::Fail);
    EXPECT_EQ(Parse({"--print-label", "c.mvr", "--media", "1"}).action, StartRequest::Action::Fail);
    // Label options without the command would silently do nothing.
    EXPECT_EQ(Parse({"--media", "1", "c.mvr"}).action, StartRequest::Action::Fail);
    EXPECT_TRUE(Parse({"--help"}).message.contains("--print-label"));
}

TEST(CommandLine, ScreenshotTakesItsFileAndAnOptionalCatalogue) {
    const StartRequest bare = Parse({"--screenshot", "shot.png"});
    EXPECT_EQ(bare.action, StartRequest::Action::Screenshot);
    EXPECT_EQ(bare.screenshot, "shot.png");
    EXPECT_TRUE(bare.file.isEmpty());
    EXPECT_EQ(Parse({"--screenshot", "shot.png", "music.mvr"}).file, "music.mvr");
    EXPECT_EQ(Parse({"--screenshot"}).action, StartRequest::Action::Fail);
}

} // namespace
