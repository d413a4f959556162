#include "catalog/file/csv_records.h"

namespace catalog {

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

bool CsvReader::AtLineEnd() const {
    return m_nPos < m_Text.size() && (m_Text[m_nPos] == '\n' || m_Text[m_nPos] == '\r');
}

void CsvReader::SkipLineEnd() {
    if (m_Text[m_nPos] == '\r') ++m_nPos;
    if (m_nPos < m_Text.size() && m_Text[m_nPos] == '\n') ++m_nPos;
    ++m_nLine;
}

// From the opening quote to just past the closing one; false when no closing quote comes.
bool CsvReader::ReadQuoted(std::string& field) {
    for (++m_nPos; m_nPos < m_Text.size(); ++m_nPos) {
        const char c = m_Text[m_nPos];
        if (c == '"') {
            if (m_nPos + 1 < m_Text.size() && m_Text[m_nPos + 1] == '"') {
                field += '"';
                ++m_nPos;
                continue;
            }
            ++m_nPos;
            return true;
        }
        if (c == '\n') ++m_nLine;
        field += c;
    }
    return false;
}

std::optional<std::vector<std::string>> CsvReader::Next() {
    if (m_bFailed) return std::nullopt;
    while (AtLineEnd())
        SkipLineEnd();
    if (m_nPos >= m_Text.size()) return std::nullopt;
    m_nRecordLine = m_nLine;
    std::vector<std::string> fields(1);
    while (m_nPos < m_Text.size() && !AtLineEnd()) {
        const char c = m_Text[m_nPos];
        if (c == ',') {
            fields.emplace_back();
            ++m_nPos;
        } else if (c == '"' && fields.back().empty()) {
            // After the closing quote only a separator or the end of the record may follow.
            if (!ReadQuoted(fields.back()) ||
                (m_nPos < m_Text.size() && m_Text[m_nPos] != ',' && !AtLineEnd())) {
                m_bFailed = true;
                return std::nullopt;
            }
        } else if (c == '"') {
            m_bFailed = true;
            return std::nullopt;
        } else {
            fields.back() += c;
            ++m_nPos;
        }
    }
    if (m_nPos < m_Text.size()) SkipLineEnd();
    return fields;
}

} // namespace catalog
