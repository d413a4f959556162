// State and mapping records: map mode, window and viewport, world transform, save stack,
// colours and modes.
#include "emf/player/dc_core.h"
#include "emf/player/handlers/record_handlers.h"
#include "emf/player/record_reader.h"

#include <cmath>

namespace emf::handlers {

namespace {

bool IsScalable(const DcState& s) {
    return s.mapMode == MM_ISOTROPIC || s.mapMode == MM_ANISOTROPIC;
}

// Reads one 32-bit value; false for a damaged record.
template <class T> bool ReadInto(ByteReader& r, T& slot) {
    const std::uint32_t v = r.u32();
    if (!r.ok()) return false;
    slot = static_cast<T>(v);
    return true;
}

bool ReadExtent(ByteReader& r, DcState& s, QSizeF& ext) {
    const QSizeF e = ReadSizeL(r);
    if (!r.ok()) return false;
    // Zero extents are refused, and extents only count in the scalable map modes.
    if (e.width() != 0 && e.height() != 0 && IsScalable(s)) ext = e;
    return true;
}

bool ReadScale(ByteReader& r, DcState& s, QSizeF& ext) {
    const int xNum = r.i32(), xDenom = r.i32(), yNum = r.i32(), yDenom = r.i32();
    if (!r.ok()) return false;
    if (xNum == 0 || xDenom == 0 || yNum == 0 || yDenom == 0 || !IsScalable(s)) return true;
    ext = QSizeF(ext.width() * xNum / xDenom, ext.height() * yNum / yDenom);
    return true;
}

bool ReadOrigin(ByteReader& r, QPointF& origin) {
    const QPointF p = ReadPointL(r);
    if (r.ok()) origin = p;
    return r.ok();
}

} // namespace

bool SetWindowExtEx(Playback& pb, ByteReader& r) {
    return ReadExtent(r, pb.dc.state, pb.dc.state.windowExt);
}
bool SetViewportExtEx(Playback& pb, ByteReader& r) {
    return ReadExtent(r, pb.dc.state, pb.dc.state.viewportExt);
}
bool ScaleWindowExtEx(Playback& pb, ByteReader& r) {
    return ReadScale(r, pb.dc.state, pb.dc.state.windowExt);
}
bool ScaleViewportExtEx(Playback& pb, ByteReader& r) {
    return ReadScale(r, pb.dc.state, pb.dc.state.viewportExt);
}
bool SetWindowOrgEx(Playback& pb, ByteReader& r) {
    return ReadOrigin(r, pb.dc.state.windowOrg);
}
bool SetViewportOrgEx(Playback& pb, ByteReader& r) {
    return ReadOrigin(r, pb.dc.state.viewportOrg);
}
bool SetBrushOrgEx(Playback& pb, ByteReader& r) {
    return ReadOrigin(r, pb.dc.state.brushOrg);
}

bool SetMapMode(Playback& pb, ByteReader& r) {
    const int mode = r.i32();
    if (!r.ok() || mode < MM_TEXT || mode > MM_ANISOTROPIC) return false;
    pb.dc.state.mapMode = mode;
    return true;
}

bool SetBkMode(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.bkMode);
}
bool SetPolyFillMode(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.polyFillMode);
}
bool SetRop2(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.rop2);
}
bool SetStretchBltMode(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.stretchMode);
}
bool SetTextAlign(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.textAlign);
}
bool SetTextColor(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.textColor);
}
bool SetBkColor(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.bkColor);
}
bool SetArcDirection(Playback& pb, ByteReader& r) {
    return ReadInto(r, pb.dc.state.arcDirection);
}

bool SetMiterLimit(Playback& pb, ByteReader& r) {
    const std::uint32_t v = r.u32();
    if (!r.ok()) return false;
    // Writers disagree whether this is a float or an integer; small integers are integers.
    float f;
    __builtin_memcpy(&f, &v, sizeof f);
    pb.dc.state.miterLimit = v < 0x10000 ? float(v) : (std::isfinite(f) ? f : 10.0f);
    return true;
}

bool SaveDC(Playback& pb, ByteReader&) {
    pb.dc.Save();
    return true;
}

bool RestoreDC(Playback& pb, ByteReader& r) {
    const int level = r.i32();
    return r.ok() && pb.dc.Restore(level);
}

bool SetWorldTransform(Playback& pb, ByteReader& r) {
    const std::optional<QTransform> x = ReadXForm(r);
    if (!x || !x->isInvertible()) return false;
    pb.dc.state.world = *x;
    return true;
}

bool ModifyWorldTransform(Playback& pb, ByteReader& r) {
    enum { MWT_IDENTITY = 1, MWT_LEFTMULTIPLY, MWT_RIGHTMULTIPLY, MWT_SET };
    const std::optional<QTransform> x = ReadXForm(r);
    const std::uint32_t mode = r.u32();
    if (!x || !r.ok()) return false;
    QTransform& world = pb.dc.state.world;
    QTransform next = world;
    switch (mode) {
    case MWT_IDENTITY:
        next = QTransform();
        break;
    case MWT_LEFTMULTIPLY:
        next = *x * world;
        break;
    case MWT_RIGHTMULTIPLY:
        next = world * *x;
        break;
    case MWT_SET:
        next = *x;
        break;
    default:
        return false;
    }
    if (!next.isInvertible()) return false;
    world = next;
    return true;
}

} // namespace emf::handlers
