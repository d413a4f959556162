#include "audio_files.h"

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace testaudio {
namespace {

std::string LittleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i));
    return out;
}

std::string BigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char(value >> (8 * i));
    return out;
}

} // namespace

std::string InfoChunk(const std::map<std::string, std::string>& info) {
    if (info.empty()) return {};
    std::string fields;
    for (const auto& [id, text] : info) {
        std::string value = text + '\0';
        if (value.size() % 2) value += '\0';
        fields += id + LittleEndian(std::uint32_t(text.size() + 1), 4) + value;
    }
    return "LIST" + LittleEndian(std::uint32_t(4 + fields.size()), 4) + "INFO" + fields;
}

void WriteWav(const std::filesystem::path& path, unsigned milliseconds,
              const std::map<std::string, std::string>& info) {
    const std::uint32_t samples = 8000 * milliseconds / 1000;
    const std::string list = InfoChunk(info);
    std::string bytes = "RIFF" + LittleEndian(std::uint32_t(36 + samples + list.size()), 4) +
                        "WAVEfmt " + LittleEndian(16, 4) + LittleEndian(1, 2) + LittleEndian(1, 2) +
                        LittleEndian(8000, 4) + LittleEndian(8000, 4) + LittleEndian(1, 2) +
                        LittleEndian(8, 2) + "data" + LittleEndian(samples, 4);
    bytes.append(samples, char(0x80));
    std::ofstream(path, std::ios::binary) << bytes << list;
}

void WriteFlac(const std::filesystem::path& path, unsigned milliseconds) {
    const std::uint64_t samples = 44100ull * milliseconds / 1000;
    // Sample rate (20 bits), channels - 1 (3), bits per sample - 1 (5), samples (36).
    const std::uint64_t format = (44100ull << 44) | (0ull << 41) | (15ull << 36) | samples;
    const std::string info = BigEndian(4096, 2) + BigEndian(4096, 2) + BigEndian(0, 3) +
                             BigEndian(0, 3) + BigEndian(format, 8) + std::string(16, '\0');
    std::ofstream(path, std::ios::binary)
        << "fLaC" << char(0x80) << BigEndian(info.size(), 3) << info;
}

bool Tag(const std::filesystem::path& path, const std::map<std::string, std::string>& tags) {
    TagLib::FileRef file(path.c_str());
    if (file.isNull()) return false;
    TagLib::PropertyMap properties = file.file()->properties();
    for (const auto& [key, value] : tags)
        properties.replace(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
    file.file()->setProperties(properties);
    return file.save();
}

} // namespace testaudio
