#pragma once
// The entries of a picture's play list: each record, and after a comment holding EMF+
// records each of those, so that they are marked, played and stepped one by one.

#include "emf/enh_metafile.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace metaview {

struct RecordEntry {
    std::size_t record = 0; ///< the record's position in the picture
    /// The EMF+ record's index in its comment; none for the record itself.
    std::optional<std::size_t> plus;
    /// The record, or for an EMF+ record a view of its bytes typed by its EMF+ type.
    emf::RecordView view;
};

class RecordEntries {
public:
    RecordEntries() = default;
    explicit RecordEntries(const emf::EnhMetaFile& picture);

    std::size_t size() const { return m_entries.size(); }
    const RecordEntry& operator[](std::size_t pos) const { return m_entries[pos]; }
    /// The entry position of a record of the picture.
    std::size_t PositionOfRecord(std::size_t record) const { return m_recordPos[record]; }
    /// The entry position of an EMF+ record, found by its comment's offset in the picture;
    /// none when there is no such record.
    std::optional<std::size_t> PositionOfPlus(std::size_t offset, std::size_t index) const;

private:
    std::vector<RecordEntry> m_entries;
    std::vector<std::size_t> m_recordPos;
    std::vector<std::size_t> m_recordOffsets;
};

} // namespace metaview
