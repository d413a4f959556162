#pragma once
// Finding the GDI+ records inside a picture's comment records and splitting them apart.

#include "emf/enh_metafile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace emf::plus {

/// The identifier that follows the comment's data size in a comment holding GDI+ records.
inline constexpr std::uint32_t kEmfPlusIdentifier = 0x2B464D45; // "EMF+"

/// One record of the GDI+ layer: its 12-byte head and its data, inside the comment.
struct PlusRecord {
    std::uint16_t type = 0;
    std::uint16_t flags = 0;
    std::uint32_t size = 0;     ///< the whole record, head included
    std::uint32_t dataSize = 0; ///< the data after the head
    std::size_t offset = 0;     ///< position in the comment record's bytes
    Bytes data;                 ///< dataSize bytes; empty for a damaged record
    bool damaged = false;       ///< its data size does not fit its size: never played
};

/// The records of one comment, and why splitting stopped early (empty when it did not).
struct CommentRecords {
    std::vector<PlusRecord> records;
    std::string damage;
};

/// Whether a comment record holds GDI+ records.
bool IsEmfPlusComment(const RecordView& record);

/// The GDI+ records of a comment record. A record whose head does not fit or whose size
/// runs past the comment ends the split there; one whose data size exceeds its size is
/// listed as damaged and skipped over by its size.
CommentRecords SplitComment(const RecordView& record);

} // namespace emf::plus
