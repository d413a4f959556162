#pragma once
// Little-endian appending to a byte vector, the writing twin of ByteReader.

#include "emf/byte_reader.h"
#include "emf/enh_metafile.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace emf {

/// Appends little-endian values to a vector it does not own.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::byte>& out) : m_out(out) {}

    std::size_t size() const { return m_out.size(); }

    void u8(std::uint8_t v) { m_out.push_back(std::byte{v}); }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void i16(std::int16_t v) { put(static_cast<std::uint16_t>(v), 2); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void f32(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void bytes(Bytes b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    void zeros(std::size_t n) { m_out.resize(m_out.size() + n); }
    void pad4() { zeros((4 - m_out.size() % 4) % 4); }

    void rect(const RectL& r) { i32(r.left), i32(r.top), i32(r.right), i32(r.bottom); }
    void point(const PointL& p) { i32(p.x), i32(p.y); }
    void size(const SizeL& s) { i32(s.cx), i32(s.cy); }

    /// Overwrites 4 bytes already written at offset.
    void patchU32(std::size_t offset, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_out[offset + i] = std::byte(v >> (8 * i));
    }

private:
    void put(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            m_out.push_back(std::byte(v >> (8 * i)));
    }
    std::vector<std::byte>& m_out;
};

/// Packs 32-bit values, rectangles, points and sizes into a record's parameters.
template <class... T> std::vector<std::byte> PackParams(const T&... values) {
    std::vector<std::byte> out;
    ByteWriter w(out);
    const auto put = [&w](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, RectL>)
            w.rect(v);
        else if constexpr (std::is_same_v<V, PointL>)
            w.point(v);
        else if constexpr (std::is_same_v<V, SizeL>)
            w.size(v);
        else
            w.u32(static_cast<std::uint32_t>(v));
    };
    (put(values), ...);
    return out;
}

} // namespace emf
