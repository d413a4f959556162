#pragma once
// Reading the point, rectangle and matrix forms that drawing records and paths share.

#include "emf/byte_reader.h"
#include "emf/emfplus/plus_types.h"

#include <vector>

namespace emf::plus {

/// How a record stores its points: 32-bit floats, 16-bit integers, or relative 7/15-bit
/// steps from the previous point.
enum class PointForm { Float, Short, Relative };

/// The form the flags of a drawing record give (compressed 0x4000, relative 0x0800).
PointForm PointFormOf(std::uint16_t flags);

/// count points; false (and out empty) when they do not fit the reader's bytes.
bool ReadPoints(ByteReader& r, std::uint32_t count, PointForm form, std::vector<PointF>& out);
/// count rectangles, 16-bit integers when compressed; false when they do not fit.
bool ReadRects(ByteReader& r, std::uint32_t count, bool compressed, std::vector<RectF>& out);
RectF ReadRect(ByteReader& r, bool compressed);
Matrix ReadMatrix(ByteReader& r);
/// count floats or colours; false when they do not fit.
bool ReadFloats(ByteReader& r, std::uint32_t count, std::vector<float>& out);
bool ReadColors(ByteReader& r, std::uint32_t count, std::vector<Argb>& out);

} // namespace emf::plus
