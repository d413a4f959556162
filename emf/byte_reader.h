#pragma once
// Bounds-checked little-endian reading of outside bytes. Every read past the end yields zero
// and clears ok(); callers check ok() once after a group of reads.

#include <cstddef>
#include <cstdint>
#include <span>

namespace emf {

using Bytes = std::span<const std::byte>;

/// A cursor over a byte span; never reads outside it.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(Bytes data, std::size_t pos = 0) : m_data(data), m_pos(pos) {
        if (pos > data.size()) m_ok = false;
    }

    bool ok() const { return m_ok; }
    std::size_t pos() const { return m_pos; }
    std::size_t size() const { return m_data.size(); }
    std::size_t remaining() const { return m_pos <= m_data.size() ? m_data.size() - m_pos : 0; }
    Bytes data() const { return m_data; }

    void seek(std::size_t pos) {
        if (pos > m_data.size())
            m_ok = false;
        else
            m_pos = pos;
    }
    void skip(std::size_t n) {
        if (n > remaining()) {
            m_ok = false;
            m_pos = m_data.size();
        } else
            m_pos += n;
    }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() {
        std::uint32_t v = u32();
        float f;
        static_assert(sizeof f == sizeof v);
        __builtin_memcpy(&f, &v, sizeof f);
        return f;
    }

    /// The next n bytes, or an empty span (and ok() false) when fewer remain.
    Bytes bytes(std::size_t n) {
        if (n > remaining()) {
            m_ok = false;
            m_pos = m_data.size();
            return {};
        }
        Bytes b = m_data.subspan(m_pos, n);
        m_pos += n;
        return b;
    }

    /// count elements of elemSize bytes at the cursor; empty and !ok() on overflow or overrun.
    Bytes array(std::uint64_t count, std::uint64_t elemSize) {
        if (elemSize != 0 && count > remaining() / elemSize) {
            m_ok = false;
            return {};
        }
        return bytes(static_cast<std::size_t>(count * elemSize));
    }

private:
    std::uint64_t take(unsigned n) {
        if (n > remaining()) {
            m_ok = false;
            m_pos = m_data.size();
            return 0;
        }
        std::uint64_t v = 0;
        for (unsigned i = 0; i < n; ++i)
            v |= std::uint64_t(std::to_integer<std::uint8_t>(m_data[m_pos + i])) << (8 * i);
        m_pos += n;
        return v;
    }

    Bytes m_data;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

/// Reads a 32-bit little-endian value at offset; 0 when it does not fit.
inline std::uint32_t ReadU32(Bytes data, std::size_t offset) {
    ByteReader r(data, offset);
    return r.u32();
}

} // namespace emf
