// Bitmap records. A WMF bitmap record either carries a DIB or, when its size says so
// ([MS-WMF] 2.3.1: RecordSize is RecordFunction's high byte + 3), none and only fills with the
// brush. DIB transfers become EMR_STRETCHDIBITS or EMR_SETDIBITSTODEVICE, the others EMR_BITBLT
// without a source. Old device-dependent bitmaps (Bitmap16) become DIBs, those with palette
// indices taking the palette the recording device most likely had.

#include "emf/byte_writer.h"
#include "emf/dib.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

#include <algorithm>
#include <iterator>

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

// The colours, as RGBQUAD values, that a device-dependent bitmap's indices most likely meant:
// the standard 16 colours of a 4-bit display, and on an 8-bit display the default palette's 20
// static colours at both ends. The middle 236 were whatever the recording application had
// realised, which the file does not keep; they stay black.
std::vector<std::uint32_t> DevicePalette(std::uint8_t bpp) {
    static constexpr std::uint32_t kVga[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    static constexpr std::uint32_t kStaticLow[10] = {0x000000, 0x800000, 0x008000, 0x808000,
                                                     0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                                     0xC0DCC0, 0xA6CAF0};
    static constexpr std::uint32_t kStaticHigh[10] = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000,
                                                      0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF,
                                                      0x00FFFF, 0xFFFFFF};
    if (bpp == 1) return {0x000000, 0xFFFFFF};
    if (bpp == 4) return {std::begin(kVga), std::end(kVga)};
    if (bpp != 8) return {};
    std::vector<std::uint32_t> palette(256, 0);
    std::copy(std::begin(kStaticLow), std::end(kStaticLow), palette.begin());
    std::copy(std::begin(kStaticHigh), std::end(kStaticHigh), palette.end() - 10);
    return palette;
}

// [MS-WMF] 2.2.2.1 Bitmap16: rows from the top, each WidthBytes long; it becomes a top-down DIB.
std::optional<std::vector<std::byte>> Bitmap16ToDib(ByteReader& r, std::size_t gap) {
    r.skip(2); // Type
    const std::int16_t width = r.i16(), height = r.i16(), widthBytes = r.i16();
    const std::uint8_t planes = r.u8(), bpp = r.u8();
    r.skip(gap);
    const bool supported = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32;
    const int used = (width * bpp + 7) / 8;
    if (!r.ok() || width <= 0 || height <= 0 || planes != 1 || !supported || widthBytes < used)
        return std::nullopt;
    ByteReader rows(
        r.array(static_cast<std::uint64_t>(height), static_cast<std::uint64_t>(widthBytes)));
    if (!r.ok()) return std::nullopt;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * bpp + 31) / 32 * 4;
    const std::vector<std::uint32_t> palette = DevicePalette(bpp);
    std::vector<std::byte> dib;
    ByteWriter w(dib);
    w.u32(40), w.i32(width), w.i32(-height), w.u16(1), w.u16(bpp), w.u32(0);
    w.u32(rowBytes * static_cast<std::uint32_t>(height)), w.u32(0), w.u32(0);
    w.u32(static_cast<std::uint32_t>(palette.size())), w.u32(0);
    for (std::uint32_t colour : palette)
        w.u32(colour);
    for (int y = 0; y < height; ++y) {
        const Bytes row = rows.bytes(static_cast<std::size_t>(widthBytes));
        w.bytes(row.first(static_cast<std::size_t>(used))), w.zeros(rowBytes - used);
    }
    return dib;
}

bool HasBitmap(std::uint16_t function, ByteReader& r) {
    const std::size_t words = (r.size() + 6) / 2; // the record, its 6-byte head included
    return words != std::size_t(function >> 8) + 3;
}

// The bitmap transfer records share one layout: raster operation, source size when stretching,
// source point, a reserved word when there is no bitmap, destination size and point, then a
// DIB or, in META_BITBLT and META_STRETCHBLT, a Bitmap16.
template <std::uint16_t Function, bool Stretch, bool Dib>
void Transfer(WmfContext& ctx, ByteReader& r) {
    const bool withBitmap = HasBitmap(Function, r);
    Blt b;
    b.rop = r.u32();
    if (Stretch) b.srcSize = ReadSizeYX(r);
    b.src = ReadYX(r);
    if (!withBitmap) r.skip(2);
    b.destSize = ReadSizeYX(r);
    if (!Stretch) b.srcSize = b.destSize;
    b.dest = ReadYX(r);
    if (!r.ok()) return;
    if (!withBitmap) return EmitPatternBlt(ctx, b);
    if (Dib) return EmitBltDib(ctx, b, r.bytes(r.remaining()));
    if (const auto dib = Bitmap16ToDib(r, 0)) EmitBltDib(ctx, b, *dib);
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

// A brush the conversion cannot carry (a damaged bitmap, or one of an unusual depth) still
// takes its slot, as a grey brush that shows where the pattern was.
void AddGreyBrush(WmfContext& ctx) {
    constexpr std::uint32_t BS_SOLID = 0, kGrey = 0x808080;
    const std::uint32_t h = EmfHandle(ctx.objects.Add({WmfObjectKind::Brush, {}, {}}));
    ctx.Emit(EMR_CREATEBRUSHINDIRECT, PackParams(h, BS_SOLID, kGrey, 0u));
}

// [MS-EMF] 2.3.7.8: the fixed part is 32 bytes; the BITMAPINFO and the bits follow it.
void AddDibPatternBrush(WmfContext& ctx, Bytes dib, std::uint32_t usage) {
    constexpr std::uint32_t kFixed = 32;
    const std::optional<DibLayout> layout = MeasurePackedDib(dib, usage);
    if (!layout) return AddGreyBrush(ctx);
    const std::uint32_t h = EmfHandle(ctx.objects.Add({WmfObjectKind::Brush, {}, {}}));
    std::vector<std::byte> params = PackParams(h, usage, kFixed, layout->infoSize,
                                               BitsOffset(kFixed, *layout), layout->bitsSize);
    AppendDib(params, dib, *layout);
    ctx.Emit(EMR_CREATEDIBPATTERNBRUSHPT, params);
}

void DibCreatePatternBrush(WmfContext& ctx, ByteReader& r) {
    r.skip(2); // Style: the target is a DIB whatever it says
    const std::uint16_t usage = r.u16();
    AddDibPatternBrush(ctx, r.bytes(r.remaining()), usage);
}

// [MS-WMF] 2.3.4.4: a Bitmap16 header, 18 reserved bytes, then the pattern's rows.
void CreatePatternBrush(WmfContext& ctx, ByteReader& r) {
    const std::optional<std::vector<std::byte>> dib = Bitmap16ToDib(r, 18);
    if (dib)
        AddDibPatternBrush(ctx, *dib, DIB_RGB_COLORS);
    else
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
