// Images drawn into rectangles and parallelograms.
#include "emf/emfplus/plus_geometry.h"
#include "emf/player/dc_core.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/player/emfplus/plus_image.h"
#include "emf/player/emfplus/plus_paint.h"

#include <cmath>

namespace emf::plus::handlers {

namespace {

constexpr std::uint16_t kCompressed = 0x4000;

// The affine map taking the source rectangle's corners to the destination's upper-left,
// upper-right and lower-left points.
std::optional<QTransform> SourceToDest(const QRectF& src, const QPointF d[3]) {
    if (src.width() == 0 || src.height() == 0) return std::nullopt;
    const QPointF ux = (d[1] - d[0]) / src.width(), uy = (d[2] - d[0]) / src.height();
    const QPointF o = d[0] - ux * src.x() - uy * src.y();
    return QTransform(ux.x(), ux.y(), uy.x(), uy.y(), o.x(), o.y());
}

bool Draw(PlusPlayer& p, std::uint32_t imageId, const RectF& s, const QPointF dest[3]) {
    const Image* image = p.Get<Image>(imageId);
    if (!image) return false;
    const QTransform toDevice = p.ToDevice();
    if (image->kind == Image::Metafile) {
        // The whole picture, played onto the device at the size it takes there.
        const QPointF a = toDevice.map(dest[0]), b = toDevice.map(dest[1]),
                      c = toDevice.map(dest[2]);
        const QSize size(
            std::clamp(int(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()))), 1, 1 << 20),
            std::clamp(int(std::ceil(std::hypot(c.x() - a.x(), c.y() - a.y()))), 1, 1 << 20));
        const auto map = SourceToDest(QRectF(QPointF(0, 0), size), dest);
        if (!map) return true;
        PaintScope scope(p);
        scope.painter().setTransform(*map * toDevice);
        return PlayMetafileImage(*image, scope.painter(), size);
    }
    const auto img = DecodeImage(*image);
    if (!img) {
        ++p.dc().notes.damagedImages;
        return true;
    }
    const QRectF src(s.x, s.y, s.width, s.height);
    const auto map = SourceToDest(src, dest);
    if (!map) return true;
    PaintScope scope(p);
    scope.painter().setTransform(*map * toDevice);
    scope.painter().drawImage(src, *img, src);
    return true;
}

struct Source {
    std::uint32_t attributes = 0;
    std::int32_t unit = 0;
    RectF rect;
};
Source ReadSource(ByteReader& r) {
    Source s;
    s.attributes = r.u32();
    s.unit = r.i32();
    s.rect = ReadRect(r, false);
    return s;
}

} // namespace

bool DrawImage(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const Source s = ReadSource(r);
    const RectF d = ReadRect(r, rec.flags & kCompressed);
    if (!r.ok()) return false;
    const QPointF dest[3] = {{d.x, d.y}, {d.x + d.width, d.y}, {d.x, d.y + d.height}};
    return Draw(p, rec.flags & 0xFF, s.rect, dest);
}

bool DrawImagePoints(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const Source s = ReadSource(r);
    const std::uint32_t count = r.u32();
    std::vector<PointF> pts;
    if (!r.ok() || count != 3 || !ReadPoints(r, count, PointFormOf(rec.flags), pts)) return false;
    const QPointF dest[3] = {{pts[0].x, pts[0].y}, {pts[1].x, pts[1].y}, {pts[2].x, pts[2].y}};
    return Draw(p, rec.flags & 0xFF, s.rect, dest);
}

} // namespace emf::plus::handlers
