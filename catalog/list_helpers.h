#pragma once
// Index allocation and removal shared by the record lists.

#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace catalog {

/// Where an entry with a new index goes: before the first entry with a greater index.
template <class List, class IndexOf>
auto InsertPointFor(List& list, std::uint32_t index, IndexOf indexOf) {
    auto it = list.begin();
    while (it != list.end() && indexOf(*it) <= index)
        ++it;
    return it;
}

/// The lowest index no entry uses, and where an entry with it goes (before the first entry
/// with a greater index). Unlike a walk that counts up through a sorted list, this also
/// holds for damaged lists read from a file (out of order or with duplicates); lists in
/// index order, the usual case, are walked only once.
template <class List, class IndexOf>
std::pair<std::uint32_t, typename List::iterator> FreeSlot(List& list, IndexOf indexOf) {
    // Among n entries one of 0..n is always free, so larger indexes need no count.
    const std::size_t n = list.size();
    std::vector<std::uint32_t> entriesWith(n + 1);
    bool ascending = true;
    std::uint32_t previous = 0;
    for (const auto& entry : list) {
        const std::uint32_t index = indexOf(entry);
        ascending = ascending && index >= previous;
        previous = index;
        if (index <= n) ++entriesWith[index];
    }
    std::uint32_t free = 0;
    std::size_t smaller = 0;
    while (entriesWith[free] != 0)
        smaller += entriesWith[free++];
    if (!ascending) return {free, InsertPointFor(list, free, indexOf)};
    // In index order the entries with smaller indexes are exactly the first ones.
    auto where = smaller * 2 < n ? std::next(list.begin(), smaller)
                                 : std::prev(list.end(), static_cast<std::ptrdiff_t>(n - smaller));
    return {free, where};
}

/// Removes every entry pred holds for; a cursor on a removed entry moves to the one after.
template <class List, class Pred>
void EraseWhere(List& list, typename List::iterator& cursor, Pred pred) {
    for (auto it = list.begin(); it != list.end();) {
        if (!pred(*it)) {
            ++it;
            continue;
        }
        const bool atCursor = it == cursor;
        it = list.erase(it);
        if (atCursor) cursor = it;
    }
}

/// The entry at the cursor, moving the cursor on; nullptr at the end.
template <class List>
typename List::value_type* TakeNext(List& list, typename List::iterator& cursor) {
    return cursor == list.end() ? nullptr : &*cursor++;
}

/// Exchanges the entry with its list neighbour toward the front or the back, places and
/// index values alike, so records keep their identity. Nothing when there is no neighbour.
template <class List, class Index>
void ExchangeWithNeighbour(List& list, typename List::iterator it, bool towardFront,
                           Index List::value_type::*index) {
    auto front = it, back = std::next(it);
    if (towardFront) {
        if (it == list.begin()) return;
        front = std::prev(it);
        back = it;
    } else if (back == list.end()) {
        return;
    }
    list.splice(front, list, back);
    std::swap((*front).*index, (*back).*index);
}

} // namespace catalog
