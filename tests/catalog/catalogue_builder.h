#pragma once
// Builds catalogue bytes field by field, including layouts no save would write.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

class FileBytes {
public:
    FileBytes& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_Bytes.push_back(std::byte(v >> (8 * i)));
        return *this;
    }
    /// A counted string: length with terminator, bytes, zero.
    FileBytes& Text(std::string_view text) {
        U32(static_cast<std::uint32_t>(text.size() + 1));
        return Raw(text).Raw(std::string_view("\0", 1));
    }
    FileBytes& Raw(std::string_view bytes) {
        for (char c : bytes)
            m_Bytes.push_back(std::byte(c));
        return *this;
    }
    /// A medium's fixed part with no information bytes.
    FileBytes& Medium(std::uint32_t tracks, std::string_view t1, std::uint32_t index) {
        return U32(tracks).Text(t1).Text("").U32(0).U32(0).U32(0).U32(index).U32(0);
    }
    FileBytes& Track(std::uint32_t index, std::uint32_t length, std::string_view title) {
        return U32(index).U32(length).U32(0).Text(title);
    }
    std::vector<std::byte>& Bytes() { return m_Bytes; }
    std::span<const std::byte> Span() const { return m_Bytes; }

private:
    std::vector<std::byte> m_Bytes;
};

inline std::vector<std::byte> ByteList(std::initializer_list<int> values) {
    std::vector<std::byte> out;
    for (int v : values)
        out.push_back(std::byte(v));
    return out;
}
