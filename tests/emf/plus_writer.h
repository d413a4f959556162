#pragma once
// Makes GDI+ records by hand and wraps them in comment records.

#include "emf/emf_builder.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace emf::test {

/// Little-endian bytes of any mix of 32-bit integers and floats.
class Data {
public:
    Data& U32(std::uint32_t v);
    Data& U16(std::uint16_t v);
    Data& U8(std::uint8_t v);
    Data& F32(float v);
    Data& F32s(std::initializer_list<float> v);
    Data& Text(std::u16string_view text);
    Data& Append(const std::vector<std::byte>& bytes);
    const std::vector<std::byte>& Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

private:
    std::vector<std::byte> m_bytes;
};

/// GDI+ records collected into one comment record's parameters.
class PlusWriter {
public:
    /// A record: type, flags, size and data size computed from data (padded to 4 bytes).
    PlusWriter& Record(std::uint16_t type, std::uint16_t flags, const Data& data = {});
    /// A record whose size and data size fields are given, whatever data holds.
    PlusWriter& RawRecord(std::uint16_t type, std::uint16_t flags, std::uint32_t size,
                          std::uint32_t dataSize, const Data& data = {});
    /// EmfPlusHeader: dual or GDI+ only, 96 dpi unless told.
    PlusWriter& Header(bool dual, std::uint32_t dpi = 96);
    /// Adds the collected records as one EMR_GDICOMMENT and starts a new collection.
    void AddTo(EmfBuilder& builder);

private:
    std::vector<std::byte> m_records;
};

/// A solid brush object's bytes.
Data SolidBrush(std::uint32_t argb);
/// A path object of float points with the given types.
Data PathObject(std::initializer_list<float> xy, std::initializer_list<std::uint8_t> types);

} // namespace emf::test
