#include "metaview/windows/hit_test.h"

#include "metaview/document/emr_type_table.h"

namespace metaview {

std::optional<emf::RectL> SmallestRecordAt(const emf::EnhMetaFile& picture, emf::PointL p) {
    std::optional<emf::RectL> best;
    std::uint32_t bestArea = 0;
    for (const emf::RecordView& record : picture.Records()) {
        if (!HasRectGeometry(record.type)) continue;
        emf::ByteReader in = record.params();
        const emf::RectL r{in.i32(), in.i32(), in.i32(), in.i32()};
        if (!in.ok()) continue;
        if (p.x < r.left || p.x > r.right || p.y < r.top || p.y > r.bottom) continue;
        // Unsigned 32-bit, as the area was always compared; the edges are ordered here.
        const std::uint32_t area = std::uint32_t(std::int64_t(r.bottom) - r.top) *
                                   std::uint32_t(std::int64_t(r.right) - r.left);
        if (!best || area < bestArea) {
            best = r;
            bestArea = area;
        }
    }
    return best;
}

} // namespace metaview
