#include "test_files.h"

#include "emf/emf_builder.h"
#include "emf/record_types.h"

#include <cstring>
#include <fstream>
#include <random>

namespace testing_metaview {

std::vector<std::byte> ShapesEmf() {
    emf::EmfBuilder b;
    b.SetDescription(u"Kelvane tests", u"Shapes");
    b.SetMapMode(1);
    b.CreatePen(1, 0, 1, 0x0000FF);
    b.SelectObject(1);
    b.Rectangle({10, 10, 200, 100});
    b.Ellipse({50, 20, 150, 90});
    return b.Build();
}

std::vector<std::byte> SmallWmf() {
    std::vector<std::byte> out;
    auto put16 = [&](unsigned v) {
        out.push_back(std::byte(v & 0xFF));
        out.push_back(std::byte(v >> 8 & 0xFF));
    };
    // [MS-WMF] 2.3.2.2 METAHEADER: type 1, 9 words, version 0x300, size in words.
    put16(1), put16(9), put16(0x300), put16(9 + 7 + 3), put16(0), put16(0), put16(7), put16(0),
        put16(0);
    put16(7), put16(0), put16(0x041B), put16(100), put16(200), put16(10), put16(20); // rectangle
    put16(3), put16(0), put16(0);                                                    // META_EOF
    return out;
}

ScratchDir::ScratchDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() /
             ("kelvane-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::vector<std::byte> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(chars.size());
    std::memcpy(bytes.data(), chars.data(), chars.size());
    return bytes;
}

void WriteAll(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::filesystem::path CorpusDir() {
    const std::filesystem::path dir = KORVEL_CORPUS_DIR;
    return std::filesystem::is_directory(dir) ? dir : std::filesystem::path();
}

std::uint32_t U32At(const std::vector<std::byte>& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= std::uint32_t(std::to_integer<std::uint8_t>(bytes.at(offset + i))) << (8 * i);
    return v;
}

} // namespace testing_metaview
