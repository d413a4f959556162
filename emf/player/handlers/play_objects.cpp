// Object records: creating, selecting and deleting pens, brushes, fonts and palettes in the
// handle table; indices with the high bit set name stock objects.
#include "emf/player/bitmaps/dib_decoder.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

namespace emf {

namespace {
constexpr std::uint32_t kStockBit = 0x80000000;
}

HGDIOBJ ResolveObject(const Playback& pb, std::uint32_t index) {
    if (index & kStockBit) return StockObjectAt(index & ~kStockBit);
    return pb.table.Get(index);
}

namespace handlers {

namespace {

// Stores a new object; index 0 is the metafile itself and never holds an object.
bool Store(Playback& pb, std::uint32_t index, HGDIOBJ object) {
    return index != 0 && pb.table.Set(index, std::move(object));
}

} // namespace

bool SelectObject(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    const HGDIOBJ obj = r.ok() ? ResolveObject(pb, index) : nullptr;
    if (!obj || As<LogPalette>(obj)) return false; // a bad index is ignored
    DcState& s = pb.dc.state;
    if (As<LogPen>(obj))
        s.pen = obj;
    else if (As<LogBrush>(obj))
        s.brush = obj;
    else if (As<LogFont>(obj))
        s.font = obj;
    return true;
}

bool DeleteObject(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    if (!r.ok() || (index & kStockBit)) return false;
    return Store(pb, index, nullptr);
}

bool CreatePen(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    LogPen pen;
    pen.style = r.u32();
    pen.width = r.i32();
    r.skip(4); // the y of lopnWidth is unused
    pen.color = r.u32();
    pen.width = std::abs(pen.width);
    return r.ok() && Store(pb, index, MakeObject(std::move(pen)));
}

bool ExtCreatePen(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    r.skip(16); // a DIB pattern for the pen is drawn with the pen's colour instead
    LogPen pen;
    pen.style = r.u32();
    pen.width = r.u32();
    const std::uint32_t brushStyle = r.u32();
    pen.color = r.u32();
    r.skip(4); // hatch
    const std::uint32_t count = r.u32();
    Bytes styles = r.array(count, 4);
    if (!r.ok() || count > 1024) return false;
    ByteReader sr(styles);
    for (std::uint32_t i = 0; i < count; ++i)
        pen.dashes.push_back(sr.u32());
    pen.cosmetic = (pen.style & PS_TYPE_MASK) == PS_COSMETIC;
    if (brushStyle == BS_NULL) pen.style = (pen.style & ~PS_STYLE_MASK) | PS_NULL;
    return Store(pb, index, MakeObject(std::move(pen)));
}

bool CreateBrushIndirect(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    LogBrush brush;
    brush.style = r.u32();
    brush.color = r.u32();
    brush.hatch = r.u32();
    if (!r.ok()) return false;
    // Pattern styles cannot be described without a bitmap; the platform makes them solid.
    if (brush.style != BS_NULL && brush.style != BS_HATCHED) brush.style = BS_SOLID;
    return Store(pb, index, MakeObject(std::move(brush)));
}

namespace {

bool CreatePatternBrush(Playback& pb, ByteReader& r, bool mono) {
    const std::uint32_t index = r.u32();
    r.skip(4); // usage: palette-index colour tables are read as RGB
    const DibLocation at = ReadDibLocation(r);
    if (!r.ok()) return false;
    std::optional<QImage> image = DecodeNoted(pb, r.data(), at);
    if (!image) return false;
    LogBrush brush;
    brush.style = BS_DIBPATTERNPT;
    brush.pattern = std::move(*image);
    brush.mono = mono && brush.pattern.format() == QImage::Format_Mono;
    return Store(pb, index, MakeObject(std::move(brush)));
}

} // namespace

bool CreateMonoBrush(Playback& pb, ByteReader& r) {
    return CreatePatternBrush(pb, r, true);
}
bool CreateDibPatternBrushPt(Playback& pb, ByteReader& r) {
    return CreatePatternBrush(pb, r, false);
}

bool ExtCreateFontIndirectW(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    std::optional<LogFont> font = ReadLogFontW(r);
    return font && Store(pb, index, MakeObject(std::move(*font)));
}

namespace {

std::optional<std::vector<PaletteEntry>> ReadEntries(ByteReader& r, std::uint32_t count) {
    Bytes raw = r.array(count, 4);
    if (!r.ok()) return std::nullopt;
    ByteReader er(raw);
    std::vector<PaletteEntry> entries(count);
    for (PaletteEntry& e : entries)
        e = {er.u8(), er.u8(), er.u8(), er.u8()};
    return entries;
}

const LogPalette* PaletteAt(const Playback& pb, std::uint32_t index) {
    return As<LogPalette>(pb.table.Get(index));
}

} // namespace

bool CreatePalette(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32();
    r.skip(2); // version
    const auto entries = ReadEntries(r, r.u16());
    return entries && Store(pb, index, MakeObject(LogPalette{*entries}));
}

bool SelectPalette(Playback& pb, ByteReader& r) {
    const HGDIOBJ obj = ResolveObject(pb, r.u32());
    if (!r.ok() || !As<LogPalette>(obj)) return false;
    pb.dc.state.palette = obj;
    return true;
}

bool SetPaletteEntries(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32(), start = r.u32(), count = r.u32();
    const auto entries = ReadEntries(r, count);
    const LogPalette* old = PaletteAt(pb, index);
    if (!entries || !old) return false;
    LogPalette pal = *old;
    for (std::uint32_t i = 0; i < count && std::uint64_t(start) + i < pal.entries.size(); ++i)
        pal.entries[start + i] = (*entries)[i];
    return Store(pb, index, MakeObject(std::move(pal)));
}

bool ResizePalette(Playback& pb, ByteReader& r) {
    const std::uint32_t index = r.u32(), count = r.u32();
    const LogPalette* old = PaletteAt(pb, index);
    if (!r.ok() || !old || count > 1024) return false;
    LogPalette pal = *old;
    pal.entries.resize(count);
    return Store(pb, index, MakeObject(std::move(pal)));
}

} // namespace handlers
} // namespace emf
