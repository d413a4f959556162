// Clipping: rectangles, paths and regions combined with the clip by the flags' mode.
#include "emf/emfplus/plus_geometry.h"
#include "emf/player/emfplus/plus_handlers.h"
#include "emf/player/emfplus/plus_paint.h"
#include "emf/player/emfplus/plus_region.h"

namespace emf::plus::handlers {

namespace {

CombineMode ModeOf(std::uint16_t flags) {
    const unsigned mode = (flags >> 8) & 0x0F;
    return mode <= 5 ? CombineMode(mode) : CombineMode::Replace;
}

bool Clip(PlusPlayer& p, std::uint16_t flags, const QPainterPath& world) {
    p.state.clip = CombineClip(p.state.clip, p.ToDevice().map(world), ModeOf(flags));
    return true;
}

} // namespace

bool ResetClip(PlusPlayer& p, const PlusRecord&, ByteReader&) {
    p.state.clip.reset();
    return true;
}

bool SetClipRect(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const RectF q = ReadRect(r, false);
    if (!r.ok()) return false;
    QPainterPath path;
    path.addRect(QRectF(q.x, q.y, q.width, q.height));
    return Clip(p, rec.flags, path);
}

bool SetClipPath(PlusPlayer& p, const PlusRecord& rec, ByteReader&) {
    const Path* path = p.Get<Path>(rec.flags & 0xFF);
    return path && Clip(p, rec.flags, ToPainterPath(*path));
}

bool SetClipRegion(PlusPlayer& p, const PlusRecord& rec, ByteReader&) {
    const Region* region = p.Get<Region>(rec.flags & 0xFF);
    return region && Clip(p, rec.flags, RegionPath(*region));
}

bool OffsetClip(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const float dx = r.f32(), dy = r.f32();
    if (!r.ok()) return false;
    if (p.state.clip) {
        const QTransform t = p.ToDevice();
        const QPointF shift = t.map(QPointF(dx, dy)) - t.map(QPointF(0, 0));
        p.state.clip->translate(shift);
    }
    return true;
}

} // namespace emf::plus::handlers
