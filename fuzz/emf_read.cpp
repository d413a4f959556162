// Reads arbitrary bytes as an enhanced metafile. What loads must be a sound record list that
// covers its bytes exactly, and its bytes must read back as the same picture.
#include "emf/enh_metafile.h"
#include "emf/record_check.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckPicture(const emf::EnhMetaFile& p) {
    std::size_t offset = 0;
    for (const emf::RecordView& r : p.Records()) {
        Check(r.offset == offset && r.data.size() == r.size && r.size >= 8 && r.size % 4 == 0);
        offset += r.size;
        if (emf::HasMinimumSize(r)) Check(emf::CheckedSpan(r, 8, r.size - 8, 1).has_value());
    }
    Check(offset == p.Data().size());
    Check(p.Records().back().type == 14 /* EMR_EOF */);
    volatile std::size_t sink = p.DescriptionA().size() + p.PaletteEntries().size();
    (void)sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* first = reinterpret_cast<const std::byte*>(data);
    const emf::PictureResult r = emf::EnhMetaFile::FromBytes({first, first + size});
    if (!r) return 0;
    CheckPicture(*r.picture);
    const emf::PictureResult again =
        emf::EnhMetaFile::FromBytes({r.picture->Data().begin(), r.picture->Data().end()});
    Check(again && again.picture->Records().size() == r.picture->Records().size());
    return 0;
}
