#include "labels/print_form.h"

#include "catalog/melvara_doc.h"
#include "catalog/min_sec_length.h"
#include "emf/record_types.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

namespace {

// [MS-EMF] 2.2.5 EmrText inside EMR_EXTTEXTOUTW: it starts after type, size, rclBounds,
// iGraphicsMode, exScale and eyScale.
constexpr std::size_t kEmrTextOffset = 36;

struct EmrText {
    emf::PointL reference;
    std::uint32_t chars = 0, offString = 0, options = 0;
    emf::RectL rect;
};

std::optional<EmrText> ReadEmrText(const emf::RecordView& record) {
    emf::ByteReader r(record.data, kEmrTextOffset);
    EmrText t;
    t.reference = {r.i32(), r.i32()};
    t.chars = r.u32();
    t.offString = r.u32();
    t.options = r.u32();
    t.rect = {r.i32(), r.i32(), r.i32(), r.i32()};
    if (!r.ok()) return std::nullopt;
    return t;
}

// The low byte of each UTF-16 unit of the text, as far as the record holds them.
std::vector<std::uint8_t> TextLowBytes(const emf::RecordView& record, const EmrText& t) {
    emf::ByteReader r(record.data, t.offString);
    const emf::Bytes units = r.array(t.chars, 2);
    std::vector<std::uint8_t> low;
    low.reserve(units.size() / 2);
    for (std::size_t i = 0; i < units.size(); i += 2)
        low.push_back(std::to_integer<std::uint8_t>(units[i]));
    return low;
}

std::string Format06(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06d", static_cast<int>(v));
    return buf;
}

std::string FormatDate(std::int32_t time) {
    const std::time_t t = time;
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return buf;
}

// The letter's kind and the range of its number; no range for letters without a number.
struct LetterRule {
    PlaceholderKind kind;
    unsigned low, high;
};

std::optional<LetterRule> RuleFor(std::uint8_t letter) {
    switch (letter) {
    case 'X':
        return LetterRule{MediaIndexKind, 0, 0};
    case 'M':
        return LetterRule{MediaLengthKind, 0, 0};
    case 'D':
        return LetterRule{CreationDateKind, 0, 0};
    case 'I':
        return LetterRule{TrackIndexKind, 1, 99};
    case 'T':
        return LetterRule{TrackLengthKind, 1, 99};
    case 'L':
        return LetterRule{MediaTitleKind, 1, 2};
    case 'N':
        return LetterRule{TrackTitleKind, 1, 99};
    case 'P':
        return LetterRule{InterpreterKind, 1, 99};
    case 'C':
        return LetterRule{TitleInterpreterKind, 1, 99};
    default:
        return std::nullopt;
    }
}

// The text's printed width in units of 1/600 inch, the unit the clipping arithmetic is
// made for. Forms drawn in other logical units (a drawing program's 0.01 mm, say) would
// otherwise be clipped to a fraction of the configured width.
std::uint32_t PrintedWidth(const emf::DeviceContext& dc, const std::string& text) {
    emf::SizeL size;
    const int dpi = dc.GetDeviceCaps(emf::LOGPIXELSX);
    if (!dc.GetTextExtentPoint32A(text, size) || dpi <= 0) return 0;
    const QPointF extent = dc.LPtoDP(QPointF(size.cx, 0)) - dc.LPtoDP(QPointF(0, 0));
    const double pixels = std::hypot(extent.x(), extent.y());
    return static_cast<std::uint32_t>(std::min(pixels * 600 / dpi, 4e9));
}

} // namespace

CPrintForm::CPrintForm(const CFormSettings& settings) : m_settings(settings) {}

bool CPrintForm::LoadForm(const std::string& path) {
    m_metafile.reset();
    m_header.reset();
    m_paletteEntries.clear();
    m_palette.reset();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(raw.size());
    std::memcpy(bytes.data(), raw.data(), raw.size());
    auto result = emf::EnhMetaFile::FromBytes(std::move(bytes));
    if (!result) return false;
    m_metafile = std::move(result.picture);
    if (ReadFormHeader()) CreateFormPalette();
    return true;
}

bool CPrintForm::ReadFormHeader() {
    m_header = m_metafile->Header();
    m_paletteEntries = m_metafile->PaletteEntries();
    return true;
}

bool CPrintForm::CreateFormPalette() {
    if (m_paletteEntries.empty()) return false;
    m_palette = emf::CreatePalette(m_paletteEntries);
    return m_palette != nullptr;
}

void CPrintForm::BindMedium(CMELVARADoc& document) {
    BindMedium(document.Catalogue(), document.CurrentMedia());
}

void CPrintForm::BindMedium(CCatalogue& catalogue, const CMedia* medium) {
    m_tracks.fill(nullptr);
    m_interpreters.fill(nullptr);
    m_medium = medium;
    if (!m_medium) return;
    m_mediaType = m_medium->MediaType();
    int k = 1;
    for (const CTrack* track = catalogue.Media().FirstTrackOf(m_medium->MediaIndex());
         track && k < kSlots; track = catalogue.Media().NextTrack(), ++k) {
        m_tracks[k] = track;
        m_interpreters[k] = catalogue.Interpreters().FindInterpreter(track->InterpreterIndex());
    }
}

int CPrintForm::PlayForm(emf::DeviceContext& dc, const QRect& rect) {
    if (!m_metafile) return 0;
    emf::HPALETTE previous;
    if (m_palette) {
        previous = dc.SelectPalette(m_palette, false);
        if (previous) dc.RealizePalette();
    }
    // The placeholders live in the GDI text records: a form saved with EMF+ records (by
    // Office, say) is printed from its GDI records.
    const bool plus = dc.DrawsEmfPlus();
    dc.SetDrawEmfPlus(false);
    const bool done = emf::EnumEnhMetaFile(
        dc, *m_metafile,
        [this](emf::DeviceContext& d, emf::HandleTable& t, const emf::RecordView& r, int n) {
            return OnFormRecord(d, t, r, n);
        },
        rect);
    dc.SetDrawEmfPlus(plus);
    if (previous) dc.SelectPalette(previous, false);
    return done ? 1 : 0;
}

bool CPrintForm::OnFormRecord(emf::DeviceContext& dc, emf::HandleTable& table,
                              const emf::RecordView& record, int nHandles) const {
    const auto emrText = record.type == emf::EMR_EXTTEXTOUTW ? ReadEmrText(record) : std::nullopt;
    const FormText placeholder = emrText ? ResolveText(TextLowBytes(record, *emrText)) : FormText{};
    switch (placeholder.action) {
    case FormText::PlayUnchanged:
        emf::PlayEnhMetaFileRecord(dc, table, record, nHandles);
        break;
    case FormText::Drop:
        break;
    case FormText::Draw:
        DrawPlaceholder(dc, record, placeholder);
        break;
    }
    return true;
}

FormText CPrintForm::ResolveText(const std::vector<std::uint8_t>& low) const {
    if (low.empty() || low[0] != '#') return {};
    const auto rule = low.size() >= 2 ? RuleFor(low[1]) : std::nullopt;
    if (!rule) return {FormText::Drop};
    unsigned n = 0;
    if (rule->high != 0) {
        // A text too short for its two digits names no number, so it is dropped rather
        // than read past its end.
        if (low.size() < 4) return {FormText::Drop};
        n = static_cast<std::uint16_t>((low[2] & 0xCF) * 10 + low[3] - 48);
        if (n < rule->low || n > rule->high) return {FormText::Drop};
    }
    return {FormText::Draw, rule->kind, PlaceholderText(rule->kind, n)};
}

std::string CPrintForm::PlaceholderText(PlaceholderKind kind, unsigned n) const {
    if (!m_medium) return {};
    const CTrack* track = n < kSlots ? m_tracks[n] : nullptr;
    const CInterpreter* interpreter = n < kSlots ? m_interpreters[n] : nullptr;
    switch (kind) {
    case MediaIndexKind:
        return Format06(m_medium->MediaIndex());
    case MediaLengthKind:
        return catalog::FormatLength(m_medium->TotalLength());
    case CreationDateKind:
        return FormatDate(m_medium->CreationTime());
    case MediaTitleKind:
        return std::string(n == 1 ? m_medium->Title1() : m_medium->Title2());
    case TrackIndexKind:
        return track ? Format06(track->TrackIndex()) : std::string();
    case TrackLengthKind:
        return track ? catalog::FormatLength(track->Length()) : std::string();
    case TrackTitleKind:
        return track ? std::string(track->Title()) : std::string();
    case InterpreterKind:
        return interpreter ? std::string(interpreter->Name()) : std::string();
    case TitleInterpreterKind:
        if (!track) return {};
        return std::string(track->Title()) + " / " +
               (interpreter ? std::string(interpreter->Name()) : std::string());
    case EndOfKinds:
        break;
    }
    return {};
}

std::string
CPrintForm::ClipText(PlaceholderKind kind, std::string text,
                     const std::function<std::uint32_t(const std::string&)>& measure) const {
    // A medium of a type the settings do not know (a damaged file) has no entry.
    if (m_mediaType < 0 || m_mediaType >= m_settings.TypeCount()) return text;
    const TextLengths& lengths = m_settings.Lengths(m_mediaType);
    const auto slot = lengths.FindKind(kind);
    if (!slot || lengths.clip[*slot] == 0 || text.empty()) return text;
    const std::uint64_t d = text.size();
    const std::uint64_t w = measure(text);
    if (w == 0) return text; // nothing measurable to scale by
    // Millimetres at 600 logical units per inch, scaled by the ratio of allowed to measured
    // width; 64-bit so a long text or a large maximum cannot wrap around.
    const std::uint64_t maxLength = static_cast<std::uint32_t>(lengths.maxLength[*slot]);
    const std::uint64_t allowed = d * maxLength * 6000 / (w * 254);
    if (allowed >= d) return text;
    return text.substr(0, allowed > 2 ? allowed - 2 : 0) + "..";
}

void CPrintForm::DrawPlaceholder(emf::DeviceContext& dc, const emf::RecordView& record,
                                 const FormText& placeholder) const {
    const auto t = ReadEmrText(record);
    const std::string text = ClipText(placeholder.kind, placeholder.text,
                                      [&dc](const std::string& s) { return PrintedWidth(dc, s); });
    dc.ExtTextOutA(t->reference.x, t->reference.y, t->options, &t->rect, text);
}
