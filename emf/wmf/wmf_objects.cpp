#include "emf/wmf/wmf_objects.h"

#include "emf/byte_writer.h"
#include "emf/cp1252.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

namespace emf {

std::uint32_t WmfObjectTable::Add(WmfObject object) {
    if (m_free.empty()) {
        m_slots.push_back(std::move(object));
        return static_cast<std::uint32_t>(m_slots.size() - 1);
    }
    const std::uint32_t slot = m_free.top();
    m_free.pop();
    m_slots[slot] = std::move(object);
    return slot;
}

const WmfObject* WmfObjectTable::Find(std::uint32_t slot) const {
    if (slot >= m_slots.size() || m_slots[slot].kind == WmfObjectKind::Empty) return nullptr;
    return &m_slots[slot];
}

bool WmfObjectTable::Remove(std::uint32_t slot) {
    if (!Find(slot)) return false;
    m_slots[slot] = WmfObject{};
    m_free.push(slot);
    return true;
}

namespace {

// A damaged create record still takes its slot (missing fields read as zero), so the slots
// of the objects after it stay where the metafile expects them.
std::uint32_t AddObject(WmfContext& ctx, WmfObjectKind kind) {
    return EmfHandle(ctx.objects.Add(WmfObject{kind, {}, {}}));
}

// [MS-WMF] 2.2.1.3 Pen -> [MS-EMF] 2.2.19 LogPen.
void CreatePenIndirect(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t style = r.u16();
    const std::int16_t width = r.i16();
    r.skip(2);
    const std::uint32_t color = r.u32();
    const std::uint32_t h = AddObject(ctx, WmfObjectKind::Pen);
    ctx.Emit(EMR_CREATEPEN, PackParams(h, style, PointL{width, 0}, color));
}

// [MS-WMF] 2.2.1.1 Brush (solid and hatched; pattern brushes have their own records).
void CreateBrushIndirect(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t style = r.u16();
    const std::uint32_t color = r.u32();
    const std::uint16_t hatch = r.u16();
    const std::uint32_t h = AddObject(ctx, WmfObjectKind::Brush);
    ctx.Emit(EMR_CREATEBRUSHINDIRECT, PackParams(h, style, color, hatch));
}

std::u16string ReadFaceName(ByteReader& r) {
    std::string name;
    for (int i = 0; i < 32 && r.remaining() > 0; ++i) {
        const char c = static_cast<char>(r.u8());
        if (c == '\0') break;
        name.push_back(c);
    }
    return FromCp1252(name);
}

// [MS-WMF] 2.2.1.2 Font -> LOGFONTW; the face name is ANSI in the WMF.
void CreateFontIndirect(WmfContext& ctx, ByteReader& r) {
    LogFontW f;
    f.height = r.i16(), f.width = r.i16(), f.escapement = r.i16(), f.orientation = r.i16();
    f.weight = r.i16();
    f.italic = r.u8(), f.underline = r.u8(), f.strikeOut = r.u8(), f.charSet = r.u8();
    f.outPrecision = r.u8(), f.clipPrecision = r.u8(), f.quality = r.u8();
    f.pitchAndFamily = r.u8();
    f.faceName = ReadFaceName(r);
    ctx.emf.ExtCreateFontIndirectW(AddObject(ctx, WmfObjectKind::Font), f);
}

// Palette entries as they stand: [MS-WMF] 2.2.2.10 PaletteEntry is [MS-EMF]'s LogPaletteEntry.
Bytes ReadEntries(ByteReader& r, std::uint16_t& count) {
    Bytes entries = r.array(count, 4);
    if (!r.ok()) count = 0;
    return entries;
}

void CreatePalette(WmfContext& ctx, ByteReader& r) {
    r.skip(2); // Start: the LOGPALETTE version
    std::uint16_t count = r.u16();
    const Bytes entries = ReadEntries(r, count);
    std::vector<std::byte> params = PackParams(AddObject(ctx, WmfObjectKind::Palette));
    ByteWriter w(params);
    w.u16(0x300), w.u16(count), w.bytes(entries);
    ctx.Emit(EMR_CREATEPALETTE, params);
}

void SetPalEntries(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t start = r.u16();
    std::uint16_t count = r.u16();
    const Bytes entries = ReadEntries(r, count);
    if (!r.ok()) return;
    std::vector<std::byte> params = PackParams(ctx.selectedPalette, start, count);
    ByteWriter(params).bytes(entries);
    ctx.Emit(EMR_SETPALETTEENTRIES, params);
}

void ResizePalette(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t count = r.u16();
    if (r.ok()) ctx.Emit(EMR_RESIZEPALETTE, PackParams(ctx.selectedPalette, count));
}

void SelectPalette(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t slot = r.u16();
    const WmfObject* o = ctx.objects.Find(slot);
    if (!r.ok() || !o || o->kind != WmfObjectKind::Palette) return;
    ctx.selectedPalette = EmfHandle(slot);
    ctx.Emit(EMR_SELECTPALETTE, PackParams(ctx.selectedPalette));
}

void RealizePalette(WmfContext& ctx, ByteReader&) {
    ctx.Emit(EMR_REALIZEPALETTE, {});
}

// Selecting a region selects it as the clipping region; a palette cannot be selected so.
void SelectObject(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t slot = r.u16();
    const WmfObject* o = ctx.objects.Find(slot);
    if (!r.ok() || !o || o->kind == WmfObjectKind::Palette) return;
    if (o->kind == WmfObjectKind::Region)
        SelectClipRegion(ctx, o);
    else
        ctx.Emit(EMR_SELECTOBJECT, PackParams(EmfHandle(slot)));
}

void DeleteObject(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t slot = r.u16();
    const WmfObject* o = ctx.objects.Find(slot);
    if (!r.ok() || !o) return;
    const bool isRegion = o->kind == WmfObjectKind::Region;
    ctx.objects.Remove(slot);
    if (isRegion) return;
    if (ctx.selectedPalette == EmfHandle(slot)) ctx.selectedPalette = kDefaultPaletteHandle;
    ctx.Emit(EMR_DELETEOBJECT, PackParams(EmfHandle(slot)));
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_CREATEPENINDIRECT, CreatePenIndirect},
    {META_CREATEBRUSHINDIRECT, CreateBrushIndirect},
    {META_CREATEFONTINDIRECT, CreateFontIndirect},
    {META_CREATEPALETTE, CreatePalette},
    {META_SETPALENTRIES, SetPalEntries},
    {META_RESIZEPALETTE, ResizePalette},
    {META_SELECTPALETTE, SelectPalette},
    {META_REALIZEPALETTE, RealizePalette},
    {META_SELECTOBJECT, SelectObject},
    {META_DELETEOBJECT, DeleteObject},
};

} // namespace

std::uint32_t DefaultPaletteHandle() {
    return kDefaultPaletteHandle;
}

std::span<const WmfHandlerEntry> WmfObjectHandlers() {
    return kHandlers;
}

} // namespace emf
