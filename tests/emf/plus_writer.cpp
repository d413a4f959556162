#include "tests/emf/plus_writer.h"

#include "emf/record_types.h"

#include <cstring>

namespace emf::test {

namespace {

void Put(std::vector<std::byte>& out, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i)
        out.push_back(std::byte((v >> (8 * i)) & 0xFF));
}

} // namespace

Data& Data::U32(std::uint32_t v) {
    return Put(m_bytes, v, 4), *this;
}
Data& Data::U16(std::uint16_t v) {
    return Put(m_bytes, v, 2), *this;
}
Data& Data::U8(std::uint8_t v) {
    return Put(m_bytes, v, 1), *this;
}
Data& Data::F32(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    return U32(u);
}
Data& Data::F32s(std::initializer_list<float> v) {
    for (float f : v)
        F32(f);
    return *this;
}
Data& Data::Text(std::u16string_view text) {
    for (char16_t c : text)
        U16(c);
    return *this;
}
Data& Data::Append(const std::vector<std::byte>& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

PlusWriter& PlusWriter::RawRecord(std::uint16_t type, std::uint16_t flags, std::uint32_t size,
                                  std::uint32_t dataSize, const Data& data) {
    Put(m_records, type, 2);
    Put(m_records, flags, 2);
    Put(m_records, size, 4);
    Put(m_records, dataSize, 4);
    m_records.insert(m_records.end(), data.Bytes().begin(), data.Bytes().end());
    while (m_records.size() % 4)
        m_records.push_back(std::byte{0});
    return *this;
}

PlusWriter& PlusWriter::Record(std::uint16_t type, std::uint16_t flags, const Data& data) {
    const auto padded = std::uint32_t((data.Size() + 3) / 4 * 4);
    return RawRecord(type, flags, 12 + padded, padded, data);
}

PlusWriter& PlusWriter::Header(bool dual, std::uint32_t dpi) {
    return Record(0x4001, dual ? 1 : 0, Data().U32(0xDBC01002).U32(1).U32(dpi).U32(dpi));
}

void PlusWriter::AddTo(EmfBuilder& builder) {
    Data params;
    params.U32(std::uint32_t(m_records.size() + 4)).U32(0x2B464D45).Append(m_records);
    builder.AddRecord(EMR_GDICOMMENT, params.Bytes());
    m_records.clear();
}

Data SolidBrush(std::uint32_t argb) {
    return Data().U32(0xDBC01002).U32(0).U32(argb);
}

Data PathObject(std::initializer_list<float> xy, std::initializer_list<std::uint8_t> types) {
    Data d;
    d.U32(0xDBC01002).U32(std::uint32_t(types.size())).U32(0).F32s(xy);
    for (std::uint8_t t : types)
        d.U8(t);
    return d;
}

} // namespace emf::test
