#pragma once

#include "catalog/file/counted_string.h"

#include <cstdint>
#include <list>
#include <string_view>

namespace catalog {
class CatalogueEdit;
}

/// One performer; tracks refer to it by its index.
class CInterpreter {
public:
    std::uint32_t InterpreterIndex() const { return m_nIndex; }
    std::string_view Name() const { return m_Name.Text(); }
    const CCountedString& NameString() const { return m_Name; }

private:
    friend class CInterpreterList;
    friend struct CatalogueFormat;
    friend class catalog::CatalogueEdit;

    std::uint32_t m_nIndex = 0;
    CCountedString m_Name;
};

/// The one interpreter list of a catalogue, in ascending index order (gaps allowed).
class CInterpreterList {
public:
    CInterpreterList() = default;
    CInterpreterList(const CInterpreterList&) = delete;
    CInterpreterList& operator=(const CInterpreterList&) = delete;

    /// The entry whose name equals the trimmed name ignoring A-Z case, or a new one
    /// with the lowest free index.
    CInterpreter* FindOrAddInterpreter(std::string_view name);
    /// The first entry with that index, or nullptr.
    CInterpreter* FindInterpreter(std::uint32_t interpreterIndex);
    const CInterpreter* FindInterpreter(std::uint32_t interpreterIndex) const;
    /// Stores the name exactly (no trimming); nullptr when no entry has that index.
    CInterpreter* RenameInterpreter(std::uint32_t interpreterIndex, std::string_view name);
    /// Removes every entry with that index; tracks keep referring to it.
    void DeleteInterpreter(std::uint32_t interpreterIndex);

    /// Iteration with the list's own cursor; nullptr at the end.
    CInterpreter* FirstInterpreter();
    CInterpreter* NextInterpreter();

    std::uint32_t Count() const { return static_cast<std::uint32_t>(m_Entries.size()); }
    std::list<CInterpreter>::const_iterator begin() const { return m_Entries.begin(); }
    std::list<CInterpreter>::const_iterator end() const { return m_Entries.end(); }

private:
    friend struct CatalogueFormat;
    friend class catalog::CatalogueEdit;

    std::list<CInterpreter> m_Entries;
    std::list<CInterpreter>::iterator m_Cursor = m_Entries.end();
};
