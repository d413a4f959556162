// Region objects and the records that paint or clip with them. A WMF region is a list of
// scans ([MS-WMF] 2.2.1.5); the EMF records carry RGNDATA rectangles ([MS-EMF] 2.2.24).

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

namespace emf {
namespace {

constexpr std::uint32_t RGN_COPY = 5;

RectL ReadRect(ByteReader& r) {
    RectL v;
    v.left = r.i16(), v.top = r.i16(), v.right = r.i16(), v.bottom = r.i16();
    return v;
}

// One scan: Count (x values), Top, Bottom, Count / 2 pairs of left and right, Count again.
bool ReadScan(ByteReader& r, std::vector<RectL>& rects) {
    const std::uint16_t count = r.u16();
    const std::int16_t top = r.i16(), bottom = r.i16();
    ByteReader pairs(r.array(count / 2, 4));
    r.skip(2);
    while (r.ok() && pairs.remaining() >= 4) {
        const std::int16_t left = pairs.i16(), right = pairs.i16();
        rects.push_back({left, top, right, bottom});
    }
    return r.ok();
}

void CreateRegion(WmfContext& ctx, ByteReader& r) {
    WmfObject region{WmfObjectKind::Region, {}, {}};
    r.skip(10); // nextInChain, ObjectType, ObjectCount, RegionSize
    const std::uint16_t scans = r.u16();
    r.skip(2); // maxScan
    region.bounds = ReadRect(r);
    for (std::uint32_t i = 0; i < scans && ReadScan(r, region.rects); ++i) {
    }
    ctx.objects.Add(std::move(region)); // takes its slot even when damaged
}

std::size_t RegionDataSize(const WmfObject& region) {
    return 32 + 16 * region.rects.size();
}

std::vector<std::byte> RegionData(const std::vector<RectL>& rects, const RectL& bounds) {
    std::vector<std::byte> out;
    ByteWriter w(out);
    const auto count = static_cast<std::uint32_t>(rects.size());
    w.u32(32), w.u32(1), w.u32(count), w.u32(count * 16), w.rect(bounds);
    for (const RectL& rect : rects)
        w.rect(rect);
    return out;
}

// Region painting records: bounds, cbRgnData, the record's own fields, then the region data.
template <class... Fields>
void PaintRegion(WmfContext& ctx, std::uint32_t type, const WmfObject& region, Fields... fields) {
    if (!ctx.Fits(RegionDataSize(region) + 16 + 4 * (1 + sizeof...(Fields)))) return;
    const std::vector<std::byte> data = RegionData(region.rects, region.bounds);
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(region.bounds), std::uint32_t(data.size()), fields...);
    ByteWriter(params).bytes(data);
    ctx.Emit(type, params);
    ctx.Draw(region.bounds);
}

const WmfObject* FindRegion(const WmfContext& ctx, std::uint16_t slot) {
    const WmfObject* o = ctx.objects.Find(slot);
    return o && o->kind == WmfObjectKind::Region ? o : nullptr;
}

void FillRegion(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t region = r.u16(), brush = r.u16();
    if (const WmfObject* o = FindRegion(ctx, region); r.ok() && o)
        PaintRegion(ctx, EMR_FILLRGN, *o, EmfHandle(brush));
}

void FrameRegion(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t region = r.u16(), brush = r.u16();
    const std::int16_t height = r.i16(), width = r.i16();
    if (const WmfObject* o = FindRegion(ctx, region); r.ok() && o)
        PaintRegion(ctx, EMR_FRAMERGN, *o, EmfHandle(brush), SizeL{width, height});
}

void InvertRegion(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t region = r.u16();
    if (const WmfObject* o = FindRegion(ctx, region); r.ok() && o)
        PaintRegion(ctx, EMR_INVERTRGN, *o);
}

void PaintRegionRecord(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t region = r.u16();
    if (const WmfObject* o = FindRegion(ctx, region); r.ok() && o)
        PaintRegion(ctx, EMR_PAINTRGN, *o);
}

void SelectClipRegionRecord(WmfContext& ctx, ByteReader& r) {
    const std::uint16_t region = r.u16();
    if (r.ok()) SelectClipRegion(ctx, FindRegion(ctx, region));
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_CREATEREGION, CreateRegion},     {META_FILLREGION, FillRegion},
    {META_FRAMEREGION, FrameRegion},       {META_INVERTREGION, InvertRegion},
    {META_PAINTREGION, PaintRegionRecord}, {META_SELECTCLIPREGION, SelectClipRegionRecord},
};

} // namespace

// The clipping region of EMR_EXTSELECTCLIPRGN is in device units.
void SelectClipRegion(WmfContext& ctx, const WmfObject* region) {
    if (!region) {
        ctx.Emit(EMR_EXTSELECTCLIPRGN, PackParams(0u, RGN_COPY));
        return;
    }
    if (!ctx.Fits(8 + RegionDataSize(*region))) return;
    std::vector<RectL> rects;
    rects.reserve(region->rects.size());
    for (const RectL& rect : region->rects)
        rects.push_back(ctx.mapping.ToDevice(rect));
    const std::vector<std::byte> data = RegionData(rects, ctx.mapping.ToDevice(region->bounds));
    std::vector<std::byte> params = PackParams(std::uint32_t(data.size()), RGN_COPY);
    ByteWriter(params).bytes(data);
    ctx.Emit(EMR_EXTSELECTCLIPRGN, params);
}

std::span<const WmfHandlerEntry> WmfRegionHandlers() {
    return kHandlers;
}

} // namespace emf
