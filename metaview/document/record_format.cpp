#include "metaview/document/record_format.h"

#include "emf/byte_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

using metaview::ParameterForm;

// A 16-bit unit as one visible character. Units up to a space are dots; so is a unit
// whose low byte is a control character, which would otherwise end or break the line.
char CharOfUnit(std::uint32_t unit) {
    const std::uint32_t low = unit & 0xFF;
    return unit <= 0x20 || low < 0x20 ? '.' : static_cast<char>(low);
}

void AppendValue(std::string& line, std::uint32_t v, ParameterForm form) {
    char buf[16];
    switch (form) {
    case ParameterForm::Hex:
        std::snprintf(buf, sizeof buf, "%08x ", static_cast<unsigned>(v));
        line += buf;
        break;
    case ParameterForm::Dec:
        std::snprintf(buf, sizeof buf, "%lu\t", static_cast<unsigned long>(v));
        line += buf;
        break;
    case ParameterForm::Char:
        line += CharOfUnit(v & 0xFFFF);
        line += CharOfUnit(v >> 16);
        break;
    }
}

// The parameter count comes from nSize, but never reaches past the bytes at hand.
std::size_t ParameterCount(std::span<const std::byte> record) {
    const std::size_t declared = emf::ReadU32(record, 4);
    const std::size_t size = std::min(declared, record.size());
    return size < 8 ? 0 : (size - 8) / 4;
}

} // namespace

bool FormatRecordParameters(std::span<const std::byte> record, metaview::ParameterForm form,
                            std::vector<std::string>& lines) {
    std::size_t perLine = 0;
    switch (form) {
    case ParameterForm::Hex:
    case ParameterForm::Dec:
        perLine = 4;
        break;
    case ParameterForm::Char:
        perLine = 16;
        break;
    default:
        return false;
    }
    lines.clear();
    emf::ByteReader reader(record, 8);
    std::string line;
    const std::size_t count = ParameterCount(record);
    for (std::size_t i = 1; i <= count; ++i) {
        AppendValue(line, reader.u32(), form);
        if (i % perLine == 0) lines.push_back(std::exchange(line, {}));
    }
    if (!line.empty()) lines.push_back(line);
    return true;
}
