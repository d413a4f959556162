#include "catalog_app/exchange/audio_tags.h"

#include <taglib/fileref.h>
#include <taglib/infotag.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <system_error>

namespace audio {
namespace {

std::string Utf8(const TagLib::String& text) {
    return text.to8Bit(true);
}

std::string Property(const TagLib::PropertyMap& properties, const char* key) {
    const auto it = properties.find(key);
    return it == properties.end() || it->second.isEmpty() ? std::string()
                                                          : Utf8(it->second.front());
}

// "2/3" is disc 2 of 3.
unsigned LeadingNumber(const std::string& text) {
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000) break;
        value = value * 10 + unsigned(c - '0');
    }
    return value;
}

void TakeTag(const TagLib::Tag& tag, catalog::AudioFileTags& tags) {
    // What an earlier tag gave stays; a later one only fills what is still missing.
    if (tags.album.empty()) tags.album = Utf8(tag.album());
    if (tags.artist.empty()) tags.artist = Utf8(tag.artist());
    if (tags.title.empty()) tags.title = Utf8(tag.title());
    if (tags.year == 0) tags.year = tag.year();
    if (tags.track == 0) tags.track = tag.track();
}

} // namespace

bool IsAudioFileName(const std::filesystem::path& path) {
    static constexpr std::array<std::string_view, 7> kExtensions = {
        ".mp3", ".flac", ".ogg", ".oga", ".opus", ".m4a", ".wav"};
    std::string extension = path.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    return std::ranges::find(kExtensions, extension) != kExtensions.end();
}

std::vector<std::filesystem::path> AudioFilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(
             folder, std::filesystem::directory_options::skip_permission_denied, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (it->is_regular_file(error) && IsAudioFileName(it->path())) files.push_back(it->path());
    std::ranges::sort(files);
    return files;
}

std::optional<catalog::AudioFileTags> ReadAudioTags(const std::filesystem::path& path) {
    TagLib::FileRef file(path.c_str());
    // TagLib takes almost anything for MPEG; real audio has a sample rate.
    if (file.isNull() || !file.audioProperties() || file.audioProperties()->sampleRate() <= 0)
        return std::nullopt;
    catalog::AudioFileTags tags;
    tags.fileName = path.filename().string();
    tags.folder = path.parent_path().filename().string();
    tags.seconds = unsigned((file.audioProperties()->lengthInMilliseconds() + 500) / 1000);
    if (const TagLib::Tag* tag = file.tag()) TakeTag(*tag, tags);
    // A WAV file's tag is its ID3v2 chunk; most WAV writers keep their tags in RIFF INFO.
    if (const auto* wav = dynamic_cast<const TagLib::RIFF::WAV::File*>(file.file());
        wav && wav->hasInfoTag())
        TakeTag(*wav->InfoTag(), tags);
    const TagLib::PropertyMap properties = file.file()->properties();
    tags.albumArtist = Property(properties, "ALBUMARTIST");
    tags.disc = LeadingNumber(Property(properties, "DISCNUMBER"));
    return tags;
}

} // namespace audio
