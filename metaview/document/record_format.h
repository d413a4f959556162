#pragma once
// The stepping dialog's view of a record: its parameter doublewords as list-box lines.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace metaview {

/// The radio buttons "Hex", "Dec" and "Char".
enum class ParameterForm { Hex = 0, Dec = 1, Char = 2 };

} // namespace metaview

/// Replaces lines with the parameters of record (its bytes from iType on) in form: four
/// values a line for Hex and Dec, sixteen for Char. A form outside the three leaves lines
/// untouched and returns false. Texts are bytes of the ANSI code page.
bool FormatRecordParameters(std::span<const std::byte> record, metaview::ParameterForm form,
                            std::vector<std::string>& lines);
