#include "metaview/document/emr_type_table.h"
#include "metaview/document/record_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

using metaview::ParameterForm;

TEST(EMRTypeTable, RowsFollowThePublishedNumberingWithoutType69) {
    ASSERT_EQ(EMRTypeTable.size(), 96u);
    std::set<std::string_view> names;
    for (std::size_t p = 0; p < EMRTypeTable.size(); ++p) {
        EXPECT_EQ(EMRTypeTable[p].type, p <= 67 ? p + 1 : p + 2) << "row " << p;
        EXPECT_TRUE(EMRTypeTable[p].name.starts_with("EMR_")) << "row " << p;
        names.insert(EMRTypeTable[p].name);
    }
    EXPECT_EQ(names.size(), 96u) << "names are unique";
    EXPECT_EQ(EMRTypeTable[67].name, "EMR_ABORTPATH");
    EXPECT_EQ(EMRTypeTable[68].name, "EMR_GDICOMMENT");
    EXPECT_EQ(EMRTypeTable[95].name, "EMR_POLYTEXTOUTW");
}

TEST(EMRTypeTable, FindGivesThePositionOrMinusOne) {
    EXPECT_EQ(FindEMRType(1), 0);
    EXPECT_EQ(FindEMRType(14), 13);
    EXPECT_EQ(FindEMRType(68), 67);
    EXPECT_EQ(FindEMRType(70), 68);
    EXPECT_EQ(FindEMRType(97), 95);
    for (std::uint32_t unknown : {0u, 69u, 98u, 118u, 0xFFFFFFFFu}) {
        EXPECT_EQ(FindEMRType(unknown), -1) << unknown;
        EXPECT_EQ(metaview::EMRTypeName(unknown), "Unknown Record") << unknown;
    }
    EXPECT_EQ(metaview::EMRTypeName(84), "EMR_EXTTEXTOUTW");
}

TEST(EMRTypeTable, GeometryColumnMarksPointsAndRectangles) {
    const std::set<std::uint32_t> points = {15, 26, 27, 41, 53, 54};
    std::set<std::uint32_t> rects = {29, 30, 55, 56, 62, 63, 64, 96, 97};
    for (std::uint32_t t = 2; t <= 8; ++t)
        rects.insert(t);
    for (std::uint32_t t = 42; t <= 47; ++t)
        rects.insert(t);
    for (std::uint32_t t : {71, 72, 73, 74, 76, 77, 78, 79, 80, 81})
        rects.insert(t);
    for (std::uint32_t t = 83; t <= 92; ++t)
        rects.insert(t);
    for (const auto& row : EMRTypeTable) {
        const GeometryKind expected = points.count(row.type)  ? GeometryPoint
                                      : rects.count(row.type) ? GeometryRect
                                                              : GeometryNone;
        EXPECT_EQ(row.geometry, expected) << row.name;
        EXPECT_EQ(metaview::HasRectGeometry(row.type), expected == GeometryRect) << row.name;
    }
    EXPECT_FALSE(metaview::HasRectGeometry(118)); // EMR_GRADIENTFILL: not in the table
}

std::vector<std::byte> Record(std::uint32_t type, std::vector<std::uint32_t> params,
                              std::uint32_t declaredSize = 0) {
    std::vector<std::byte> r;
    auto put = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            r.push_back(std::byte(v >> (8 * i) & 0xFF));
    };
    put(type);
    put(declaredSize ? declaredSize : std::uint32_t(8 + 4 * params.size()));
    for (std::uint32_t v : params)
        put(v);
    return r;
}

std::vector<std::string> Format(const std::vector<std::byte>& record, ParameterForm form) {
    std::vector<std::string> lines;
    EXPECT_TRUE(FormatRecordParameters(record, form, lines));
    return lines;
}

TEST(FormatRecordParameters, EofWithoutPaletteInHexIsOneLine) {
    const auto eof = Record(14, {0, 0x10, 0x14});
    EXPECT_EQ(Format(eof, ParameterForm::Hex),
              std::vector<std::string>{"00000000 00000010 00000014 "});
}

TEST(FormatRecordParameters, FourValuesFillExactlyOneLine) {
    const auto rect = Record(43, {0xA, 0xFFFFFFFF, 3, 4});
    EXPECT_EQ(Format(rect, ParameterForm::Hex),
              std::vector<std::string>{"0000000a ffffffff 00000003 00000004 "});
    EXPECT_EQ(Format(rect, ParameterForm::Dec), std::vector<std::string>{"10\t4294967295\t3\t4\t"});
    const auto five = Record(43, {1, 2, 3, 4, 5});
    EXPECT_EQ(Format(five, ParameterForm::Dec), (std::vector<std::string>{"1\t2\t3\t4\t", "5\t"}));
}

TEST(FormatRecordParameters, CharShowsUtf16UnitsAndDotsForControlUnits) {
    EXPECT_EQ(Format(Record(84, {0x00650054}), ParameterForm::Char),
              std::vector<std::string>{"Te"});
    EXPECT_EQ(Format(Record(84, {0x00000041}), ParameterForm::Char),
              std::vector<std::string>{"A."});
    // A unit whose low byte is zero or a control character would end or break the line.
    EXPECT_EQ(Format(Record(84, {0x010A0100}), ParameterForm::Char),
              std::vector<std::string>{".."});
    EXPECT_EQ(Format(Record(84, {0x00200021}), ParameterForm::Char),
              std::vector<std::string>{"!."});
}

TEST(FormatRecordParameters, SeventeenCharValuesGiveLinesOf32And2) {
    const auto r = Record(70, std::vector<std::uint32_t>(17, 0x00420041));
    const auto lines = Format(r, ParameterForm::Char);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 32u);
    EXPECT_EQ(lines[1], "AB");
}

TEST(FormatRecordParameters, RecordsWithoutParametersGiveNoLines) {
    std::vector<std::string> lines = {"old"};
    EXPECT_TRUE(FormatRecordParameters(Record(61, {}), ParameterForm::Hex, lines));
    EXPECT_TRUE(lines.empty());
}

TEST(FormatRecordParameters, SizeFieldNeverReachesPastTheBytes) {
    // nSize claims 4 KB and 0xFFFFFFF8; only the 2 doublewords present are shown.
    EXPECT_EQ(Format(Record(43, {1, 2}, 4096), ParameterForm::Dec),
              std::vector<std::string>{"1\t2\t"});
    EXPECT_EQ(Format(Record(43, {1, 2}, 0xFFFFFFF8), ParameterForm::Dec),
              std::vector<std::string>{"1\t2\t"});
    // nSize below 8 would underflow into a huge count.
    EXPECT_TRUE(Format(Record(43, {1, 2}, 4), ParameterForm::Hex).empty());
    EXPECT_TRUE(Format(std::vector<std::byte>(3), ParameterForm::Hex).empty());
}

TEST(FormatRecordParameters, UnknownFormLeavesTheLinesAlone) {
    std::vector<std::string> lines = {"kept"};
    EXPECT_FALSE(FormatRecordParameters(Record(14, {0, 16, 20}), ParameterForm(7), lines));
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
}

} // namespace
