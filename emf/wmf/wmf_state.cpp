// Device-context state records: modes, colours, the window, clipping rectangles, save/restore.
// The viewport records are left out: the viewport is the whole reference device.

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

namespace emf {
namespace {

// A 16-bit mode widened to the EMF record's 32 bits.
template <std::uint32_t Type> void ModeRecord(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t mode = r.u16();
    if (r.ok()) ctx.Emit(Type, PackParams(mode));
}

// A 32-bit value (colour, flags) copied as it stands.
template <std::uint32_t Type> void ValueRecord(WmfContext& ctx, ByteReader& r) {
    const std::uint32_t value = r.u32();
    if (r.ok()) ctx.Emit(Type, PackParams(value));
}

void SetTextAlign(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t align = r.u16();
    if (!r.ok()) return;
    ctx.textAlign = align;
    ctx.Emit(EMR_SETTEXTALIGN, PackParams(align));
}

void SetMapMode(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t mode = r.u16();
    if (!r.ok()) return;
    ctx.mapping.SetMapMode(mode);
    ctx.Emit(EMR_SETMAPMODE, PackParams(mode));
}

void SetWindowOrg(WmfContext& ctx, ByteReader& r) {
    const PointL org = ReadYX(r);
    if (!r.ok()) return;
    ctx.mapping.SetWindowOrg(org);
    ctx.Emit(EMR_SETWINDOWORGEX, PackParams(org));
}

void OffsetWindowOrg(WmfContext& ctx, ByteReader& r) {
    const PointL offset = ReadYX(r);
    if (!r.ok()) return;
    const PointL org = ctx.mapping.WindowOrg();
    const PointL moved{org.x + offset.x, org.y + offset.y};
    ctx.mapping.SetWindowOrg(moved);
    ctx.Emit(EMR_SETWINDOWORGEX, PackParams(moved));
}

void SetWindowExt(WmfContext& ctx, ByteReader& r) {
    const PointL ext = ReadYX(r);
    if (!r.ok()) return;
    ctx.mapping.SetWindowExt({ext.x, ext.y});
    ctx.Emit(EMR_SETWINDOWEXTEX, PackParams(SizeL{ext.x, ext.y}));
}

void ScaleWindowExt(WmfContext& ctx, ByteReader& r) {
    const std::int16_t yDenom = r.i16(), yNum = r.i16(), xDenom = r.i16(), xNum = r.i16();
    if (!r.ok()) return;
    ctx.mapping.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
    ctx.Emit(EMR_SCALEWINDOWEXTEX, PackParams(xNum, xDenom, yNum, yDenom));
}

template <std::uint32_t Type> void ClipRect(WmfContext& ctx, ByteReader& r) {
    const RectL rect = ReadReversedRect(r);
    if (r.ok()) ctx.Emit(Type, PackParams(rect));
}

void OffsetClipRgn(WmfContext& ctx, ByteReader& r) {
    const PointL offset = ReadYX(r);
    if (r.ok()) ctx.Emit(EMR_OFFSETCLIPRGN, PackParams(offset));
}

void SaveDC(WmfContext& ctx, ByteReader&) {
    ctx.mapping.Save();
    ctx.Emit(EMR_SAVEDC, {});
}

void RestoreDC(WmfContext& ctx, ByteReader& r) {
    const std::int16_t level = r.i16();
    if (!r.ok()) return;
    ctx.mapping.Restore(level);
    ctx.Emit(EMR_RESTOREDC, PackParams(std::int32_t(level)));
}

void SetTextJustification(WmfContext& ctx, ByteReader& r) {
    const std::int16_t breakCount = r.i16(), breakExtra = r.i16();
    if (r.ok()) ctx.Emit(EMR_SETTEXTJUSTIFICATION, PackParams(breakExtra, breakCount));
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_SETBKMODE, ModeRecord<EMR_SETBKMODE>},
    {META_SETROP2, ModeRecord<EMR_SETROP2>},
    {META_SETPOLYFILLMODE, ModeRecord<EMR_SETPOLYFILLMODE>},
    {META_SETSTRETCHBLTMODE, ModeRecord<EMR_SETSTRETCHBLTMODE>},
    {META_SETTEXTALIGN, SetTextAlign},
    {META_SETBKCOLOR, ValueRecord<EMR_SETBKCOLOR>},
    {META_SETTEXTCOLOR, ValueRecord<EMR_SETTEXTCOLOR>},
    {META_SETMAPPERFLAGS, ValueRecord<EMR_SETMAPPERFLAGS>},
    {META_SETLAYOUT, ValueRecord<EMR_SETLAYOUT>},
    {META_SETMAPMODE, SetMapMode},
    {META_SETWINDOWORG, SetWindowOrg},
    {META_OFFSETWINDOWORG, OffsetWindowOrg},
    {META_SETWINDOWEXT, SetWindowExt},
    {META_SCALEWINDOWEXT, ScaleWindowExt},
    {META_EXCLUDECLIPRECT, ClipRect<EMR_EXCLUDECLIPRECT>},
    {META_INTERSECTCLIPRECT, ClipRect<EMR_INTERSECTCLIPRECT>},
    {META_OFFSETCLIPRGN, OffsetClipRgn},
    {META_SAVEDC, SaveDC},
    {META_RESTOREDC, RestoreDC},
    {META_SETTEXTJUSTIFICATION, SetTextJustification},
};

} // namespace

std::span<const WmfHandlerEntry> WmfStateHandlers() {
    return kHandlers;
}

} // namespace emf
