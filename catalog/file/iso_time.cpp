// Creation times in the CSV exchange: ISO 8601, local time with its offset.

#include "catalog/file/catalogue_csv.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <limits>

namespace catalog {
namespace {

// Reads exactly n digits at pos.
bool Digits(std::string_view text, std::size_t& pos, std::size_t n, int& value) {
    if (pos + n > text.size()) return false;
    value = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += n;
    return true;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// "Z", "+hh", "+hhmm" or "+hh:mm"; offset in seconds east of UTC.
bool ParseZone(std::string_view text, std::size_t& pos, long& offset) {
    if (Expect(text, pos, 'Z')) {
        offset = 0;
        return pos == text.size();
    }
    const int sign = pos < text.size() && text[pos] == '-' ? -1 : 1;
    if (!Expect(text, pos, '+') && !Expect(text, pos, '-')) return false;
    int hours = 0, minutes = 0;
    if (!Digits(text, pos, 2, hours) || hours > 14) return false;
    if (pos < text.size()) {
        Expect(text, pos, ':');
        if (!Digits(text, pos, 2, minutes) || minutes > 59) return false;
    }
    offset = sign * (hours * 3600L + minutes * 60L);
    return pos == text.size();
}

} // namespace

std::string FormatIsoTime(std::int32_t t) {
    const std::time_t time = t;
    std::tm tm{};
    localtime_r(&time, &tm);
    const long offset = tm.tm_gmtoff;
    const long absolute = offset < 0 ? -offset : offset;
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  offset < 0 ? '-' : '+', absolute / 3600, absolute / 60 % 60);
    return text;
}

bool ParseIsoTime(std::string_view text, std::int32_t& t) {
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!Digits(text, pos, 4, year) || !Expect(text, pos, '-') || !Digits(text, pos, 2, month) ||
        !Expect(text, pos, '-') || !Digits(text, pos, 2, day))
        return false;
    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(unsigned(month)),
                                           std::chrono::day(unsigned(day))};
    if (!date.ok()) return false;
    if (pos < text.size()) {
        if (!Expect(text, pos, 'T') && !Expect(text, pos, ' ')) return false;
        if (!Digits(text, pos, 2, hour) || !Expect(text, pos, ':') ||
            !Digits(text, pos, 2, minute) || hour > 23 || minute > 59)
            return false;
        if (Expect(text, pos, ':') && (!Digits(text, pos, 2, second) || second > 59)) return false;
    }
    long long seconds = 0;
    if (pos < text.size()) {
        long offset = 0;
        if (!ParseZone(text, pos, offset)) return false;
        const auto days = std::chrono::sys_days(date).time_since_epoch().count();
        seconds = days * 86400LL + hour * 3600LL + minute * 60LL + second - offset;
    } else {
        std::tm tm{};
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_hour = hour;
        tm.tm_min = minute;
        tm.tm_sec = second;
        tm.tm_isdst = -1;
        seconds = std::mktime(&tm);
    }
    if (seconds < std::numeric_limits<std::int32_t>::min() ||
        seconds > std::numeric_limits<std::int32_t>::max())
        return false;
    t = static_cast<std::int32_t>(seconds);
    return true;
}

} // namespace catalog
