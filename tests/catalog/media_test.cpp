#include "catalog/media.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;

namespace {

// Title and index of every track in list order, e.g. "B1".
std::vector<std::string> Layout(const CMedia& media) {
    std::vector<std::string> out;
    for (const CTrack& track : media.Tracks())
        out.push_back(std::string(track.Title()) + std::to_string(track.TrackIndex()));
    return out;
}

class MediaTracks : public ::testing::Test {
protected:
    // Tracks A, B, C numbered 1..3, lengths 1:00, 2:00, 3:00.
    void SetUp() override {
        media.AddTrack("A", 100, 0, TRACK_APPEND);
        media.AddTrack("B", 200, 0, TRACK_APPEND);
        media.AddTrack("C", 300, 0, TRACK_APPEND);
    }
    CMedia media;
};

TEST(LengthArithmetic, CarriesSecondsIntoMinutes) {
    EXPECT_EQ(catalog::AddLength(7530, 445), 8015u);
    EXPECT_EQ(catalog::AddLength(445, 90), 615u);
    EXPECT_EQ(catalog::SubtractLength(8015, 445), 7530u);
    EXPECT_EQ(catalog::SubtractLength(615, 90), 445u);
}

TEST(LengthArithmetic, SubtractingMoreThanTheTotalStopsAtZero) {
    EXPECT_EQ(catalog::SubtractLength(100, 101), 0u);
    EXPECT_EQ(catalog::SubtractLength(0, 0xFFFFFFFF), 0u);
}

TEST(LengthArithmetic, FormatsMinutesBeyondAnHour) {
    EXPECT_EQ(catalog::FormatLength(0), "0:00");
    EXPECT_EQ(catalog::FormatLength(405), "4:05");
    EXPECT_EQ(catalog::FormatLength(12345), "123:45");
}

TEST(Media, TotalFollowsTheSumWithCarry) {
    CMedia media;
    media.AddTrack("a", 445, 0, TRACK_APPEND);
    media.AddTrack("b", 90, 0, TRACK_APPEND);
    EXPECT_EQ(media.TotalLength(), 615u);
    EXPECT_EQ(media.TrackCount(), 2u);
}

TEST(Media, FirstTrackOfAnEmptyMediumGetsIndexOneWherever) {
    for (std::uint32_t position : {0u, 1u, 5u, TRACK_APPEND}) {
        CMedia media;
        media.AddTrack("X", 0, 0, position);
        EXPECT_THAT(Layout(media), ElementsAre("X1")) << position;
    }
}

TEST_F(MediaTracks, PositionZeroAndOnePutTheTrackFirst) {
    media.AddTrack("X", 0, 0, 0);
    media.AddTrack("Y", 0, 0, 1);
    EXPECT_THAT(Layout(media), ElementsAre("Y1", "X2", "A3", "B4", "C5"));
}

TEST_F(MediaTracks, PositionInsideInsertsBeforeThatTrack) {
    CTrack* added = media.AddTrack("X", 15, 7, 3);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "B2", "X3", "C4"));
    EXPECT_EQ(added->TrackIndex(), 3u);
    EXPECT_EQ(added->InterpreterIndex(), 7u);
    EXPECT_EQ(media.TotalLength(), 615u);
}

TEST_F(MediaTracks, PositionAtOrBeyondTheEndAppends) {
    media.AddTrack("X", 0, 0, 4);
    media.AddTrack("Y", 0, 0, 99);
    media.AddTrack("Z", 0, 0, TRACK_APPEND);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "B2", "C3", "X4", "Y5", "Z6"));
}

TEST_F(MediaTracks, DeleteRenumbersAndLowersTheTotal) {
    media.AddTrack("D", 45, 0, TRACK_APPEND);
    media.DeleteTrack(2);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "C2", "D3"));
    EXPECT_EQ(media.TotalLength(), 445u);
    media.DeleteTrack(9);
    EXPECT_EQ(media.TrackCount(), 3u);
}

TEST_F(MediaTracks, EditKeepsTheIndexAndAdjustsTheTotal) {
    CTrack* edited = media.EditTrack("Q", 1, 4, 2);
    ASSERT_NE(edited, nullptr);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "Q2", "C3"));
    EXPECT_EQ(media.TotalLength(), 401u);
    EXPECT_EQ(media.EditTrack("Z", 0, 0, 4), nullptr);
}

TEST_F(MediaTracks, MoveExchangesPlacesAndIndexesButKeepsRecords) {
    const CTrack* b = &*std::next(media.Tracks().begin());
    media.MoveTrack(2, true);
    EXPECT_THAT(Layout(media), ElementsAre("B1", "A2", "C3"));
    EXPECT_EQ(&media.Tracks().front(), b);
    media.MoveTrack(1, false);
    media.MoveTrack(2, false);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "C2", "B3"));
}

TEST_F(MediaTracks, MovesPastEitherEndChangeNothing) {
    media.MoveTrack(1, true);
    media.MoveTrack(3, false);
    media.MoveTrack(7, true);
    EXPECT_THAT(Layout(media), ElementsAre("A1", "B2", "C3"));
}

TEST_F(MediaTracks, IterationSurvivesDeletingTheNextTrack) {
    EXPECT_EQ(media.FirstTrack()->Title(), "A");
    media.DeleteTrack(2);
    const CTrack* next = media.NextTrack();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Title(), "C");
    EXPECT_EQ(media.NextTrack(), nullptr);
}

} // namespace
