// Text records: ExtTextOutA/W, PolyTextOutA/W and SmallTextOut.
#include "emf/cp1252.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"
#include "emf/player/text/ansi_text.h"
#include "emf/player/text/text_engine.h"

namespace emf::handlers {

namespace {

// Characters a text record may hold; more is refused before allocation.
constexpr std::uint32_t kMaxChars = 1u << 20;

std::optional<QString> ReadWide(const ByteReader& r, std::uint32_t offset, std::uint32_t n) {
    return ReadUtf16At(r, offset, n);
}

std::optional<std::string_view> ReadBytes(const ByteReader& r, std::uint32_t offset,
                                          std::uint32_t n) {
    ByteReader s(r.data());
    s.seek(offset);
    Bytes raw = s.bytes(n);
    if (!s.ok()) return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size());
}

// 8-bit texts are in the code page of the selected font's character set; glyph indices
// are no characters of any.
std::uint8_t CharSetOf(const DcCore& dc, std::uint32_t options) {
    const LogFont* font = As<LogFont>(dc.state.font);
    return font && !(options & ETO_GLYPH_INDEX) ? font->charSet : 0;
}

// The Dx array: one advance per character, or an (x, y) pair each with ETO_PDY.
std::optional<std::vector<double>> ReadAdvances(const ByteReader& r, std::uint32_t offset,
                                                std::uint32_t n, std::uint32_t options) {
    std::vector<double> dx;
    if (offset == 0) return dx;
    const std::uint32_t step = (options & ETO_PDY) ? 2 : 1;
    ByteReader s(r.data());
    s.seek(offset);
    Bytes raw = s.array(std::uint64_t(n) * step, 4);
    if (!s.ok()) return std::nullopt;
    ByteReader ar(raw);
    dx.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        dx.push_back(ar.i32());
        if (step == 2) ar.skip(4); // vertical advances are not followed
    }
    return dx;
}

// An EMRTEXT ([MS-EMF] 2.2.5) at the reader's position; offsets count from the record start.
std::optional<TextRun> ReadEmrText(const DcCore& dc, ByteReader& r, bool wide) {
    TextRun run;
    run.reference = ReadPointL(r);
    const std::uint32_t n = r.u32(), offString = r.u32();
    run.options = r.u32();
    const QRectF rect = ReadRectL(r);
    const std::uint32_t offDx = r.u32();
    if (!r.ok() || n > kMaxChars) return std::nullopt;
    if (run.options & (ETO_OPAQUE | ETO_CLIPPED)) run.rect = rect;
    // A damaged spacing array loses the spacing, not the text.
    std::vector<double> dx = ReadAdvances(r, offDx, n, run.options).value_or(std::vector<double>{});
    if (wide) {
        std::optional<QString> text = ReadWide(r, offString, n);
        if (!text) return std::nullopt;
        run.text = std::move(*text);
        run.advances = std::move(dx);
        return run;
    }
    const std::optional<std::string_view> bytes = ReadBytes(r, offString, n);
    if (!bytes) return std::nullopt;
    AnsiText decoded = DecodeAnsiText(*bytes, CharSetOf(dc, run.options), dx);
    run.text = std::move(decoded.text);
    run.advances = std::move(decoded.advances);
    return run;
}

bool PlayExtTextOut(Playback& pb, ByteReader& r, bool wide) {
    r.skip(16 + 12); // bounds, graphics mode and the scales, which GDI no longer uses
    const std::optional<TextRun> run = ReadEmrText(pb.dc, r, wide);
    if (!run) return false;
    DrawTextRun(pb.dc, *run);
    return true;
}

bool PlayPolyTextOut(Playback& pb, ByteReader& r, bool wide) {
    r.skip(16 + 12);
    const std::uint32_t count = r.u32();
    if (!r.ok() || count > r.remaining() / 40) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::optional<TextRun> run = ReadEmrText(pb.dc, r, wide);
        if (!run) return false;
        DrawTextRun(pb.dc, *run);
    }
    return true;
}

} // namespace

bool ExtTextOutA(Playback& pb, ByteReader& r) {
    return PlayExtTextOut(pb, r, false);
}
bool ExtTextOutW(Playback& pb, ByteReader& r) {
    return PlayExtTextOut(pb, r, true);
}
bool PolyTextOutA(Playback& pb, ByteReader& r) {
    return PlayPolyTextOut(pb, r, false);
}
bool PolyTextOutW(Playback& pb, ByteReader& r) {
    return PlayPolyTextOut(pb, r, true);
}

bool SmallTextOut(Playback& pb, ByteReader& r) {
    constexpr std::uint32_t ETO_NO_RECT = 0x100, ETO_SMALL_CHARS = 0x200;
    TextRun run;
    run.reference = ReadPointL(r);
    const std::uint32_t n = r.u32();
    run.options = r.u32();
    r.skip(12); // graphics mode and scales
    if (!(run.options & ETO_NO_RECT)) run.rect = ReadRectL(r);
    if (!r.ok() || n > kMaxChars) return false;
    // Small characters stay 8-bit whatever the font's character set.
    const auto offset = std::uint32_t(r.pos());
    if (run.options & ETO_SMALL_CHARS) {
        const std::optional<std::string_view> bytes = ReadBytes(r, offset, n);
        if (!bytes) return false;
        run.text = QString::fromStdU16String(FromCp1252(*bytes));
    } else {
        std::optional<QString> text = ReadWide(r, offset, n);
        if (!text) return false;
        run.text = std::move(*text);
    }
    DrawTextRun(pb.dc, run);
    return true;
}

} // namespace emf::handlers
