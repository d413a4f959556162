#pragma once
// Little-endian reading and writing of catalogue files. The reader never reads outside its
// span and never allocates more than the bytes that remain.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace catalog {

/// A cursor over outside bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> data) : m_Data(data) {}

    /// Reads a 32-bit number; false (value untouched) when fewer than 4 bytes remain.
    bool U32(std::uint32_t& value);
    /// Views the next count bytes; false (out untouched) when fewer remain.
    bool Bytes(std::uint32_t count, std::string_view& out);
    std::size_t Remaining() const { return m_Data.size() - m_Pos; }

private:
    std::span<const std::byte> m_Data;
    std::size_t m_Pos = 0;
};

/// Receives the written bytes in order; returns false when they could not be kept.
using ByteSink = std::function<bool(std::span<const std::byte>)>;

/// Buffers numbers and bytes and hands them to a sink in large blocks. After the sink
/// fails once, everything further is dropped and Finish() reports the failure.
class ByteWriter {
public:
    explicit ByteWriter(const ByteSink& sink) : m_Sink(sink) {}

    void U32(std::uint32_t value);
    void Bytes(std::string_view bytes);
    /// Hands over what is buffered; false when the sink failed at any point.
    bool Finish();

private:
    void Put(const std::byte* data, std::size_t size);
    void Flush();

    const ByteSink& m_Sink;
    std::array<std::byte, 1 << 16> m_Buffer;
    std::size_t m_Used = 0;
    bool m_Ok = true;
};

} // namespace catalog
