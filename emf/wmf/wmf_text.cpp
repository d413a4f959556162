// Text output: META_TEXTOUT and META_EXTTEXTOUT become EMR_EXTTEXTOUTA, bytes unchanged.

#include "emf/byte_writer.h"
#include "emf/record_types.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_records.h"

#include <optional>

namespace emf {
namespace {

constexpr std::uint16_t ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4;

struct TextOut {
    PointL reference;
    Bytes text;
    std::uint32_t options = 0;
    RectL rect{0, 0, -1, -1};
    std::optional<Bytes> dx; ///< 16-bit advances, one per byte of text
};

// [MS-EMF] 2.3.5.8 with its EmrText: the string follows the fixed part, then the advances.
void EmitTextOut(WmfContext& ctx, const TextOut& t) {
    constexpr std::uint32_t kFixedSize = 76, kGmCompatible = 1;
    const auto chars = static_cast<std::uint32_t>(t.text.size());
    const std::uint32_t dxOffset = t.dx ? kFixedSize + (chars + 3) / 4 * 4 : 0;
    std::vector<std::byte> params =
        PackParams(RectL{0, 0, -1, -1}, kGmCompatible, 0u, 0u, t.reference, chars, kFixedSize,
                   t.options, t.rect, dxOffset);
    ByteWriter w(params);
    w.bytes(t.text);
    w.pad4();
    if (t.dx) {
        ByteReader advances(*t.dx);
        while (advances.remaining() >= 2)
            w.i32(advances.i16());
    }
    ctx.Emit(EMR_EXTTEXTOUTA, params);
    constexpr std::uint16_t TA_UPDATECP = 1;
    const PointL at = ctx.textAlign & TA_UPDATECP ? ctx.position : t.reference;
    ctx.Draw({at.x, at.y, at.x, at.y});
    if (t.options & ETO_OPAQUE) ctx.Draw(t.rect);
}

// [MS-WMF] 2.3.3.20: length, string padded to a whole word, then y and x.
void TextOutRecord(WmfContext& ctx, ByteReader& r) {
    TextOut t;
    const std::uint16_t length = r.u16();
    t.text = r.bytes(length);
    r.skip(length % 2);
    t.reference = ReadYX(r);
    if (r.ok()) EmitTextOut(ctx, t);
}

// [MS-WMF] 2.3.3.5: y, x, length, options, the rectangle when the options name one, the
// string padded to a whole word, then the advances when the record holds all of them.
void ExtTextOutRecord(WmfContext& ctx, ByteReader& r) {
    TextOut t;
    t.reference = ReadYX(r);
    const std::uint16_t length = r.u16();
    t.options = r.u16();
    if (t.options & (ETO_OPAQUE | ETO_CLIPPED)) {
        t.rect.left = r.i16(), t.rect.top = r.i16(), t.rect.right = r.i16();
        t.rect.bottom = r.i16();
    }
    t.text = r.bytes(length);
    if (!r.ok()) return;
    r.skip(length % 2);
    if (length > 0 && r.remaining() >= 2u * length) t.dx = r.bytes(2u * length);
    EmitTextOut(ctx, t);
}

constexpr WmfHandlerEntry kHandlers[] = {
    {META_TEXTOUT, TextOutRecord},
    {META_EXTTEXTOUT, ExtTextOutRecord},
};

} // namespace

std::span<const WmfHandlerEntry> WmfTextHandlers() {
    return kHandlers;
}

} // namespace emf
