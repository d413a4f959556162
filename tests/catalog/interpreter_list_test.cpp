#include "catalogue_builder.h"

#include "catalog/catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

std::vector<std::string> Entries(const CInterpreterList& list) {
    std::vector<std::string> out;
    for (const CInterpreter& entry : list)
        out.push_back(std::to_string(entry.InterpreterIndex()) + ":" + std::string(entry.Name()));
    return out;
}

// A catalogue whose interpreter list is exactly these (index, name) entries.
void LoadInterpreters(CCatalogue& catalogue,
                      std::initializer_list<std::pair<std::uint32_t, const char*>> entries) {
    FileBytes file;
    file.U32(CATALOGUE_SIGNATURE).U32(static_cast<std::uint32_t>(entries.size()));
    for (auto [index, name] : entries)
        file.U32(index).Text(name);
    file.U32(0);
    ASSERT_TRUE(catalogue.Load(file.Span()).ok());
}

TEST(InterpreterList, FindsExistingNamesIgnoringCaseAndOuterBlanks) {
    CInterpreterList list;
    CInterpreter* abba = list.FindOrAddInterpreter("ABBA");
    EXPECT_EQ(list.FindOrAddInterpreter(" \t abba\r\n\v\f"), abba);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(InterpreterList, CaseFoldingCoversOnlyAsciiLetters) {
    CInterpreterList list;
    list.FindOrAddInterpreter("\xC4rzte"); // Ä in Windows-1252
    list.FindOrAddInterpreter("\xE4rzte"); // ä is another name
    list.FindOrAddInterpreter("a@");
    list.FindOrAddInterpreter("a`"); // 0x40 and 0x60 differ here
    EXPECT_EQ(list.Count(), 4u);
}

TEST(InterpreterList, NewNamesAreTrimmedAndTakeTheLowestFreeIndex) {
    CCatalogue catalogue;
    LoadInterpreters(catalogue, {{0, "a"}, {1, "b"}, {3, "d"}});
    catalogue.Interpreters().FindOrAddInterpreter("  c  ");
    EXPECT_THAT(Entries(catalogue.Interpreters()), ElementsAre("0:a", "1:b", "2:c", "3:d"));
}

TEST(InterpreterList, WithoutIndexZeroTheNewEntryGoesFirst) {
    CCatalogue catalogue;
    LoadInterpreters(catalogue, {{1, "b"}, {2, "c"}});
    catalogue.Interpreters().FindOrAddInterpreter("a");
    EXPECT_THAT(Entries(catalogue.Interpreters()), ElementsAre("0:a", "1:b", "2:c"));
}

TEST(InterpreterList, DeletedIndexIsReusedAndTracksFollowIt) {
    CCatalogue catalogue;
    CInterpreterList& list = catalogue.Interpreters();
    for (auto name : {"a", "b", "c"})
        list.FindOrAddInterpreter(name);
    list.DeleteInterpreter(1);
    EXPECT_EQ(list.FindInterpreter(1), nullptr);
    EXPECT_EQ(list.FindOrAddInterpreter("new")->InterpreterIndex(), 1u);
    EXPECT_THAT(Entries(list), ElementsAre("0:a", "1:new", "2:c"));
}

TEST(InterpreterList, RenameStoresTheNameExactly) {
    CInterpreterList list;
    list.FindOrAddInterpreter("a");
    EXPECT_EQ(list.RenameInterpreter(0, "  Spaced ")->Name(), "  Spaced ");
    EXPECT_EQ(list.RenameInterpreter(4, "x"), nullptr);
}

TEST(InterpreterList, DuplicateIndexesFromAFileAreHandledByFirstEntry) {
    CCatalogue catalogue;
    LoadInterpreters(catalogue, {{2, "first"}, {0, "zero"}, {2, "second"}});
    CInterpreterList& list = catalogue.Interpreters();
    EXPECT_EQ(list.FindInterpreter(2)->Name(), "first");
    EXPECT_EQ(list.FindOrAddInterpreter("new")->InterpreterIndex(), 1u);
    list.DeleteInterpreter(2);
    EXPECT_THAT(Entries(list), ElementsAre("1:new", "0:zero"));
}

TEST(InterpreterList, IterationSurvivesDeletingTheNextEntry) {
    CInterpreterList list;
    for (auto name : {"a", "b", "c"})
        list.FindOrAddInterpreter(name);
    EXPECT_EQ(list.FirstInterpreter()->Name(), "a");
    list.DeleteInterpreter(1);
    EXPECT_EQ(list.NextInterpreter()->Name(), "c");
    EXPECT_EQ(list.NextInterpreter(), nullptr);
}

} // namespace
