#include "catalogue_builder.h"

#include "catalog/catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;

namespace {

std::vector<std::uint32_t> Indexes(const CMediaList& list) {
    std::vector<std::uint32_t> out;
    for (const CMedia& media : list)
        out.push_back(media.MediaIndex());
    return out;
}

void AddNamed(CMediaList& list, std::string_view title) {
    list.AddMedia(title, "", 0, 0, {});
}

// A catalogue holding media with exactly these indexes, in this (possibly damaged) order.
void LoadMedia(CCatalogue& catalogue, std::initializer_list<std::uint32_t> indexes) {
    FileBytes file;
    file.U32(CATALOGUE_SIGNATURE).U32(0).U32(static_cast<std::uint32_t>(indexes.size()));
    for (std::uint32_t index : indexes)
        file.Medium(0, std::to_string(index), index);
    ASSERT_TRUE(catalogue.Load(file.Span()).ok());
}

TEST(MediaList, AddTakesTheLowestFreeIndexInOrder) {
    CMediaList list;
    for (auto title : {"a", "b", "c"})
        AddNamed(list, title);
    list.DeleteMedia(1);
    CMedia* added = list.AddMedia("d", "e", 3, 1234, "{\\rtf1}");
    EXPECT_THAT(Indexes(list), ElementsAre(0, 1, 2));
    EXPECT_EQ(std::next(list.begin())->Title1(), "d");
    EXPECT_EQ(added->MediaType(), 3);
    EXPECT_EQ(added->CreationTime(), 1234);
    EXPECT_EQ(added->Information(), "{\\rtf1}");
}

TEST(MediaList, NewIndexGoesBeforeTheFirstGreaterOneWhateverTheGapsAndRepeats) {
    struct Case {
        std::initializer_list<std::uint32_t> before;
        std::vector<std::uint32_t> after;
    };
    const Case cases[] = {
        {{0, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}},
        {{0, 1, 2, 3, 5}, {0, 1, 2, 3, 4, 5}},
        {{0, 0, 2}, {0, 0, 1, 2}},
        {{1, 9, 9}, {0, 1, 9, 9}},
        {{0, 1}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        CCatalogue catalogue;
        LoadMedia(catalogue, c.before);
        catalogue.Media().AddMedia("new", "", 0, 0, {});
        EXPECT_EQ(Indexes(catalogue.Media()), c.after);
    }
}

TEST(MediaList, MoveIntoAGapChangesOnlyTheIndex) {
    CCatalogue catalogue;
    LoadMedia(catalogue, {0, 2, 3});
    CMediaList& list = catalogue.Media();
    list.MoveMedia(2, false);
    list.MoveMedia(3, true);
    EXPECT_THAT(Indexes(list), ElementsAre(0, 1, 4));
    EXPECT_EQ(std::next(list.begin())->Title1(), "2");
}

TEST(MediaList, MoveExchangesWithTheNeighbourAndKeepsRecords) {
    CMediaList list;
    for (auto title : {"a", "b", "c"})
        AddNamed(list, title);
    CMedia* b = list.FindMedia(1);
    list.MoveMedia(1, true);
    EXPECT_EQ(b->MediaIndex(), 2u);
    EXPECT_EQ(&*std::prev(list.end()), b);
    list.MoveMedia(1, false);
    EXPECT_THAT(Indexes(list), ElementsAre(0, 1, 2));
    EXPECT_EQ(list.begin()->Title1(), "c");
}

TEST(MediaList, MovesThatHaveNowhereToGoChangeNothing) {
    CCatalogue catalogue;
    LoadMedia(catalogue, {0, 0xFFFFFFFF});
    CMediaList& list = catalogue.Media();
    list.MoveMedia(0, false);
    list.MoveMedia(0xFFFFFFFF, true);
    list.MoveMedia(7, true);
    EXPECT_THAT(Indexes(list), ElementsAre(0, 0xFFFFFFFF));
}

TEST(MediaList, KeyedOperationsOnAMissingIndexDoNothing) {
    CMediaList list;
    AddNamed(list, "a");
    EXPECT_EQ(list.EditMedia(5, "x", "y", 0, 0, {}), nullptr);
    EXPECT_EQ(list.AddTrack(5, "t", 100, 0, TRACK_APPEND), nullptr);
    EXPECT_EQ(list.EditTrack(0, "t", 100, 0, 1), nullptr);
    list.DeleteMedia(5);
    list.DeleteTrack(5, 1);
    list.MoveTrack(5, 1, true);
    EXPECT_EQ(list.FirstTrackOf(5), nullptr);
    EXPECT_EQ(list.NextTrack(), nullptr);
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.begin()->TrackCount(), 0u);
}

TEST(MediaList, EditKeepsIndexAndTracks) {
    CMediaList list;
    AddNamed(list, "a");
    list.AddTrack(0, "t", 130, 0, TRACK_APPEND);
    CMedia* edited = list.EditMedia(0, "x", "y", 6, 99, "info");
    EXPECT_EQ(edited->Title1(), "x");
    EXPECT_EQ(edited->MediaIndex(), 0u);
    EXPECT_EQ(edited->TotalLength(), 130u);
    EXPECT_EQ(edited->TrackCount(), 1u);
}

// A damaged file may repeat and disorder indexes; adding must still give an unused one.
TEST(MediaList, DamagedOrderStillGetsAnUnusedIndex) {
    CCatalogue catalogue;
    LoadMedia(catalogue, {1, 0, 0, 3});
    catalogue.Media().AddMedia("new", "", 0, 0, {});
    catalogue.Media().AddMedia("newer", "", 0, 0, {});
    EXPECT_THAT(Indexes(catalogue.Media()), ElementsAre(1, 0, 0, 2, 3, 4));
    EXPECT_EQ(catalogue.Media().FindMedia(0)->Title1(), "0");
}

TEST(MediaList, IterationsSurviveDeletingTheirMedia) {
    CMediaList list;
    for (auto title : {"a", "b", "c"})
        AddNamed(list, title);
    list.AddTrack(0, "t", 0, 0, TRACK_APPEND);
    ASSERT_EQ(list.FirstMedia()->Title1(), "a");
    EXPECT_NE(list.FirstTrackOfCurrent(), nullptr);
    list.DeleteMedia(0);
    list.DeleteMedia(1);
    EXPECT_EQ(list.NextTrack(), nullptr);
    EXPECT_EQ(list.FirstTrackOfCurrent(), nullptr);
    EXPECT_EQ(list.NextMedia()->Title1(), "c");
    EXPECT_EQ(list.NextMedia(), nullptr);
}

TEST(MediaList, TrackIterationOfAKeyedMedium) {
    CMediaList list;
    AddNamed(list, "a");
    AddNamed(list, "b");
    list.AddTrack(1, "one", 0, 0, TRACK_APPEND);
    list.AddTrack(1, "two", 0, 0, TRACK_APPEND);
    EXPECT_EQ(list.FirstTrackOf(1)->Title(), "one");
    EXPECT_EQ(list.NextTrack()->Title(), "two");
    EXPECT_EQ(list.NextTrack(), nullptr);
    EXPECT_EQ(list.FirstTrackOf(0), nullptr);
}

} // namespace
