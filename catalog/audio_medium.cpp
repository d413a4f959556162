#include "catalog/audio_medium.h"

#include "catalog/cp1252.h"

#include <algorithm>
#include <tuple>

namespace catalog {
namespace {

std::string FirstOf(const std::vector<AudioFileTags>& files, std::string AudioFileTags::*field) {
    for (const AudioFileTags& file : files)
        if (!(file.*field).empty()) return file.*field;
    return {};
}

std::string WithoutExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

} // namespace

MinSecLength LengthFromSeconds(unsigned seconds) {
    return MinSecLength(seconds / 60 * 100 + seconds % 60);
}

NewMedium MediumFromAudioFiles(std::vector<AudioFileTags> files, std::int32_t creationTime,
                               std::size_t* replaced) {
    std::ranges::stable_sort(
        files, {}, [](const AudioFileTags& f) { return std::tie(f.disc, f.track, f.fileName); });
    std::size_t replacements = 0;
    auto ansi = [&](const std::string& utf8) {
        bool lost = false;
        std::string text = Utf8ToCp1252(utf8, &lost);
        replacements += lost;
        return text;
    };
    NewMedium medium;
    medium.mediaType = kAudioMediaType;
    medium.creationTime = creationTime;
    const std::string album = FirstOf(files, &AudioFileTags::album);
    medium.title1 = ansi(album.empty() && !files.empty() ? files.front().folder : album);
    std::string second = FirstOf(files, &AudioFileTags::albumArtist);
    if (second.empty()) {
        const auto dated = std::ranges::find_if(files, [](const auto& f) { return f.year != 0; });
        if (dated != files.end()) second = std::to_string(dated->year);
    }
    medium.title2 = ansi(second);
    for (const AudioFileTags& file : files)
        medium.tracks.push_back(
            {ansi(file.title.empty() ? WithoutExtension(file.fileName) : file.title),
             LengthFromSeconds(file.seconds), ansi(file.artist)});
    if (replaced) *replaced = replacements;
    return medium;
}

} // namespace catalog
