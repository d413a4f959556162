#include "catalog/catalogue.h"

#include <algorithm>
#include <utility>
#include <vector>

// Members are destroyed in reverse order: the media (with their tracks) before the
// interpreters.
CCatalogue::~CCatalogue() = default;

namespace catalog {

bool TextMatches(std::string_view query, std::string_view text) {
    if (text.empty()) return false;
    if (query.size() > text.size()) return false;
    if (query.empty()) return true;
    const char first = query[0] | 0x20;
    const std::size_t lastStart = text.size() - query.size();
    for (std::size_t start = 0; start <= lastStart; ++start) {
        if ((text[start] | 0x20) != first) continue;
        std::size_t i = 1;
        while (i < query.size() && (text[start + i] | 0x20) == (query[i] | 0x20))
            ++i;
        if (i == query.size()) return true;
    }
    return false;
}

} // namespace catalog

namespace {

// Whether the interpreter with a given index matches the query, decided once per search
// instead of once per track. Only the first entry with an index counts, as in a lookup.
class InterpreterMatches {
public:
    InterpreterMatches(const CInterpreterList& list, std::string_view query) {
        for (const CInterpreter& entry : list)
            m_Table.emplace_back(entry.InterpreterIndex(),
                                 catalog::TextMatches(query, entry.Name()));
        auto byIndex = [](const Entry& a, const Entry& b) { return a.first < b.first; };
        std::stable_sort(m_Table.begin(), m_Table.end(), byIndex);
        auto sameIndex = [](const Entry& a, const Entry& b) { return a.first == b.first; };
        m_Table.erase(std::unique(m_Table.begin(), m_Table.end(), sameIndex), m_Table.end());
    }

    bool operator()(std::uint32_t index) const {
        // Without gaps an index is its own position.
        if (index < m_Table.size() && m_Table[index].first == index) return m_Table[index].second;
        auto it = std::lower_bound(m_Table.begin(), m_Table.end(), index,
                                   [](const Entry& e, std::uint32_t i) { return e.first < i; });
        return it != m_Table.end() && it->first == index && it->second;
    }

private:
    using Entry = std::pair<std::uint32_t, bool>;
    std::vector<Entry> m_Table;
};

// Appends the medium's matching tracks; false once the track hits are full.
bool SearchTracks(CMedia& media, std::list<CTrack>& tracks, std::string_view query,
                  const InterpreterMatches& interpreterMatches, SearchResults& results) {
    for (CTrack& track : tracks) {
        if (!catalog::TextMatches(query, track.Title()) &&
            !interpreterMatches(track.InterpreterIndex()))
            continue;
        results.trackHits[results.trackHitCount] = &track;
        results.trackHitMedia[results.trackHitCount] = &media;
        if (++results.trackHitCount == SEARCH_HIT_LIMIT) return false;
    }
    return true;
}

} // namespace

const SearchResults& CCatalogue::Search(std::string_view query) {
    query = query.substr(0, query.find('\0')); // like every stored text, ends at a zero
    SearchResults& results = m_SearchResults;
    results = {};
    const InterpreterMatches interpreterMatches(m_InterpreterList, query);
    for (CMedia& media : m_MediaList) {
        if (catalog::TextMatches(query, media.Title1()) ||
            catalog::TextMatches(query, media.Title2())) {
            results.mediaHits[results.mediaHitCount] = &media;
            if (++results.mediaHitCount == SEARCH_HIT_LIMIT) break;
        } else if (!SearchTracks(media, media.m_Tracks, query, interpreterMatches, results)) {
            break;
        }
    }
    return results;
}
