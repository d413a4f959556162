#pragma once

#include "catalog/file/byte_stream.h"
#include "catalog/file/catalogue_status.h"
#include "catalog/interpreter_list.h"
#include "catalog/media_list.h"
#include "catalog/search_results.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

/// The first four bytes of every catalogue file: 10 12 12 12.
inline constexpr std::uint32_t CATALOGUE_SIGNATURE = 0x12121210;

/// One catalogue: the shared interpreter list, the media and the last search's results.
class CCatalogue {
public:
    CCatalogue() = default;
    CCatalogue(const CCatalogue&) = delete;
    CCatalogue& operator=(const CCatalogue&) = delete;
    /// Destroys the media (with their tracks) before the interpreters.
    ~CCatalogue();

    /// Reads a catalogue file's bytes into this (empty) catalogue. Data that ends inside a
    /// record is a read error (CauseEndOfFile): the records completed before it stay, the
    /// one being read is dropped. Zero bytes give an empty catalogue without error.
    catalog::CatalogueStatus Load(std::span<const std::byte> data);
    /// Hands the file's bytes to the sink in order; false when the sink failed.
    bool Save(const catalog::ByteSink& sink) const;
    /// Appends the file's bytes to out.
    void Save(std::vector<std::byte>& out) const;

    /// Media whose title lines contain the query, then tracks whose title or interpreter
    /// does; each kind stops the search at SEARCH_HIT_LIMIT hits.
    const SearchResults& Search(std::string_view query);

    CInterpreterList& Interpreters() { return m_InterpreterList; }
    const CInterpreterList& Interpreters() const { return m_InterpreterList; }
    CMediaList& Media() { return m_MediaList; }
    const CMediaList& Media() const { return m_MediaList; }
    const SearchResults& Results() const { return m_SearchResults; }

private:
    friend struct CatalogueFormat;

    std::uint32_t m_nSignature = CATALOGUE_SIGNATURE;
    CInterpreterList m_InterpreterList;
    CMediaList m_MediaList;
    SearchResults m_SearchResults;
};

namespace catalog {

/// Both texts match when the query occurs in the text, bytes compared with bit 0x20 set.
/// An empty text never matches; an empty query matches every other text.
bool TextMatches(std::string_view query, std::string_view text);

} // namespace catalog
