#pragma once
// Windows-1252, the ANSI code page of the programs' 8-bit texts.

#include <string>
#include <string_view>

namespace emf {

/// The Unicode character of a Windows-1252 byte (undefined bytes map to the same code point).
char16_t Cp1252ToUnicode(unsigned char c);
/// The Windows-1252 byte of a UTF-16 unit, '?' when the code page has none.
char UnicodeToCp1252(char16_t c);

std::u16string FromCp1252(std::string_view text);
std::string ToCp1252(std::u16string_view text);

} // namespace emf
