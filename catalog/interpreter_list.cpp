#include "catalog/interpreter_list.h"

#include "catalog/list_helpers.h"

#include <algorithm>

namespace {

std::uint32_t IndexOf(const CInterpreter& entry) {
    return entry.InterpreterIndex();
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trimmed(std::string_view name) {
    while (!name.empty() && IsBlank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back()))
        name.remove_suffix(1);
    return name;
}

char FoldAsciiCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Only A-Z equal a-z; every other byte compares exactly, whatever the locale.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, FoldAsciiCase, FoldAsciiCase);
}

} // namespace

CInterpreter* CInterpreterList::FindOrAddInterpreter(std::string_view name) {
    name = Trimmed(name.substr(0, name.find('\0')));
    for (CInterpreter& entry : m_Entries)
        if (EqualIgnoringAsciiCase(entry.Name(), name)) return &entry;
    const auto [index, where] = catalog::FreeSlot(m_Entries, IndexOf);
    CInterpreter& entry = *m_Entries.emplace(where);
    entry.m_nIndex = index;
    entry.m_Name.SetText(name);
    return &entry;
}

CInterpreter* CInterpreterList::FindInterpreter(std::uint32_t interpreterIndex) {
    auto it = std::ranges::find(m_Entries, interpreterIndex, IndexOf);
    return it == m_Entries.end() ? nullptr : &*it;
}

const CInterpreter* CInterpreterList::FindInterpreter(std::uint32_t interpreterIndex) const {
    auto it = std::ranges::find(m_Entries, interpreterIndex, IndexOf);
    return it == m_Entries.end() ? nullptr : &*it;
}

CInterpreter* CInterpreterList::RenameInterpreter(std::uint32_t interpreterIndex,
                                                  std::string_view name) {
    CInterpreter* entry = FindInterpreter(interpreterIndex);
    if (entry) entry->m_Name.SetText(name);
    return entry;
}

void CInterpreterList::DeleteInterpreter(std::uint32_t interpreterIndex) {
    catalog::EraseWhere(m_Entries, m_Cursor, [&](const CInterpreter& entry) {
        return entry.m_nIndex == interpreterIndex;
    });
}

CInterpreter* CInterpreterList::FirstInterpreter() {
    m_Cursor = m_Entries.begin();
    return NextInterpreter();
}

CInterpreter* CInterpreterList::NextInterpreter() {
    return catalog::TakeNext(m_Entries, m_Cursor);
}
