// Lines, curves, polygons and box-shaped figures. Coordinates are widened from 16 to 32 bits;
// polygons keep their 16-bit EMF forms.

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

namespace emf {
namespace {

void MoveTo(WmfContext& ctx, ByteReader& r) {
    const PointL p = ReadYX(r);
    if (!r.ok()) return;
    ctx.position = p;
    ctx.Emit(EMR_MOVETOEX, PackParams(p));
}

void LineTo(WmfContext& ctx, ByteReader& r) {
    const PointL p = ReadYX(r);
    if (!r.ok()) return;
    ctx.Draw({std::min(p.x, ctx.position.x), std::min(p.y, ctx.position.y),
              std::max(p.x, ctx.position.x), std::max(p.y, ctx.position.y)});
    ctx.position = p;
    ctx.Emit(EMR_LINETO, PackParams(p));
}

void WritePoints16(ByteWriter& w, std::span<const PointL> points) {
    for (const PointL& p : points)
        w.i16(static_cast<std::int16_t>(p.x)), w.i16(static_cast<std::int16_t>(p.y));
}

template <std::uint32_t Type> void Poly(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t count = r.u16();
    const std::vector<PointL> points = ReadPoints(r, count);
    if (!r.ok()) return;
    const RectL extent = Extent(points);
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(extent), std::uint32_t(points.size()));
    ByteWriter w(params);
    WritePoints16(w, points);
    ctx.Emit(Type, params);
    if (!points.empty()) ctx.Draw(extent);
}

// [MS-WMF] 2.3.3.16: the polygon count, each polygon's point count, then all points.
void PolyPolygon(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t polygons = r.u16();
    ByteReader counts(r.array(polygons, 2));
    std::uint64_t total = 0;
    std::vector<std::byte> countBytes;
    ByteWriter countWriter(countBytes);
    while (counts.remaining() >= 2) {
        const std::uint16_t n = counts.u16();
        total += n;
        countWriter.u32(n);
    }
    const std::vector<PointL> points = ReadPoints(r, total);
    if (!r.ok()) return;
    const RectL extent = Extent(points);
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(extent), std::uint32_t(polygons), std::uint32_t(total));
    ByteWriter w(params);
    w.bytes(countBytes);
    WritePoints16(w, points);
    ctx.Emit(EMR_POLYPOLYGON16, params);
    if (!points.empty()) ctx.Draw(extent);
}

template <std::uint32_t Type> void Box(WmfContext& ctx, ByteReader& r) {
    const RectL box = ReadReversedRect(r);
    if (!r.ok()) return;
    ctx.Emit(Type, PackParams(box));
    ctx.Draw(box);
}

void RoundRect(WmfContext& ctx, ByteReader& r) {
    const std::int16_t height = r.i16(), width = r.i16();
    const RectL box = ReadReversedRect(r);
    if (!r.ok()) return;
    ctx.Emit(EMR_ROUNDRECT, PackParams(box, SizeL{width, height}));
    ctx.Draw(box);
}

// Arc, chord and pie: end point, start point (y first), then the box.
template <std::uint32_t Type> void ArcLike(WmfContext& ctx, ByteReader& r) {
    const PointL end = ReadYX(r), start = ReadYX(r);
    const RectL box = ReadReversedRect(r);
    if (!r.ok()) return;
    ctx.Emit(Type, PackParams(box, start, end));
    ctx.Draw(box);
}

void SetPixel(WmfContext& ctx, ByteReader& r) {
    const std::uint32_t color = r.u32();
    const PointL p = ReadYX(r);
    if (!r.ok()) return;
    ctx.Emit(EMR_SETPIXELV, PackParams(p, color));
    ctx.Draw({p.x, p.y, p.x, p.y});
}

void FloodFill(WmfContext& ctx, ByteReader& r) {
    constexpr std::uint32_t FLOODFILLBORDER = 0;
    // Some writers put a mode word first, as in META_EXTFLOODFILL; read from its fixed place,
    // the point became (x, 0) at the top edge and the fill flooded the whole page. The colour
    // and the point are always the record's last eight bytes.
    if (r.remaining() > 8) r.skip(r.remaining() - 8);
    const std::uint32_t color = r.u32();
    const PointL p = ReadYX(r);
    if (r.ok()) ctx.Emit(EMR_EXTFLOODFILL, PackParams(p, color, FLOODFILLBORDER));
}

void ExtFloodFill(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t mode = r.u16();
    const std::uint32_t color = r.u32();
    const PointL p = ReadYX(r);
    if (r.ok()) ctx.Emit(EMR_EXTFLOODFILL, PackParams(p, color, mode));
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_MOVETO, MoveTo},
    {META_LINETO, LineTo},
    {META_POLYGON, Poly<EMR_POLYGON16>},
    {META_POLYLINE, Poly<EMR_POLYLINE16>},
    {META_POLYPOLYGON, PolyPolygon},
    {META_RECTANGLE, Box<EMR_RECTANGLE>},
    {META_ELLIPSE, Box<EMR_ELLIPSE>},
    {META_ROUNDRECT, RoundRect},
    {META_ARC, ArcLike<EMR_ARC>},
    {META_PIE, ArcLike<EMR_PIE>},
    {META_CHORD, ArcLike<EMR_CHORD>},
    {META_SETPIXEL, SetPixel},
    {META_FLOODFILL, FloodFill},
    {META_EXTFLOODFILL, ExtFloodFill},
};

} // namespace

std::span<const WmfHandlerEntry> WmfDrawingHandlers() {
    return kHandlers;
}

} // namespace emf
