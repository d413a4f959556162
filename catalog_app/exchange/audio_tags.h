#pragma once
// Reading audio files' tags and lengths with TagLib.

#include "catalog/audio_medium.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace audio {

/// The file's tags and playing length; nullopt when TagLib cannot read it as audio.
std::optional<catalog::AudioFileTags> ReadAudioTags(const std::filesystem::path& path);

/// Whether the name ends in an extension of the formats read (MP3, FLAC, Ogg Vorbis,
/// Opus, M4A, WAV), in any letter case.
bool IsAudioFileName(const std::filesystem::path& path);

/// The audio files in the folder and its subfolders, sorted by path.
std::vector<std::filesystem::path> AudioFilesIn(const std::filesystem::path& folder);

} // namespace audio
