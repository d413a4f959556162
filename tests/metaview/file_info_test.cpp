#include "metaview/document/file_info.h"

#include "emf/emf_builder.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

using metaview::FileInformationRows;
using metaview::SplitDescription;

TEST(FileInformation, RowsOfABuiltPicture) {
    auto picture = emf::EnhMetaFile::FromBytes(testing_metaview::ShapesEmf());
    ASSERT_TRUE(picture) << picture.error;
    const auto rows =
        FileInformationRows(picture.picture->Header(), picture.picture->DescriptionA());
    EXPECT_EQ(rows[0].label, "EMF created in:");
    EXPECT_EQ(rows[0].value, "Kelvane tests");
    EXPECT_EQ(rows[1].value, "Shapes");
    EXPECT_EQ(rows[2].value, "1");
    EXPECT_EQ(rows[6].label, "Doubleword signature:");
    EXPECT_EQ(rows[6].value, "0x464D4520");
    EXPECT_EQ(rows[7].value, "0x00010000");
    EXPECT_EQ(rows[9].label, "Number of records:");
    EXPECT_EQ(rows[9].value, "7");
    EXPECT_EQ(rows[12].label, "Description string lenght [bytes]:");
    EXPECT_EQ(rows[12].value, "22"); // characters, not bytes: 13 + 1 + 6 + 2
    EXPECT_EQ(rows[15].value, "cx: 1024, cy: 768");
    EXPECT_EQ(rows[16].label, "Resolution of the reference device [mm]:");
    EXPECT_EQ(rows[16].value, "cx: 320, cy: 240");
}

TEST(FileInformation, FieldsShowAsSignedNumbersAndRectangles) {
    emf::EnhMetaHeader h;
    h.nBytes = 0x80000000u;
    h.nRecords = 0xFFFFFFFFu;
    h.nHandles = 0xFFFF;
    h.sReserved = 0x8000;
    h.dSignature = 0xABCDEF;
    h.rclBounds = {-1, 2, -3, 4};
    const auto rows = FileInformationRows(h, {});
    EXPECT_EQ(rows[0].value, "");
    EXPECT_EQ(rows[1].value, "");
    EXPECT_EQ(rows[4].value, "left: -1, top: 2, right: -3, bottom: 4");
    EXPECT_EQ(rows[6].value, "0x00ABCDEF");
    EXPECT_EQ(rows[8].value, "-2147483648");
    EXPECT_EQ(rows[9].value, "-1");
    EXPECT_EQ(rows[10].value, "65535"); // 16-bit fields widen without sign
    EXPECT_EQ(rows[11].value, "32768");
}

TEST(FileInformation, DescriptionSplitsAtItsZeros) {
    using namespace std::string_view_literals;
    EXPECT_EQ(SplitDescription("App\0Pic\0\0"sv).application, "App");
    EXPECT_EQ(SplitDescription("App\0Pic\0\0"sv).picture, "Pic");
    // A description that lost its terminators keeps what it has.
    EXPECT_EQ(SplitDescription("App"sv).application, "App");
    EXPECT_EQ(SplitDescription("App"sv).picture, "");
    EXPECT_EQ(SplitDescription("App\0Pic"sv).picture, "Pic");
    EXPECT_EQ(SplitDescription(""sv).application, "");
}

} // namespace
