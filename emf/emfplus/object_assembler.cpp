#include "emf/emfplus/object_assembler.h"

#include "emf/byte_reader.h"

namespace emf::plus {

namespace {

constexpr std::uint16_t kContinued = 0x8000;

} // namespace

std::optional<ObjectBytes> ObjectAssembler::Finish() {
    ObjectBytes out{std::uint8_t(m_key & 0xFF), std::uint32_t(m_key >> 8), std::move(m_data)};
    m_active = false;
    m_data.clear();
    return out;
}

std::optional<ObjectBytes> ObjectAssembler::Take(const PlusRecord& record) {
    if (record.damaged) return std::nullopt;
    const std::uint16_t key = record.flags & 0x7FFF;
    if (m_active && key != m_key) {
        m_active = false;
        m_data.clear();
    }
    if (!(record.flags & kContinued)) {
        if (!m_active)
            return ObjectBytes{ObjectId(record.flags),
                               ObjectTypeOf(record.flags),
                               {record.data.begin(), record.data.end()}};
        // Some writers clear the flag on the last piece, which then carries no total.
        m_data.insert(m_data.end(), record.data.begin(), record.data.end());
        return Finish();
    }
    ByteReader r(record.data);
    const std::uint32_t total = r.u32();
    if (!r.ok() || total > m_limit) {
        m_active = false;
        m_data.clear();
        return std::nullopt;
    }
    if (!m_active) {
        m_active = true;
        m_key = key;
        m_total = total;
    }
    const Bytes piece = r.bytes(std::min<std::size_t>(r.remaining(), m_total - m_data.size()));
    m_data.insert(m_data.end(), piece.begin(), piece.end());
    if (m_data.size() >= m_total) return Finish();
    return std::nullopt;
}

} // namespace emf::plus
