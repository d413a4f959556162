#pragma once
// Little-endian reading and writing of catalogue files. The reader never reads outside its
// span and never allocates more than the bytes that remain.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace catalog {

/// A cursor over outside bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> data) : m_Data(data) {}

    /// Reads a 32-bit number; false (value untouched) when fewer than 4 bytes remain.
    bool U32(std::uint32_t& value);
    /// Reads count bytes; false (out untouched) when fewer remain.
    bool Bytes(std::uint32_t count, std::string& out);
    std::size_t Remaining() const { return m_Data.size() - m_Pos; }

private:
    std::span<const std::byte> m_Data;
    std::size_t m_Pos = 0;
};

/// Appends numbers and bytes to a buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::byte>& out) : m_Out(out) {}

    void U32(std::uint32_t value);
    void Bytes(const std::string& bytes);

private:
    std::vector<std::byte>& m_Out;
};

} // namespace catalog
