#include "emf/emfplus/plus_records.h"

#include "emf/record_types.h"

namespace emf::plus {

namespace {

constexpr std::size_t kCommentHead = 16; // type, size, data size, identifier
constexpr std::uint32_t kPlusHead = 12;

// The comment's own data ends where its data size says, or at the record's end.
std::size_t CommentEnd(const RecordView& record) {
    const std::uint64_t declared = std::uint64_t(ReadU32(record.data, 8)) + 12;
    return declared < record.data.size() ? std::size_t(declared) : record.data.size();
}

} // namespace

bool IsEmfPlusComment(const RecordView& record) {
    return record.type == EMR_GDICOMMENT && record.data.size() >= kCommentHead &&
           ReadU32(record.data, 8) >= 4 && ReadU32(record.data, 12) == kEmfPlusIdentifier;
}

CommentRecords SplitComment(const RecordView& record) {
    CommentRecords out;
    if (!IsEmfPlusComment(record)) return out;
    const std::size_t end = CommentEnd(record);
    std::size_t pos = kCommentHead;
    while (pos < end) {
        ByteReader r(record.data.first(end), pos);
        PlusRecord rec;
        rec.type = r.u16();
        rec.flags = r.u16();
        rec.size = r.u32();
        rec.dataSize = r.u32();
        rec.offset = pos;
        if (!r.ok()) {
            out.damage = "a record head does not fit in the comment";
            break;
        }
        if (rec.size < kPlusHead || rec.size > end - pos) {
            out.damage = "a record's size runs past the comment";
            break;
        }
        rec.damaged = rec.dataSize > rec.size - kPlusHead;
        if (!rec.damaged) rec.data = record.data.subspan(pos + kPlusHead, rec.dataSize);
        out.records.push_back(rec);
        pos += rec.size;
    }
    return out;
}

} // namespace emf::plus
