#include "catalog_app/command_line.h"

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

} // namespace
