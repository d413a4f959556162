#pragma once

#include <array>
#include <cstdint>

class CMedia;
class CTrack;

/// Hits per kind; a count of this size tells the caller that the search was cut off.
inline constexpr std::uint32_t SEARCH_HIT_LIMIT = 1024;

/// The result block of the last search; its references live until records are deleted.
struct SearchResults {
    std::array<CMedia*, SEARCH_HIT_LIMIT> mediaHits{};
    std::array<CTrack*, SEARCH_HIT_LIMIT> trackHits{};
    /// Entry i is the medium holding trackHits[i].
    std::array<CMedia*, SEARCH_HIT_LIMIT> trackHitMedia{};
    std::uint32_t mediaHitCount = 0;
    std::uint32_t trackHitCount = 0;
};
