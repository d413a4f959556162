#include "catalog/min_sec_length.h"

#include <cstdio>

namespace catalog {

namespace {

std::uint32_t Seconds(MinSecLength length) {
    return length / 100 * 60 + length % 100;
}

MinSecLength FromSeconds(std::uint32_t seconds) {
    return seconds / 60 * 100 + seconds % 60;
}

} // namespace

MinSecLength AddLength(MinSecLength total, MinSecLength length) {
    return FromSeconds(Seconds(total) + Seconds(length));
}

MinSecLength SubtractLength(MinSecLength total, MinSecLength length) {
    // A damaged file can hold a total smaller than its tracks; wrapping around would show
    // millions of minutes.
    std::uint32_t have = Seconds(total), take = Seconds(length);
    return have > take ? FromSeconds(have - take) : 0;
}

std::string FormatLength(MinSecLength length) {
    char text[24];
    std::snprintf(text, sizeof text, "%u:%02u", length / 100, length % 100);
    return text;
}

} // namespace catalog
