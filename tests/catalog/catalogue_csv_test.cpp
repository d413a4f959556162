#include "catalog/file/catalogue_csv.h"
#include "catalog/file/csv_records.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

using namespace catalog;

namespace {

// Exports write local time: pin the zone for texts compared byte by byte.
class Csv : public testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_OldZone = tz ? tz : "";
        m_bHadZone = tz != nullptr;
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    void TearDown() override {
        if (m_bHadZone)
            setenv("TZ", m_OldZone.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    // One medium with tricky texts, one without tracks, a gap at index 1.
    static void Fill(CCatalogue& catalogue) {
        CMedia* m = catalogue.Media().AddMedia("Caf\xE9, \"live\"", "line\nbreak", 0, 978307200,
                                               "{\\rtf1 dropped}");
        m->AddTrack("One", 405,
                    catalogue.Interpreters().FindOrAddInterpreter("Ann")->InterpreterIndex(),
                    TRACK_APPEND);
        m->AddTrack("Two \x80", 90, 7, TRACK_APPEND);
        catalogue.Media().AddMedia("gap", "", 5, 0, "");
        catalogue.Media().AddMedia("Empty", "", 6, 1000000000, "");
        catalogue.Media().DeleteMedia(1);
    }

    static CsvMedia Parsed(std::string_view text) {
        auto result = ParseCsv(text);
        if (auto* error = std::get_if<CsvError>(&result))
            ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return std::holds_alternative<CsvMedia>(result) ? std::get<CsvMedia>(result) : CsvMedia{};
    }

    static CsvError ErrorOf(std::string_view text) {
        auto result = ParseCsv(text);
        EXPECT_TRUE(std::holds_alternative<CsvError>(result)) << text;
        return std::holds_alternative<CsvError>(result) ? std::get<CsvError>(result) : CsvError{};
    }

private:
    std::string m_OldZone;
    bool m_bHadZone = false;
};

TEST_F(Csv, ExportIsOneQuotedUtf8RowPerTrackAndOnePerEmptyMedium) {
    CCatalogue catalogue;
    Fill(catalogue);
    EXPECT_EQ(ExportCsv(catalogue),
              "Media index,Title line 1,Title line 2,Media type,Created,Track index,Track "
              "title,Length,Interpreter\r\n"
              "0,\"Caf\xC3\xA9, \"\"live\"\"\",\"line\nbreak\",CD,2001-01-01T01:00:00+01:00,1,One,"
              "4:05,Ann\r\n"
              "0,\"Caf\xC3\xA9, \"\"live\"\"\",\"line\nbreak\",CD,2001-01-01T01:00:00+01:00,2,"
              "Two \xE2\x82\xAC,0:90,\r\n"
              "2,Empty,,other media,2001-09-09T03:46:40+02:00,,,,\r\n");
}

TEST_F(Csv, RoundTripRenumbersOnlyMediaIndexesWithGaps) {
    CCatalogue original, imported, again;
    Fill(original);
    const std::string first = ExportCsv(original);
    CatalogueEdit edit(imported);
    const CsvMedia media = Parsed(first);
    const ImportCounts counts = AddNewMedia(edit, media.media);
    EXPECT_EQ(counts.media, 2u);
    EXPECT_EQ(counts.tracks, 2u);
    EXPECT_EQ(counts.interpreters, 1u); // a blank name adds no nameless entry
    EXPECT_EQ(media.replacedTexts, 0u);
    std::string expected = first;
    expected.replace(expected.rfind("\r\n2,") + 2, 1, "1");
    const std::string second = ExportCsv(imported);
    EXPECT_EQ(second, expected);
    // Without gaps the file comes back byte for byte.
    CatalogueEdit edit2(again);
    AddNewMedia(edit2, Parsed(second).media);
    EXPECT_EQ(ExportCsv(again), second);
}

TEST_F(Csv, ImportReadsColumnsByNameInAnyOrderWithDefaults) {
    const CsvMedia result = Parsed("\xEF\xBB\xBF"
                                   "track TITLE,Extra,Length,media index,Title line 1\n"
                                   "second,x,1:00,7,Album\n"
                                   "\n"
                                   "alone,x,,3,Single\n"
                                   "first,x,0:30,7,Album\n");
    ASSERT_EQ(result.media.size(), 2u);
    const NewMedium& album = result.media[0];
    EXPECT_EQ(album.title1, "Album");
    EXPECT_EQ(album.mediaType, 6);
    ASSERT_EQ(album.tracks.size(), 2u);
    EXPECT_EQ(album.tracks[0].title, "second"); // no track index column: file order
    EXPECT_EQ(album.tracks[1].length, 30u);
    EXPECT_EQ(result.media[1].tracks.size(), 1u);
    EXPECT_NEAR(album.creationTime, std::time(nullptr), 5);
}

TEST_F(Csv, TracksFollowTheirIndexAndTextsOutsideTheCodePageCount) {
    const CsvMedia result = Parsed("Track index,Track title,Interpreter,Media type\r\n"
                                   "2,\xCE\xA9mega,Bj\xC3\xB6rk,mp3 MEDIA\r\n"
                                   "1,\xE2\x82\xAC uro,\xE4\xB8\xAD,mp3 MEDIA\r\n");
    ASSERT_EQ(result.media.size(), 1u);
    const NewMedium& m = result.media[0];
    EXPECT_EQ(m.mediaType, 5);
    ASSERT_EQ(m.tracks.size(), 2u);
    EXPECT_EQ(m.tracks[0].title, "\x80 uro");
    EXPECT_EQ(m.tracks[0].interpreter, "?");
    EXPECT_EQ(m.tracks[1].title, "?mega");
    EXPECT_EQ(m.tracks[1].interpreter, "Bj\xF6rk");
    EXPECT_EQ(result.replacedTexts, 2u);
}

TEST_F(Csv, AMalformedFileNamesItsFirstBadLine) {
    struct Case {
        const char* text;
        std::size_t line;
        const char* says;
    } cases[] = {
        {"Title line 1,Length\na,1:00\nb,4:5\nc,x\n", 3, "\"4:5\" is not a length"},
        {"Title line 1,Media type\na,CD\nb,Cassette\n", 3, "\"Cassette\" is not a media type"},
        {"Title line 1\n\"multi\nline\"\nb\"ad\n", 4, "bad quoting"},
        {"Title line 1\n\"never closed\nmore\n", 2, "bad quoting"},
        {"Title line 1\n\"closed\"then\n", 2, "bad quoting"},
        {"Title line 1,Created\na,2001-02-30\n", 2, "is not a date and time"},
        {"Title line 1\na,b\n", 2, "more fields than the header"},
        {"Media index,Title line 1\nfirst,a\n", 2, "is not a media index"},
        {"Name,Other\na,b\n", 1, "names none of the columns"},
        {"", 1, "no header row"},
    };
    for (const Case& c : cases) {
        const CsvError error = ErrorOf(c.text);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
    }
}

TEST_F(Csv, LengthsAreMinutesAndTwoDigitSeconds) {
    MinSecLength length = 1;
    EXPECT_TRUE(ParseLength("4:05", length));
    EXPECT_EQ(length, 405u);
    EXPECT_TRUE(ParseLength("0:90", length));
    EXPECT_EQ(length, 90u);
    EXPECT_TRUE(ParseLength("42949672:95", length));
    EXPECT_EQ(length, 4294967295u);
    for (auto bad : {"4:5", "4", ":05", "a:bc", "-1:00", "+1:00", "4:055", "42949672:96", "4:-5"})
        EXPECT_FALSE(ParseLength(bad, length)) << bad;
}

TEST_F(Csv, TimesTakeAnOffsetOrLocalTime) {
    std::int32_t t = 0;
    EXPECT_TRUE(ParseIsoTime("2001-01-01T00:00:00Z", t));
    EXPECT_EQ(t, 978307200);
    EXPECT_TRUE(ParseIsoTime("2001-01-01T01:00:00+01:00", t));
    EXPECT_EQ(t, 978307200);
    EXPECT_TRUE(ParseIsoTime("2000-12-31 19:00-0500", t));
    EXPECT_EQ(t, 978307200);
    EXPECT_TRUE(ParseIsoTime("2001-01-01 01:00", t)); // Berlin, winter
    EXPECT_EQ(t, 978307200);
    EXPECT_TRUE(ParseIsoTime("2001-01-01", t));
    EXPECT_EQ(t, 978307200 - 3600);
    EXPECT_EQ(FormatIsoTime(-1), "1970-01-01T00:59:59+01:00");
    for (auto bad : {"2001-1-01", "2001-13-01", "2001-01-01T24:00", "2001-01-01T10:00+1",
                     "2039-01-01T00:00:00Z", "2001-01-01T00:00:00Zulu", "01.01.2001"})
        EXPECT_FALSE(ParseIsoTime(bad, t)) << bad;
}

TEST(CsvRecords, QuotedFieldsKeepLineBreaksAndCountLines) {
    CsvReader reader("a,\"b\r\nc\",\"\"\r\n\r\n\"x\"\"y\",\n");
    auto first = reader.Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (std::vector<std::string>{"a", "b\r\nc", ""}));
    EXPECT_EQ(reader.Line(), 1u);
    auto second = reader.Next();
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, (std::vector<std::string>{"x\"y", ""}));
    EXPECT_EQ(reader.Line(), 4u);
    EXPECT_FALSE(reader.Next());
    EXPECT_FALSE(reader.Failed());
}

} // namespace
