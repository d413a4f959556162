#include "rtf/tokenizer.h"

#include <algorithm>
#include <limits>

namespace rtf {

namespace {

constexpr std::size_t kMaxWordLength = 32;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool EndsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

} // namespace

Token Tokenizer::next() {
    while (!atEnd()) {
        char c = peek();
        if (c == '\r' || c == '\n') {
            ++m_pos; // line ends in RTF are formatting of the file, not of the text
            continue;
        }
        if (c == '{' || c == '}') {
            ++m_pos;
            return Token{c == '{' ? TokenKind::GroupStart : TokenKind::GroupEnd};
        }
        return c == '\\' ? readEscape() : readText();
    }
    return Token{};
}

std::string_view Tokenizer::view(std::size_t from) const {
    return {reinterpret_cast<const char*>(m_data.data()) + from, m_pos - from};
}

Token Tokenizer::readEscape() {
    ++m_pos; // the backslash
    if (atEnd()) return Token{};
    char c = peek();
    if (IsLetter(c)) return readWord();
    ++m_pos;
    if (c == '\'') return readHex();
    // A backslash before a line end stands for \par.
    if (c == '\r' || c == '\n') return Token{TokenKind::Word, "par"};
    Token t{TokenKind::Symbol};
    t.symbol = c;
    return t;
}

Token Tokenizer::readWord() {
    std::size_t start = m_pos;
    while (!atEnd() && IsLetter(peek()))
        ++m_pos;
    Token t{TokenKind::Word, view(start)};
    if (t.name.size() > kMaxWordLength) t.name = t.name.substr(0, kMaxWordLength);
    if (!atEnd() && (peek() == '-' || IsDigit(peek()))) {
        t.hasParam = true;
        t.param = readNumber();
    }
    if (!atEnd() && peek() == ' ') ++m_pos; // the delimiting space belongs to the word
    if (t.name == "bin" && t.param > 0) skipBinary(t.param);
    return t;
}

std::int32_t Tokenizer::readNumber() {
    bool negative = peek() == '-';
    if (negative) ++m_pos;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    while (!atEnd() && IsDigit(peek())) {
        value = std::min(value * 10 + (peek() - '0'), kLimit);
        ++m_pos;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

Token Tokenizer::readHex() {
    int hi = atEnd() ? -1 : HexValue(peek());
    if (hi < 0) return Token{TokenKind::Symbol, {}, false, 0, '\''}; // ignored
    ++m_pos;
    int lo = atEnd() ? -1 : HexValue(peek());
    if (lo < 0) return Token{TokenKind::Symbol, {}, false, 0, '\''}; // half a byte: dropped
    ++m_pos;
    Token t{TokenKind::HexByte};
    t.byte = static_cast<std::uint8_t>(hi * 16 + lo);
    return t;
}

Token Tokenizer::readText() {
    std::size_t start = m_pos;
    while (!atEnd() && !EndsText(peek()))
        ++m_pos;
    Token t{TokenKind::Text};
    t.text = view(start);
    return t;
}

void Tokenizer::skipBinary(std::int32_t count) {
    std::size_t n = static_cast<std::size_t>(count);
    m_pos += std::min(n, m_data.size() - m_pos);
}

} // namespace rtf
