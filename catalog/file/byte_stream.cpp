#include "catalog/file/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace catalog {

bool ByteReader::U32(std::uint32_t& value) {
    if (Remaining() < 4) return false;
    const std::byte* p = m_Data.data() + m_Pos;
    value = std::to_integer<std::uint32_t>(p[0]) | std::to_integer<std::uint32_t>(p[1]) << 8 |
            std::to_integer<std::uint32_t>(p[2]) << 16 | std::to_integer<std::uint32_t>(p[3]) << 24;
    m_Pos += 4;
    return true;
}

bool ByteReader::Bytes(std::uint32_t count, std::string_view& out) {
    if (Remaining() < count) return false;
    out = {reinterpret_cast<const char*>(m_Data.data() + m_Pos), count};
    m_Pos += count;
    return true;
}

void ByteWriter::U32(std::uint32_t value) {
    const std::byte bytes[4] = {std::byte(value), std::byte(value >> 8), std::byte(value >> 16),
                                std::byte(value >> 24)};
    Put(bytes, 4);
}

void ByteWriter::Bytes(std::string_view bytes) {
    Put(reinterpret_cast<const std::byte*>(bytes.data()), bytes.size());
}

bool ByteWriter::Finish() {
    Flush();
    return m_Ok;
}

void ByteWriter::Put(const std::byte* data, std::size_t size) {
    while (size > 0) {
        if (m_Used == m_Buffer.size()) Flush();
        const std::size_t part = std::min(size, m_Buffer.size() - m_Used);
        std::memcpy(m_Buffer.data() + m_Used, data, part);
        m_Used += part;
        data += part;
        size -= part;
    }
}

void ByteWriter::Flush() {
    if (m_Ok && m_Used > 0) m_Ok = m_Sink(std::span(m_Buffer).first(m_Used));
    m_Used = 0;
}

} // namespace catalog
