#pragma once
// Helpers that make metafile bytes by hand, for the cases a builder would refuse to make.

#include "emf/byte_reader.h"
#include "emf/enh_metafile.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace emf::test {

using ByteVector = std::vector<std::byte>;

/// Appends little-endian 32-bit values.
void PutU32(ByteVector& out, std::initializer_list<std::uint32_t> values);
/// Overwrites a 32-bit value.
void SetU32(ByteVector& out, std::size_t offset, std::uint32_t value);

/// A WMF made record by record: METAHEADER, the records, META_EOF.
class WmfWriter {
public:
    /// A record of 16-bit parameters, in file order.
    void Record(std::uint16_t function, std::initializer_list<std::int16_t> words);
    /// A record with raw parameter bytes (padded to a whole word).
    void Record(std::uint16_t function, const ByteVector& params);
    /// A record whose RecordSize field lies.
    void RawRecord(std::uint32_t sizeWords, std::uint16_t function, const ByteVector& params);
    ByteVector Build(bool withEof = true) const;
    /// The file with a 22-byte placeable header in front: its bounding box and units per inch.
    ByteVector BuildPlaceable(const RectL& box = {0, 0, 1000, 1000},
                              std::uint16_t unitsPerInch = 1440) const;

private:
    ByteVector m_records;
};

/// The records' types in order.
std::vector<std::uint32_t> Types(const EnhMetaFile& picture);
/// The first record of a type, or nullptr.
const RecordView* FindRecord(const EnhMetaFile& picture, std::uint32_t type);
/// The 32-bit parameter at index i of a record (after its type and size).
std::uint32_t Param(const RecordView& record, std::size_t i);
/// Reads a whole file; empty when it cannot be read.
ByteVector ReadFile(const std::string& path);

} // namespace emf::test
