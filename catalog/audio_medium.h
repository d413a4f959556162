#pragma once
// A new medium made from the tags of audio files (read elsewhere, with TagLib).

#include "catalog/new_media.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace catalog {

/// What one audio file says about itself; texts in UTF-8, numbers 0 when absent.
struct AudioFileTags {
    std::string fileName; ///< without its folder
    std::string folder;   ///< the name of the folder holding it
    std::string album;
    std::string albumArtist;
    std::string artist;
    std::string title;
    unsigned year = 0;
    unsigned disc = 0;
    unsigned track = 0;
    unsigned seconds = 0;
};

/// The type an audio medium gets unless the user changes it: "MP3 media".
inline constexpr std::int32_t kAudioMediaType = 5;

/// One medium: first title the album (else the folder's name), second the album artist
/// (else the year), one track per file in disc, track number and file name order, titled
/// by the title tag (else the file name without extension), performed by the artist.
/// Texts are Windows-1252; *replaced counts those that needed a "?".
NewMedium MediumFromAudioFiles(std::vector<AudioFileTags> files, std::int32_t creationTime,
                               std::size_t* replaced = nullptr);

/// Whole seconds as minutes * 100 + seconds.
MinSecLength LengthFromSeconds(unsigned seconds);

} // namespace catalog
