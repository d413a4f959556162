#pragma once
// A playing length is one number: minutes * 100 + seconds ("4:05" is 405).

#include <cstdint>
#include <string>

using MinSecLength = std::uint32_t;

namespace catalog {

/// total + length, carrying seconds of 60 or more into minutes (0:90 adds 1:30).
MinSecLength AddLength(MinSecLength total, MinSecLength length);
/// total - length with the same carry; never goes below 0:00.
MinSecLength SubtractLength(MinSecLength total, MinSecLength length);
/// "%d:%02d" of minutes and seconds, as every view shows a length.
std::string FormatLength(MinSecLength length);

} // namespace catalog
