#pragma once
// Windows code pages as RTF uses them: \ansicpg for the document, \fcharset per font.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <optional>

namespace rtf {

inline constexpr int kDefaultCodePage = 1252;

/// The code page of a font's \fcharset, or documentCodePage for ANSI and unknown sets.
int CodePageForCharset(int charset, int documentCodePage);

/// The Windows-1252 byte of c, if it has one (0x80..0xFF only; ASCII is the caller's).
std::optional<std::uint8_t> EncodeCp1252(char16_t c);

/// Appends a code point, as a surrogate pair above U+FFFF.
void AppendCodePoint(QString& out, char32_t c);

/// Collects 8-bit text and decodes it in one code page; multi-byte pages get whole runs.
class ByteDecoder {
public:
    /// Switches the code page; bytes still pending are decoded into out first.
    void setCodePage(int codePage, QString& out);
    void push(std::uint8_t byte) { m_pending.append(static_cast<char>(byte)); }
    /// Decodes the pending bytes, appends them to out and empties the buffer.
    void flushInto(QString& out);

private:
    int m_codePage = kDefaultCodePage;
    QByteArray m_pending;
    std::optional<QStringDecoder> m_decoder; // empty while the page is 1252 or unknown
};

} // namespace rtf
