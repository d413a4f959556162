#include "rtf/text_escape.h"

#include "rtf/code_page.h"

namespace rtf {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// Characters QTextDocument uses for structure (frames, objects, block ends), not text.
bool IsStructural(char16_t c) {
    return c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 || c == 0x2029;
}

const char* Named(char16_t c) {
    switch (c) {
    case '\t':
        return "\\tab ";
    case 0x2028:
        return "\\line ";
    case 0x00A0:
        return "\\~";
    case 0x00AD:
        return "\\-";
    case 0x2011:
        return "\\_";
    default:
        return nullptr;
    }
}

void AppendOne(QByteArray& out, char16_t c) {
    if (const char* named = Named(c)) {
        out += named;
    } else if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += char(c);
    } else if (c >= 0x20 && c < 0x7F) {
        out += char(c);
    } else if (c < 0x20 || IsStructural(c)) {
        return;
    } else if (auto b = EncodeCp1252(c)) {
        out += "\\'";
        out += kHex[*b >> 4];
        out += kHex[*b & 15];
    } else {
        out += "\\u" + QByteArray::number(static_cast<std::int16_t>(c)) + '?';
    }
}

} // namespace

void AppendEscaped(QByteArray& out, QStringView text) {
    for (QChar c : text)
        AppendOne(out, c.unicode());
}

} // namespace rtf
