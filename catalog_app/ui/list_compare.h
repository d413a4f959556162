#pragma once
// The row comparisons of the sortable lists. Number columns answer 1 when the first is
// greater and 0 otherwise; text columns answer negative, zero or positive.

#include <string_view>

class CMedia;
class CInterpreter;

/// Byte comparison with A-Z taken as a-z, like the C run-time's case-blind compare.
int CompareNoCase(std::string_view a, std::string_view b);

/// Media list columns 0 to 5; any other column gives 0.
int CompareMedia(const CMedia& first, const CMedia& second, int column);

/// Interpreter list columns 0 (index) and 1 (name); any other column gives 0.
int CompareInterpreters(const CInterpreter& first, const CInterpreter& second, int column);

/// Ascending order from such a comparison: second compares greater than first.
template <typename Record, typename Compare>
bool SortsBefore(const Record& first, const Record& second, int column, Compare compare) {
    return compare(second, first, column) > 0;
}
