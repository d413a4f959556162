#include "labels/label_layout.h"

#include <algorithm>
#include <limits>

namespace {

// Products are formed in 64 bits: a large frame or offset must not wrap around and put the
// label somewhere else; results are clamped back into the device's 32-bit coordinates.
std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t MillimetresToPixels(std::int64_t mm, std::int32_t pixelsPerInch, std::int32_t offset) {
    return Clamp32(mm * pixelsPerInch * 10 / 254 - offset);
}

std::int32_t HundredthsToPixels(std::int64_t mm100, std::int32_t pixelsPerInch,
                                std::int32_t offset) {
    return Clamp32(mm100 * pixelsPerInch / 2540 - offset);
}

std::int32_t TrueSize(std::int32_t pixels, std::int32_t frameExtent, std::int32_t sizeMm) {
    if (sizeMm == 0) return 0;
    return Clamp32(std::int64_t(pixels) * frameExtent / sizeMm / 100);
}

} // namespace

DevicePoint StartCellOrigin(const FormMargins& m, std::int32_t startColumn, std::int32_t startRow,
                            const DeviceMetrics& d) {
    if (!m.spacingEnabled) return {};
    const std::int64_t x =
        std::int64_t(m.left) + std::int64_t(startColumn - 1) * m.horizontalSpacing;
    const std::int64_t y = std::int64_t(m.top) + std::int64_t(startRow - 1) * m.verticalSpacing;
    return {std::max(0, MillimetresToPixels(x, d.logPixelsX, d.physicalOffsetX)),
            std::max(0, MillimetresToPixels(y, d.logPixelsY, d.physicalOffsetY))};
}

DevicePoint FineCellOrigin(const FineSheet& s, std::int32_t column, std::int32_t row,
                           const DeviceMetrics& d) {
    const std::int64_t x = s.left + std::int64_t(column - 1) * s.horizontalPitch;
    const std::int64_t y = s.top + std::int64_t(row - 1) * s.verticalPitch;
    return {std::max(0, HundredthsToPixels(x, d.logPixelsX, d.physicalOffsetX)),
            std::max(0, HundredthsToPixels(y, d.logPixelsY, d.physicalOffsetY))};
}

DeviceRect FormDestination(const FrameRect& f, const DeviceMetrics& d) {
    return {0, 0, TrueSize(d.horzRes, f.right - f.left, d.horzSize),
            TrueSize(d.vertRes, f.bottom - f.top, d.vertSize)};
}

std::vector<LabelCell> LabelCells(const FormMargins& sheet, std::int32_t startColumn,
                                  std::int32_t startRow, std::size_t count) {
    std::vector<LabelCell> cells;
    cells.reserve(count);
    if (!sheet.spacingEnabled) {
        for (std::size_t i = 0; i < count; ++i)
            cells.push_back({int(i), 1, 1});
        return cells;
    }
    // A sheet stored with no columns or rows still holds one label.
    const std::int32_t columns = std::max(1, sheet.columns);
    const std::int32_t rows = std::max(1, sheet.rows);
    LabelCell cell{0, startColumn, startRow};
    for (std::size_t i = 0; i < count; ++i) {
        cells.push_back(cell);
        if (++cell.column > columns) {
            cell.column = 1;
            if (++cell.row > rows) cell = {cell.page + 1, 1, 1};
        }
    }
    return cells;
}
