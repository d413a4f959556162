#pragma once
// The font and colour tables of an RTF document, filled from their destinations.

#include "rtf/code_page.h"
#include "rtf/reader_state.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace rtf {

/// One \fonttbl entry.
struct FontEntry {
    QString name;
    int charset = 0;
};

/// Collects \fonttbl entries: "\fN ... name;" possibly split into subgroups. Names are
/// decoded in the code page of the entry's \fcharset.
class FontTable {
public:
    explicit FontTable(const DocumentInfo& info) : m_info(info) {}
    void setNumber(int number) { m_number = number; }
    void setCharset(int charset) { m_charset = charset; }
    void pushByte(std::uint8_t byte);
    /// Name text; a ';' ends the entry.
    void pushText(std::string_view text);
    void pushChar(char32_t c);
    /// Stores the entry being read, if it has a name; called at ';' and at a group's end.
    void commit();
    const FontEntry* find(int number) const;

private:
    void useCharsetCodePage();

    const DocumentInfo& m_info;
    std::map<int, FontEntry> m_entries;
    int m_number = 0;
    int m_charset = 0;
    ByteDecoder m_decoder;
    QString m_name;
};

/// Collects \colortbl entries; an entry without components is "automatic".
class ColorTable {
public:
    void setRed(int v) { setComponent(m_red, v); }
    void setGreen(int v) { setComponent(m_green, v); }
    void setBlue(int v) { setComponent(m_blue, v); }
    void pushText(std::string_view text);
    /// The colour of entry index, or none for automatic and unknown entries.
    std::optional<QColor> at(int index) const;

private:
    void setComponent(int& component, int v);
    void endEntry();

    std::vector<std::optional<QColor>> m_entries;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_hasComponent = false;
};

} // namespace rtf
