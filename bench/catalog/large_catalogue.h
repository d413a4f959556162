#pragma once
// A collection of the size the benchmarks promise to handle, as catalogue file bytes.

#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr int kMedia = 100000;
inline constexpr int kTracksPerMedium = 12;
inline constexpr int kInterpreters = 5000;
/// Occurs in about 1% of the track titles.
inline constexpr std::string_view kRareWord = "Zanzibar";

/// The file bytes of the large catalogue (built once, deterministic).
const std::vector<std::byte>& LargeCatalogueFile();
