#include "emf/emf_builder.h"

#include "emf/byte_writer.h"
#include "emf/record_types.h"

#include <algorithm>

namespace emf {
namespace {

constexpr std::uint32_t kHeaderSize = 108; // with both extensions, before the description
constexpr std::uint32_t kEmfVersion = 0x10000;

bool CreatesObject(std::uint32_t type) {
    switch (type) {
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_CREATEPALETTE:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
    case EMR_EXTCREATEPEN:
    case EMR_CREATECOLORSPACE:
    case EMR_CREATECOLORSPACEW:
        return true;
    default:
        return false;
    }
}

std::int32_t Scale(std::int32_t v, std::int32_t num, std::int32_t den) {
    return den == 0 ? 0 : static_cast<std::int32_t>(std::int64_t(v) * num / den);
}

RectL PointsExtent(std::span<const PointS> points) {
    RectL r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const PointS& p : points) {
        r.left = std::min<std::int32_t>(r.left, p.x),
        r.right = std::max<std::int32_t>(r.right, p.x);
        r.top = std::min<std::int32_t>(r.top, p.y),
        r.bottom = std::max<std::int32_t>(r.bottom, p.y);
    }
    return r;
}

} // namespace

RectL DeviceToFrame(const RectL& pixels, const ReferenceDevice& device) {
    if (pixels.right < pixels.left || pixels.bottom < pixels.top) return {0, 0, -1, -1};
    const std::int32_t mx = device.millimeters.cx * 100, px = device.pixels.cx;
    const std::int32_t my = device.millimeters.cy * 100, py = device.pixels.cy;
    return {Scale(pixels.left, mx, px), Scale(pixels.top, my, py),
            Scale(pixels.right + 1, mx, px) - 1, Scale(pixels.bottom + 1, my, py) - 1};
}

void EmfBuilder::SetDescription(std::u16string_view application, std::u16string_view picture) {
    m_description.assign(application);
    m_description.push_back(0);
    m_description.append(picture);
    m_description.append(2, u'\0');
}

void EmfBuilder::IncludeInBounds(const RectL& r) {
    if (m_boundsEmpty) {
        m_bounds = r, m_boundsEmpty = false;
        return;
    }
    m_bounds.left = std::min(m_bounds.left, r.left), m_bounds.top = std::min(m_bounds.top, r.top);
    m_bounds.right = std::max(m_bounds.right, r.right);
    m_bounds.bottom = std::max(m_bounds.bottom, r.bottom);
}

void EmfBuilder::AddRecord(std::uint32_t type, Bytes params) {
    ByteWriter w(m_body);
    const std::size_t start = w.size();
    w.u32(type), w.u32(0), w.bytes(params), w.pad4();
    w.patchU32(start + 4, static_cast<std::uint32_t>(w.size() - start));
    ++m_records;
    m_endsWithEof = type == EMR_EOF;
    if (CreatesObject(type) && params.size() >= 4) {
        const std::uint64_t index = ReadU32(params, 0);
        m_handles =
            static_cast<std::uint32_t>(std::clamp<std::uint64_t>(index + 1, m_handles, 0xFFFF));
    }
}

std::vector<std::byte> EmfBuilder::HeaderRecord() const {
    const std::uint32_t descBytes = static_cast<std::uint32_t>(m_description.size() * 2);
    const std::uint32_t size = kHeaderSize + (descBytes + 3) / 4 * 4;
    const std::uint32_t eofSize = m_endsWithEof ? 0 : 20 + 4 * std::uint32_t(m_palette.size());
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(EMR_HEADER), w.u32(size);
    w.rect(m_boundsFixed || !m_boundsEmpty ? m_bounds : RectL{0, 0, -1, -1});
    w.rect(Frame());
    w.u32(ENHMETA_SIGNATURE), w.u32(kEmfVersion);
    w.u32(static_cast<std::uint32_t>(size + m_body.size() + eofSize));
    w.u32(m_records + 1 + (m_endsWithEof ? 0 : 1));
    w.u16(static_cast<std::uint16_t>(m_handles)), w.u16(0);
    w.u32(static_cast<std::uint32_t>(m_description.size()));
    w.u32(m_description.empty() ? 0 : kHeaderSize);
    w.u32(static_cast<std::uint32_t>(m_palette.size()));
    w.size(m_device.pixels), w.size(m_device.millimeters);
    w.u32(0), w.u32(0), w.u32(0); // no pixel format, no OpenGL
    w.size({m_device.millimeters.cx * 1000, m_device.millimeters.cy * 1000});
    for (char16_t c : m_description)
        w.u16(c);
    w.pad4();
    return out;
}

RectL EmfBuilder::Frame() const {
    if (m_frameFixed) return m_frame;
    if (!m_boundsFixed && m_boundsEmpty) return {0, 0, -1, -1};
    return DeviceToFrame(m_bounds, m_device);
}

std::vector<std::byte> EmfBuilder::Build() const {
    std::vector<std::byte> out = HeaderRecord();
    out.insert(out.end(), m_body.begin(), m_body.end());
    if (m_endsWithEof) return out;
    const std::uint32_t count = static_cast<std::uint32_t>(m_palette.size());
    const std::uint32_t size = 20 + 4 * count;
    ByteWriter w(out);
    w.u32(EMR_EOF), w.u32(size), w.u32(count), w.u32(count ? 16 : 0);
    for (const PaletteEntry& e : m_palette)
        w.u8(e.red), w.u8(e.green), w.u8(e.blue), w.u8(e.flags);
    w.u32(size);
    return out;
}

PictureResult EmfBuilder::Picture() const {
    return EnhMetaFile::FromBytes(Build());
}

void EmfBuilder::SetMapMode(std::uint32_t mode) {
    AddRecord(EMR_SETMAPMODE, PackParams(mode));
}
void EmfBuilder::SetWindowExtEx(SizeL ext) {
    AddRecord(EMR_SETWINDOWEXTEX, PackParams(ext));
}
void EmfBuilder::SetWindowOrgEx(PointL org) {
    AddRecord(EMR_SETWINDOWORGEX, PackParams(org));
}
void EmfBuilder::SetViewportExtEx(SizeL ext) {
    AddRecord(EMR_SETVIEWPORTEXTEX, PackParams(ext));
}
void EmfBuilder::SetViewportOrgEx(PointL org) {
    AddRecord(EMR_SETVIEWPORTORGEX, PackParams(org));
}
void EmfBuilder::SetBkMode(std::uint32_t mode) {
    AddRecord(EMR_SETBKMODE, PackParams(mode));
}
void EmfBuilder::SetTextAlign(std::uint32_t align) {
    AddRecord(EMR_SETTEXTALIGN, PackParams(align));
}
void EmfBuilder::SetTextColor(std::uint32_t c) {
    AddRecord(EMR_SETTEXTCOLOR, PackParams(c));
}
void EmfBuilder::SetBkColor(std::uint32_t c) {
    AddRecord(EMR_SETBKCOLOR, PackParams(c));
}
void EmfBuilder::SaveDC() {
    AddRecord(EMR_SAVEDC, {});
}
void EmfBuilder::RestoreDC(std::int32_t level) {
    AddRecord(EMR_RESTOREDC, PackParams(level));
}
void EmfBuilder::SelectObject(std::uint32_t h) {
    AddRecord(EMR_SELECTOBJECT, PackParams(h));
}
void EmfBuilder::DeleteObject(std::uint32_t h) {
    AddRecord(EMR_DELETEOBJECT, PackParams(h));
}

void EmfBuilder::CreatePen(std::uint32_t handle, std::uint32_t style, std::int32_t width,
                           std::uint32_t colorref) {
    AddRecord(EMR_CREATEPEN, PackParams(handle, style, PointL{width, 0}, colorref));
}

void EmfBuilder::CreateBrushIndirect(std::uint32_t handle, std::uint32_t style,
                                     std::uint32_t colorref, std::uint32_t hatch) {
    AddRecord(EMR_CREATEBRUSHINDIRECT, PackParams(handle, style, colorref, hatch));
}

void EmfBuilder::ExtCreateFontIndirectW(std::uint32_t handle, const LogFontW& f) {
    std::vector<std::byte> p =
        PackParams(handle, f.height, f.width, f.escapement, f.orientation, f.weight);
    ByteWriter w(p);
    for (std::uint8_t b : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                           f.clipPrecision, f.quality, f.pitchAndFamily})
        w.u8(b);
    const std::size_t units = std::min<std::size_t>(f.faceName.size(), 31);
    for (std::size_t i = 0; i < units; ++i)
        w.u16(f.faceName[i]);
    w.zeros(2 * (32 - units));
    AddRecord(EMR_EXTCREATEFONTINDIRECTW, p);
}

void EmfBuilder::MoveToEx(PointL p) {
    AddRecord(EMR_MOVETOEX, PackParams(p));
}

void EmfBuilder::LineTo(PointL p) {
    AddRecord(EMR_LINETO, PackParams(p));
    IncludeInBounds({p.x, p.y, p.x, p.y});
}

void EmfBuilder::Rectangle(const RectL& box) {
    AddRecord(EMR_RECTANGLE, PackParams(box));
    IncludeInBounds(box);
}

void EmfBuilder::Ellipse(const RectL& box) {
    AddRecord(EMR_ELLIPSE, PackParams(box));
    IncludeInBounds(box);
}

void EmfBuilder::AddPoly16(std::uint32_t type, std::span<const PointS> points) {
    const RectL extent = points.empty() ? RectL{0, 0, -1, -1} : PointsExtent(points);
    std::vector<std::byte> p = PackParams(extent, std::uint32_t(points.size()));
    ByteWriter w(p);
    for (const PointS& pt : points)
        w.i16(pt.x), w.i16(pt.y);
    AddRecord(type, p);
    if (!points.empty()) IncludeInBounds(extent);
}

void EmfBuilder::Polyline16(std::span<const PointS> points) {
    AddPoly16(EMR_POLYLINE16, points);
}
void EmfBuilder::Polygon16(std::span<const PointS> points) {
    AddPoly16(EMR_POLYGON16, points);
}

// [MS-EMF] 2.3.5.8: bounds, graphics mode, scales, then the EmrText with the string after it.
void EmfBuilder::AddTextOut(std::uint32_t type, PointL p, Bytes text, std::uint32_t chars,
                            std::uint32_t options, const RectL& rect,
                            std::span<const std::int32_t> dx) {
    constexpr std::uint32_t kStringOffset = 76, kGmCompatible = 1;
    const auto padded = std::uint32_t((text.size() + 3) / 4 * 4);
    const std::uint32_t dxOffset = dx.empty() ? 0 : kStringOffset + padded;
    std::vector<std::byte> params = PackParams(RectL{0, 0, -1, -1}, kGmCompatible, 0u, 0u, p, chars,
                                               kStringOffset, options, rect, dxOffset);
    ByteWriter w(params);
    w.bytes(text);
    if (!dx.empty()) {
        for (std::size_t i = text.size(); i < padded; ++i)
            w.u8(0);
        for (std::int32_t advance : dx)
            w.i32(advance);
    }
    AddRecord(type, params);
    IncludeInBounds({p.x, p.y, p.x, p.y});
}

void EmfBuilder::ExtTextOutW(PointL p, std::u16string_view text, std::uint32_t options,
                             const RectL& rect, std::span<const std::int32_t> dx) {
    std::vector<std::byte> units;
    ByteWriter w(units);
    for (char16_t c : text)
        w.u16(c);
    AddTextOut(EMR_EXTTEXTOUTW, p, units, std::uint32_t(text.size()), options, rect, dx);
}

void EmfBuilder::ExtTextOutA(PointL p, std::string_view text, std::uint32_t options) {
    const auto* first = reinterpret_cast<const std::byte*>(text.data());
    AddTextOut(EMR_EXTTEXTOUTA, p, Bytes(first, text.size()), std::uint32_t(text.size()), options,
               RectL{0, 0, -1, -1});
}

} // namespace emf
