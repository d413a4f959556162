#include "emf/player/metafile_player.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_player.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/record_types.h"

#include <QImage>

namespace emf {

HGDIOBJ HandleTable::Get(std::uint32_t index) const {
    return index < m_objects.size() ? m_objects[index] : nullptr;
}

bool HandleTable::Set(std::uint32_t index, HGDIOBJ object) {
    if (index >= m_objects.size()) return false;
    m_objects[index] = std::move(object);
    return true;
}

namespace {

// Pixels per millimetre of the reference device the picture was recorded for.
QSizeF ReferencePxPerMm(const EnhMetaHeader& h) {
    const bool sound = h.szlDevice.cx > 0 && h.szlDevice.cy > 0 && h.szlMillimeters.cx > 0 &&
                       h.szlMillimeters.cy > 0;
    if (!sound) return {96 / 25.4, 96 / 25.4};
    return {double(h.szlDevice.cx) / h.szlMillimeters.cx,
            double(h.szlDevice.cy) / h.szlMillimeters.cy};
}

// The picture's frame in reference-device pixels; the bounds when the frame is empty.
QRectF FramePixels(const EnhMetaHeader& h, QSizeF pxPerMm) {
    const RectL& f = h.rclFrame;
    if (f.right > f.left && f.bottom > f.top)
        return QRectF(QPointF(f.left * pxPerMm.width() / 100, f.top * pxPerMm.height() / 100),
                      QPointF(f.right * pxPerMm.width() / 100, f.bottom * pxPerMm.height() / 100));
    const RectL& b = h.rclBounds;
    return QRectF(QPointF(b.left, b.top), QPointF(b.right + 1.0, b.bottom + 1.0));
}

// Maps the frame onto rect, whose right and bottom are x + width and y + height.
QTransform FrameTransform(const QRectF& frame, const QRect& rect) {
    if (frame.width() <= 0 || frame.height() <= 0) return {};
    const double sx = rect.width() / frame.width(), sy = rect.height() / frame.height();
    return QTransform(sx, 0, 0, sy, rect.x() - frame.left() * sx, rect.y() - frame.top() * sy);
}

// Flood fills read the device's pixels, which only an image holds.
bool FillsByDeviceColours(const EnhMetaFile& picture, const QPaintDevice* device) {
    if (!dynamic_cast<const QImage*>(device)) return false;
    for (const RecordView& record : picture.Records())
        if (record.type == EMR_EXTFLOODFILL) return true;
    return false;
}

// The caller's state, put back when the enumeration ends however it ends.
class PlaybackScope {
public:
    PlaybackScope(DcCore& dc, const EnhMetaFile& picture, const QRect& rect)
        : m_dc(dc), m_state(dc.state), m_saved(std::move(dc.saved)), m_base(dc.base),
          m_pxPerMm(dc.pxPerMm), m_outerClip(dc.outerClip), m_unblended(dc.unblended),
          m_plus(std::move(dc.plus)) {
        const EnhMetaHeader& h = picture.Header();
        const QSizeF px = ReferencePxPerMm(h);
        dc.unblended = m_unblended || FillsByDeviceColours(picture, dc.device());
        dc.outerClip = dc.EffectiveClip();
        dc.base = FrameTransform(FramePixels(h, px), rect) * dc.ToDevice();
        dc.pxPerMm = px;
        dc.saved.clear();
        dc.state = DcState{};
        dc.state.pen = StockObjectAt(BLACK_PEN);
        dc.state.brush = StockObjectAt(WHITE_BRUSH);
        dc.state.font = StockObjectAt(SYSTEM_FONT);
        dc.state.palette = m_state.palette;
        if (dc.drawEmfPlus) {
            dc.plus = std::make_shared<plus::PlusPlayer>(dc, picture.Data().size());
            dc.plus->SetFilter(dc.plusFilter);
        }
    }
    ~PlaybackScope() {
        m_dc.state = std::move(m_state);
        m_dc.saved = std::move(m_saved);
        m_dc.base = m_base;
        m_dc.pxPerMm = m_pxPerMm;
        m_dc.outerClip = std::move(m_outerClip);
        m_dc.unblended = m_unblended;
        m_dc.plus = std::move(m_plus);
    }
    PlaybackScope(const PlaybackScope&) = delete;
    PlaybackScope& operator=(const PlaybackScope&) = delete;

private:
    DcCore& m_dc;
    DcState m_state;
    std::vector<DcState> m_saved;
    QTransform m_base;
    QSizeF m_pxPerMm;
    std::optional<QRegion> m_outerClip;
    bool m_unblended;
    std::shared_ptr<plus::PlusPlayer> m_plus;
};

} // namespace

bool EnumEnhMetaFile(DeviceContext& dc, const EnhMetaFile& picture, const EnhMetaFileProc& proc,
                     const QRect& rect) {
    const EnhMetaHeader& h = picture.Header();
    PlaybackScope scope(dc.Core(), picture, rect);
    HandleTable table(h.nHandles);
    for (const RecordView& record : picture.Records())
        if (!proc(dc, table, record, int(table.size()))) return false;
    return true;
}

bool PlayEnhMetaFileRecord(DeviceContext& dc, HandleTable& table, const RecordView& record,
                           int /*nHandles*/) {
    if (const auto& plus = dc.Core().plus; plus && plus->Take(record)) return true;
    const RecordHandler handler = HandlerFor(record.type);
    if (!handler) return true;
    Playback pb{dc.Core(), table};
    ByteReader r = record.params();
    return handler(pb, r);
}

bool PlayEnhMetaFile(DeviceContext& dc, const EnhMetaFile& picture, const QRect& rect) {
    return EnumEnhMetaFile(
        dc, picture,
        [](DeviceContext& d, HandleTable& t, const RecordView& rec, int n) {
            PlayEnhMetaFileRecord(d, t, rec, n);
            return true;
        },
        rect);
}

} // namespace emf
