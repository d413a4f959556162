// Images, fonts, string formats and image attributes: [MS-EMFPLUS] 2.2.1.2 to 2.2.1.5, 2.2.1.9.
#include "emf/emfplus/plus_objects.h"

#include <algorithm>

namespace emf::plus {

namespace {

std::vector<std::byte> Copy(Bytes b) {
    return {b.begin(), b.end()};
}

constexpr std::uint32_t kWmfPlaceable = 2;

} // namespace

bool ReadImage(ByteReader& r, Image& out) {
    r.u32(); // version
    out.kind = r.u32();
    if (out.kind == Image::Bitmap) {
        out.width = r.i32();
        out.height = r.i32();
        out.stride = r.i32();
        out.pixelFormat = r.u32();
        out.bitmapType = r.u32();
        if (!r.ok()) return false;
        out.data = Copy(r.bytes(r.remaining()));
        return true;
    }
    if (out.kind == Image::Metafile) {
        out.metafileType = r.u32();
        const std::uint32_t size = r.u32();
        // Writers count a placeable WMF without its placeable header: the bytes run on.
        const Bytes data = r.bytes(
            out.metafileType == kWmfPlaceable ? std::max<std::size_t>(size, r.remaining()) : size);
        if (!r.ok()) return false;
        out.data = Copy(data);
        return true;
    }
    return false;
}

bool ReadFont(ByteReader& r, Font& out) {
    r.u32(); // version
    out.emSize = r.f32();
    out.unit = Unit(r.u32());
    out.style = r.i32();
    r.u32(); // reserved
    const std::uint32_t length = r.u32();
    const Bytes name = r.array(length, 2);
    if (!r.ok()) return false;
    out.family.clear();
    for (std::size_t i = 0; i + 1 < name.size(); i += 2) {
        const char16_t c = char16_t(std::to_integer<unsigned>(name[i]) |
                                    std::to_integer<unsigned>(name[i + 1]) << 8);
        if (c == 0) break;
        out.family.push_back(c);
    }
    return true;
}

bool ReadStringFormat(ByteReader& r, StringFormat& out) {
    r.u32(); // version
    out.flags = r.u32();
    out.language = r.u32();
    out.alignment = r.u32();
    out.lineAlign = r.u32();
    out.digitSubstitution = r.u32();
    out.digitLanguage = r.u32();
    out.firstTabOffset = r.f32();
    out.hotkeyPrefix = r.i32();
    out.leadingMargin = r.f32();
    out.trailingMargin = r.f32();
    out.tracking = r.f32();
    out.trimming = r.u32();
    out.tabStopCount = r.i32();
    out.rangeCount = r.i32();
    return r.ok(); // tab stops and character ranges follow; drawing does not use them
}

namespace {

bool ReadImageAttributes(ByteReader& r, ImageAttributes& out) {
    r.skip(8); // version, reserved
    out.wrapMode = r.u32();
    out.clampColor = r.u32();
    out.objectClamp = r.i32();
    return r.ok();
}

template <typename T, typename F> std::optional<Object> Decode(Bytes data, F read) {
    ByteReader r(data);
    T value;
    if (!read(r, value)) return std::nullopt;
    return Object(std::move(value));
}

} // namespace

std::optional<Object> DecodeObject(std::uint32_t type, Bytes data) {
    switch (type) {
    case ObjectBrush:
        return Decode<Brush>(data, ReadBrush);
    case ObjectPen:
        return Decode<Pen>(data, ReadPen);
    case ObjectPath:
        return Decode<Path>(data, ReadPath);
    case ObjectRegion:
        return Decode<Region>(data, ReadRegion);
    case ObjectImage:
        return Decode<Image>(data, ReadImage);
    case ObjectFont:
        return Decode<Font>(data, ReadFont);
    case ObjectStringFormat:
        return Decode<StringFormat>(data, ReadStringFormat);
    case ObjectImageAttributes:
        return Decode<ImageAttributes>(data, ReadImageAttributes);
    default:
        return std::nullopt;
    }
}

} // namespace emf::plus
