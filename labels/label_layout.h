#pragma once
// Where on the page a label goes and how large its form prints: integer arithmetic over the
// device's capabilities, so that print, preview and tests agree to the pixel.

#include "labels/form_settings.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// The device capabilities printing reads (GetDeviceCaps HORZRES ... PHYSICALOFFSETY).
struct DeviceMetrics {
    std::int32_t horzRes = 0, vertRes = 0;   ///< printable area, pixels
    std::int32_t horzSize = 0, vertSize = 0; ///< printable area, millimetres
    std::int32_t logPixelsX = 0, logPixelsY = 0;
    std::int32_t physicalOffsetX = 0, physicalOffsetY = 0; ///< paper edge to printable area
};

struct DevicePoint {
    std::int32_t x = 0, y = 0;
    bool operator==(const DevicePoint&) const = default;
};

struct DeviceRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DeviceRect&) const = default;
};

/// A form's frame in 0.01 mm (ENHMETAHEADER.rclFrame).
struct FrameRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

/// The viewport origin of the 1-based start cell: margins are measured from the paper edge,
/// the device origin is the printable area's corner; a cell inside the border moves to it.
/// With spacing disabled the label sits at the printable area's corner (0, 0).
DevicePoint StartCellOrigin(const FormMargins& margins, std::int32_t startColumn,
                            std::int32_t startRow, const DeviceMetrics& device);

/// A sheet laid out finer than the stored whole millimetres: a label product's own numbers,
/// in 0.01 mm.
struct FineSheet {
    std::int64_t left = 0, top = 0, horizontalPitch = 0, verticalPitch = 0;
};

/// The viewport origin of a 1-based cell of a fine sheet, by the same rules as
/// StartCellOrigin.
DevicePoint FineCellOrigin(const FineSheet& sheet, std::int32_t column, std::int32_t row,
                           const DeviceMetrics& device);

/// The rectangle a form is played into so it prints at its true size on each axis;
/// empty when the device reports no size in millimetres.
DeviceRect FormDestination(const FrameRect& frame, const DeviceMetrics& device);

/// One label's place in a job: its page (0-based) and its 1-based cell there.
struct LabelCell {
    int page = 0;
    std::int32_t column = 1, row = 1;
    bool operator==(const LabelCell&) const = default;
};

/// The cells of count labels from the start cell on: left to right, then down, going on at
/// cell 1/1 of a new page when the sheet is full. Without spacing each label has a page of
/// its own.
std::vector<LabelCell> LabelCells(const FormMargins& sheet, std::int32_t startColumn,
                                  std::int32_t startRow, std::size_t count);
