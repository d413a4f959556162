#include "emf/player/text/ansi_text.h"
#include "emf/cp1252.h"

#include <QStringDecoder>

namespace emf {

namespace {

// LOGFONT character sets ([MS-WMF] 2.1.1.5) and their Windows code pages. JOHAB_CHARSET
// (code page 1361) has no codec in ICU and stays Windows-1252.
struct CharSetCodePage {
    std::uint8_t charSet;
    const char* codec;
};
constexpr CharSetCodePage kCodePages[] = {
    {77, "macintosh"},     // MAC_CHARSET
    {128, "windows-31j"},  // SHIFTJIS_CHARSET, code page 932
    {129, "windows-949"},  // HANGUL_CHARSET
    {134, "GBK"},          // GB2312_CHARSET, code page 936
    {136, "windows-950"},  // CHINESEBIG5_CHARSET
    {161, "windows-1253"}, // GREEK_CHARSET
    {162, "windows-1254"}, // TURKISH_CHARSET
    {163, "windows-1258"}, // VIETNAMESE_CHARSET
    {177, "windows-1255"}, // HEBREW_CHARSET
    {178, "windows-1256"}, // ARABIC_CHARSET
    {186, "windows-1257"}, // BALTIC_CHARSET
    {204, "windows-1251"}, // RUSSIAN_CHARSET
    {222, "windows-874"},  // THAI_CHARSET
    {238, "windows-1250"}, // EASTEUROPE_CHARSET
    {255, "IBM437"},       // OEM_CHARSET, the OEM code page of Western systems
};

AnsiText FromCp1252Bytes(std::string_view bytes, const std::vector<double>& byteAdvances) {
    return {QString::fromStdU16String(FromCp1252(bytes)), byteAdvances};
}

// Fed one byte at a time, the decoder shows which bytes make up each character; a
// character's advance is its bytes' sum, held by its first UTF-16 unit.
AnsiText Decode(QStringDecoder& decoder, std::string_view bytes,
                const std::vector<double>& byteAdvances) {
    AnsiText out;
    const bool spaced = !byteAdvances.empty();
    double pending = 0;
    std::size_t waiting = 0; // bytes fed since the last character came out
    const auto add = [&](const QString& piece) {
        out.text += piece;
        if (spaced) {
            out.advances.push_back(pending);
            out.advances.resize(out.advances.size() + std::size_t(piece.size()) - 1, 0);
        }
        pending = 0;
        waiting = 0;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        pending += i < byteAdvances.size() ? byteAdvances[i] : 0;
        ++waiting;
        const QString piece = decoder.decode(QByteArrayView(bytes.data() + i, 1));
        if (!piece.isEmpty()) add(piece);
    }
    // A lead byte without its trail byte still takes a place, as an unknown character.
    if (waiting > 0) add(QString(QChar::ReplacementCharacter));
    return out;
}

} // namespace

const char* CodePageOf(std::uint8_t charSet) {
    for (const CharSetCodePage& c : kCodePages)
        if (c.charSet == charSet) return c.codec;
    return nullptr;
}

AnsiText DecodeAnsiText(std::string_view bytes, std::uint8_t charSet,
                        const std::vector<double>& byteAdvances) {
    const char* codec = CodePageOf(charSet);
    if (!codec) return FromCp1252Bytes(bytes, byteAdvances);
    QStringDecoder decoder(codec);
    if (!decoder.isValid()) return FromCp1252Bytes(bytes, byteAdvances);
    return Decode(decoder, bytes, byteAdvances);
}

} // namespace emf
