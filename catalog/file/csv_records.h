#pragma once
// RFC 4180 records: fields separated by commas, records by CRLF, a field quoted when it
// holds a comma, a quote or a line break, quotes doubled inside.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

/// Appends the record's fields and a CRLF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

/// Reads records one by one; accepts LF or CRLF line ends and skips empty lines.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_Text(text) {}

    /// The next record's fields, or nullopt at the end or on bad quoting (then Failed()).
    std::optional<std::vector<std::string>> Next();
    bool Failed() const { return m_bFailed; }
    /// The 1-based line on which the record last returned (or the bad one) begins.
    std::size_t Line() const { return m_nRecordLine; }

private:
    bool ReadQuoted(std::string& field);
    bool AtLineEnd() const;
    void SkipLineEnd();

    std::string_view m_Text;
    std::size_t m_nPos = 0;
    std::size_t m_nLine = 1;
    std::size_t m_nRecordLine = 1;
    bool m_bFailed = false;
};

} // namespace catalog
