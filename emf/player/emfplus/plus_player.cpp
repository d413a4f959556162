#include "emf/player/emfplus/plus_player.h"

#include "emf/emfplus/plus_header.h"
#include "emf/emfplus/plus_record_types.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/record_types.h"

#include <cmath>

namespace emf::plus {

double PixelsPerUnit(Unit unit, double dpi) {
    switch (unit) {
    case Unit::Point:
        return dpi / 72;
    case Unit::Inch:
        return dpi;
    case Unit::Document:
        return dpi / 300;
    case Unit::Millimeter:
        return dpi / 25.4;
    default:
        return 1;
    }
}

PlusPlayer::PlusPlayer(DcCore& dc, std::size_t pictureBytes)
    : m_dc(dc), m_assembler(pictureBytes) {}

QTransform PlusPlayer::ToDevice() const {
    const double page = PixelsPerUnit(state.pageUnit, dpi) * state.pageScale;
    return state.world * QTransform::fromScale(page, page) * m_dc.base;
}

namespace {

double Scale(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

} // namespace

double PlusPlayer::WorldPerUnit(Unit unit) const {
    if (unit == Unit::World) return 1;
    return PixelsPerUnit(unit, dpi) * Scale(m_dc.base) / std::max(1e-9, Scale(ToDevice()));
}

bool PlusPlayer::Take(const RecordView& record) {
    if (IsEmfPlusComment(record)) {
        PlayComment(record);
        return true;
    }
    return m_active && !m_getDC && record.type != EMR_EOF && record.type != EMR_HEADER;
}

void PlusPlayer::PlayComment(const RecordView& record) {
    const CommentRecords split = SplitComment(record);
    if (!split.damage.empty()) ++m_dc.notes.skippedPlusRecords;
    for (std::size_t i = 0; i < split.records.size(); ++i) {
        const PlusRecord& rec = split.records[i];
        if (rec.type == EmfPlusHeader) {
            if (const auto h = ReadHeader(rec)) {
                m_active = true;
                dpi = h->dpiX > 0 && h->dpiX < 100000 ? h->dpiX : 96;
            }
        }
        m_getDC = rec.type == EmfPlusGetDC;
        if (!m_active || (m_filter && !m_filter(record.offset, i))) continue;
        if (!PlayRecord(rec)) ++m_dc.notes.skippedPlusRecords;
    }
}

bool PlusPlayer::DefineObject(const PlusRecord& record) {
    const auto bytes = m_assembler.Take(record);
    if (!bytes) return true;
    auto object = DecodeObject(bytes->type, bytes->data);
    objects[bytes->id] = object ? std::make_shared<const Object>(std::move(*object)) : nullptr;
    return object.has_value();
}

bool PlusPlayer::PlayRecord(const PlusRecord& rec) {
    const PlusHandler handler = PlusHandlerFor(rec.type);
    if (!handler || rec.damaged) return false;
    ByteReader r(rec.data);
    return handler(*this, rec, r);
}

} // namespace emf::plus
