#pragma once
// Per-record soundness: the one place where a record's fixed size and the arrays it points
// into are checked, shared by the reader and the player.

#include "emf/enh_metafile.h"

#include <cstdint>
#include <optional>

namespace emf {

/// The smallest size in bytes (type and size fields included) a record of this type can have
/// per [MS-EMF] 2.3; 8 for types without a fixed part or unknown types.
std::uint32_t MinimumRecordSize(std::uint32_t type);

/// True when the record is at least as large as its type requires.
inline bool HasMinimumSize(const RecordView& record) {
    return record.size >= MinimumRecordSize(record.type) && record.data.size() == record.size;
}

/// count elements of elemSize bytes starting at offset (from the record's first byte), or
/// nothing when they do not lie inside the record; computed without overflow. An empty array
/// is always inside.
std::optional<Bytes> CheckedSpan(const RecordView& record, std::uint64_t offset,
                                 std::uint64_t count, std::uint64_t elemSize);

} // namespace emf
