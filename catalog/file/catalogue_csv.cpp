#include "catalog/file/catalogue_csv.h"

#include "catalog/cp1252.h"
#include "catalog/file/csv_records.h"
#include "catalog/media_type.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <limits>
#include <optional>
#include <unordered_map>

namespace catalog {
namespace {

enum Column { MediaIndex, Title1, Title2, Type, Created, TrackIndex, TrackTitle, Length, Name };

std::string TypeName(std::int32_t type) {
    if (type >= 0 && std::size_t(type) < MediaTypeNames.size())
        return std::string(MediaTypeNames[type]);
    return std::to_string(type); // a damaged file's number, kept as it is
}

// Interpreter names by index, the first entry with an index as in a lookup.
using NameTable = std::unordered_map<std::uint32_t, std::string>;

NameTable NamesOf(const CInterpreterList& interpreters) {
    NameTable names;
    for (const CInterpreter& entry : interpreters)
        names.try_emplace(entry.InterpreterIndex(), Cp1252ToUtf8(entry.Name()));
    return names;
}

void AppendMediumRows(std::string& out, const CMedia& media, const NameTable& names) {
    std::vector<std::string> row{std::to_string(media.MediaIndex()),
                                 Cp1252ToUtf8(media.Title1()),
                                 Cp1252ToUtf8(media.Title2()),
                                 TypeName(media.MediaType()),
                                 FormatIsoTime(media.CreationTime()),
                                 {},
                                 {},
                                 {},
                                 {}};
    if (media.Tracks().empty()) AppendCsvRecord(out, row);
    for (const CTrack& track : media.Tracks()) {
        const auto name = names.find(track.InterpreterIndex());
        row[TrackIndex] = std::to_string(track.TrackIndex());
        row[TrackTitle] = Cp1252ToUtf8(track.Title());
        row[Length] = FormatLength(track.Length());
        row[Name] = name == names.end() ? std::string() : name->second;
        AppendCsvRecord(out, row);
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

template <class T> bool ParseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseType(std::string_view text, std::int32_t& type) {
    const auto named = std::ranges::find_if(
        MediaTypeNames, [&](std::string_view name) { return EqualNoCase(name, text); });
    if (named != MediaTypeNames.end()) {
        type = std::int32_t(named - MediaTypeNames.begin());
        return true;
    }
    return ParseNumber(text, type);
}

// The rows of one file turned into media; remembers where each medium went.
class CsvBuilder {
public:
    std::optional<std::string> SetHeader(const std::vector<std::string>& names);
    std::optional<std::string> AddRow(const std::vector<std::string>& fields);
    CsvMedia Finish();

private:
    std::string Field(Column column) const;
    std::string Text(Column column);
    std::optional<std::string> StartMedium(NewMedium& medium);
    std::optional<std::string> AddTrack(std::size_t medium);

    std::array<std::optional<std::size_t>, CsvColumns.size()> m_Position;
    std::size_t m_nFieldCount = 0;
    const std::vector<std::string>* m_pRow = nullptr;
    CsvMedia m_Result;
    std::unordered_map<std::string, std::size_t> m_MediumOf;
    std::vector<std::vector<std::pair<std::uint32_t, NewTrack>>> m_Tracks;
};

std::optional<std::string> CsvBuilder::SetHeader(const std::vector<std::string>& names) {
    m_nFieldCount = names.size();
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t c = 0; c < CsvColumns.size(); ++c)
            if (!m_Position[c] && EqualNoCase(Trimmed(names[i]), CsvColumns[c])) m_Position[c] = i;
    if (std::ranges::none_of(m_Position, [](auto p) { return p.has_value(); }))
        return "the header row names none of the columns (\"Title line 1\", \"Track title\", ...)";
    return std::nullopt;
}

std::string CsvBuilder::Field(Column column) const {
    const auto& position = m_Position[column];
    return position && *position < m_pRow->size() ? (*m_pRow)[*position] : std::string();
}

std::string CsvBuilder::Text(Column column) {
    bool replaced = false;
    std::string text = Utf8ToCp1252(Field(column), &replaced);
    m_Result.replacedTexts += replaced;
    return text;
}

std::optional<std::string> CsvBuilder::StartMedium(NewMedium& medium) {
    medium.title1 = Text(Title1);
    medium.title2 = Text(Title2);
    medium.mediaType = 6; // "other media" when the file does not say
    medium.creationTime = std::int32_t(std::time(nullptr));
    const std::string type = Field(Type), created = Field(Created);
    if (!type.empty() && !ParseType(Trimmed(type), medium.mediaType))
        return "\"" + type + "\" is not a media type";
    if (!created.empty() && !ParseIsoTime(Trimmed(created), medium.creationTime))
        return "\"" + created + "\" is not a date and time (ISO 8601)";
    return std::nullopt;
}

std::optional<std::string> CsvBuilder::AddTrack(std::size_t medium) {
    const std::string index = Field(TrackIndex), length = Field(Length);
    NewTrack track;
    track.title = Text(TrackTitle);
    track.interpreter = Text(Name);
    std::uint32_t order = std::uint32_t(m_Tracks[medium].size());
    if (!index.empty() && !ParseNumber(Trimmed(index), order))
        return "\"" + index + "\" is not a track index";
    if (!length.empty() && !ParseLength(Trimmed(length), track.length))
        return "\"" + length + "\" is not a length (m:ss)";
    m_Tracks[medium].emplace_back(order, std::move(track));
    return std::nullopt;
}

std::optional<std::string> CsvBuilder::AddRow(const std::vector<std::string>& fields) {
    if (fields.size() > m_nFieldCount) return "the row has more fields than the header";
    m_pRow = &fields;
    std::string key = Field(MediaIndex);
    std::uint32_t number = 0;
    if (m_Position[MediaIndex] && !ParseNumber(Trimmed(key), number))
        return "\"" + key + "\" is not a media index";
    if (!m_Position[MediaIndex])
        for (Column c : {Title1, Title2, Type, Created})
            key += '\x1f' + Field(c);
    auto [slot, added] = m_MediumOf.try_emplace(key, m_Result.media.size());
    if (added) {
        m_Result.media.emplace_back();
        m_Tracks.emplace_back();
        if (auto error = StartMedium(m_Result.media.back())) return error;
    }
    const bool isTrack = std::ranges::any_of(std::array{TrackIndex, TrackTitle, Length, Name},
                                             [&](Column c) { return !Field(c).empty(); });
    return isTrack ? AddTrack(slot->second) : std::nullopt;
}

CsvMedia CsvBuilder::Finish() {
    for (std::size_t i = 0; i < m_Tracks.size(); ++i) {
        std::ranges::stable_sort(m_Tracks[i], {}, &std::pair<std::uint32_t, NewTrack>::first);
        for (auto& entry : m_Tracks[i])
            m_Result.media[i].tracks.push_back(std::move(entry.second));
    }
    return std::move(m_Result);
}

} // namespace

std::string ExportCsv(const CCatalogue& catalogue) {
    std::string out;
    AppendCsvRecord(out, std::vector<std::string>(CsvColumns.begin(), CsvColumns.end()));
    const NameTable names = NamesOf(catalogue.Interpreters());
    for (const CMedia& media : catalogue.Media())
        AppendMediumRows(out, media, names);
    return out;
}

bool ParseLength(std::string_view text, MinSecLength& length) {
    const std::size_t colon = text.find(':');
    std::uint64_t minutes = 0;
    std::uint32_t seconds = 0;
    if (colon == std::string_view::npos || text.size() - colon != 3 ||
        !ParseNumber(text.substr(0, colon), minutes) ||
        !ParseNumber(text.substr(colon + 1), seconds))
        return false;
    const std::uint64_t value = minutes * 100 + seconds;
    if (minutes > std::numeric_limits<MinSecLength>::max() / 100 ||
        value > std::numeric_limits<MinSecLength>::max())
        return false;
    length = MinSecLength(value);
    return true;
}

std::variant<CsvMedia, CsvError> ParseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    CsvReader reader(text);
    CsvBuilder builder;
    auto header = reader.Next();
    std::optional<std::string> error =
        header ? builder.SetHeader(*header)
               : std::optional<std::string>("the file has no header row");
    while (!error && !reader.Failed()) {
        auto row = reader.Next();
        if (!row) break;
        error = builder.AddRow(*row);
    }
    if (reader.Failed()) error = "bad quoting";
    if (error) return CsvError{reader.Line(), *error};
    return builder.Finish();
}

} // namespace catalog
