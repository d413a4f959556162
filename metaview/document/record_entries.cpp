#include "metaview/document/record_entries.h"

#include "emf/emfplus/plus_records.h"

#include <algorithm>

namespace metaview {

RecordEntries::RecordEntries(const emf::EnhMetaFile& picture) {
    const auto& records = picture.Records();
    m_recordPos.reserve(records.size());
    m_recordOffsets.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        m_recordPos.push_back(m_entries.size());
        m_recordOffsets.push_back(records[i].offset);
        m_entries.push_back({i, std::nullopt, records[i]});
        const emf::plus::CommentRecords split = emf::plus::SplitComment(records[i]);
        for (std::size_t j = 0; j < split.records.size(); ++j) {
            const emf::plus::PlusRecord& r = split.records[j];
            const emf::RecordView view{r.type, r.size, records[i].offset + r.offset,
                                       records[i].data.subspan(r.offset, r.size)};
            m_entries.push_back({i, j, view});
        }
    }
}

std::optional<std::size_t> RecordEntries::PositionOfPlus(std::size_t offset,
                                                         std::size_t index) const {
    const auto it = std::lower_bound(m_recordOffsets.begin(), m_recordOffsets.end(), offset);
    if (it == m_recordOffsets.end() || *it != offset) return std::nullopt;
    const auto record = std::size_t(it - m_recordOffsets.begin());
    const std::size_t pos = m_recordPos[record] + 1 + index;
    if (pos >= m_entries.size() || m_entries[pos].record != record || m_entries[pos].plus != index)
        return std::nullopt;
    return pos;
}

} // namespace metaview
