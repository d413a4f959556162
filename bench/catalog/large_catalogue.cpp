#include "large_catalogue.h"

#include "catalog/catalogue.h"

#include <array>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "Love", "Night", "River", "Blue",   "Song",    "Dance", "Heart",  "Summer",
    "Rain", "Fire",  "Road",  "Dreams", "Morning", "Gold",  "Silver", "Stone"};

class Generator {
public:
    explicit Generator(std::vector<std::byte>& out) : m_Out(out) {}

    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            m_Out.push_back(std::byte(value >> (8 * i)));
    }
    void Text(const std::string& text) {
        U32(static_cast<std::uint32_t>(text.size() + 1));
        for (char c : text)
            m_Out.push_back(std::byte(c));
        m_Out.push_back(std::byte(0));
    }
    std::string Words(int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::string(kWords[m_Random() % 16]) + ' ';
        return text;
    }
    void Track(std::uint32_t index) {
        U32(index);
        U32(200 + m_Random() % 400);
        U32(m_Random() % kInterpreters);
        const bool rare = m_Random() % 100 == 0;
        Text(Words(2) + (rare ? std::string(kRareWord) : std::string("of Mine")));
    }
    void Medium(std::uint32_t index) {
        U32(kTracksPerMedium);
        Text("Album " + Words(2) + std::to_string(index));
        Text("Volume " + std::to_string(index % 7));
        for (std::uint32_t field : {1000000000u + index, index % 7, 4500u, index, 0u})
            U32(field);
        for (std::uint32_t t = 1; t <= kTracksPerMedium; ++t)
            Track(t);
    }

private:
    std::vector<std::byte>& m_Out;
    std::mt19937 m_Random{1252};
};

std::vector<std::byte> Build() {
    std::vector<std::byte> bytes;
    Generator gen(bytes);
    gen.U32(CATALOGUE_SIGNATURE);
    gen.U32(kInterpreters);
    for (std::uint32_t i = 0; i < kInterpreters; ++i) {
        gen.U32(i);
        gen.Text("The " + gen.Words(1) + "Band " + std::to_string(i));
    }
    gen.U32(kMedia);
    for (std::uint32_t m = 0; m < kMedia; ++m)
        gen.Medium(m);
    return bytes;
}

} // namespace

const std::vector<std::byte>& LargeCatalogueFile() {
    static const std::vector<std::byte> bytes = Build();
    return bytes;
}

CCatalogue& LoadedLargeCatalogue() {
    static CCatalogue catalogue;
    static const bool ok = catalogue.Load(LargeCatalogueFile()).ok();
    if (!ok) std::abort();
    return catalogue;
}
