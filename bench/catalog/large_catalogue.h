#pragma once
// A collection of the size the benchmarks promise to handle, as catalogue file bytes.

#include <cstddef>
#include <string_view>
#include <vector>

class CCatalogue;

inline constexpr int kMedia = 100000;
inline constexpr int kTracksPerMedium = 12;
inline constexpr int kInterpreters = 5000;
/// Occurs in about 1% of the track titles.
inline constexpr std::string_view kRareWord = "Zanzibar";

/// The file bytes of the large catalogue (built once, deterministic).
const std::vector<std::byte>& LargeCatalogueFile();

/// The large catalogue loaded once; the process aborts if it does not load.
CCatalogue& LoadedLargeCatalogue();
