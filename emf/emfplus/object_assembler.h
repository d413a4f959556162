#pragma once
// Joining an object that its writer split over several object records.

#include "emf/emfplus/plus_records.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace emf::plus {

/// An object record's object, once all its pieces are in.
struct ObjectBytes {
    std::uint8_t id = 0;
    std::uint32_t type = 0;
    std::vector<std::byte> data;
};

/// Collects continued pieces ([MS-EMFPLUS] 2.3.5.1: the continuation flag, a total size,
/// then part of the object). Memory is bounded by the smaller of the declared total and
/// limit, the bytes the picture holds; a piece of another object, or a total beyond the
/// limit, drops what was collected.
class ObjectAssembler {
public:
    explicit ObjectAssembler(std::size_t limit) : m_limit(limit) {}

    /// Takes an EmfPlusObject record; the complete object when this record completes one.
    std::optional<ObjectBytes> Take(const PlusRecord& record);

private:
    std::optional<ObjectBytes> Finish();

    std::size_t m_limit;
    bool m_active = false;
    std::uint16_t m_key = 0; // object id and type: what a following piece must repeat
    std::uint32_t m_total = 0;
    std::vector<std::byte> m_data;
};

/// The id and type an object record's flags name.
inline std::uint8_t ObjectId(std::uint16_t flags) {
    return std::uint8_t(flags & 0xFF);
}
inline std::uint32_t ObjectTypeOf(std::uint16_t flags) {
    return (flags >> 8) & 0x7F;
}

} // namespace emf::plus
