#include "metaview/windows/hit_test.h"
#include "metaview/windows/view_layout.h"

#include "emf/emf_builder.h"

#include <gtest/gtest.h>

namespace {

using metaview::ViewSize;

TEST(ViewLayout, FittedSizeKeepsTheFrameProportions) {
    // A landscape frame 3:2 in a 400 x 300 client: the width limits.
    EXPECT_EQ(metaview::FittedSize({0, 0, 30000, 20000}, {400, 300}), (ViewSize{400, 266}));
    // Portrait: the height limits.
    EXPECT_EQ(metaview::FittedSize({0, 0, 10000, 20000}, {400, 300}), (ViewSize{150, 300}));
    // Nearly square but wider than high, in a wide client: it still fits inside.
    EXPECT_EQ(metaview::FittedSize({100, 100, 11100, 10100}, {800, 300}), (ViewSize{330, 300}));
    EXPECT_EQ(metaview::FittedSize({0, 0, 0, 500}, {400, 300}), (ViewSize{0, 0}));
    EXPECT_EQ(metaview::FittedSize({0, 0, 500, 500}, {0, 300}), (ViewSize{0, 0}));
}

TEST(ViewLayout, DrawingRectCentresOrStartsAtTheOrigin) {
    const emf::RectL stretched = metaview::DrawingRect({400, 300}, {100, 50}, false);
    EXPECT_EQ(stretched.right, 400);
    EXPECT_EQ(stretched.bottom, 300);
    const emf::RectL centred = metaview::DrawingRect({400, 300}, {400, 266}, true);
    EXPECT_EQ(centred.left, 0);
    EXPECT_EQ(centred.top, 17);
    EXPECT_EQ(centred.bottom, 283);
    // Zoomed beyond the client: starts at 0 and keeps its zoomed size.
    const emf::RectL zoomed = metaview::DrawingRect({400, 300}, {3200, 2128}, true);
    EXPECT_EQ(zoomed.left, 0);
    EXPECT_EQ(zoomed.top, 0);
    EXPECT_EQ(zoomed.right, 3200);
    EXPECT_EQ(zoomed.bottom, 2128);
    EXPECT_EQ(metaview::ScrollRange(3200, 400), 2800);
    EXPECT_EQ(metaview::ScrollRange(300, 400), 0);
}

TEST(ViewLayout, ClicksMapThroughTheBounds) {
    const auto p = metaview::MapToBounds({200, 150}, {0, 0, 400, 300}, {10, 10, 210, 110});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, 110);
    EXPECT_EQ(p->y, 60);
    EXPECT_FALSE(metaview::MapToBounds({1, 1}, {0, 0, 0, 300}, {10, 10, 210, 110}));
    EXPECT_FALSE(metaview::MapToBounds({1, 1}, {0, 0, 400, 300}, {10, 10, 10, 110}));
}

emf::EnhMetaFile Boxes() {
    emf::EmfBuilder b;
    b.Rectangle({0, 0, 100, 100}); // record 1, area 10000
    b.Ellipse({20, 20, 60, 60});   // record 2, area 1600
    b.Rectangle({40, 40, 80, 80}); // record 3, area 1600, overlaps record 2
    b.SetMapMode(1);               // no geometry
    return *emf::EnhMetaFile::FromBytes(b.Build()).picture;
}

TEST(HitTest, TheSmallestContainingRecordWinsAndTheEarlierOnATie) {
    const emf::EnhMetaFile picture = Boxes();
    auto at = [&](int x, int y) { return metaview::SmallestRecordAt(picture, {x, y}); };
    ASSERT_TRUE(at(90, 90));
    EXPECT_EQ(at(90, 90)->right, 100);
    ASSERT_TRUE(at(30, 30));
    EXPECT_EQ(at(30, 30)->left, 20);
    EXPECT_EQ(at(50, 50)->left, 20) << "equal areas: the earlier record";
    EXPECT_EQ(at(70, 70)->left, 40);
    EXPECT_EQ(at(100, 100)->right, 100) << "edges belong to the rectangle";
    EXPECT_FALSE(at(101, 50));
}

} // namespace
