#include "catalogue_builder.h"

#include "catalog/catalogue.h"

#include <gtest/gtest.h>

#include <string>

using catalog::CatalogueStatus;

namespace {

std::vector<std::byte> Saved(const CCatalogue& catalogue) {
    std::vector<std::byte> out;
    catalogue.Save(out);
    return out;
}

const std::vector<std::byte> kWorkedExample = ByteList(
    {0x10, 0x12, 0x12, 0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00,
     0x00, 0x41, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
     0x58, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x80, 0xC8, 0x4F, 0x3A, 0x00, 0x00, 0x00, 0x00,
     0x95, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00,
     0x00, 0x95, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x59, 0x00});

TEST(CatalogueFormat, EmptyCatalogueIsTwelveBytes) {
    CCatalogue catalogue;
    EXPECT_EQ(Saved(catalogue), ByteList({0x10, 0x12, 0x12, 0x12, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CatalogueFormat, WorkedExampleIsWrittenByteForByte) {
    CCatalogue catalogue;
    catalogue.Interpreters().FindOrAddInterpreter("A");
    catalogue.Media().AddMedia("X", "", 0, 978307200, {});
    catalogue.Media().AddTrack(0, "Y", 405, 0, TRACK_APPEND);
    EXPECT_EQ(Saved(catalogue).size(), 75u);
    EXPECT_EQ(Saved(catalogue), kWorkedExample);
}

TEST(CatalogueFormat, WorkedExampleReadsBackIntoTheRecords) {
    CCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(kWorkedExample).ok());
    const CMedia& media = *catalogue.Media().begin();
    EXPECT_EQ(catalogue.Interpreters().begin()->Name(), "A");
    EXPECT_EQ(media.Title1(), "X");
    EXPECT_EQ(media.CreationTime(), 978307200);
    EXPECT_EQ(media.TotalLength(), 405u);
    EXPECT_EQ(media.Tracks().front().Title(), "Y");
    EXPECT_EQ(Saved(catalogue), kWorkedExample);
}

TEST(CatalogueFormat, RoundTripKeepsGapsOrderTotalsAndInformation) {
    CCatalogue catalogue;
    for (auto name : {"a", "b", "c"})
        catalogue.Interpreters().FindOrAddInterpreter(name);
    catalogue.Interpreters().DeleteInterpreter(1);
    std::string info(1000, 'r');
    info[500] = '\0';
    for (int i = 0; i < 3; ++i)
        catalogue.Media().AddMedia("m", "line 2", 4, -5, info);
    catalogue.Media().DeleteMedia(0);
    catalogue.Media().AddTrack(2, "t", 590, 2, TRACK_APPEND);
    catalogue.Media().AddTrack(2, "u", 90, 0, TRACK_APPEND);
    const std::vector<std::byte> bytes = Saved(catalogue);

    CCatalogue loaded;
    ASSERT_TRUE(loaded.Load(bytes).ok());
    EXPECT_EQ(Saved(loaded), bytes);
    const CMedia& last = *std::next(loaded.Media().begin());
    EXPECT_EQ(last.MediaIndex(), 2u);
    EXPECT_EQ(last.TotalLength(), 800u); // 5:90 + 0:90
    EXPECT_EQ(last.Information(), info);
    EXPECT_EQ(last.CreationTime(), -5);
    EXPECT_EQ(std::next(loaded.Interpreters().begin())->InterpreterIndex(), 2u);
}

TEST(CatalogueFormat, InformationIsStoredWithItsLengthAndNoTerminator) {
    CCatalogue catalogue;
    catalogue.Media().AddMedia("", "", 0, 0, std::string(1000, 'i'));
    catalogue.Media().AddTrack(0, "T", 0, 0, TRACK_APPEND);
    const std::vector<std::byte> bytes = Saved(catalogue);
    const std::size_t infoLengthAt = 4 + 4 + 4 + 4 + 5 + 5 + 16;
    EXPECT_EQ(bytes[infoLengthAt], std::byte(0xE8));
    EXPECT_EQ(bytes[infoLengthAt + 1], std::byte(0x03));
    EXPECT_EQ(bytes[infoLengthAt + 4 + 999], std::byte('i'));
    EXPECT_EQ(bytes[infoLengthAt + 4 + 1000], std::byte(1)); // first track's index
}

TEST(CatalogueFormat, ZeroBytesGiveAnEmptyCatalogueWithoutError) {
    CCatalogue catalogue;
    EXPECT_TRUE(catalogue.Load({}).ok());
    EXPECT_EQ(Saved(catalogue).size(), 12u);
}

TEST(CatalogueFormat, OtherSignaturesAreNoCatalogue) {
    for (std::string_view text : {"hello world\n", "\x10\x12\x12", "\x10\x12\x12\x13xxxxxxxx"}) {
        CCatalogue catalogue;
        FileBytes file;
        file.Raw(text);
        CatalogueStatus status = catalogue.Load(file.Span());
        EXPECT_EQ(status.kind, CatalogueStatus::InvalidFile) << text;
        EXPECT_EQ(status.Message(), "Invalid file! This is no Melvara file!");
        EXPECT_EQ(catalogue.Media().Count() + catalogue.Interpreters().Count(), 0u);
    }
}

TEST(CatalogueFormat, EntriesOutOfIndexOrderAreReadInStoredOrder) {
    FileBytes file;
    file.U32(CATALOGUE_SIGNATURE).U32(2).U32(5).Text("five").U32(1).Text("one");
    file.U32(2).Medium(0, "second", 9).Medium(0, "first", 2);
    CCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(file.Span()).ok());
    EXPECT_EQ(catalogue.Interpreters().begin()->Name(), "five");
    EXPECT_EQ(catalogue.Media().begin()->MediaIndex(), 9u);
    EXPECT_EQ(Saved(catalogue), file.Bytes());
}

TEST(CatalogueFormat, TextsEndAtTheirFirstZeroOrTheirStoredLength) {
    FileBytes file;
    file.U32(CATALOGUE_SIGNATURE).U32(3);
    file.U32(0).U32(0); // length 0: the empty text
    file.U32(1).U32(5).Raw(std::string_view("ab\0cd", 5));
    file.U32(2).U32(2).Raw("no"); // no terminator
    file.U32(0);
    CCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(file.Span()).ok());
    auto it = catalogue.Interpreters().begin();
    EXPECT_EQ((it++)->Name(), "");
    EXPECT_EQ((it++)->Name(), "ab");
    EXPECT_EQ(it->Name(), "no");
    EXPECT_EQ(Saved(catalogue), file.Bytes());
}

// Whatever a damaged file claims, reading stops at the end of its bytes and keeps the
// records completed so far.
TEST(CatalogueFormat, FileCutShortKeepsCompletedRecordsAndReportsIt) {
    FileBytes file;
    file.U32(CATALOGUE_SIGNATURE).U32(1).U32(0).Text("A").U32(3);
    file.Medium(1, "whole", 0).Track(1, 100, "t");
    file.Medium(2, "cut", 1).Track(1, 100, "t");
    const std::size_t whole = file.Bytes().size();
    file.Track(2, 100, "lost");
    for (std::size_t size = whole; size < file.Bytes().size(); ++size) {
        CCatalogue catalogue;
        CatalogueStatus status = catalogue.Load(file.Span().first(size));
        EXPECT_EQ(status.kind, CatalogueStatus::ReadError);
        EXPECT_EQ(status.Message(), "Error 14 while reading from the given file!");
        ASSERT_EQ(catalogue.Media().Count(), 1u) << size;
        EXPECT_EQ(catalogue.Media().begin()->Title1(), "whole");
        EXPECT_EQ(catalogue.Interpreters().Count(), 1u);
    }
}

TEST(CatalogueFormat, HugeCountsAndLengthsEndAtTheData) {
    FileBytes counts;
    counts.U32(CATALOGUE_SIGNATURE).U32(0).U32(0xFFFFFFFF).Medium(0xFFFFFFFF, "m", 0);
    FileBytes lengths;
    lengths.U32(CATALOGUE_SIGNATURE).U32(1).U32(0).U32(0xFFFFFFF0).Raw("abc");
    for (FileBytes* file : {&counts, &lengths}) {
        CCatalogue catalogue;
        EXPECT_EQ(catalogue.Load(file->Span()).kind, CatalogueStatus::ReadError);
        EXPECT_EQ(catalogue.Media().Count() + catalogue.Interpreters().Count(), 0u);
    }
}

} // namespace
