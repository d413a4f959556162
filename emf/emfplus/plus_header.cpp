#include "emf/emfplus/plus_header.h"

#include "emf/emfplus/plus_record_types.h"

namespace emf::plus {

std::optional<PlusHeader> ReadHeader(const PlusRecord& record) {
    if (record.type != EmfPlusHeader || record.damaged) return std::nullopt;
    ByteReader r(record.data);
    PlusHeader h;
    h.dual = record.flags & 0x0001;
    h.version = r.u32();
    h.videoDisplay = r.u32() & 0x0001;
    h.dpiX = r.u32();
    h.dpiY = r.u32();
    if (!r.ok()) return std::nullopt;
    return h;
}

std::optional<PlusHeader> FindHeader(const EnhMetaFile& picture) {
    const auto& records = picture.Records();
    // Writers put it in the first comment; some pictures embed a GDI+ part further on,
    // and the player takes up the records wherever their header is.
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (!IsEmfPlusComment(records[i])) continue;
        const CommentRecords split = SplitComment(records[i]);
        if (split.records.empty()) return std::nullopt;
        return ReadHeader(split.records.front());
    }
    return std::nullopt;
}

PictureKind KindOf(const std::optional<PlusHeader>& header) {
    if (!header) return PictureKind::EmfOnly;
    return header->dual ? PictureKind::EmfPlusDual : PictureKind::EmfPlusOnly;
}

} // namespace emf::plus
