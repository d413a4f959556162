// Reads arbitrary bytes as a picture and decodes every GDI+ record and object it holds.
// Every record must lie inside its comment, and joined objects may not outgrow the picture.
#include "emf/emfplus/object_assembler.h"
#include "emf/emfplus/plus_header.h"
#include "emf/emfplus/plus_objects.h"
#include "emf/emfplus/plus_record_types.h"
#include "emf/emfplus/plus_records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckComment(const emf::RecordView& comment, emf::plus::ObjectAssembler& objects,
                  std::size_t limit) {
    const emf::plus::CommentRecords split = emf::plus::SplitComment(comment);
    for (const emf::plus::PlusRecord& r : split.records) {
        Check(r.offset + r.size <= comment.data.size());
        Check(r.damaged || r.data.size() == r.dataSize);
        Check(r.damaged || r.data.data() == comment.data.data() + r.offset + 12);
        if (r.type != emf::plus::EmfPlusObject) continue;
        if (const auto object = objects.Take(r)) {
            Check(object->data.size() <= limit);
            emf::plus::DecodeObject(object->type, object->data);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* first = reinterpret_cast<const std::byte*>(data);
    const emf::PictureResult r = emf::EnhMetaFile::FromBytes({first, first + size});
    if (!r) return 0;
    emf::plus::KindOf(emf::plus::FindHeader(*r.picture));
    emf::plus::ObjectAssembler objects(r.picture->Data().size());
    for (const emf::RecordView& record : r.picture->Records())
        CheckComment(record, objects, r.picture->Data().size());
    return 0;
}
