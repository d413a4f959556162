#include "emf/byte_writer.h"
#include "emf/emf_builder.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_converter.h"
#include "emf/wmf/wmf_records.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace emf {
namespace {

using test::ByteVector;

ByteVector OriginalEmf() {
    EmfBuilder b;
    b.SetDescription(u"Writer", u"Chart");
    b.Ellipse({0, 0, 300, 200});
    return b.Build();
}

// One META_ESCAPE comment carrying emf[from, from + n) of a picture in count pieces.
ByteVector Piece(const ByteVector& emf, std::size_t from, std::size_t n, std::uint32_t count) {
    ByteVector p;
    ByteWriter w(p);
    w.u16(0x000F), w.u16(static_cast<std::uint16_t>(34 + n));
    w.u32(0x43464D57), w.u32(1), w.u32(0x10000), w.u16(0), w.u32(0);
    w.u32(count), w.u32(static_cast<std::uint32_t>(n));
    w.u32(static_cast<std::uint32_t>(emf.size() - from - n)), w.u32(std::uint32_t(emf.size()));
    w.bytes(Bytes(emf).subspan(from, n));
    return p;
}

// Sets the first comment's checksum so that all words of the WMF sum to zero.
void FixChecksum(ByteVector& wmf) {
    constexpr std::size_t kChecksum = 18 + 6 + 16;
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i + 1 < wmf.size(); i += 2)
        sum = static_cast<std::uint16_t>(
            sum + (std::to_integer<int>(wmf[i]) | (std::to_integer<int>(wmf[i + 1]) << 8)));
    const std::uint16_t fixed = static_cast<std::uint16_t>(-sum);
    wmf[kChecksum] = std::byte(fixed & 0xFF), wmf[kChecksum + 1] = std::byte(fixed >> 8);
}

ByteVector WmfCarrying(const ByteVector& emf, std::uint32_t claimedPieces) {
    test::WmfWriter w;
    const std::size_t half = emf.size() / 2;
    w.Record(META_ESCAPE, Piece(emf, 0, half, claimedPieces));
    w.Record(META_RECTANGLE, {1, 2, 3, 4});
    w.Record(META_ESCAPE, Piece(emf, half, emf.size() - half, claimedPieces));
    ByteVector wmf = w.Build();
    FixChecksum(wmf);
    return wmf;
}

TEST(EmbeddedEmf, AnUnchangedWmfGivesBackTheOriginalPicture) {
    const ByteVector emf = OriginalEmf();
    const PictureResult r = ConvertWmf(WmfCarrying(emf, 2));
    ASSERT_TRUE(r) << r.error;
    EXPECT_TRUE(
        std::equal(emf.begin(), emf.end(), r.picture->Data().begin(), r.picture->Data().end()));
    EXPECT_EQ(r.picture->DescriptionA(), std::string("Writer\0Chart\0\0", 14));
}

TEST(EmbeddedEmf, AChangedWmfIsConvertedFromItsRecords) {
    ByteVector wmf = WmfCarrying(OriginalEmf(), 2);
    wmf[wmf.size() - 8] ^= std::byte{1}; // any changed byte makes the checksum fail
    const PictureResult r = ConvertWmf(wmf);
    ASSERT_TRUE(r);
    EXPECT_TRUE(test::FindRecord(*r.picture, EMR_RECTANGLE));
    EXPECT_FALSE(test::FindRecord(*r.picture, EMR_ELLIPSE));
}

TEST(EmbeddedEmf, MissingPiecesAreNotAPicture) {
    const PictureResult r = ConvertWmf(WmfCarrying(OriginalEmf(), 3));
    ASSERT_TRUE(r);
    EXPECT_TRUE(test::FindRecord(*r.picture, EMR_RECTANGLE));
}

} // namespace
} // namespace emf
