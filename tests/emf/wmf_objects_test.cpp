// Conversion of objects, text, bitmaps and regions.

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_converter.h"
#include "emf/wmf/wmf_records.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace emf {
namespace {

using test::ByteVector;
using test::Param;

EnhMetaFile Convert(const test::WmfWriter& w) {
    PictureResult r = ConvertWmf(w.Build());
    EXPECT_TRUE(r) << r.error;
    return *r.picture;
}

std::vector<const RecordView*> All(const EnhMetaFile& p, std::uint32_t type) {
    std::vector<const RecordView*> found;
    for (const RecordView& r : p.Records())
        if (r.type == type) found.push_back(&r);
    return found;
}

// Slots are reused lowest first; slot n is EMF handle n + 1.
TEST(ConvertWmfObjects, SlotsBecomeHandlesAndFreedSlotsAreReused) {
    test::WmfWriter w;
    w.Record(META_CREATEPENINDIRECT, {0, 3, 0, 0xFF, 0});  // slot 0
    w.Record(META_CREATEBRUSHINDIRECT, {0, 0x00FF, 0, 0}); // slot 1
    w.Record(META_DELETEOBJECT, {0});
    w.Record(META_CREATEBRUSHINDIRECT, {1, 0, 0, 0}); // slot 0 again
    w.Record(META_SELECTOBJECT, {0});
    w.Record(META_SELECTOBJECT, {1});
    w.Record(META_SELECTOBJECT, {7}); // no such object: dropped
    const EnhMetaFile p = Convert(w);
    EXPECT_EQ(Param(*test::FindRecord(p, EMR_CREATEPEN), 0), 1u);
    EXPECT_EQ(Param(*test::FindRecord(p, EMR_CREATEPEN), 2), 3u); // width
    EXPECT_EQ(Param(*test::FindRecord(p, EMR_DELETEOBJECT), 0), 1u);
    const auto brushes = All(p, EMR_CREATEBRUSHINDIRECT);
    ASSERT_EQ(brushes.size(), 2u);
    EXPECT_EQ(Param(*brushes[0], 0), 2u);
    EXPECT_EQ(Param(*brushes[1], 0), 1u);
    const auto selects = All(p, EMR_SELECTOBJECT);
    ASSERT_EQ(selects.size(), 2u);
    EXPECT_EQ(Param(*selects[0], 0), 1u);
    EXPECT_EQ(Param(*selects[1], 0), 2u);
    EXPECT_EQ(p.Header().nHandles, 3);
}

TEST(ConvertWmfObjects, FontBecomesLogFontWithItsFaceName) {
    ByteVector font;
    ByteWriter f(font);
    f.i16(-24), f.i16(0), f.i16(900), f.i16(0), f.i16(700);
    f.u8(1), f.u8(0), f.u8(0), f.u8(0), f.u8(0), f.u8(0), f.u8(0), f.u8(0);
    f.bytes(ByteVector{std::byte{'T'}, std::byte{0xE9}, std::byte{0}});
    test::WmfWriter w;
    w.Record(META_CREATEFONTINDIRECT, font);
    const EnhMetaFile p = Convert(w);
    const RecordView* r = test::FindRecord(p, EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_TRUE(r);
    EXPECT_EQ(static_cast<std::int32_t>(Param(*r, 1)), -24);
    EXPECT_EQ(Param(*r, 3), 900u);
    EXPECT_EQ(Param(*r, 5), 700u);
    EXPECT_EQ(ReadU32(r->data, 12 + 20), 1u); // italic
    EXPECT_EQ(ReadU32(r->data, 12 + 28), u'T' | (0xE9u << 16));
    EXPECT_EQ(ReadU32(r->data, 12 + 32) & 0xFFFF, 0u);
}

TEST(ConvertWmfText, TextOutBecomesExtTextOutA) {
    test::WmfWriter w;
    ByteVector text;
    ByteWriter t(text);
    t.u16(3), t.bytes(ByteVector{std::byte{'a'}, std::byte{'b'}, std::byte{'c'}, std::byte{0}});
    t.i16(40), t.i16(30); // y, x
    w.Record(META_TEXTOUT, text);
    const EnhMetaFile p = Convert(w);
    const RecordView* r = test::FindRecord(p, EMR_EXTTEXTOUTA);
    ASSERT_TRUE(r);
    EXPECT_EQ(Param(*r, 7), 30u);  // reference x
    EXPECT_EQ(Param(*r, 8), 40u);  // reference y
    EXPECT_EQ(Param(*r, 9), 3u);   // nChars
    EXPECT_EQ(Param(*r, 10), 76u); // offString
    EXPECT_EQ(Param(*r, 16), 0u);  // no spacing array
    EXPECT_EQ(ReadU32(r->data, 76), 'a' | ('b' << 8) | ('c' << 16));
}

// With TA_UPDATECP the text stands at the current position, not at the record's point.
TEST(ConvertWmfText, BoundsFollowTheCurrentPositionUnderUpdateCp) {
    test::WmfWriter w;
    w.Record(META_SETTEXTALIGN, {1});
    w.Record(META_MOVETO, {300, 200}); // y, x
    w.Record(META_TEXTOUT, {1, 'x', 0, 0});
    const EnhMetaFile p = Convert(w);
    EXPECT_EQ(p.Header().rclBounds.left, 200);
    EXPECT_EQ(p.Header().rclBounds.top, 300);
}

TEST(ConvertWmfText, ExtTextOutKeepsRectangleAndWidensAdvances) {
    test::WmfWriter w;
    ByteVector text;
    ByteWriter t(text);
    t.i16(5), t.i16(6), t.u16(2), t.u16(0x0002); // y, x, length, ETO_OPAQUE
    t.i16(1), t.i16(2), t.i16(50), t.i16(60);    // rectangle
    t.bytes(ByteVector{std::byte{'h'}, std::byte{'i'}});
    t.i16(7), t.i16(-8); // advances
    w.Record(META_EXTTEXTOUT, text);
    const EnhMetaFile p = Convert(w);
    const RecordView* r = test::FindRecord(p, EMR_EXTTEXTOUTA);
    ASSERT_TRUE(r);
    EXPECT_EQ(Param(*r, 7), 6u);
    EXPECT_EQ(Param(*r, 11), 2u);  // options
    EXPECT_EQ(Param(*r, 14), 50u); // rectangle right
    const std::uint32_t dx = Param(*r, 16);
    EXPECT_EQ(dx, 80u);
    EXPECT_EQ(ReadU32(r->data, dx + 4), static_cast<std::uint32_t>(-8));
    EXPECT_EQ(p.Header().rclBounds.bottom, 60);
}

ByteVector TwoByTwoDib() {
    ByteVector dib;
    ByteWriter d(dib);
    d.u32(40), d.i32(2), d.i32(2), d.u16(1), d.u16(24), d.u32(0), d.u32(16);
    d.zeros(16);
    for (int i = 0; i < 16; ++i)
        d.u8(static_cast<std::uint8_t>(i));
    return dib;
}

TEST(ConvertWmfBitmaps, DibStretchBltBecomesStretchDIBits) {
    ByteVector params;
    ByteWriter b(params);
    b.u32(0x00CC0020);                         // SRCCOPY
    b.i16(1), b.i16(2), b.i16(0), b.i16(0);    // source height, width, y, x
    b.i16(20), b.i16(40), b.i16(10), b.i16(5); // destination height, width, y, x
    b.bytes(TwoByTwoDib());
    test::WmfWriter w;
    w.Record(META_DIBSTRETCHBLT, params);
    const EnhMetaFile p = Convert(w);
    const RecordView* r = test::FindRecord(p, EMR_STRETCHDIBITS);
    ASSERT_TRUE(r);
    EXPECT_EQ(Param(*r, 4), 5u);   // xDest
    EXPECT_EQ(Param(*r, 7), 1u);   // ySrc counted from the bottom of the DIB
    EXPECT_EQ(Param(*r, 11), 40u); // cbBmiSrc
    EXPECT_EQ(Param(*r, 13), 16u); // cbBitsSrc
    EXPECT_EQ(Param(*r, 15), 0x00CC0020u);
    EXPECT_EQ(Param(*r, 16), 40u); // cxDest
    EXPECT_EQ(std::to_integer<int>(r->data[Param(*r, 12) + 15]), 15);
}

TEST(ConvertWmfBitmaps, ABitmapRecordWithoutBitmapFillsWithTheBrush) {
    test::WmfWriter w;
    w.Record(META_DIBBITBLT, {0x0062, 0x00F0, 0, 0, 0, 8, 9, 3, 4}); // PATCOPY, no DIB
    w.Record(META_PATBLT, {0x0049, 0x005A, 5, 6, 7, 8});
    const EnhMetaFile p = Convert(w);
    const auto blts = All(p, EMR_BITBLT);
    ASSERT_EQ(blts.size(), 2u);
    EXPECT_EQ(Param(*blts[0], 4), 4u); // xDest
    EXPECT_EQ(Param(*blts[0], 6), 9u); // cxDest
    EXPECT_EQ(Param(*blts[0], 8), 0x00F00062u);
    EXPECT_EQ(Param(*blts[0], 20), 0u); // cbBmiSrc: no source
    EXPECT_EQ(Param(*blts[1], 8), 0x005A0049u);
}

// A device-dependent Bitmap16 (rows from the top, 2-byte aligned) becomes a top-down DIB.
TEST(ConvertWmfBitmaps, Bitmap16BecomesATopDownDib) {
    ByteVector params;
    ByteWriter b(params);
    b.u32(0x00CC0020), b.i16(0), b.i16(0), b.i16(2), b.i16(1), b.i16(7), b.i16(6);
    b.i16(0), b.i16(1), b.i16(2), b.i16(4), b.u8(1), b.u8(24); // 1 x 2 pixels, 24 bits
    for (int i = 1; i <= 8; ++i)
        b.u8(static_cast<std::uint8_t>(i));
    test::WmfWriter w;
    w.Record(META_BITBLT, params);
    const EnhMetaFile p = Convert(w);
    const RecordView* r = test::FindRecord(p, EMR_STRETCHDIBITS);
    ASSERT_TRUE(r);
    EXPECT_EQ(Param(*r, 4), 6u); // xDest
    EXPECT_EQ(Param(*r, 7), 0u); // ySrc stays: the DIB is top-down
    const std::size_t bmi = Param(*r, 10), bits = Param(*r, 12);
    EXPECT_EQ(static_cast<std::int32_t>(ReadU32(r->data, bmi + 8)), -2);
    EXPECT_EQ(Param(*r, 13), 8u); // two rows of 3 bytes, each padded to 4
    EXPECT_EQ(ReadU32(r->data, bits), 0x00030201u);
    EXPECT_EQ(ReadU32(r->data, bits + 4), 0x00070605u);
}

// Palette indices of 4- and 8-bit device bitmaps take the colours of a 16-colour display and
// the static colours of a 256-colour one, where the recording device had them.
TEST(ConvertWmfBitmaps, IndexedBitmap16TakesTheLikelyDevicePalette) {
    struct Case {
        std::uint8_t bpp, pixels;
        std::uint32_t colours, index, rgb;
    };
    for (const Case c : {Case{4, 0x9C, 16, 9, 0xFF0000u}, Case{4, 0x9C, 16, 12, 0x0000FFu},
                         Case{8, 249, 256, 249, 0xFF0000u}, Case{8, 249, 256, 8, 0xC0DCC0u},
                         Case{8, 249, 256, 100, 0u}}) {
        ByteVector params;
        ByteWriter b(params);
        b.u32(0x00CC0020), b.i16(0), b.i16(0), b.i16(1), b.i16(2), b.i16(0), b.i16(0);
        b.i16(0), b.i16(2), b.i16(1), b.i16(2), b.u8(1), b.u8(c.bpp); // 2 x 1 pixels
        b.u8(c.pixels), b.u8(c.pixels);
        test::WmfWriter w;
        w.Record(META_BITBLT, params);
        const EnhMetaFile p = Convert(w);
        const RecordView* r = test::FindRecord(p, EMR_STRETCHDIBITS);
        ASSERT_TRUE(r) << int(c.bpp);
        const std::size_t bmi = Param(*r, 10);
        EXPECT_EQ(ReadU32(r->data, bmi + 12) >> 16, c.bpp); // biBitCount
        EXPECT_EQ(ReadU32(r->data, bmi + 32), c.colours);   // biClrUsed
        EXPECT_EQ(ReadU32(r->data, bmi + 40 + 4 * c.index), c.rgb) << int(c.bpp) << " " << c.index;
        EXPECT_EQ(std::to_integer<unsigned>(r->data[Param(*r, 12)]), c.pixels);
    }
}

TEST(ConvertWmfBitmaps, ADibThatDoesNotFitIsDropped) {
    ByteVector dib = TwoByTwoDib();
    test::SetU32(dib, 32, 0x10000000); // biClrUsed far beyond the data
    ByteVector params;
    ByteWriter b(params);
    b.u32(0x00CC0020), b.u16(0), b.i16(2), b.i16(2), b.i16(0), b.i16(0), b.i16(2), b.i16(2);
    b.i16(0), b.i16(0), b.bytes(dib);
    test::WmfWriter w;
    w.Record(META_STRETCHDIB, params);
    EXPECT_FALSE(test::FindRecord(Convert(w), EMR_STRETCHDIBITS));
}

// A region: one scan from y 10 to 20 with two spans; selecting it clips in device units.
TEST(ConvertWmfRegions, SelectedRegionBecomesDeviceClipRectangles) {
    test::WmfWriter w;
    w.Record(META_SCALEWINDOWEXT, {2, 1, 2, 1}); // half the device: device = 2 x logical
    w.Record(META_CREATEREGION,
             {0, 6, 0, 0, 0, 1, 0, 0, 10, 40, 20, /*scan*/ 4, 10, 20, 0, 5, 30, 40, 4});
    w.Record(META_SELECTCLIPREGION, {0});
    w.Record(META_FILLREGION, {0, 0});
    const EnhMetaFile p = Convert(w);
    const RecordView* clip = test::FindRecord(p, EMR_EXTSELECTCLIPRGN);
    ASSERT_TRUE(clip);
    EXPECT_EQ(Param(*clip, 0), 32u + 32u); // cbRgnData
    EXPECT_EQ(Param(*clip, 1), 5u);        // RGN_COPY
    EXPECT_EQ(Param(*clip, 4), 2u);        // nCount
    EXPECT_EQ(Param(*clip, 10), 0u);       // first rectangle, device units
    EXPECT_EQ(Param(*clip, 11), 20u);
    EXPECT_EQ(Param(*clip, 12), 10u);
    EXPECT_EQ(Param(*clip, 13), 40u);
    const RecordView* fill = test::FindRecord(p, EMR_FILLRGN);
    ASSERT_TRUE(fill);
    EXPECT_EQ(Param(*fill, 5), 1u);  // brush handle of slot 0
    EXPECT_EQ(Param(*fill, 14), 0u); // first rectangle, logical units
    EXPECT_EQ(Param(*fill, 15), 10u);
    EXPECT_EQ(Param(*fill, 16), 5u);
}

// Every use of a region copies its rectangles: a small file that uses a large region over and
// over must not grow into a picture thousands of times its size.
TEST(ConvertWmfRegions, ReusingARegionCannotBlowUpThePicture) {
    ByteVector region;
    ByteWriter r(region);
    r.u16(0), r.u16(6), r.u32(0), r.u16(0), r.u16(1), r.u16(0), r.i16(0), r.i16(0), r.i16(9000);
    r.i16(1);
    r.u16(2 * 1000), r.i16(0), r.i16(1);
    for (std::int16_t x = 0; x < 1000; ++x)
        r.i16(static_cast<std::int16_t>(4 * x)), r.i16(4 * x + 1);
    r.u16(2 * 1000);
    test::WmfWriter w;
    w.Record(META_CREATEREGION, region);
    for (int i = 0; i < 5000; ++i)
        w.Record(META_SELECTCLIPREGION, {0});
    const ByteVector wmf = w.Build();
    const EnhMetaFile p = Convert(w);
    EXPECT_LE(p.Data().size(), 64 * wmf.size() + (1 << 20) + 4096);
    EXPECT_GT(p.Records().size(), 100u);
}

} // namespace
} // namespace emf
