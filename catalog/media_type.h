#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace catalog {

/// The stored media type numbers 0..6 name these, in this order.
inline constexpr std::array<std::string_view, 7> MediaTypeNames = {
    "CD", "MC", "MD", "DVD", "LP", "MP3 media", "other media"};

/// The same list as one resource text, split at line feeds by its users.
inline constexpr std::string_view MediaTypeList = "CD\nMC\nMD\nDVD\nLP\nMP3 media\nother media";

} // namespace catalog
