#include "rtf/tables.h"

#include <algorithm>

namespace rtf {

void FontTable::pushByte(std::uint8_t byte) {
    useCharsetCodePage();
    m_decoder.push(byte);
}

void FontTable::pushText(std::string_view text) {
    useCharsetCodePage();
    for (char c : text) {
        if (c == ';')
            commit();
        else
            m_decoder.push(static_cast<std::uint8_t>(c));
    }
}

void FontTable::pushChar(char32_t c) {
    m_decoder.flushInto(m_name);
    AppendCodePoint(m_name, c);
}

void FontTable::commit() {
    m_decoder.flushInto(m_name);
    QString name = m_name.trimmed();
    if (!name.isEmpty()) m_entries[m_number] = FontEntry{name, m_charset};
    m_name.clear();
    m_charset = 0;
}

void FontTable::useCharsetCodePage() {
    m_decoder.setCodePage(CodePageForCharset(m_charset, m_info.codePage), m_name);
}

const FontEntry* FontTable::find(int number) const {
    auto it = m_entries.find(number);
    return it == m_entries.end() ? nullptr : &it->second;
}

void ColorTable::pushText(std::string_view text) {
    for (char c : text)
        if (c == ';') endEntry();
}

std::optional<QColor> ColorTable::at(int index) const {
    if (index < 0 || std::size_t(index) >= m_entries.size()) return std::nullopt;
    return m_entries[std::size_t(index)];
}

void ColorTable::setComponent(int& component, int v) {
    component = std::clamp(v, 0, 255);
    m_hasComponent = true;
}

void ColorTable::endEntry() {
    if (m_hasComponent)
        m_entries.emplace_back(QColor(m_red, m_green, m_blue));
    else
        m_entries.emplace_back(std::nullopt);
    m_red = m_green = m_blue = 0;
    m_hasComponent = false;
}

} // namespace rtf
