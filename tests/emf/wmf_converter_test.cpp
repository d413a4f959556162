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

EnhMetaFile Convert(const ByteVector& wmf) {
    PictureResult r = ConvertWmf(wmf);
    EXPECT_TRUE(r) << r.error;
    return *r.picture;
}

// The records that every conversion starts with: the mapping of its window onto its area.
const std::vector<std::uint32_t> kPrologue = {EMR_HEADER, EMR_SETMAPMODE, EMR_SETWINDOWORGEX,
                                              EMR_SETWINDOWEXTEX, EMR_SETVIEWPORTEXTEX};

std::vector<std::uint32_t> WithPrologue(std::initializer_list<std::uint32_t> types) {
    std::vector<std::uint32_t> all = kPrologue;
    all.insert(all.end(), types);
    all.push_back(EMR_EOF);
    return all;
}

std::int32_t FrameWidth(const EnhMetaFile& p) {
    return p.Header().rclFrame.right - p.Header().rclFrame.left + 1;
}
std::int32_t FrameHeight(const EnhMetaFile& p) {
    return p.Header().rclFrame.bottom - p.Header().rclFrame.top + 1;
}

TEST(ConvertWmf, APlainWmfTakesItsSizeFromItsFirstWindowAtScreenResolution) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWORG, {-50, 100});        // y, x
    w.Record(META_SETWINDOWEXT, {200, 400});        // 400 x 200 units at 96 per inch
    w.Record(META_RECTANGLE, {150, 500, -50, 100}); // bottom, right, top, left: the window
    w.Record(META_SETWINDOWEXT, {900, 100});        // later windows do not size the picture
    const EnhMetaFile p = Convert(w.Build());
    EXPECT_EQ(test::Types(p), WithPrologue({EMR_SETWINDOWORGEX, EMR_SETWINDOWEXTEX, EMR_RECTANGLE,
                                            EMR_SETWINDOWEXTEX}));
    EXPECT_EQ(FrameWidth(p), 10583); // 400 / 96 inch in 0.01 mm
    EXPECT_EQ(FrameHeight(p), 5291);
    const RecordView& viewport = p.Records()[4];
    EXPECT_EQ(Param(viewport, 0), 339u); // the frame in reference-device pixels
    EXPECT_EQ(Param(viewport, 1), 169u);
    const EnhMetaHeader& h = p.Header();
    EXPECT_EQ(h.rclBounds.left, 0);
    EXPECT_EQ(h.rclBounds.top, 0);
    EXPECT_EQ(h.rclBounds.right, 338); // within the picture's area
    EXPECT_EQ(h.rclBounds.bottom, 168);
    EXPECT_EQ(h.szlDevice.cx, 1024);
    EXPECT_EQ(h.szlMillimeters.cy, 240);
    EXPECT_EQ(h.nRecords, p.Records().size());
    EXPECT_EQ(h.nBytes, p.Data().size());
    EXPECT_EQ(p.DescriptionA(), "");
}

TEST(ConvertWmf, AWindowGrowingUpwardsStillLandsInThePicture) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWORG, {1000, 0});
    w.Record(META_SETWINDOWEXT, {-1000, 2000});
    w.Record(META_RECTANGLE, {0, 2000, 1000, 0});
    const EnhMetaFile p = Convert(w.Build());
    EXPECT_EQ(FrameWidth(p), 2 * FrameHeight(p));
    EXPECT_EQ(p.Header().rclBounds.top, 0);
    EXPECT_GT(p.Header().rclBounds.bottom, 0);
}

TEST(ConvertWmf, WithoutAWindowThePictureCoversTheReferenceDevice) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWEXT, {0, 400}); // no size: ignored, as SetWindowExt does
    w.Record(META_LINETO, {384, 512});
    const EnhMetaFile p = Convert(w.Build());
    EXPECT_EQ(p.Header().rclFrame.right, 31999);
    EXPECT_EQ(p.Header().rclFrame.bottom, 23999);
    EXPECT_EQ(p.Header().rclBounds.right, 512);
    EXPECT_EQ(Param(p.Records()[4], 0), 1024u);
}

TEST(ConvertPlaceableWmf, TakesItsSizeFromTheBoundingBoxNotTheReferenceDevice) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWORG, {0, 0});
    w.Record(META_SETWINDOWEXT, {1440, 2880});
    w.Record(META_RECTANGLE, {1440, 2880, 0, 0});
    const PictureResult r = ConvertPlaceableWmf(w.BuildPlaceable({0, 0, 2880, 1440}, 1440));
    ASSERT_TRUE(r) << r.error;
    const EnhMetaFile& p = *r.picture;
    EXPECT_EQ(FrameWidth(p), 5080); // 2 x 1 inches, not the 4:3 of the reference device
    EXPECT_EQ(FrameHeight(p), 2540);
    EXPECT_EQ(p.Header().rclBounds.right, 162); // the box fills the picture's area
    EXPECT_EQ(p.Header().rclBounds.bottom, 80);
}

TEST(ConvertPlaceableWmf, TheBoxIsTheFirstWindowAndAReversedBoxIsNormalised) {
    test::WmfWriter w;
    w.Record(META_LINETO, {200, 100});
    const PictureResult r = ConvertPlaceableWmf(w.BuildPlaceable({300, 200, 100, 100}, 100));
    ASSERT_TRUE(r) << r.error;
    const EnhMetaFile& p = *r.picture;
    EXPECT_EQ(FrameWidth(p), 5080);
    EXPECT_EQ(FrameHeight(p), 2540);
    EXPECT_EQ(static_cast<std::int32_t>(Param(p.Records()[2], 0)), 100); // window origin
    EXPECT_EQ(Param(p.Records()[3], 0), 200u);                           // window extent
}

TEST(ConvertPlaceableWmf, AHeaderWithoutASizeFallsBackToTheWindow) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWEXT, {96, 192});
    for (const RectL& box : {RectL{0, 0, 0, 100}, RectL{0, 0, 100, 100}}) {
        const std::uint16_t unitsPerInch = box.right ? 0 : 1440;
        const PictureResult r = ConvertPlaceableWmf(w.BuildPlaceable(box, unitsPerInch));
        ASSERT_TRUE(r) << r.error;
        EXPECT_EQ(FrameWidth(*r.picture), 5080);
        EXPECT_EQ(FrameHeight(*r.picture), 2540);
    }
    EXPECT_FALSE(ConvertPlaceableWmf(ByteVector(12)));
}

TEST(ConvertWmf, RefusesWhatIsNoWmf) {
    EXPECT_FALSE(ConvertWmf({}));
    ByteVector bytes = test::WmfWriter().Build();
    bytes[2] = std::byte{8}; // header size in words
    const PictureResult r = ConvertWmf(bytes);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
}

TEST(ConvertWmf, AnEmptyWmfGivesAnEmptyPicture) {
    const EnhMetaFile p = Convert(test::WmfWriter().Build());
    EXPECT_EQ(test::Types(p), WithPrologue({}));
    EXPECT_LT(p.Header().rclBounds.right, p.Header().rclBounds.left);
}

TEST(ConvertWmf, StopsAtARecordWhoseSizeIsImpossible) {
    for (std::uint32_t words : {0u, 2u, 1000u}) {
        test::WmfWriter w;
        w.Record(META_MOVETO, {1, 2});
        w.RawRecord(words, META_LINETO, {});
        w.Record(META_LINETO, {3, 4});
        const EnhMetaFile p = Convert(w.Build());
        EXPECT_EQ(test::Types(p), WithPrologue({EMR_MOVETOEX})) << words;
    }
}

TEST(ConvertWmf, ShortRecordsAreSkippedNotReadPast) {
    test::WmfWriter w;
    w.Record(META_RECTANGLE, {1, 2});   // needs four words
    w.Record(META_POLYGON, {20, 1, 1}); // claims 20 points, holds one
    w.Record(META_LINETO, {7, 8});
    const EnhMetaFile p = Convert(w.Build());
    EXPECT_EQ(test::Types(p), WithPrologue({EMR_LINETO}));
}

TEST(ConvertWmf, ReadsUpToMetaEofOnly) {
    test::WmfWriter w;
    w.Record(META_LINETO, {1, 1});
    ByteVector bytes = w.Build();
    ByteWriter(bytes).bytes(ByteVector{std::byte{9}, std::byte{0}, std::byte{0}});
    EXPECT_EQ(test::Types(Convert(bytes)), WithPrologue({EMR_LINETO}));
    EXPECT_EQ(test::Types(Convert(w.Build(false))), WithPrologue({EMR_LINETO}));
}

TEST(ConvertWmf, WidensPolygonsAndKeepsTheirPoints) {
    test::WmfWriter w;
    w.Record(META_POLYGON, {3, 0, 0, -10, 20, 30, 40});
    w.Record(META_POLYPOLYGON, {2, 2, 1, 5, 6, 7, 8, 9, 10});
    const EnhMetaFile p = Convert(w.Build());
    const RecordView* poly = test::FindRecord(p, EMR_POLYGON16);
    ASSERT_TRUE(poly);
    EXPECT_EQ(Param(*poly, 4), 3u);
    EXPECT_EQ(static_cast<std::int32_t>(Param(*poly, 0)), -10);    // bounds left, device units
    EXPECT_EQ(ReadU32(poly->data, 28 + 4), 0xFFF6u | (20u << 16)); // x -10, y 20
    const RecordView* polys = test::FindRecord(p, EMR_POLYPOLYGON16);
    ASSERT_TRUE(polys);
    EXPECT_EQ(Param(*polys, 4), 2u);
    EXPECT_EQ(Param(*polys, 5), 3u);
    EXPECT_EQ(Param(*polys, 6), 2u);
    EXPECT_EQ(Param(*polys, 7), 1u);
    EXPECT_EQ(Param(*polys, 10), 9u | (10u << 16));
    EXPECT_EQ(polys->size, 8u + 24u + 8u + 12u); // head, fixed part, counts, points
}

// Some writers put a mode word before the colour, as META_EXTFLOODFILL has it; read from
// the fixed places, the point came out as (x, 0) and the fill flooded the page.
TEST(ConvertWmf, AFloodFillTakesItsPointFromTheRecordsEndInEitherLayout) {
    test::WmfWriter w;
    w.Record(META_FLOODFILL, {0x00FF, 0, 70, 20});    // colour 0x000000FF, y 70, x 20
    w.Record(META_FLOODFILL, {0, 0x00FF, 0, 70, 20}); // a mode word first
    w.Record(META_EXTFLOODFILL, {1, 0x00FF, 0, 70, 20});
    const EnhMetaFile p = Convert(w.Build());
    int fills = 0;
    for (const RecordView& r : p.Records()) {
        if (r.type != EMR_EXTFLOODFILL) continue;
        EXPECT_EQ(Param(r, 0), 20u);
        EXPECT_EQ(Param(r, 1), 70u);
        EXPECT_EQ(Param(r, 2), 0xFFu);
        EXPECT_EQ(Param(r, 3), fills == 2 ? 1u : 0u); // FLOODFILLSURFACE only when asked
        ++fills;
    }
    EXPECT_EQ(fills, 3);
}

TEST(ConvertWmf, RestoreDCBringsBackTheWindowForTheBounds) {
    test::WmfWriter w;
    w.Record(META_SETWINDOWEXT, {96, 96}); // an inch: 81 pixels of the reference device
    w.Record(META_SAVEDC, {});
    w.Record(META_SETWINDOWEXT, {1000, 1000});
    w.Record(META_RESTOREDC, {-1});
    w.Record(META_LINETO, {50, 50});
    const EnhMetaFile p = Convert(w.Build());
    EXPECT_EQ(p.Header().rclBounds.right, 42); // 50 of 96 units
    EXPECT_EQ(static_cast<std::int32_t>(Param(*test::FindRecord(p, EMR_RESTOREDC), 0)), -1);
}

TEST(PlaceableWmfBody, TakesTwiceMtSizeBytesAfterThePlaceableHeader) {
    test::WmfWriter w;
    w.Record(META_LINETO, {1, 1});
    ByteVector file = w.BuildPlaceable();
    const std::size_t wmfSize = file.size() - kPlaceableHeaderSize;
    ByteWriter(file).zeros(100); // bytes after the metafile are not converted
    EXPECT_EQ(PlaceableWmfBody(file).size(), wmfSize);

    test::SetU32(file, kPlaceableHeaderSize + 6, 9); // mtSize covers the METAHEADER only
    EXPECT_EQ(PlaceableWmfBody(file).size(), 18u);
    EXPECT_EQ(test::Types(Convert(
                  ByteVector(PlaceableWmfBody(file).begin(), PlaceableWmfBody(file).end()))),
              WithPrologue({}));

    test::SetU32(file, kPlaceableHeaderSize + 6, 0xFFFFFFFF); // more than the file holds
    EXPECT_EQ(PlaceableWmfBody(file).size(), file.size() - kPlaceableHeaderSize);
    EXPECT_TRUE(PlaceableWmfBody(ByteVector(10)).empty());
}

} // namespace
} // namespace emf
