#pragma once
// Catalogue texts are Windows-1252 bytes; the user interface speaks UTF-8.

#include <string>
#include <string_view>

namespace catalog {

/// Every byte becomes one character. The five bytes the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 etc., as Windows converts them.
std::string Cp1252ToUtf8(std::string_view bytes);

/// The inverse. A character the code page cannot hold, or a malformed UTF-8 sequence,
/// becomes '?' and sets *replaced (when given) to true.
std::string Utf8ToCp1252(std::string_view utf8, bool* replaced = nullptr);

} // namespace catalog
