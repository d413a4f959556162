#pragma once
// Media that come from outside the program (a CSV file, audio files' tags), added as one
// undoable step.

#include "catalog/catalogue_edit.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace catalog {

struct NewTrack {
    std::string title;
    MinSecLength length = 0;
    std::string interpreter; ///< a name, found or added as paste does (blank: none)
};

struct NewMedium {
    std::string title1;
    std::string title2;
    std::int32_t mediaType = 0;
    std::int32_t creationTime = 0;
    std::string information; ///< RTF bytes, empty for none
    std::vector<NewTrack> tracks;
};

struct ImportCounts {
    std::size_t media = 0;
    std::size_t tracks = 0;
    std::size_t interpreters = 0; ///< added, not merely found
};

/// Adds each medium with the lowest free index and its tracks in order at the end, each
/// track's interpreter found by name or added.
ImportCounts AddNewMedia(CatalogueEdit& edit, std::span<const NewMedium> media);

} // namespace catalog
