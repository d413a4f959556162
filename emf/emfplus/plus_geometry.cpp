#include "emf/emfplus/plus_geometry.h"

namespace emf::plus {

namespace {

// [MS-EMFPLUS] 2.2.2.21: a 7-bit value in one byte, or a 15-bit one in two (high byte first).
int ReadRelative(ByteReader& r) {
    const std::uint8_t first = r.u8();
    if (!(first & 0x80)) return (first & 0x40) ? int(first & 0x7F) - 0x80 : first & 0x7F;
    const int value = ((first & 0x7F) << 8) | r.u8();
    return (value & 0x4000) ? value - 0x8000 : value;
}

std::size_t SmallestPoint(PointForm form) {
    return form == PointForm::Float ? 8 : form == PointForm::Short ? 4 : 2;
}

} // namespace

PointForm PointFormOf(std::uint16_t flags) {
    if (flags & 0x0800) return PointForm::Relative;
    return (flags & 0x4000) ? PointForm::Short : PointForm::Float;
}

bool ReadPoints(ByteReader& r, std::uint32_t count, PointForm form, std::vector<PointF>& out) {
    out.clear();
    if (count > r.remaining() / SmallestPoint(form)) return false;
    out.reserve(count);
    PointF last;
    for (std::uint32_t i = 0; i < count && r.ok(); ++i) {
        PointF p;
        if (form == PointForm::Float) {
            p.x = r.f32();
            p.y = r.f32();
        } else if (form == PointForm::Short) {
            p.x = r.i16();
            p.y = r.i16();
        } else {
            p.x = last.x + float(ReadRelative(r));
            p.y = last.y + float(ReadRelative(r));
        }
        out.push_back(p);
        last = p;
    }
    if (!r.ok()) out.clear();
    return r.ok();
}

RectF ReadRect(ByteReader& r, bool compressed) {
    if (compressed) {
        RectF q;
        q.x = r.i16();
        q.y = r.i16();
        q.width = r.i16();
        q.height = r.i16();
        return q;
    }
    RectF q;
    q.x = r.f32();
    q.y = r.f32();
    q.width = r.f32();
    q.height = r.f32();
    return q;
}

bool ReadRects(ByteReader& r, std::uint32_t count, bool compressed, std::vector<RectF>& out) {
    out.clear();
    if (count > r.remaining() / (compressed ? 8 : 16)) return false;
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out.push_back(ReadRect(r, compressed));
    return r.ok();
}

Matrix ReadMatrix(ByteReader& r) {
    Matrix m;
    m.m11 = r.f32();
    m.m12 = r.f32();
    m.m21 = r.f32();
    m.m22 = r.f32();
    m.dx = r.f32();
    m.dy = r.f32();
    return m;
}

bool ReadFloats(ByteReader& r, std::uint32_t count, std::vector<float>& out) {
    out.clear();
    if (count > r.remaining() / 4) return false;
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out.push_back(r.f32());
    return r.ok();
}

bool ReadColors(ByteReader& r, std::uint32_t count, std::vector<Argb>& out) {
    out.clear();
    if (count > r.remaining() / 4) return false;
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out.push_back(r.u32());
    return r.ok();
}

} // namespace emf::plus
