#include "labels/label_layout.h"

#include <gtest/gtest.h>

namespace {

DeviceMetrics Printer600() {
    // A4 at 600 dpi with a 50-pixel unprintable border on each side.
    return {4860, 6916, 205, 292, 600, 600, 50, 50};
}

FormMargins Sheet(std::int32_t left, std::int32_t top, std::int32_t hs, std::int32_t vs) {
    return {left, top, hs, vs, 3, 8, 1};
}

TEST(StartCellOrigin, FirstCellFromThePaperEdge) {
    EXPECT_EQ(StartCellOrigin(Sheet(10, 15, 70, 37), 1, 1, Printer600()), (DevicePoint{186, 304}));
}

TEST(StartCellOrigin, LaterCellsStepBySpacing) {
    DeviceMetrics d = Printer600();
    d.physicalOffsetX = d.physicalOffsetY = 0;
    // 5 mm + 2 x 70 mm = 145 mm from the left edge; row 2 at 15 + 37 = 52 mm.
    EXPECT_EQ(StartCellOrigin(Sheet(5, 15, 70, 37), 3, 2, d),
              (DevicePoint{145 * 600 * 10 / 254, 52 * 600 * 10 / 254}));
}

TEST(StartCellOrigin, CellInsideTheBorderMovesToTheBorder) {
    DeviceMetrics d = Printer600();
    d.physicalOffsetX = 100; // 4.2 mm
    EXPECT_EQ(StartCellOrigin(Sheet(2, 0, 0, 0), 1, 1, d), (DevicePoint{0, 0}));
}

TEST(StartCellOrigin, SpacingDisabledIgnoresMargins) {
    FormMargins m = Sheet(40, 40, 70, 37);
    m.spacingEnabled = 0;
    EXPECT_EQ(StartCellOrigin(m, 3, 5, Printer600()), (DevicePoint{0, 0}));
}

TEST(StartCellOrigin, HugeSpacingDoesNotWrapAround) {
    const auto p = StartCellOrigin(Sheet(0, 0, 2'000'000'000, 0), 3, 1, Printer600());
    EXPECT_GT(p.x, 0);
}

TEST(FormDestination, PrintsAtTrueSizeOnEachAxis) {
    const FrameRect frame{0, 0, 12000, 12000}; // 120 mm x 120 mm
    DeviceMetrics d{4800, 3400, 203, 288, 600, 300, 0, 0};
    const DeviceRect r = FormDestination(frame, d);
    // Millimetres printed = pixels / (pixels per mm of that axis), up to truncation.
    EXPECT_NEAR(r.right * 203.0 / 4800, 120.0, 0.1);
    EXPECT_NEAR(r.bottom * 288.0 / 3400, 120.0, 0.1);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
}

TEST(FormDestination, FrameOffsetDoesNotMatterOnlyItsExtent) {
    DeviceMetrics d = Printer600();
    EXPECT_EQ(FormDestination({500, 700, 6500, 3700}, d), FormDestination({0, 0, 6000, 3000}, d));
}

TEST(FormDestination, DeviceWithoutSizeGivesEmptyRectangle) {
    DeviceMetrics d = Printer600();
    d.horzSize = 0;
    d.vertSize = 0;
    EXPECT_EQ(FormDestination({0, 0, 12000, 12000}, d), DeviceRect{});
}

} // namespace

namespace {

FormMargins Grid(std::int32_t columns, std::int32_t rows, bool spacing = true) {
    return {0, 0, 70, 37, columns, rows, spacing ? 1 : 0};
}

TEST(LabelCells, FillTheRowThenGoDownThenToANewPage) {
    EXPECT_EQ(LabelCells(Grid(3, 2), 2, 2, 4),
              (std::vector<LabelCell>{{0, 2, 2}, {0, 3, 2}, {1, 1, 1}, {1, 2, 1}}));
    EXPECT_EQ(LabelCells(Grid(2, 1), 1, 1, 3),
              (std::vector<LabelCell>{{0, 1, 1}, {0, 2, 1}, {1, 1, 1}}));
    EXPECT_TRUE(LabelCells(Grid(2, 2), 1, 1, 0).empty());
}

TEST(LabelCells, WithoutSpacingEachLabelHasAPageOfItsOwn) {
    EXPECT_EQ(LabelCells(Grid(3, 8, false), 2, 5, 3),
              (std::vector<LabelCell>{{0, 1, 1}, {1, 1, 1}, {2, 1, 1}}));
}

TEST(LabelCells, ASheetWithoutColumnsOrRowsHoldsOneLabel) {
    EXPECT_EQ(LabelCells(Grid(0, 0), 1, 1, 2), (std::vector<LabelCell>{{0, 1, 1}, {1, 1, 1}}));
}

} // namespace
