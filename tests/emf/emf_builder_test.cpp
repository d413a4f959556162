#include "emf/emf_builder.h"
#include "emf/record_types.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace emf {
namespace {

TEST(EmfBuilder, ComputesCountsAndAppendsEof) {
    EmfBuilder b;
    b.CreatePen(5, 0, 1, 0x0000FF);
    b.SelectObject(5);
    const PointS line[] = {{0, 0}, {30, 40}};
    b.Polyline16(line);
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r) << r.error;
    const EnhMetaHeader& h = r.picture->Header();
    EXPECT_EQ(h.nRecords, 5u);
    EXPECT_EQ(h.nBytes, r.picture->Data().size());
    EXPECT_EQ(h.nHandles, 6);
    EXPECT_EQ(r.picture->Records().back().type, EMR_EOF);
    EXPECT_FALSE(r.picture->Notes().recordCountDiffers || r.picture->Notes().byteCountDiffers);
}

TEST(EmfBuilder, KeepsAnEofTheCallerAdded) {
    EmfBuilder b;
    b.AddRecord(EMR_EOF, test::ByteVector(12));
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r);
    EXPECT_EQ(r.picture->Records().size(), 2u);
    EXPECT_EQ(r.picture->Header().nRecords, 2u);
}

TEST(EmfBuilder, PadsParametersToWholeDoublewords) {
    EmfBuilder b;
    b.ExtTextOutA({5, 6}, "abcde");
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r);
    const RecordView* text = test::FindRecord(*r.picture, EMR_EXTTEXTOUTA);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size, 76u + 8u);
    EXPECT_EQ(test::Param(*text, 7), 5u); // nChars
}

TEST(EmfBuilder, BoundsCoverTheFiguresAndTheFrameFollowsTheDevice) {
    EmfBuilder b;
    b.Rectangle({10, 20, 100, 50});
    b.Ellipse({-5, 30, 40, 200});
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r);
    const RectL bounds = r.picture->Header().rclBounds;
    EXPECT_EQ(bounds.left, -5);
    EXPECT_EQ(bounds.top, 20);
    EXPECT_EQ(bounds.right, 100);
    EXPECT_EQ(bounds.bottom, 200);
    // 1024 px = 320 mm: one pixel is 31.25 hundredths of a millimetre
    EXPECT_EQ(r.picture->Header().rclFrame.top, 625);
    EXPECT_EQ(r.picture->Header().rclFrame.right, 101 * 3125 / 100 - 1);
}

TEST(EmfBuilder, EmptyPictureHasEmptyBounds) {
    const PictureResult r = EmfBuilder().Picture();
    ASSERT_TRUE(r);
    EXPECT_EQ(r.picture->Header().rclBounds.right, -1);
    EXPECT_EQ(r.picture->Records().size(), 2u);
}

TEST(EmfBuilder, WritesLogFontWithTheFaceName) {
    EmfBuilder b;
    LogFontW f;
    f.height = -20;
    f.faceName = u"Arial";
    b.ExtCreateFontIndirectW(1, f);
    const PictureResult r = b.Picture();
    ASSERT_TRUE(r);
    const RecordView* font = test::FindRecord(*r.picture, EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->size, 104u);
    EXPECT_EQ(static_cast<std::int32_t>(test::Param(*font, 1)), -20);
    EXPECT_EQ(ReadU32(font->data, 12 + 28), u'A' | (u'r' << 16));
}

} // namespace
} // namespace emf
