#include "catalogue_builder.h"

#include "catalog/catalogue.h"
#include "catalog/catalogue_edit.h"
#include "catalog/file/clipboard_format.h"
#include "catalog/file/clipboard_paste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

using namespace catalog;

namespace {

// Local time is part of the text layout: pin it for the test.
class UtcZone : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_Old = tz ? tz : "";
        m_HadTz = tz != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override {
        if (m_HadTz)
            setenv("TZ", m_Old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string m_Old;
    bool m_HadTz = false;
};

using ClipboardLayout = UtcZone;

TEST_F(ClipboardLayout, ATrackRecordIsLengthSizesAndTerminatedTexts) {
    const TrackClip clip{445, "Blue", "Nina"};
    FileBytes expected;
    expected.U32(445).U32(5).U32(5).Raw(std::string_view("Blue\0Nina\0", 10));
    EXPECT_EQ(EncodeTrackClip(clip), expected.Bytes());
    EXPECT_EQ(TrackClipText(clip), "000445\tBlue\tNina\n");
}

TEST_F(ClipboardLayout, AMediumWithoutTracksOrInformationIsHeaderAndTitles) {
    const MediaClip clip{"Gold", "", 86400 + 3661, 3, 4512, {}, {}};
    const std::vector<std::byte> block = EncodeMediaClip(clip);
    FileBytes expected;
    expected.U32(0).U32(5).U32(1).U32(90061).U32(3).U32(4512).U32(0);
    expected.Raw(std::string_view("Gold\0\0", 6));
    EXPECT_EQ(block, expected.Bytes());
    EXPECT_EQ(block.size(), MEDIA_CLIP_HEADER_SIZE + 5 + 1);
    EXPECT_EQ(MediaClipText(clip), "004512\tGold\t\t1970-01-02, 01:01:01\t3\n");
}

TEST_F(ClipboardLayout, AMediumCarriesItsInformationThenOneRecordPerTrack) {
    CCatalogue catalogue;
    const std::uint32_t nina =
        catalogue.Interpreters().FindOrAddInterpreter("Nina")->InterpreterIndex();
    CMedia* media = catalogue.Media().AddMedia("A", "B", 5, 0, "{\\rtf1 x}");
    media->AddTrack("One", 340, nina, TRACK_APPEND);
    media->AddTrack("Two", 250, 42, TRACK_APPEND); // an interpreter that no longer exists
    const MediaClip clip = MediaClipOf(*media, catalogue.Interpreters());
    ASSERT_EQ(clip.tracks.size(), 2u);
    EXPECT_EQ(clip.tracks[1].interpreter, "");
    EXPECT_EQ(clip.totalLength, 630u);

    FileBytes expected;
    expected.U32(2).U32(2).U32(2).U32(0).U32(5).U32(630).U32(9);
    expected.Raw(std::string_view("A\0B\0", 4)).Raw("{\\rtf1 x}");
    expected.U32(340).U32(4).U32(5).Raw(std::string_view("One\0Nina\0", 9));
    expected.U32(250).U32(4).U32(1).Raw(std::string_view("Two\0\0", 5));
    EXPECT_EQ(EncodeMediaClip(clip), expected.Bytes());
    EXPECT_EQ(MediaClipText(clip),
              "000630\tA\tB\t1970-01-01, 00:00:00\t5\n000340\tOne\tNina\n000250\tTwo\t\n");

    const std::optional<MediaClip> back = DecodeMediaClip(expected.Span());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title2, "B");
    EXPECT_EQ(back->information, "{\\rtf1 x}");
    EXPECT_EQ(back->tracks[0].interpreter, "Nina");
    EXPECT_EQ(back->tracks[1].length, 250u);
}

TEST(ClipboardDecode, EveryShortenedBlockIsRefused) {
    const MediaClip clip{"Title", "Second", 7, 1, 0, "info", {{100, "t", "n"}, {200, "u", ""}}};
    const std::vector<std::byte> block = EncodeMediaClip(clip);
    ASSERT_TRUE(DecodeMediaClip(block));
    for (std::size_t size = 0; size < block.size(); ++size)
        EXPECT_FALSE(DecodeMediaClip(std::span(block).first(size))) << size;
    const std::vector<std::byte> track = EncodeTrackClip(clip.tracks[0]);
    for (std::size_t size = 0; size < track.size(); ++size)
        EXPECT_FALSE(DecodeTrackClip(std::span(track).first(size))) << size;
}

TEST(ClipboardDecode, SizesAndCountsBeyondTheBlockAreRefused) {
    FileBytes hugeCount; // four billion tracks announced in a 36-byte block
    hugeCount.U32(0xFFFFFFFF)
        .U32(1)
        .U32(1)
        .U32(0)
        .U32(0)
        .U32(0)
        .U32(0)
        .Raw(std::string_view("\0\0", 2));
    EXPECT_FALSE(DecodeMediaClip(hugeCount.Span()));
    FileBytes hugeTitle;
    hugeTitle.U32(0).U32(0xFFFFFFFF).U32(1).U32(0).U32(0).U32(0).U32(0).Raw("abc");
    EXPECT_FALSE(DecodeMediaClip(hugeTitle.Span()));
    FileBytes hugeInformation;
    hugeInformation.U32(0).U32(1).U32(1).U32(0).U32(0).U32(0).U32(0xFFFFFFF0);
    hugeInformation.Raw(std::string_view("\0\0", 2));
    EXPECT_FALSE(DecodeMediaClip(hugeInformation.Span()));
    FileBytes hugeName;
    hugeName.U32(100).U32(1).U32(0xFFFFFFFF).Raw(std::string_view("\0", 1));
    EXPECT_FALSE(DecodeTrackClip(hugeName.Span()));
}

TEST(ClipboardList, EachBlockFollowsItsSizeAndADamagedOneRefusesTheList) {
    const std::vector<TrackClip> tracks{{100, "a", "n"}, {200, "bb", ""}, {300, "c", "m"}};
    std::vector<std::byte> list = EncodeTrackClipList(tracks);
    const std::vector<std::byte> first = EncodeTrackClip(tracks[0]);
    ASSERT_EQ(list.size(), 3 * 4 + first.size() + EncodeTrackClip(tracks[1]).size() +
                               EncodeTrackClip(tracks[2]).size());
    EXPECT_EQ(list[0], std::byte(first.size()));
    EXPECT_TRUE(std::equal(first.begin(), first.end(), list.begin() + 4));
    const auto back = DecodeTrackClipList(list);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 3u);
    EXPECT_EQ(back->at(1).title, "bb");
    EXPECT_EQ(back->at(2).length, 300u);

    list.insert(list.end(), 7, std::byte{0}); // padded by the clipboard
    EXPECT_EQ(DecodeTrackClipList(list)->size(), 3u);
    for (std::size_t size = 1; size < 4 + first.size(); ++size)
        EXPECT_FALSE(DecodeTrackClipList(std::span(list).first(size))) << size;
    EXPECT_FALSE(DecodeTrackClipList({}));

    const MediaClip media{"T", "S", 7, 1, 0, "", {{100, "t", "n"}}};
    const auto two = DecodeMediaClipList(EncodeMediaClipList({media, media}));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->at(1).tracks.at(0).title, "t");
}

TEST(ClipboardDecode, TextsEndAtTheirFirstZeroAndTrailingBytesAreIgnored) {
    FileBytes record;
    record.U32(100).U32(6).U32(3).Raw(std::string_view("ab\0cd\0xyz", 9)).Raw("padding");
    const std::optional<TrackClip> clip = DecodeTrackClip(record.Span());
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->title, "ab");
    EXPECT_EQ(clip->interpreter, "xyz"); // a text without its zero still ends with its size
    EXPECT_EQ(EncodeTrackClip(*clip).size(), TRACK_CLIP_HEADER_SIZE + 3 + 4);
}

class Paste : public ::testing::Test {
protected:
    CCatalogue source;
    CMedia* copied = nullptr;
    void SetUp() override {
        CInterpreterList& names = source.Interpreters();
        const std::uint32_t nina = names.FindOrAddInterpreter("Nina")->InterpreterIndex();
        const std::uint32_t otto = names.FindOrAddInterpreter("Otto")->InterpreterIndex();
        source.Media().AddMedia("first", "", 0, 0, {});
        copied = source.Media().AddMedia("Gold", "Best of", 4, 123456, "{\\rtf1 i}");
        copied->AddTrack("a", 40, nina, TRACK_APPEND);
        copied->AddTrack("b", 40, otto, TRACK_APPEND);
        copied->AddTrack("c", 40, nina, TRACK_APPEND);
    }
    MediaClip Copy() const {
        return *DecodeMediaClip(EncodeMediaClip(MediaClipOf(*copied, source.Interpreters())));
    }
};

TEST_F(Paste, IntoTheSameCatalogueMakesASecondMediumAndNoInterpreter) {
    source.Media().DeleteMedia(0); // leaves a gap the paste fills
    catalog::CatalogueEdit edit(source);
    const CMedia* pasted = PasteMedia(edit, Copy());
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->MediaIndex(), 0u);
    EXPECT_EQ(pasted->Title1(), "Gold");
    EXPECT_EQ(pasted->Title2(), "Best of");
    EXPECT_EQ(pasted->MediaType(), 4);
    EXPECT_EQ(pasted->CreationTime(), 123456);
    EXPECT_EQ(pasted->Information(), "{\\rtf1 i}");
    std::vector<std::uint32_t> indexes, interpreters, original;
    for (const CTrack& track : pasted->Tracks()) {
        indexes.push_back(track.TrackIndex());
        interpreters.push_back(track.InterpreterIndex());
    }
    for (const CTrack& track : copied->Tracks())
        original.push_back(track.InterpreterIndex());
    EXPECT_EQ(indexes, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(interpreters, original);
    EXPECT_EQ(source.Interpreters().Count(), 2u);
}

TEST_F(Paste, IntoAnotherCatalogueMatchesInterpretersByNameAndRecomputesTheTotal) {
    CCatalogue target;
    const std::uint32_t existing =
        target.Interpreters().FindOrAddInterpreter("  OTTO ")->InterpreterIndex();
    target.Interpreters().FindOrAddInterpreter("Zed");
    MediaClip clip = Copy();
    clip.totalLength = 9999; // disagrees with the tracks
    clip.tracks.resize(2);
    catalog::CatalogueEdit edit(target);
    const CMedia* pasted = PasteMedia(edit, clip);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->TotalLength(), 120u);       // 0:40 + 0:40 is 1:20
    EXPECT_EQ(target.Interpreters().Count(), 3u); // Nina added once, Otto reused
    EXPECT_EQ(std::next(pasted->Tracks().begin())->InterpreterIndex(), existing);
    EXPECT_EQ(
        target.Interpreters().FindInterpreter(pasted->Tracks().begin()->InterpreterIndex())->Name(),
        "Nina");
}

TEST_F(Paste, ATrackGoesWhereTheCurrentTrackWasOrAtTheEnd) {
    CMedia& media = *copied;
    const TrackClip clip{345, "new", "nina"};
    // Track 2 current: position is its row + 1, so the pasted track becomes 2.
    catalog::CatalogueEdit edit(source);
    const CTrack* pasted = PasteTrack(edit, media, clip, 2);
    EXPECT_EQ(pasted->TrackIndex(), 2u);
    std::vector<std::string> titles;
    for (const CTrack& track : media.Tracks())
        titles.emplace_back(track.Title());
    EXPECT_EQ(titles, (std::vector<std::string>{"a", "new", "b", "c"}));
    EXPECT_EQ(std::next(media.Tracks().begin(), 2)->TrackIndex(), 3u);
    EXPECT_EQ(PasteTrack(edit, media, clip, TRACK_APPEND)->TrackIndex(), 5u);
    EXPECT_EQ(media.TotalLength(), 930u); // 2:00 + 3:45 + 3:45 is 9:30
    EXPECT_EQ(source.Interpreters().Count(), 2u);
}

TEST_F(Paste, ATrackWithoutInterpreterStaysWithoutOne) {
    CCatalogue target;
    CMedia* media = target.Media().AddMedia("m", "", 0, 0, {});
    catalog::CatalogueEdit edit(target);
    const CTrack* pasted = PasteTrack(edit, *media, {100, "orphan", ""}, TRACK_APPEND);
    const CTrack* blank = PasteTrack(edit, *media, {100, "blank", " \t"}, TRACK_APPEND);
    EXPECT_EQ(target.Interpreters().Count(), 0u);
    // A name added later takes the lowest free index and does not become theirs.
    target.Interpreters().FindOrAddInterpreter("Later");
    EXPECT_EQ(target.Interpreters().FindInterpreter(pasted->InterpreterIndex()), nullptr);
    EXPECT_EQ(target.Interpreters().FindInterpreter(blank->InterpreterIndex()), nullptr);
    // Copied again, it still carries no name.
    EXPECT_EQ(TrackClipOf(*pasted, target.Interpreters()).interpreter, "");
}

} // namespace
