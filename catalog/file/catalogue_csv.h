#pragma once
// The catalogue as a spreadsheet: one UTF-8 CSV row per track, with its medium's fields
// repeated, and one row for each medium without tracks. The information pages stay out.

#include "catalog/catalogue.h"
#include "catalog/new_media.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace catalog {

/// The header row, in the order the export writes it.
inline constexpr std::array<std::string_view, 9> CsvColumns = {
    "Media index", "Title line 1", "Title line 2", "Media type", "Created",
    "Track index", "Track title",  "Length",       "Interpreter"};

/// The whole catalogue in media list order; creation times in local time with its offset.
std::string ExportCsv(const CCatalogue& catalogue);

/// What a file holds, ready to be added (AddNewMedia).
struct CsvMedia {
    std::vector<NewMedium> media;
    std::size_t replacedTexts = 0; ///< texts with characters Windows-1252 cannot hold ("?")
};

struct CsvError {
    std::size_t line = 0; ///< 1-based line where the bad record begins
    std::string message;
};

/// Reads a file in the export's form: the header names the columns (any order, unknown
/// ones ignored, missing ones left at their defaults); rows with the same media index
/// (or, without that column, the same medium fields) make one medium, its tracks ordered
/// by track index. The first malformed record makes the whole file an error.
std::variant<CsvMedia, CsvError> ParseCsv(std::string_view text);

/// "2001-01-01T01:00:00+01:00" for the local time of t.
std::string FormatIsoTime(std::int32_t t);
/// ISO 8601 date and time ("T" or a blank between, seconds optional); without "Z" or an
/// offset the time is local. False when it is none or lies outside 32-bit seconds.
bool ParseIsoTime(std::string_view text, std::int32_t& t);
/// "m:ss" (any number of minutes, two digits of seconds) as minutes * 100 + seconds.
bool ParseLength(std::string_view text, MinSecLength& length);

} // namespace catalog
