// Bitmap records. A WMF bitmap record either carries a DIB or, when its size says so
// ([MS-WMF] 2.3.1: RecordSize is RecordFunction's high byte + 3), none and only fills with the
// brush. DIB transfers become EMR_STRETCHDIBITS or EMR_SETDIBITSTODEVICE, the others EMR_BITBLT
// without a source. Old device-dependent bitmaps (Bitmap16) are not carried over.

#include "emf/byte_writer.h"
#include "emf/dib.h"
#include "emf/record_types.h"
#include "emf/wmf_context.h"
#include "emf/wmf_records.h"

namespace emf {
namespace {

struct Blt {
    std::uint32_t rop = 0, usage = DIB_RGB_COLORS;
    PointL src, dest;
    SizeL srcSize, destSize;
};

RectL DestRect(const Blt& b) {
    return {
        std::min(b.dest.x, b.dest.x + b.destSize.cx), std::min(b.dest.y, b.dest.y + b.destSize.cy),
        std::max(b.dest.x, b.dest.x + b.destSize.cx), std::max(b.dest.y, b.dest.y + b.destSize.cy)};
}

SizeL ReadSizeYX(ByteReader& r) {
    const PointL p = ReadYX(r);
    return {p.x, p.y};
}

// Where the bits go when the BITMAPINFO follows a record's fixed part.
std::uint32_t BitsOffset(std::uint32_t fixedSize, const DibLayout& layout) {
    return fixedSize + static_cast<std::uint32_t>((layout.infoSize + 3) / 4 * 4);
}

void AppendDib(std::vector<std::byte>& params, Bytes dib, const DibLayout& layout) {
    ByteWriter w(params);
    w.bytes(dib.first(layout.infoSize)), w.pad4(), w.bytes(dib.subspan(layout.infoSize));
}

// [MS-EMF] 2.3.1.2 EMR_BITBLT with no source bitmap: a pattern fill of the destination.
void EmitPatternBlt(WmfContext& ctx, const Blt& b) {
    const RectL dest = DestRect(b);
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(dest), b.dest, b.destSize, b.rop, PointL{}, 0x3F800000u, 0u,
                   0u, 0x3F800000u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u);
    ctx.Emit(EMR_BITBLT, params);
    ctx.Draw(dest);
}

// [MS-EMF] 2.3.1.7: the fixed part is 80 bytes; the BITMAPINFO and the bits follow it.
void EmitStretchDib(WmfContext& ctx, const Blt& b, Bytes dib, const DibLayout& layout) {
    constexpr std::uint32_t kFixed = 80;
    const RectL dest = DestRect(b);
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(dest), b.dest, b.src, b.srcSize, kFixed, layout.infoSize,
                   BitsOffset(kFixed, layout), layout.bitsSize, b.usage, b.rop, b.destSize);
    AppendDib(params, dib, layout);
    ctx.Emit(EMR_STRETCHDIBITS, params);
    ctx.Draw(dest);
}

// Blt sources count rows from the top, StretchDIBits from the bottom of a bottom-up DIB.
void EmitBltDib(WmfContext& ctx, Blt b, Bytes dib) {
    const std::optional<DibLayout> layout = MeasurePackedDib(dib, b.usage);
    if (!layout) return;
    if (layout->height > 0) b.src.y = layout->height - b.src.y - b.srcSize.cy;
    EmitStretchDib(ctx, b, dib, *layout);
}

bool HasBitmap(std::uint16_t function, ByteReader& r) {
    const std::size_t words = (r.size() + 6) / 2; // the record, its 6-byte head included
    return words != std::size_t(function >> 8) + 3;
}

// The bitmap transfer records share one layout: raster operation, source size when stretching,
// source point, a reserved word when there is no bitmap, destination size and point, bitmap.
// Device-dependent bitmaps (META_BITBLT, META_STRETCHBLT) are not carried over.
template <std::uint16_t Function, bool Stretch, bool Dib>
void Transfer(WmfContext& ctx, ByteReader& r) {
    const bool withBitmap = HasBitmap(Function, r);
    if (withBitmap && !Dib) return;
    Blt b;
    b.rop = r.u32();
    if (Stretch) b.srcSize = ReadSizeYX(r);
    b.src = ReadYX(r);
    if (!withBitmap) r.skip(2);
    b.destSize = ReadSizeYX(r);
    if (!Stretch) b.srcSize = b.destSize;
    b.dest = ReadYX(r);
    if (!r.ok()) return;
    if (withBitmap)
        EmitBltDib(ctx, b, r.bytes(r.remaining()));
    else
        EmitPatternBlt(ctx, b);
}

void StretchDib(WmfContext& ctx, ByteReader& r) {
    Blt b;
    b.rop = r.u32();
    b.usage = r.u16();
    b.srcSize = ReadSizeYX(r);
    b.src = ReadYX(r);
    b.destSize = ReadSizeYX(r);
    b.dest = ReadYX(r);
    const Bytes dib = r.bytes(r.remaining());
    const std::optional<DibLayout> layout = MeasurePackedDib(dib, b.usage);
    if (r.ok() && layout) EmitStretchDib(ctx, b, dib, *layout);
}

// [MS-EMF] 2.3.1.5: the fixed part is 76 bytes.
void SetDibToDev(WmfContext& ctx, ByteReader& r) {
    constexpr std::uint32_t kFixed = 76;
    const std::uint16_t usage = r.u16(), scans = r.u16(), startScan = r.u16();
    const PointL src = ReadYX(r);
    const SizeL size = ReadSizeYX(r);
    const PointL dest = ReadYX(r);
    const Bytes dib = r.bytes(r.remaining());
    const std::optional<DibLayout> layout = MeasurePackedDib(dib, usage);
    if (!r.ok() || !layout) return;
    const RectL box{dest.x, dest.y, dest.x + size.cx, dest.y + size.cy};
    std::vector<std::byte> params =
        PackParams(ctx.mapping.ToDevice(box), dest, src, size, kFixed, layout->infoSize,
                   BitsOffset(kFixed, *layout), layout->bitsSize, usage, startScan, scans);
    AppendDib(params, dib, *layout);
    ctx.Emit(EMR_SETDIBITSTODEVICE, params);
    ctx.Draw(box);
}

void PatBlt(WmfContext& ctx, ByteReader& r) {
    Blt b;
    b.rop = r.u32();
    b.destSize = ReadSizeYX(r);
    b.dest = ReadYX(r);
    if (r.ok()) EmitPatternBlt(ctx, b);
}

// A brush the conversion cannot carry (a Bitmap16 pattern or a damaged DIB) still takes its
// slot, as a grey brush that shows where the pattern was.
void AddGreyBrush(WmfContext& ctx) {
    constexpr std::uint32_t BS_SOLID = 0, kGrey = 0x808080;
    const std::uint32_t h = EmfHandle(ctx.objects.Add({WmfObjectKind::Brush, {}, {}}));
    ctx.Emit(EMR_CREATEBRUSHINDIRECT, PackParams(h, BS_SOLID, kGrey, 0u));
}

// [MS-EMF] 2.3.7.8: the fixed part is 32 bytes; the BITMAPINFO and the bits follow it.
void DibCreatePatternBrush(WmfContext& ctx, ByteReader& r) {
    constexpr std::uint16_t BS_PATTERN = 3;
    constexpr std::uint32_t kFixed = 32;
    const std::uint16_t style = r.u16(), usage = r.u16();
    const Bytes dib = r.bytes(r.remaining());
    const std::optional<DibLayout> layout = MeasurePackedDib(dib, usage);
    if (style == BS_PATTERN || !layout) return AddGreyBrush(ctx);
    const std::uint32_t h = EmfHandle(ctx.objects.Add({WmfObjectKind::Brush, {}, {}}));
    std::vector<std::byte> params = PackParams(h, usage, kFixed, layout->infoSize,
                                               BitsOffset(kFixed, *layout), layout->bitsSize);
    AppendDib(params, dib, *layout);
    ctx.Emit(EMR_CREATEDIBPATTERNBRUSHPT, params);
}

void CreatePatternBrush(WmfContext& ctx, ByteReader&) {
    AddGreyBrush(ctx);
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_DIBCREATEPATTERNBRUSH, DibCreatePatternBrush},
    {META_CREATEPATTERNBRUSH, CreatePatternBrush},
    {META_DIBBITBLT, Transfer<META_DIBBITBLT, false, true>},
    {META_DIBSTRETCHBLT, Transfer<META_DIBSTRETCHBLT, true, true>},
    {META_STRETCHDIB, StretchDib},
    {META_SETDIBTODEV, SetDibToDev},
    {META_PATBLT, PatBlt},
    {META_BITBLT, Transfer<META_BITBLT, false, false>},
    {META_STRETCHBLT, Transfer<META_STRETCHBLT, true, false>},
};

} // namespace

std::span<const WmfHandlerEntry> WmfBitmapHandlers() {
    return kHandlers;
}

} // namespace emf
