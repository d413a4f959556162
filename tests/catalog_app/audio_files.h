#pragma once
// Small audio files written by the tests themselves and tagged through TagLib.

#include <filesystem>
#include <map>
#include <string>

namespace testaudio {

/// Mono 8-bit PCM silence at 8000 Hz, with a RIFF INFO chunk of the given fields (INAM,
/// IART, IPRD, IPRT, ...) when there are any.
void WriteWav(const std::filesystem::path& path, unsigned milliseconds,
              const std::map<std::string, std::string>& info = {});
/// A FLAC stream of only its STREAMINFO block (no frames), 44100 Hz.
void WriteFlac(const std::filesystem::path& path, unsigned milliseconds);
/// Sets tags by their TagLib property names (ALBUM, ARTIST, TITLE, TRACKNUMBER, ...).
bool Tag(const std::filesystem::path& path, const std::map<std::string, std::string>& tags);

} // namespace testaudio
