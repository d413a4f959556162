#include "emf/wmf_converter.h"

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf_context.h"
#include "emf/wmf_records.h"

#include <algorithm>
#include <array>

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

// The conversion starts on the reference device: window and viewport both its size, so the
// metafile's own window, when it sets one, is stretched over the whole device.
void BeginPicture(WmfContext& ctx) {
    ctx.emf.SetFrame(DeviceToFrame(
        {0, 0, kReferenceDevice.pixels.cx - 1, kReferenceDevice.pixels.cy - 1}, kReferenceDevice));
    ctx.Emit(EMR_SETMAPMODE, PackParams(MM_ANISOTROPIC));
    ctx.Emit(EMR_SETWINDOWEXTEX, PackParams(kReferenceDevice.pixels));
    ctx.Emit(EMR_SETVIEWPORTEXTEX, PackParams(kReferenceDevice.pixels));
}

} // namespace

PictureResult ConvertWmf(Bytes wmf) {
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
    BeginPicture(ctx);
    ForEachWmfRecord(wmf, [&ctx](std::uint16_t function, ByteReader& params) {
        if (WmfHandler handler = FindHandler(function)) handler(ctx, params);
    });
    return EnhMetaFile::FromBytes(ctx.emf.Build());
}

Bytes PlaceableWmfBody(Bytes file) {
    if (file.size() < kPlaceableHeaderSize) return {};
    const std::uint64_t words = ReadU32(file, kPlaceableHeaderSize + 6);
    const std::size_t available = file.size() - kPlaceableHeaderSize;
    return file.subspan(kPlaceableHeaderSize,
                        static_cast<std::size_t>(std::min<std::uint64_t>(2 * words, available)));
}

} // namespace emf
