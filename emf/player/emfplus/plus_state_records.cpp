// World and page transforms, the state stack and containers, quality settings, objects.
#include "emf/emfplus/plus_geometry.h"
#include "emf/emfplus/plus_record_types.h"
#include "emf/player/emfplus/plus_handlers.h"

#include <algorithm>

namespace emf::plus::handlers {

namespace {

constexpr std::uint16_t kAppend = 0x2000; // post-multiply: the new transform applies last

QTransform ToQt(const Matrix& m) {
    return QTransform(m.m11, m.m12, m.m21, m.m22, m.dx, m.dy);
}

bool Compose(PlusPlayer& p, const PlusRecord& rec, const QTransform& m) {
    p.state.world = (rec.flags & kAppend) ? p.state.world * m : m * p.state.world;
    return true;
}

void Push(PlusPlayer& p, std::uint32_t index) {
    // A stack the data keeps growing without popping is capped; the oldest levels go.
    if (p.saved.size() >= 4096) p.saved.erase(p.saved.begin());
    p.saved.push_back({index, p.state});
}

bool Pop(PlusPlayer& p, std::uint32_t index) {
    const auto it = std::find_if(p.saved.rbegin(), p.saved.rend(),
                                 [index](const SavedState& s) { return s.index == index; });
    if (it == p.saved.rend()) return true; // an unknown level: nothing to restore
    p.state = it->state;
    p.saved.erase(std::prev(it.base()), p.saved.end());
    return true;
}

} // namespace

bool DefineObject(PlusPlayer& p, const PlusRecord& rec, ByteReader&) {
    return p.DefineObject(rec);
}

bool SetWorldTransform(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const QTransform m = ToQt(ReadMatrix(r));
    if (!r.ok()) return false;
    p.state.world = m;
    return true;
}

bool ResetWorldTransform(PlusPlayer& p, const PlusRecord&, ByteReader&) {
    p.state.world = QTransform();
    return true;
}

bool MultiplyWorldTransform(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const QTransform m = ToQt(ReadMatrix(r));
    return r.ok() && Compose(p, rec, m);
}

bool TranslateWorldTransform(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float dx = r.f32(), dy = r.f32();
    return r.ok() && Compose(p, rec, QTransform::fromTranslate(dx, dy));
}

bool ScaleWorldTransform(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float sx = r.f32(), sy = r.f32();
    return r.ok() && Compose(p, rec, QTransform::fromScale(sx, sy));
}

bool RotateWorldTransform(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float angle = r.f32();
    return r.ok() && Compose(p, rec, QTransform().rotate(angle));
}

bool SetPageTransform(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const float scale = r.f32();
    if (!r.ok()) return false;
    p.state.pageUnit = Unit(rec.flags & 0xFF);
    p.state.pageScale = scale;
    return true;
}

bool Save(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const std::uint32_t index = r.u32();
    if (r.ok()) Push(p, index);
    return r.ok();
}

bool Restore(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const std::uint32_t index = r.u32();
    return r.ok() && Pop(p, index);
}

// The container maps its source rectangle (in the unit the flags give) onto the destination
// rectangle (world units of the state it opens in); drawing inside starts from there.
bool BeginContainer(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    const RectF dest = ReadRect(r, false), src = ReadRect(r, false);
    const std::uint32_t index = r.u32();
    if (!r.ok()) return false;
    Push(p, index);
    const double unit = PixelsPerUnit(Unit(rec.flags & 0xFF), p.dpi);
    QTransform m;
    if (src.width != 0 && src.height != 0) {
        const double sx = dest.width / (src.width * unit), sy = dest.height / (src.height * unit);
        m = QTransform(sx, 0, 0, sy, dest.x - src.x * unit * sx, dest.y - src.y * unit * sy);
    }
    p.state.world = m * p.state.world;
    return true;
}

bool BeginContainerNoParams(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    return Save(p, {}, r);
}

bool EndContainer(PlusPlayer& p, const PlusRecord& rec, ByteReader& r) {
    return Restore(p, rec, r);
}

bool SetQuality(PlusPlayer& p, const PlusRecord& rec, ByteReader&) {
    const int value = rec.flags & 0xFF;
    switch (rec.type) {
    case EmfPlusSetAntiAliasMode:
        p.state.antialias = rec.flags & 0x01;
        break;
    case EmfPlusSetCompositingMode:
        p.state.sourceCopy = value == 1;
        break;
    case EmfPlusSetTextRenderingHint:
        p.state.textHint = value;
        break;
    case EmfPlusSetInterpolationMode:
        p.state.interpolation = value;
        break;
    case EmfPlusSetPixelOffsetMode:
        p.state.pixelOffset = value;
        break;
    default:
        break; // compositing quality: the painter blends at one quality
    }
    return true;
}

bool SetRenderingOrigin(PlusPlayer& p, const PlusRecord&, ByteReader& r) {
    const std::int32_t x = r.i32(), y = r.i32();
    if (r.ok()) p.state.renderingOrigin = QPointF(x, y);
    return r.ok();
}

} // namespace emf::plus::handlers
