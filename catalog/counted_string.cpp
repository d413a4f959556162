#include "catalog/counted_string.h"

void CCountedString::SetText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    m_Bytes.assign(text);
    m_Bytes.push_back('\0');
}

std::string_view CCountedString::Text() const {
    std::string_view bytes(m_Bytes);
    return bytes.substr(0, bytes.find('\0'));
}
