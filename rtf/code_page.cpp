#include "rtf/code_page.h"

#include <array>
#include <utility>

namespace rtf {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t DecodeCp1252(std::uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
}

constexpr std::pair<int, int> kCharsets[] = {
    {2, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
    {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437}};

QByteArray DecoderName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

int CodePageForCharset(int charset, int documentCodePage) {
    for (auto [set, page] : kCharsets)
        if (set == charset) return page;
    return documentCodePage;
}

std::optional<std::uint8_t> EncodeCp1252(char16_t c) {
    if (c >= 0xA0 && c <= 0xFF) return std::uint8_t(c);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == c && (c < 0x80 || c >= 0xA0)) return std::uint8_t(0x80 + i);
    return std::nullopt;
}

void AppendCodePoint(QString& out, char32_t c) {
    if (c > 0xFFFF) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

void ByteDecoder::setCodePage(int codePage, QString& out) {
    if (codePage == m_codePage) return;
    flushInto(out);
    m_codePage = codePage;
    m_decoder.reset();
    if (codePage == kDefaultCodePage) return;
    QStringDecoder decoder(DecoderName(codePage).constData());
    if (decoder.isValid()) m_decoder.emplace(std::move(decoder));
}

void ByteDecoder::flushInto(QString& out) {
    if (m_pending.isEmpty()) return;
    if (m_decoder) {
        out += m_decoder->decode(m_pending);
        m_decoder->resetState(); // a cut multi-byte sequence must not swallow later text
    } else {
        for (char b : std::as_const(m_pending))
            out += QChar(DecodeCp1252(std::uint8_t(b)));
    }
    m_pending.clear();
}

} // namespace rtf
