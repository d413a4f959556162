#include "metaview/windows/hit_test.h"

#include "metaview/document/emf_data.h"
#include "metaview/windows/ink_bounds.h"

#include "emf/player/metafile_player.h"

#include <QPainter>

#include <algorithm>

namespace metaview {

std::optional<QRectF> SmallestRecordAt(const CEMFData& data, const emf::RectL& drawn, QPointF p) {
    if (!data.HasPicture() || drawn.right <= drawn.left || drawn.bottom <= drawn.top)
        return std::nullopt;
    InkBoundsDevice device(QSize(std::max(1, drawn.right), std::max(1, drawn.bottom)));
    QPainter painter(&device);
    emf::DeviceContext dc(painter);
    std::optional<QRectF> best;
    double bestArea = 0;
    std::size_t position = 0;
    const bool everything = data.GetPlayMode() == PlayWholeFile;
    // The ink drawn since the last look belongs to one record, or to one EMF+ record.
    auto consider = [&] {
        const QRectF ink = device.Ink();
        device.Reset();
        // Edges belong to the box, so a line along an axis can be hit too.
        if (ink.isNull() || p.x() < ink.left() || p.x() > ink.right() || p.y() < ink.top() ||
            p.y() > ink.bottom())
            return;
        const double area = ink.width() * ink.height();
        if (!best || area < bestArea) {
            best = ink;
            bestArea = area;
        }
    };
    dc.SetEmfPlusFilter([&](std::size_t offset, std::size_t index) {
        consider();
        const auto pos = data.Entries().PositionOfPlus(offset, index);
        return everything || (pos && data.PlayFlag(*pos));
    });
    auto visit = [&](emf::DeviceContext& d, emf::HandleTable& table, const emf::RecordView& record,
                     int nHandles) {
        if (!everything && !data.PlayFlag(data.Entries().PositionOfRecord(position++))) return true;
        device.Reset();
        emf::PlayEnhMetaFileRecord(d, table, record, nHandles);
        consider();
        return true;
    };
    const QRect rect(drawn.left, drawn.top, drawn.right - drawn.left, drawn.bottom - drawn.top);
    emf::EnumEnhMetaFile(dc, data.Picture(), visit, rect);
    return best;
}

} // namespace metaview
