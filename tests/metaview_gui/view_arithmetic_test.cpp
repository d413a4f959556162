#include "metaview/windows/hit_test.h"
#include "metaview/windows/view_layout.h"

#include "metaview/document/emf_data.h"

#include "emf/emf_builder.h"
#include "emf/record_types.h"

#include <cstring>

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

// Frames spanning their whole 32-bit fields keep their proportions, as a 15 m plan must.
TEST(ViewLayout, FramesAtTheLimitsOfTheirFieldsFitAtTheirAspect) {
    EXPECT_EQ(metaview::FittedSize({INT32_MIN, INT32_MIN, INT32_MAX, 0}, {800, 600}),
              (ViewSize{800, 400}));
    EXPECT_EQ(metaview::FittedSize({0, 0, 1497122, 748561}, {800, 800}), (ViewSize{800, 400}));
    EXPECT_EQ(metaview::FittedSize({INT32_MIN, 0, INT32_MAX, 1}, {800, 600}), (ViewSize{800, 0}));
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

// World transform and page mapping in one picture, the ellipses nested in the polygon:
// logical (x, y) lies at reference pixel ((x + 200) / 2, (y + 100) / 2).
std::vector<std::byte> TransformedShapes() {
    emf::EmfBuilder b;
    b.SetFrame(emf::DeviceToFrame({0, 0, 599, 499}, emf::kReferenceDevice));
    b.SetBounds({100, 50, 500, 450});
    b.SetMapMode(8); // MM_ANISOTROPIC
    b.SetWindowExtEx({1000, 1000});
    b.SetViewportExtEx({500, 500});
    const float world[6] = {1, 0, 0, 1, 200, 100};
    std::vector<std::byte> xform(sizeof world);
    std::memcpy(xform.data(), world, sizeof world);
    b.AddRecord(emf::EMR_SETWORLDTRANSFORM, xform);
    const emf::PointS square[] = {{0, 0}, {800, 0}, {800, 800}, {0, 800}};
    b.Polygon16(square);                   // record 5: reference pixels 100..500 x 50..450
    b.Ellipse({100, 100, 200, 200});       // record 6: 150..200 x 100..150
    b.Ellipse({120, 120, 180, 180});       // record 7: inside record 6
    b.Rectangle({1000, 1000, 1010, 1010}); // record 8: off the frame, clipped away
    return b.Build();
}

CEMFData Loaded(const std::vector<std::byte>& bytes) {
    CEMFData data;
    std::string error;
    EXPECT_TRUE(data.LoadFromArchive(bytes, error)) << error;
    return data;
}

void ExpectBox(const std::optional<QRectF>& box, QRectF expected, const char* what = "") {
    SCOPED_TRACE(what);
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->left(), expected.left(), 1.5);
    EXPECT_NEAR(box->top(), expected.top(), 1.5);
    EXPECT_NEAR(box->right(), expected.right(), 1.5);
    EXPECT_NEAR(box->bottom(), expected.bottom(), 1.5);
}

TEST(HitTest, FindsTheSmallestDrawnRecordUnderTheMappingAndWorldTransform) {
    const CEMFData data = Loaded(TransformedShapes());
    const emf::RectL own{0, 0, 600, 500};
    auto at = [&](double x, double y) { return metaview::SmallestRecordAt(data, own, {x, y}); };
    ExpectBox(at(175, 110), {150, 100, 50, 50}, "the outer ellipse, not the polygon");
    ExpectBox(at(175, 125), {160, 110, 30, 30}, "the inner ellipse inside it");
    ExpectBox(at(300, 300), {100, 50, 400, 400});
    EXPECT_FALSE(at(550, 300)) << "beside every record";
    EXPECT_FALSE(at(599, 499)) << "the clipped-away rectangle is not there";
    // Stretched to half the width, as the view without fixed aspect does.
    const emf::RectL narrow{0, 0, 300, 500};
    ExpectBox(metaview::SmallestRecordAt(data, narrow, {87.5, 125}), {80, 110, 15, 30});
}

TEST(HitTest, ARecordOutOfThePlayListIsNotThere) {
    CEMFData data = Loaded(TransformedShapes());
    data.SetPlayMode(PlayPlayList);
    data.SetPlayFlag(7, false);
    data.SetPlayFlag(6, false);
    ExpectBox(metaview::SmallestRecordAt(data, {0, 0, 600, 500}, {175, 125}), {100, 50, 400, 400});
    data.SetPlayFlag(3, false); // without the window extent the picture is drawn elsewhere
    EXPECT_FALSE(metaview::SmallestRecordAt(data, {0, 0, 600, 500}, {175, 125}));
}

TEST(HitTest, TheSelectionIsOutlinedWhereTheRecordWasFound) {
    CEMFData data = Loaded(TransformedShapes());
    const emf::RectL drawn{10, 20, 310, 520};
    ASSERT_TRUE(data.SelectDrawn({90, 120, 15, 30}, drawn));
    const auto outline = data.SelectionIn(drawn);
    ASSERT_TRUE(outline);
    EXPECT_NEAR(outline->left, 90, 1);
    EXPECT_NEAR(outline->top, 120, 1);
    EXPECT_NEAR(outline->right, 105, 1);
    EXPECT_NEAR(outline->bottom, 150, 1);
    EXPECT_FALSE(data.SelectDrawn({0, 0, 1, 1}, {5, 5, 5, 100})) << "no drawing rectangle";
}

} // namespace
