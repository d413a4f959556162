#include "emf/record_check.h"
#include "emf/record_types.h"

#include <gtest/gtest.h>

#include <vector>

namespace emf {
namespace {

RecordView View(const std::vector<std::byte>& bytes, std::uint32_t type) {
    RecordView v;
    v.type = type, v.size = static_cast<std::uint32_t>(bytes.size()), v.data = bytes;
    return v;
}

TEST(CheckedSpan, AcceptsOnlyArraysInsideTheRecord) {
    const std::vector<std::byte> bytes(64);
    const RecordView r = View(bytes, EMR_POLYLINE16);
    ASSERT_TRUE(CheckedSpan(r, 28, 9, 4));
    EXPECT_EQ(CheckedSpan(r, 28, 9, 4)->size(), 36u);
    EXPECT_EQ(CheckedSpan(r, 28, 9, 4)->data(), bytes.data() + 28);
    EXPECT_FALSE(CheckedSpan(r, 28, 10, 4));
    EXPECT_FALSE(CheckedSpan(r, 65, 1, 1));
    EXPECT_FALSE(CheckedSpan(r, 0xFFFFFFFFFFFFFFF0ull, 1, 1));
    // count x size wraps around 64 bits to a small number
    EXPECT_FALSE(CheckedSpan(r, 8, 0x4000000000000001ull, 4));
    EXPECT_FALSE(CheckedSpan(r, 8, 1ull << 62, 1ull << 3));
    // nothing to read is always inside, whatever the offset says
    EXPECT_TRUE(CheckedSpan(r, 0xFFFFFFFFu, 0, 4));
}

TEST(MinimumRecordSize, FollowsTheFixedPartsOfTheRecords) {
    EXPECT_EQ(MinimumRecordSize(EMR_HEADER), 88u);
    EXPECT_EQ(MinimumRecordSize(EMR_EOF), 20u);
    EXPECT_EQ(MinimumRecordSize(EMR_SETPIXELV), 20u);
    EXPECT_EQ(MinimumRecordSize(EMR_SAVEDC), 8u);
    EXPECT_EQ(MinimumRecordSize(EMR_RESTOREDC), 12u);
    EXPECT_EQ(MinimumRecordSize(EMR_BITBLT), 100u);
    EXPECT_EQ(MinimumRecordSize(EMR_STRETCHDIBITS), 80u);
    EXPECT_EQ(MinimumRecordSize(EMR_EXTTEXTOUTW), 76u);
    EXPECT_EQ(MinimumRecordSize(EMR_POLYPOLYGON16), 32u);
    EXPECT_EQ(MinimumRecordSize(69), 8u);
    EXPECT_EQ(MinimumRecordSize(0xFFFFFFFF), 8u);
}

TEST(MinimumRecordSize, ShortRecordsFailTheCheck) {
    const std::vector<std::byte> small(20), enough(24);
    EXPECT_FALSE(HasMinimumSize(View(small, EMR_RECTANGLE)));
    EXPECT_TRUE(HasMinimumSize(View(enough, EMR_RECTANGLE)));
}

} // namespace
} // namespace emf
