#include "common/version_info.h"
#include "common/version_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::byte> Bytes(std::initializer_list<unsigned> values) {
    std::vector<std::byte> v;
    for (unsigned x : values)
        v.push_back(std::byte(x));
    return v;
}

TEST(VersionInfo, RunningProgramCarriesItsNumbers) {
    CFileVersionInfo info;
    ASSERT_TRUE(info.Load());
    EXPECT_EQ(info.GetFileVersionMS(), 0x00000009u);
    EXPECT_EQ(info.GetFileVersionLS(), 0x00020002u);
    EXPECT_EQ(info.GetProductVersionMS(), 0x82170001u);
    EXPECT_EQ(info.GetProductVersionLS(), 0x00000005u);
}

TEST(VersionInfo, NoRecordGivesAllOnes) {
    CFileVersionInfo info;
    EXPECT_EQ(info.GetFileVersionMS(), 0xFFFFFFFFu); // before any load
    EXPECT_FALSE(info.Load(std::nullopt));
    EXPECT_EQ(info.GetFileVersionMS(), 0xFFFFFFFFu);
    EXPECT_EQ(info.GetProductVersionLS(), 0xFFFFFFFFu);
}

TEST(VersionInfo, RecordWithoutSignatureGivesZero) {
    const auto data = Bytes({1, 2, 3, 4, 5, 6, 7, 8});
    CFileVersionInfo info;
    EXPECT_TRUE(info.Load(std::span<const std::byte>(data)));
    EXPECT_EQ(info.GetFileVersionMS(), 0u);
    EXPECT_EQ(info.GetProductVersionLS(), 0u);
}

TEST(VersionInfo, MisalignedSignatureIsNotFound) {
    // The signature at offset 2, followed by a file version that must not be read.
    auto data = Bytes({0, 0, 0xBD, 0x04, 0xEF, 0xFE, 0, 0, 0, 0, 0x09, 0, 0, 0});
    CFileVersionInfo info;
    EXPECT_TRUE(info.Load(std::span<const std::byte>(data)));
    EXPECT_EQ(info.GetFileVersionMS(), 0u);
}

TEST(VersionInfo, BlockCutShortByTheDataStaysZeroBeyondIt) {
    // Signature at offset 4, then 8 more bytes: the file version MS field (offset 8 of the
    // block) lies past the data and must read as zero, never beyond.
    auto data = Bytes({0xAA, 0xAA, 0xAA, 0xAA, 0xBD, 0x04, 0xEF, 0xFE, 1, 0, 1, 0, 7, 0, 0, 0});
    CFileVersionInfo info;
    EXPECT_TRUE(info.Load(std::span<const std::byte>(data)));
    EXPECT_EQ(info.GetFileVersionMS(), 7u);
    EXPECT_EQ(info.GetFileVersionLS(), 0u);
}

TEST(VersionInfo, GeneratedRecordHasTheFixedBlockAtAnAlignedOffset) {
    constexpr auto record = korvel::MakeVersionRecord({0, 9, 0, 2}, {33304, 1, 0, 5});
    CFileVersionInfo info;
    ASSERT_TRUE(info.Load(std::span<const std::byte>(record)));
    EXPECT_EQ(info.GetFileVersionMS(), 0x00000009u);
    EXPECT_EQ(info.GetFileVersionLS(), 0x00000002u);
    EXPECT_EQ(info.GetProductVersionMS(), 0x82180001u);
    EXPECT_EQ(info.GetProductVersionLS(), 0x00000005u);
}

} // namespace
