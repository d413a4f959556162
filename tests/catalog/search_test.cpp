#include "catalog/catalogue.h"

#include <gtest/gtest.h>

#include <string>

using catalog::TextMatches;

namespace {

TEST(TextMatches, ComparesWithBit0x20Set) {
    EXPECT_TRUE(TextMatches("gold", "Gold Collection"));
    EXPECT_TRUE(TextMatches("GOLD", "golden"));
    EXPECT_TRUE(TextMatches("lect", "Gold Collection"));
    EXPECT_TRUE(TextMatches("@", "`"));
    EXPECT_TRUE(TextMatches("\xC4", "\xE4"));
    EXPECT_FALSE(TextMatches("silver", "Gold Collection"));
}

TEST(TextMatches, TextEndingBeforeTheQueryDoesNotMatch) {
    EXPECT_FALSE(TextMatches("c ", "abc"));
    EXPECT_FALSE(TextMatches("abcd", "abc"));
    EXPECT_TRUE(TextMatches("bc", "abc"));
}

TEST(TextMatches, EmptyTextNeverMatchesEmptyQueryMatchesTheRest) {
    EXPECT_FALSE(TextMatches("", ""));
    EXPECT_FALSE(TextMatches("a", ""));
    EXPECT_TRUE(TextMatches("", "x"));
}

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        CInterpreterList& names = catalogue.Interpreters();
        names.FindOrAddInterpreter("Someone");
        golden = names.FindOrAddInterpreter("GOLDEN")->InterpreterIndex();
        CMediaList& media = catalogue.Media();
        media.AddMedia("Gold Collection", "", 0, 0, {});
        media.AddTrack(0, "gold inside a matched medium", 0, golden, TRACK_APPEND);
        media.AddMedia("Other", "", 0, 0, {});
        media.AddTrack(1, "Plain", 0, 0, TRACK_APPEND);
        media.AddTrack(1, "Sung", 0, golden, TRACK_APPEND);
        media.AddTrack(1, "Nameless", 0, 77, TRACK_APPEND);
    }
    CCatalogue catalogue;
    std::uint32_t golden = 0;
};

TEST_F(Search, FindsMediaByTitleAndTracksByInterpreter) {
    const SearchResults& results = catalogue.Search("gold");
    ASSERT_EQ(results.mediaHitCount, 1u);
    EXPECT_EQ(results.mediaHits[0]->Title1(), "Gold Collection");
    // The matched medium's own tracks are not examined.
    ASSERT_EQ(results.trackHitCount, 1u);
    EXPECT_EQ(results.trackHits[0]->Title(), "Sung");
    EXPECT_EQ(results.trackHitMedia[0]->Title1(), "Other");
}

TEST_F(Search, TrackWithoutInterpreterEntryMatchesOnlyByTitle) {
    EXPECT_EQ(catalogue.Search("nameless").trackHitCount, 1u);
    catalogue.Interpreters().DeleteInterpreter(golden);
    EXPECT_EQ(catalogue.Search("golden").trackHitCount, 0u);
}

TEST_F(Search, EmptyQueryMakesEveryTitledMediumAHit) {
    catalogue.Media().AddMedia("", "", 0, 0, {});
    catalogue.Media().AddMedia("", "line two", 0, 0, {});
    const SearchResults& results = catalogue.Search("");
    EXPECT_EQ(results.mediaHitCount, 3u);
    EXPECT_EQ(results.trackHitCount, 0u);
}

TEST_F(Search, QueryEndsAtAZeroByte) {
    EXPECT_EQ(catalogue.Search(std::string_view("Gold\0xyz", 8)).mediaHitCount, 1u);
}

TEST_F(Search, EachSearchReplacesTheLastResults) {
    catalogue.Search("gold");
    const SearchResults& results = catalogue.Search("zzz");
    EXPECT_EQ(results.mediaHitCount, 0u);
    EXPECT_EQ(results.trackHitCount, 0u);
    EXPECT_EQ(results.mediaHits[0], nullptr);
}

TEST(SearchLimits, TrackHitsStopAt1024) {
    CCatalogue catalogue;
    for (int m = 0; m < 3; ++m) {
        catalogue.Media().AddMedia("medium", "", 0, 0, {});
        for (int t = 0; t < 500; ++t)
            catalogue.Media().AddTrack(m, "hit", 0, 0, TRACK_APPEND);
    }
    const SearchResults& results = catalogue.Search("HIT");
    EXPECT_EQ(results.trackHitCount, SEARCH_HIT_LIMIT);
    EXPECT_EQ(results.trackHitMedia[1023]->MediaIndex(), 2u);
    EXPECT_EQ(results.trackHits[1023]->TrackIndex(), 24u);
}

TEST(SearchLimits, MediaHitsStopAt1024AndEndTheSearch) {
    CCatalogue catalogue;
    for (int m = 0; m < 1100; ++m)
        catalogue.Media().AddMedia("x", "", 0, 0, {});
    catalogue.Media().AddTrack(1099, "x", 0, 0, TRACK_APPEND);
    const SearchResults& results = catalogue.Search("x");
    EXPECT_EQ(results.mediaHitCount, SEARCH_HIT_LIMIT);
    EXPECT_EQ(results.mediaHits[1023]->MediaIndex(), 1023u);
    EXPECT_EQ(results.trackHitCount, 0u);
}

TEST(SearchLimits, InterpreterIndexesWithGapsAreLookedUpCorrectly) {
    CCatalogue catalogue;
    CInterpreterList& names = catalogue.Interpreters();
    for (auto name : {"a0", "b1", "c2", "d3", "hit4"})
        names.FindOrAddInterpreter(name);
    names.DeleteInterpreter(1);
    names.DeleteInterpreter(2);
    catalogue.Media().AddMedia("m", "", 0, 0, {});
    for (std::uint32_t index : {0u, 1u, 3u, 4u, 5u, 0xFFFFFFFFu})
        catalogue.Media().AddTrack(0, "t", 0, index, TRACK_APPEND);
    const SearchResults& results = catalogue.Search("hit");
    ASSERT_EQ(results.trackHitCount, 1u);
    EXPECT_EQ(results.trackHits[0]->InterpreterIndex(), 4u);
}

} // namespace
