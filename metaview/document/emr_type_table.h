#pragma once
// The catalogue of record types the inspection tools show by name.

#include <array>
#include <cstdint>
#include <string_view>

/// What a record's parameters start with; the view's hit test uses the rectangles.
enum GeometryKind : std::uint32_t { GeometryNone = 0, GeometryPoint = 1, GeometryRect = 2 };

namespace metaview {

/// One row of the record type catalogue.
struct EMRTypeRow {
    std::string_view name;
    std::uint32_t type;
    GeometryKind geometry;
};

inline constexpr std::size_t kEMRTypeCount = 96;

} // namespace metaview

/// Record types 1 to 97 without 69, in ascending order.
extern const std::array<metaview::EMRTypeRow, metaview::kEMRTypeCount> EMRTypeTable;

/// The position of the row for type, or -1 when there is none.
std::int32_t FindEMRType(std::uint32_t type);

namespace metaview {

/// The text shown for a type the catalogue does not hold.
inline constexpr std::string_view kUnknownRecord = "Unknown Record";

/// The row's name, or "Unknown Record".
std::string_view EMRTypeName(std::uint32_t type);

/// Whether the catalogue says records of this type start with a bounding rectangle.
bool HasRectGeometry(std::uint32_t type);

} // namespace metaview
