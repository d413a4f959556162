#include "test_bytes.h"

#include "emf/byte_writer.h"

#include <fstream>
#include <iterator>

namespace emf::test {

void PutU32(ByteVector& out, std::initializer_list<std::uint32_t> values) {
    ByteWriter w(out);
    for (std::uint32_t v : values)
        w.u32(v);
}

void SetU32(ByteVector& out, std::size_t offset, std::uint32_t value) {
    ByteWriter(out).patchU32(offset, value);
}

void WmfWriter::Record(std::uint16_t function, std::initializer_list<std::int16_t> words) {
    ByteVector params;
    ByteWriter w(params);
    for (std::int16_t v : words)
        w.i16(v);
    Record(function, params);
}

void WmfWriter::Record(std::uint16_t function, const ByteVector& params) {
    RawRecord(static_cast<std::uint32_t>(3 + (params.size() + 1) / 2), function, params);
}

void WmfWriter::RawRecord(std::uint32_t sizeWords, std::uint16_t function,
                          const ByteVector& params) {
    ByteWriter w(m_records);
    w.u32(sizeWords), w.u16(function), w.bytes(params);
    if (params.size() % 2) w.u8(0);
}

ByteVector WmfWriter::Build(bool withEof) const {
    ByteVector out;
    ByteWriter w(out);
    const std::size_t bytes = 18 + m_records.size() + (withEof ? 6 : 0);
    w.u16(1), w.u16(9), w.u16(0x300), w.u32(static_cast<std::uint32_t>(bytes / 2));
    w.u16(8), w.u32(0), w.u16(0);
    w.bytes(m_records);
    if (withEof) w.u32(3), w.u16(0);
    return out;
}

ByteVector WmfWriter::BuildPlaceable(const RectL& box, std::uint16_t unitsPerInch) const {
    ByteVector out;
    ByteWriter w(out);
    w.u32(0x9AC6CDD7), w.u16(0);
    for (std::int32_t v : {box.left, box.top, box.right, box.bottom})
        w.i16(static_cast<std::int16_t>(v));
    w.u16(unitsPerInch);
    w.u32(0), w.u16(0);
    w.bytes(Build());
    return out;
}

std::vector<std::uint32_t> Types(const EnhMetaFile& picture) {
    std::vector<std::uint32_t> types;
    for (const RecordView& r : picture.Records())
        types.push_back(r.type);
    return types;
}

const RecordView* FindRecord(const EnhMetaFile& picture, std::uint32_t type) {
    for (const RecordView& r : picture.Records())
        if (r.type == type) return &r;
    return nullptr;
}

std::uint32_t Param(const RecordView& record, std::size_t i) {
    return ReadU32(record.data, 8 + 4 * i);
}

ByteVector ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> chars((std::istreambuf_iterator<char>(in)), {});
    ByteVector out(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i)
        out[i] = std::byte(chars[i]);
    return out;
}

} // namespace emf::test
