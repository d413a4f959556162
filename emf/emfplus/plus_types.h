#pragma once
// Plain value types of the GDI+ record layer, as stored in the picture's bytes.

#include <cstdint>
#include <vector>

namespace emf::plus {

struct PointF {
    float x = 0, y = 0;
};
struct RectF {
    float x = 0, y = 0, width = 0, height = 0;
};
/// A 2x3 matrix: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct Matrix {
    float m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};
/// 0xAARRGGBB, the way the bytes B, G, R, A read as one little-endian value.
using Argb = std::uint32_t;

inline std::uint8_t Alpha(Argb c) {
    return std::uint8_t(c >> 24);
}
inline std::uint8_t Red(Argb c) {
    return std::uint8_t(c >> 16);
}
inline std::uint8_t Green(Argb c) {
    return std::uint8_t(c >> 8);
}
inline std::uint8_t Blue(Argb c) {
    return std::uint8_t(c);
}

enum class Unit : std::uint32_t {
    World = 0,
    Display = 1,
    Pixel = 2,
    Point = 3,
    Inch = 4,
    Document = 5,
    Millimeter = 6
};

enum class CombineMode : std::uint32_t {
    Replace = 0,
    Intersect = 1,
    Union = 2,
    Xor = 3,
    Exclude = 4,
    Complement = 5
};

enum ObjectType : std::uint32_t {
    ObjectInvalid = 0,
    ObjectBrush = 1,
    ObjectPen = 2,
    ObjectPath = 3,
    ObjectRegion = 4,
    ObjectImage = 5,
    ObjectFont = 6,
    ObjectStringFormat = 7,
    ObjectImageAttributes = 8,
    ObjectCustomLineCap = 9
};

/// Point types of a path: the low three bits, and the flags above them.
enum PathPointType : std::uint8_t {
    PathStart = 0,
    PathLine = 1,
    PathBezier = 3,
    PathTypeMask = 0x07,
    PathDashMode = 0x10,
    PathMarker = 0x20,
    PathCloseSubpath = 0x80
};

} // namespace emf::plus
