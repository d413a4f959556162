#pragma once
// The graphics objects a GDI+ picture defines in its object records, decoded from bytes.

#include "emf/byte_reader.h"
#include "emf/emfplus/plus_types.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace emf::plus {

struct Path {
    std::vector<PointF> points;
    std::vector<std::uint8_t> types; ///< one PathPointType per point
};

/// A region as its tree of nodes; nodes[0] is the root, children refer by index.
struct RegionNode {
    enum Type : std::uint32_t {
        And = 1,
        Union = 2,
        Xor = 3,
        Exclude = 4,
        Complement = 5,
        Rect = 0x10000000,
        PathNode = 0x10000001,
        Empty = 0x10000002,
        Infinite = 0x10000003
    };
    std::uint32_t type = Empty;
    RectF rect;
    Path path;
    int left = -1, right = -1;
};
struct Region {
    std::vector<RegionNode> nodes;
};

struct Image {
    enum Kind : std::uint32_t { Unknown = 0, Bitmap = 1, Metafile = 2 };
    enum BitmapType : std::uint32_t { Pixels = 0, Compressed = 1 };
    std::uint32_t kind = Unknown;
    std::int32_t width = 0, height = 0, stride = 0;
    std::uint32_t pixelFormat = 0;
    std::uint32_t bitmapType = Pixels; ///< bitmaps: raw pixels or a PNG/JPEG/... stream
    std::uint32_t metafileType = 0;    ///< metafiles: 1 WMF, 2 placeable WMF, 3-5 EMF
    std::vector<std::byte> data;       ///< pixels, the compressed stream, or the metafile
};

struct Brush {
    enum Kind : std::uint32_t {
        Solid = 0,
        Hatch = 1,
        Texture = 2,
        PathGradient = 3,
        LinearGradient = 4
    };
    enum DataFlags : std::uint32_t {
        HasPath = 0x01,
        HasTransform = 0x02,
        PresetColors = 0x04,
        BlendFactorsH = 0x08,
        BlendFactorsV = 0x10,
        FocusScales = 0x40,
        GammaCorrected = 0x80
    };
    std::uint32_t kind = Solid;
    Argb color = 0xFF000000; ///< solid; hatch foreground; gradient start; path centre
    Argb color2 = 0;         ///< hatch background; gradient end
    std::uint32_t hatchStyle = 0;
    std::uint32_t dataFlags = 0;
    std::int32_t wrapMode = 0;
    RectF rect; ///< linear gradient extent
    Matrix transform;
    std::vector<float> blendPositions; ///< with blendColors or blendFactors
    std::vector<Argb> blendColors;
    std::vector<float> blendFactors;
    PointF center; ///< path gradient
    std::vector<Argb> surroundingColors;
    Path boundary;
    std::shared_ptr<const Image> texture;
};

struct Pen {
    enum DataFlags : std::uint32_t {
        HasTransform = 0x01,
        HasStartCap = 0x02,
        HasEndCap = 0x04,
        HasJoin = 0x08,
        HasMiterLimit = 0x10,
        HasLineStyle = 0x20,
        HasDashedLineCap = 0x40,
        HasDashedLineOffset = 0x80,
        HasDashedLine = 0x100,
        HasAlignment = 0x200,
        HasCompoundLine = 0x400,
        HasCustomStartCap = 0x800,
        HasCustomEndCap = 0x1000
    };
    std::uint32_t dataFlags = 0;
    Unit unit = Unit::World;
    float width = 1;
    Matrix transform;
    std::int32_t startCap = 0, endCap = 0, dashedLineCap = 0;
    std::uint32_t join = 0;
    float miterLimit = 10;
    std::int32_t lineStyle = 0; ///< solid, dash, dot, dash-dot, dash-dot-dot, custom
    float dashOffset = 0;
    std::vector<float> dashes;
    std::int32_t alignment = 0; ///< centre or inset
    std::vector<float> compound;
    Brush brush;
};

struct Font {
    float emSize = 0;
    Unit unit = Unit::World;
    std::int32_t style = 0; ///< bold 1, italic 2, underline 4, strikeout 8
    std::u16string family;
};

struct StringFormat {
    enum Flags : std::uint32_t { DirectionVertical = 0x02, NoWrap = 0x1000, NoClip = 0x4000 };
    std::uint32_t flags = 0, language = 0;
    std::uint32_t alignment = 0, lineAlign = 0; ///< near, centre, far
    std::uint32_t digitSubstitution = 0, digitLanguage = 0;
    float firstTabOffset = 0;
    std::int32_t hotkeyPrefix = 0;
    float leadingMargin = 0, trailingMargin = 0, tracking = 1;
    std::uint32_t trimming = 0;
    std::int32_t tabStopCount = 0, rangeCount = 0;
};

struct ImageAttributes {
    std::uint32_t wrapMode = 0;
    Argb clampColor = 0;
    std::int32_t objectClamp = 0;
};

using Object = std::variant<std::monostate, Brush, Pen, Path, Region, Image, Font, StringFormat,
                            ImageAttributes>;

/// An object of type from its complete bytes; nothing when they are damaged or the type
/// is one no drawing record uses.
std::optional<Object> DecodeObject(std::uint32_t type, Bytes data);

// The pieces, for objects nested in others and for records that carry them inline.
bool ReadPath(ByteReader& r, Path& out);
bool ReadRegion(ByteReader& r, Region& out);
bool ReadBrush(ByteReader& r, Brush& out);
bool ReadPen(ByteReader& r, Pen& out);
bool ReadImage(ByteReader& r, Image& out);
bool ReadFont(ByteReader& r, Font& out);
bool ReadStringFormat(ByteReader& r, StringFormat& out);

} // namespace emf::plus
