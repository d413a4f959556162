#include "emf/emfplus/object_assembler.h"
#include "emf/emfplus/plus_header.h"
#include "emf/emfplus/plus_objects.h"
#include "emf/emfplus/plus_record_types.h"
#include "emf/emfplus/plus_records.h"
#include "tests/emf/plus_writer.h"

#include <gtest/gtest.h>

namespace emf::plus {
namespace {

using test::Data;
using test::PlusWriter;

EnhMetaFile Build(PlusWriter& w) {
    EmfBuilder b;
    w.AddTo(b);
    return *b.Picture().picture;
}

TEST(EmfPlusRecords, CommentSplitsIntoTypedRecordsAndTheHeaderSaysDual) {
    PlusWriter w;
    w.Header(true, 120).Record(EmfPlusFillRects, 0x8000,
                               Data().U32(0xFF00FF00).U32(1).F32s({1, 2, 3, 4}));
    const EnhMetaFile p = Build(w);
    ASSERT_TRUE(IsEmfPlusComment(p.Records()[1]));
    const CommentRecords split = SplitComment(p.Records()[1]);
    ASSERT_EQ(split.records.size(), 2u);
    EXPECT_TRUE(split.damage.empty());
    EXPECT_EQ(split.records[1].type, EmfPlusFillRects);
    EXPECT_EQ(split.records[1].flags, 0x8000);
    EXPECT_EQ(split.records[1].size, 36u);
    EXPECT_EQ(split.records[1].dataSize, 24u);
    EXPECT_EQ(RecordName(split.records[1].type), "EmfPlusFillRects");
    const auto h = FindHeader(p);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->dpiX, 120u);
    EXPECT_EQ(KindOf(h), PictureKind::EmfPlusDual);
    EXPECT_EQ(h->GraphicsVersion(), 2u);
}

TEST(EmfPlusRecords, DamagedRecordsAreListedOrEndTheCommentWithoutReadingPastIt) {
    PlusWriter w;
    w.Header(false)
        .RawRecord(EmfPlusClear, 0, 16, 40, Data().U32(0)) // data size beyond its size
        .Record(EmfPlusResetClip, 0)
        .RawRecord(EmfPlusResetClip, 0, 4000, 0); // runs past the comment
    const EnhMetaFile p = Build(w);
    const CommentRecords split = SplitComment(p.Records()[1]);
    ASSERT_EQ(split.records.size(), 3u);
    EXPECT_TRUE(split.records[1].damaged);
    EXPECT_TRUE(split.records[1].data.empty());
    EXPECT_EQ(split.records[2].type, EmfPlusResetClip);
    EXPECT_FALSE(split.damage.empty());
    EXPECT_EQ(KindOf(FindHeader(p)), PictureKind::EmfPlusOnly);
}

TEST(EmfPlusRecords, APlainCommentHoldsNoRecords) {
    EmfBuilder b;
    b.AddRecord(70, Data().U32(8).U32(0x12345678).U32(0).Bytes());
    const EnhMetaFile p = *b.Picture().picture;
    EXPECT_FALSE(IsEmfPlusComment(p.Records()[1]));
    EXPECT_TRUE(SplitComment(p.Records()[1]).records.empty());
    EXPECT_EQ(KindOf(FindHeader(p)), PictureKind::EmfOnly);
}

std::optional<Path> DecodePath(const Data& d) {
    const auto o = DecodeObject(ObjectPath, d.Bytes());
    if (!o) return std::nullopt;
    return std::get<Path>(*o);
}

TEST(EmfPlusObjects, PathPointsInEveryFormAndRunLengthTypes) {
    const auto plain = DecodePath(test::PathObject({1.5f, 2, 3, 4}, {0, 0x81}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->points[0].x, 1.5f);
    EXPECT_EQ(plain->types[1], 0x81);

    // Compressed: 16-bit integers.
    const auto shorts = DecodePath(Data().U32(0).U32(1).U32(0x4000).U16(0xFFFE).U16(7).U8(0));
    ASSERT_TRUE(shorts);
    EXPECT_EQ(shorts->points[0].x, -2);
    EXPECT_EQ(shorts->points[0].y, 7);

    // Relative: 7-bit steps (+5, -3), then a 15-bit step of -300, from the previous point.
    Data rel;
    rel.U32(0).U32(2).U32(0x0800).U8(5).U8(0x7D).U8(0xFE).U8(0xD4).U8(0x01);
    rel.U8(0).U8(1);
    const auto relative = DecodePath(rel);
    ASSERT_TRUE(relative);
    EXPECT_EQ(relative->points[0].x, 5);
    EXPECT_EQ(relative->points[0].y, -3);
    EXPECT_EQ(relative->points[1].x, -295);
    EXPECT_EQ(relative->points[1].y, -2);

    // Run-length types: three line points in one run.
    const auto rle =
        DecodePath(Data().U32(0).U32(3).U32(0x1000).F32s({0, 0, 1, 1, 2, 2}).U8(0x43).U8(1));
    ASSERT_TRUE(rle);
    EXPECT_EQ(rle->types, (std::vector<std::uint8_t>{1, 1, 1}));
}

TEST(EmfPlusObjects, CountsBeyondTheDataAreRefused) {
    EXPECT_FALSE(DecodePath(Data().U32(0).U32(0x40000000).U32(0).F32s({1, 2})));
    EXPECT_FALSE(DecodePath(Data().U32(0).U32(2).U32(0x1000).F32s({0, 0, 1, 1}).U8(0x40).U8(1)));
    EXPECT_FALSE(DecodeObject(ObjectBrush, Data().U32(0).U32(4).U32(0).Bytes()));
}

TEST(EmfPlusObjects, RegionTreesAreReadAndHostileDepthIsRefused) {
    Data d;
    d.U32(0).U32(2).U32(RegionNode::Exclude).U32(RegionNode::Rect).F32s({0, 0, 10, 10});
    d.U32(RegionNode::Infinite);
    const auto o = DecodeObject(ObjectRegion, d.Bytes());
    ASSERT_TRUE(o);
    const Region& r = std::get<Region>(*o);
    ASSERT_EQ(r.nodes.size(), 3u);
    EXPECT_EQ(r.nodes[0].type, RegionNode::Exclude);
    EXPECT_EQ(r.nodes[r.nodes[0].left].rect.width, 10);
    EXPECT_EQ(r.nodes[r.nodes[0].right].type, RegionNode::Infinite);

    Data deep;
    deep.U32(0).U32(0);
    for (int i = 0; i < 100000; ++i)
        deep.U32(RegionNode::And);
    EXPECT_FALSE(DecodeObject(ObjectRegion, deep.Bytes()));
}

TEST(EmfPlusObjects, BrushesAndPensWithTheirOptionalData) {
    Data linear;
    linear.U32(0).U32(Brush::LinearGradient).U32(Brush::PresetColors).U32(0);
    linear.F32s({0, 0, 100, 50}).U32(0xFFFF0000).U32(0xFF0000FF).U32(0).U32(0);
    linear.U32(2).F32s({0, 1}).U32(0xFF112233).U32(0xFF445566);
    const auto b = DecodeObject(ObjectBrush, linear.Bytes());
    ASSERT_TRUE(b);
    EXPECT_EQ(std::get<Brush>(*b).blendColors[1], 0xFF445566u);
    EXPECT_EQ(std::get<Brush>(*b).rect.width, 100);

    Data pen;
    pen.U32(0).U32(0).U32(Pen::HasEndCap | Pen::HasDashedLine).U32(2).F32(3);
    pen.U32(2).U32(2).F32s({2, 1}).Append(test::SolidBrush(0x80FF0000).Bytes());
    const auto p = DecodeObject(ObjectPen, pen.Bytes());
    ASSERT_TRUE(p);
    const Pen& pp = std::get<Pen>(*p);
    EXPECT_EQ(pp.width, 3);
    EXPECT_EQ(pp.unit, Unit::Pixel);
    EXPECT_EQ(pp.endCap, 2);
    EXPECT_EQ(pp.dashes.size(), 2u);
    EXPECT_EQ(pp.brush.color, 0x80FF0000u);
}

TEST(EmfPlusObjects, EmbeddedMetafilesKeepTheirBytes) {
    // An EMF holds exactly its size; a placeable WMF's size leaves out its placeable header.
    Data emf;
    emf.U32(0).U32(Image::Metafile).U32(3).U32(4).U32(0x11111111).U32(0x22222222);
    const auto e = DecodeObject(ObjectImage, emf.Bytes());
    ASSERT_TRUE(e);
    EXPECT_EQ(std::get<Image>(*e).data.size(), 4u);
    Data wmf;
    wmf.U32(0).U32(Image::Metafile).U32(2).U32(4).U32(0x9AC6CDD7).U32(0).U32(0);
    const auto w = DecodeObject(ObjectImage, wmf.Bytes());
    ASSERT_TRUE(w);
    EXPECT_EQ(std::get<Image>(*w).data.size(), 12u);
    Data cut;
    cut.U32(0).U32(Image::Metafile).U32(2).U32(40).U32(0x9AC6CDD7);
    EXPECT_FALSE(DecodeObject(ObjectImage, cut.Bytes()));
}

TEST(EmfPlusObjects, FontFamilyNames) {
    Data d;
    d.U32(0).F32(12).U32(3).U32(1).U32(0).U32(5).Text(u"Arial");
    const auto o = DecodeObject(ObjectFont, d.Bytes());
    ASSERT_TRUE(o);
    EXPECT_EQ(std::get<Font>(*o).family, u"Arial");
    EXPECT_EQ(std::get<Font>(*o).emSize, 12);
}

PlusRecord Piece(std::uint16_t flags, const Data& d) {
    PlusRecord r;
    r.type = EmfPlusObject;
    r.flags = flags;
    r.data = d.Bytes();
    return r;
}

TEST(EmfPlusObjects, ContinuedObjectsAreJoinedWithinBounds) {
    ObjectAssembler a(1000);
    const Data first = Data().U32(8).U32(0x11111111), second = Data().U32(8).U32(0x22222222);
    EXPECT_FALSE(a.Take(Piece(0x8000 | 0x0503, first)));
    const auto done = a.Take(Piece(0x8000 | 0x0503, second));
    ASSERT_TRUE(done);
    EXPECT_EQ(done->id, 3);
    EXPECT_EQ(done->type, ObjectImage);
    EXPECT_EQ(done->data.size(), 8u);

    // A last piece without the flag completes too; a piece of another object drops the first.
    EXPECT_FALSE(a.Take(Piece(0x8000 | 0x0503, first)));
    EXPECT_EQ(a.Take(Piece(0x0503, Data().U32(1)))->data.size(), 8u);
    EXPECT_FALSE(a.Take(Piece(0x8000 | 0x0503, Data().U32(8).U32(1))));
    EXPECT_FALSE(a.Take(Piece(0x8000 | 0x0504, Data().U32(8).U32(1))));
    EXPECT_EQ(a.Take(Piece(0x8000 | 0x0504, Data().U32(8).U32(2)))->type, 5u);

    // A declared total beyond the picture is never collected.
    EXPECT_FALSE(a.Take(Piece(0x8000 | 0x0101, Data().U32(5000).U32(1))));
    EXPECT_EQ(a.Take(Piece(0x0101, Data().U32(7)))->data.size(), 4u);
}

} // namespace
} // namespace emf::plus
