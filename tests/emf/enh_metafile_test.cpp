#include "emf/emf_builder.h"
#include "emf/enh_metafile.h"
#include "emf/record_types.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace emf {
namespace {

using test::ByteVector;

ByteVector ThreeRecords() {
    EmfBuilder b;
    b.SetDescription(u"Draw", u"Label");
    b.Rectangle({10, 20, 110, 70});
    return b.Build();
}

EnhMetaFile Load(ByteVector bytes) {
    PictureResult r = EnhMetaFile::FromBytes(std::move(bytes));
    EXPECT_TRUE(r) << r.error;
    return *r.picture;
}

TEST(EnhMetaFile, ReadsHeaderDescriptionRecordsAndBytes) {
    const ByteVector bytes = ThreeRecords();
    const EnhMetaFile p = Load(bytes);
    EXPECT_EQ(test::Types(p), (std::vector<std::uint32_t>{EMR_HEADER, EMR_RECTANGLE, EMR_EOF}));
    EXPECT_EQ(p.Header().nRecords, 3u);
    EXPECT_EQ(p.Header().nBytes, bytes.size());
    EXPECT_EQ(p.Header().dSignature, ENHMETA_SIGNATURE);
    EXPECT_EQ(p.DescriptionA(), std::string("Draw\0Label\0\0", 12));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), p.Data().begin(), p.Data().end()));
    EXPECT_EQ(p.HeaderBytes().size(), p.Header().nSize);
    EXPECT_EQ(p.Records()[1].offset, p.Header().nSize);
    EXPECT_EQ(p.Records()[1].params().i32(), 10);
    EXPECT_FALSE(p.Notes().recordCountDiffers || p.Notes().byteCountDiffers);
    EXPECT_TRUE(p.Notes().damage.empty());
}

TEST(EnhMetaFile, CopiesShareTheBytes) {
    const EnhMetaFile a = Load(ThreeRecords());
    const EnhMetaFile b = a;
    EXPECT_EQ(a.Data().data(), b.Data().data());
}

struct Refusal {
    const char* name;
    void (*spoil)(ByteVector&);
};

class RefusedHeader : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedHeader, IsRefusedWithAReason) {
    ByteVector bytes = ThreeRecords();
    GetParam().spoil(bytes);
    const PictureResult r = EnhMetaFile::FromBytes(bytes);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, RefusedHeader,
    testing::Values(Refusal{"Empty", [](ByteVector& b) { b.clear(); }},
                    Refusal{"ShorterThanHeader", [](ByteVector& b) { b.resize(87); }},
                    Refusal{"NotHeaderType", [](ByteVector& b) { test::SetU32(b, 0, 2); }},
                    Refusal{"NoSignature", [](ByteVector& b) { test::SetU32(b, 40, 0); }},
                    Refusal{"HeaderBelow88", [](ByteVector& b) { test::SetU32(b, 4, 84); }},
                    Refusal{"HeaderOddSize", [](ByteVector& b) { test::SetU32(b, 4, 110); }},
                    Refusal{"HeaderPastEnd", [](ByteVector& b) { test::SetU32(b, 4, 4000); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(EnhMetaFile, IgnoresBytesAfterEofAndNotesWrongCounts) {
    ByteVector bytes = ThreeRecords();
    const std::size_t size = bytes.size();
    test::SetU32(bytes, 52, 99); // nRecords
    test::PutU32(bytes, {EMR_RECTANGLE, 24, 0, 0, 5, 5});
    const EnhMetaFile p = Load(bytes);
    EXPECT_EQ(p.Records().size(), 3u);
    EXPECT_EQ(p.Data().size(), size);
    EXPECT_EQ(p.Notes().ignoredBytes, 24u);
    EXPECT_TRUE(p.Notes().recordCountDiffers);
    EXPECT_FALSE(p.Notes().eofAdded);
}

struct MiddleDamage {
    const char* name;
    std::uint32_t size; // the damaged record's size field
    std::size_t cut;    // bytes left after the damaged record's start, 0 = all
};

class DamagedRecord : public testing::TestWithParam<MiddleDamage> {};

// The records before the damage stay; the picture ends with an EOF that reads back cleanly.
TEST_P(DamagedRecord, KeepsTheSoundRecordsBeforeIt) {
    EmfBuilder b;
    b.Rectangle({0, 0, 5, 5});
    b.Ellipse({0, 0, 5, 5});
    ByteVector bytes = b.Build();
    const std::size_t damaged = ReadU32(bytes, 4) + 24; // the ellipse
    test::SetU32(bytes, damaged + 4, GetParam().size);
    if (GetParam().cut) bytes.resize(damaged + GetParam().cut);
    const EnhMetaFile p = Load(bytes);
    EXPECT_EQ(test::Types(p), (std::vector<std::uint32_t>{EMR_HEADER, EMR_RECTANGLE, EMR_EOF}));
    EXPECT_TRUE(p.Notes().eofAdded);
    EXPECT_FALSE(p.Notes().damage.empty());
    EXPECT_EQ(p.Data().size(), damaged + 20);
    const PictureResult again = EnhMetaFile::FromBytes({p.Data().begin(), p.Data().end()});
    ASSERT_TRUE(again);
    EXPECT_EQ(again.picture->Records().size(), 3u);
    EXPECT_TRUE(again.picture->Notes().damage.empty());
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedRecord,
                         testing::Values(MiddleDamage{"SizeZero", 0, 0},
                                         MiddleDamage{"SizeFour", 4, 0},
                                         MiddleDamage{"SizeOdd", 26, 0},
                                         MiddleDamage{"PastTheEnd", 0xFFFFFFF0u, 0},
                                         MiddleDamage{"HeadCutOff", 24, 6}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(EnhMetaFile, AddsEofWhenTheDataEndsWithoutOne) {
    ByteVector bytes = ThreeRecords();
    bytes.resize(bytes.size() - 20);
    const EnhMetaFile p = Load(bytes);
    EXPECT_EQ(p.Records().back().type, EMR_EOF);
    EXPECT_TRUE(p.Notes().eofAdded);
}

TEST(EnhMetaFile, ReadsThePaletteOfTheEof) {
    EmfBuilder b;
    b.SetPalette({{1, 2, 3, 0}, {250, 251, 252, 4}});
    const EnhMetaFile p = Load(b.Build());
    ASSERT_EQ(p.PaletteEntries().size(), 2u);
    EXPECT_EQ(p.PaletteEntries()[1].green, 251);
    EXPECT_EQ(p.PaletteEntries()[1].flags, 4);
    EXPECT_EQ(p.Header().nPalEntries, 2u);
}

TEST(EnhMetaFile, PaletteOutsideTheEofIsEmpty) {
    EmfBuilder b;
    b.SetPalette({{1, 2, 3, 0}});
    ByteVector bytes = b.Build();
    const std::size_t eof = bytes.size() - 24;
    test::SetU32(bytes, eof + 8, 0x40000000); // nPalEntries: a count that overflows x 4
    EXPECT_TRUE(Load(bytes).PaletteEntries().empty());
    test::SetU32(bytes, eof + 8, 1);
    test::SetU32(bytes, eof + 12, 0xFFFFFFFC); // offPalEntries
    EXPECT_TRUE(Load(bytes).PaletteEntries().empty());
}

TEST(EnhMetaFile, DescriptionOutsideTheHeaderIsEmpty) {
    ByteVector bytes = ThreeRecords();
    test::SetU32(bytes, 60, 0x7FFFFFFF); // nDescription
    EXPECT_EQ(Load(bytes).DescriptionA(), "");
    EXPECT_EQ(Load(EmfBuilder().Build()).DescriptionA(), "");
}

// Header extensions exist only where the header holds them before the description.
TEST(EnhMetaFile, ReadsHeaderExtensionsOnlyWhenPresent) {
    const EnhMetaFile full = Load(EmfBuilder().Build());
    ASSERT_TRUE(full.Header().szlMicrometers.has_value());
    EXPECT_EQ(full.Header().szlMicrometers->cx, 320000);

    ByteVector described = ThreeRecords();
    test::SetU32(described, 64, 100); // offDescription inside extension 2
    const EnhMetaFile one = Load(described);
    EXPECT_TRUE(one.Header().bOpenGL.has_value());
    EXPECT_FALSE(one.Header().szlMicrometers.has_value());

    test::SetU32(described, 64, 88);
    EXPECT_FALSE(Load(described).Header().cbPixelFormat.has_value());
}

} // namespace
} // namespace emf
