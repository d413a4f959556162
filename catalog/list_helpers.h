#pragma once
// Index allocation and removal shared by the record lists.

#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace catalog {

/// The lowest index no entry uses. Unlike a walk that counts up through a sorted list, this
/// also holds for damaged lists read from a file (out of order or with duplicates).
template <class List, class IndexOf>
std::uint32_t LowestFreeIndex(const List& list, IndexOf indexOf) {
    // Among n entries one of 0..n is always free, so larger indexes need no slot.
    std::vector<bool> used(list.size() + 1);
    for (const auto& entry : list) {
        std::uint32_t index = indexOf(entry);
        if (index < used.size()) used[index] = true;
    }
    std::uint32_t free = 0;
    while (used[free])
        ++free;
    return free;
}

/// Where an entry with a new index goes: before the first entry with a greater index.
template <class List, class IndexOf>
auto InsertPointFor(List& list, std::uint32_t index, IndexOf indexOf) {
    auto it = list.begin();
    while (it != list.end() && indexOf(*it) <= index)
        ++it;
    return it;
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
