#include "emf/wmf/wmf_converter.h"

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace emf {
namespace {

constexpr std::uint32_t MM_ANISOTROPIC = 8;

// Every record function with an EMF equivalent, sorted for lookup. Records without one
// (escapes, palette animation, viewport changes, character extra, relabs) are dropped.
std::vector<WmfHandlerEntry> SortedHandlers() {
    std::vector<WmfHandlerEntry> all;
    for (auto family : {WmfStateHandlers(), WmfObjectHandlers(), WmfDrawingHandlers(),
                        WmfTextHandlers(), WmfBitmapHandlers(), WmfRegionHandlers()})
        all.insert(all.end(), family.begin(), family.end());
    std::sort(all.begin(), all.end(), [](const WmfHandlerEntry& a, const WmfHandlerEntry& b) {
        return a.function < b.function;
    });
    return all;
}

WmfHandler FindHandler(std::uint16_t function) {
    static const std::vector<WmfHandlerEntry> handlers = SortedHandlers();
    const auto it =
        std::lower_bound(handlers.begin(), handlers.end(), function,
                         [](const WmfHandlerEntry& e, std::uint16_t f) { return e.function < f; });
    return it != handlers.end() && it->function == function ? it->handler : nullptr;
}

// [MS-WMF] 2.3.2.2: memory (1) or disk (2) metafile, header of 9 words.
std::string MetaHeaderProblem(Bytes wmf) {
    if (wmf.size() < kWmfHeaderSize) return "too short for a Windows metafile header";
    ByteReader r(wmf);
    const std::uint16_t type = r.u16(), headerWords = r.u16();
    if (type != 1 && type != 2) return "not a Windows metafile: unknown metafile type";
    if (headerWords != kWmfHeaderSize / 2) return "not a Windows metafile: wrong header size";
    return {};
}

// A plain WMF says nothing about its physical size; like other renderers, take its first
// window at the resolution of a screen.
constexpr std::uint32_t kScreenUnitsPerInch = 96;

std::optional<WmfPlacement> FirstWindow(Bytes wmf) {
    std::optional<PointL> org, ext;
    ForEachWmfRecord(wmf, [&](std::uint16_t function, ByteReader& r) {
        if (function != META_SETWINDOWORG && function != META_SETWINDOWEXT) return;
        std::optional<PointL>& slot = function == META_SETWINDOWORG ? org : ext;
        const PointL p = ReadYX(r);
        if (!slot && r.ok()) slot = p;
    });
    if (!ext) return std::nullopt;
    const PointL o = org.value_or(PointL{});
    return WmfPlacement{{o.x, o.y, o.x + ext->x, o.y + ext->y}, kScreenUnitsPerInch};
}

// Where the picture lies: its frame in 0.01 mm and its extent in device pixels.
struct PictureArea {
    RectL frame;
    SizeL pixels;
};

std::int32_t Rounded(std::int64_t num, std::int64_t den) {
    return static_cast<std::int32_t>((2 * num + den) / (2 * den));
}

// A frame beyond 10 km is no picture size but damage.
constexpr std::int64_t kMaxFrame = 1'000'000'000;

std::optional<PictureArea> AreaOf(const WmfPlacement& p) {
    const std::int64_t w = std::abs(std::int64_t(p.window.right) - p.window.left);
    const std::int64_t h = std::abs(std::int64_t(p.window.bottom) - p.window.top);
    if (p.unitsPerInch == 0 || w == 0 || h == 0) return std::nullopt;
    const std::int64_t fw = std::max<std::int64_t>(1, w * 2540 / p.unitsPerInch);
    const std::int64_t fh = std::max<std::int64_t>(1, h * 2540 / p.unitsPerInch);
    if (fw > kMaxFrame || fh > kMaxFrame) return std::nullopt;
    const ReferenceDevice& d = kReferenceDevice;
    const SizeL pixels{std::max(1, Rounded(fw * d.pixels.cx, 100 * d.millimeters.cx)),
                       std::max(1, Rounded(fh * d.pixels.cy, 100 * d.millimeters.cy))};
    return PictureArea{{0, 0, std::int32_t(fw - 1), std::int32_t(fh - 1)}, pixels};
}

// The conversion maps the placement's window onto the picture's area of the reference
// device. Without a size, the window is the device itself, so a metafile that sets its own
// window is stretched over the whole device.
void BeginPicture(WmfContext& ctx, const std::optional<WmfPlacement>& placement) {
    const std::optional<PictureArea> sized = placement ? AreaOf(*placement) : std::nullopt;
    const SizeL device = kReferenceDevice.pixels;
    const PictureArea area = sized.value_or(
        PictureArea{DeviceToFrame({0, 0, device.cx - 1, device.cy - 1}, kReferenceDevice), device});
    const RectL window = sized ? placement->window : RectL{0, 0, device.cx, device.cy};
    const PointL org{window.left, window.top};
    const SizeL ext{window.right - window.left, window.bottom - window.top};
    ctx.area = area.pixels;
    ctx.emf.SetFrame(area.frame);
    ctx.mapping.SetViewportExt(area.pixels);
    ctx.mapping.SetWindowOrg(org);
    ctx.mapping.SetWindowExt(ext);
    ctx.Emit(EMR_SETMAPMODE, PackParams(MM_ANISOTROPIC));
    ctx.Emit(EMR_SETWINDOWORGEX, PackParams(org));
    ctx.Emit(EMR_SETWINDOWEXTEX, PackParams(ext));
    ctx.Emit(EMR_SETVIEWPORTEXTEX, PackParams(area.pixels));
}

} // namespace

PictureResult ConvertWmf(Bytes wmf, std::optional<WmfPlacement> placement) {
    PictureResult result;
    result.error = MetaHeaderProblem(wmf);
    if (!result.error.empty()) return result;
    if (std::optional<std::vector<std::byte>> emf = EmbeddedEmf(wmf)) {
        PictureResult embedded = EnhMetaFile::FromBytes(std::move(*emf));
        if (embedded && embedded.picture->Notes().damage.empty()) return embedded;
    }
    // A record converts to a few times its size at most, except where a region is used again
    // and again: the budget keeps a small file from growing into a huge picture that way.
    WmfContext ctx(64 * wmf.size() + (1 << 20));
    BeginPicture(ctx, placement ? placement : FirstWindow(wmf));
    ForEachWmfRecord(wmf, [&ctx](std::uint16_t function, ByteReader& params) {
        if (WmfHandler handler = FindHandler(function)) handler(ctx, params);
    });
    return EnhMetaFile::FromBytes(ctx.emf.Build());
}

// [MS-WMF] 2.3.2.3 META_PLACEABLE: key, handle, the bounding box (left, top, right, bottom)
// and the logical units per inch.
PictureResult ConvertPlaceableWmf(Bytes file) {
    ByteReader r(file, 6);
    const std::int16_t left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
    const std::uint16_t unitsPerInch = r.u16();
    std::optional<WmfPlacement> placement;
    if (r.ok())
        placement = WmfPlacement{{std::min(left, right), std::min(top, bottom),
                                  std::max(left, right), std::max(top, bottom)},
                                 unitsPerInch};
    // A box without a size leaves the picture to its window, as in a plain WMF.
    if (placement && !AreaOf(*placement)) placement.reset();
    return ConvertWmf(PlaceableWmfBody(file), placement);
}

Bytes PlaceableWmfBody(Bytes file) {
    if (file.size() < kPlaceableHeaderSize) return {};
    const std::uint64_t words = ReadU32(file, kPlaceableHeaderSize + 6);
    const std::size_t available = file.size() - kPlaceableHeaderSize;
    return file.subspan(kPlaceableHeaderSize,
                        static_cast<std::size_t>(std::min<std::uint64_t>(2 * words, available)));
}

} // namespace emf
