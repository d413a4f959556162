#pragma once
// 8-bit text records decoded in the code page of the selected font's character set.

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace emf {

/// The name Qt's codecs know for the code page of a LOGFONT character set; null for the
/// sets drawn as Windows-1252 (ANSI, DEFAULT, SYMBOL and any unknown set).
const char* CodePageOf(std::uint8_t charSet);

/// Characters and their advances from text bytes.
struct AnsiText {
    QString text;
    std::vector<double> advances; ///< one per UTF-16 unit; empty when none were given
};

/// Decodes bytes in the character set's code page, Windows-1252 where there is none or the
/// codec is missing. byteAdvances (one per byte, or none) become one per character: a
/// character of several bytes advances by the sum of its bytes' advances.
AnsiText DecodeAnsiText(std::string_view bytes, std::uint8_t charSet,
                        const std::vector<double>& byteAdvances);

} // namespace emf
