#pragma once
// Splits RTF bytes into tokens. The cursor only moves forward and every token consumes at
// least one byte, so no input can make the reader loop forever.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace rtf {

using Bytes = std::span<const std::byte>;

enum class TokenKind { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text };

/// One lexical unit of RTF.
struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view name;  ///< Word: the letters (at most 32 kept)
    bool hasParam = false;  ///< Word: a numeric parameter followed
    std::int32_t param = 0; ///< Word: the parameter, clamped to 32 bits
    char symbol = 0;        ///< Symbol: the character after the backslash
    std::uint8_t byte = 0;  ///< HexByte: the value of \'hh
    std::string_view text;  ///< Text: plain bytes without braces, backslashes or line ends
};

/// A bounds-checked forward cursor producing RTF tokens; \binN data is skipped here.
class Tokenizer {
public:
    explicit Tokenizer(Bytes data) : m_data(data) {}

    /// The next token; TokenKind::End once the data is used up.
    Token next();

private:
    bool atEnd() const { return m_pos >= m_data.size(); }
    char peek() const { return static_cast<char>(m_data[m_pos]); }
    std::string_view view(std::size_t from) const;
    Token readEscape();
    Token readWord();
    Token readHex();
    Token readText();
    std::int32_t readNumber();
    void skipBinary(std::int32_t count);

    Bytes m_data;
    std::size_t m_pos = 0;
};

} // namespace rtf
