// Brushes and pens: [MS-EMFPLUS] 2.2.1.1 and 2.2.1.7 with their optional data.
#include "emf/emfplus/plus_geometry.h"
#include "emf/emfplus/plus_objects.h"

namespace emf::plus {

namespace {

bool ReadBlend(ByteReader& r, Brush& b) {
    const std::uint32_t count = r.u32();
    if (!r.ok() || !ReadFloats(r, count, b.blendPositions)) return false;
    if (b.dataFlags & Brush::PresetColors) return ReadColors(r, count, b.blendColors);
    return ReadFloats(r, count, b.blendFactors);
}

bool ReadLinear(ByteReader& r, Brush& b) {
    b.dataFlags = r.u32();
    b.wrapMode = r.i32();
    b.rect = ReadRect(r, false);
    b.color = r.u32();
    b.color2 = r.u32();
    r.skip(8); // reserved
    if (b.dataFlags & Brush::HasTransform) b.transform = ReadMatrix(r);
    if (b.dataFlags & (Brush::PresetColors | Brush::BlendFactorsH | Brush::BlendFactorsV))
        if (!ReadBlend(r, b)) return false;
    return r.ok();
}

bool ReadBoundary(ByteReader& r, Brush& b) {
    if (b.dataFlags & Brush::HasPath) {
        const std::uint32_t size = r.u32();
        ByteReader sub(r.bytes(size));
        return r.ok() && ReadPath(sub, b.boundary);
    }
    const std::uint32_t count = r.u32();
    if (!r.ok() || !ReadPoints(r, count, PointForm::Float, b.boundary.points)) return false;
    b.boundary.types.assign(b.boundary.points.size(), PathLine);
    if (!b.boundary.types.empty()) b.boundary.types.front() = PathStart;
    return true;
}

bool ReadPathGradient(ByteReader& r, Brush& b) {
    b.dataFlags = r.u32();
    b.wrapMode = r.i32();
    b.color = r.u32();
    b.center.x = r.f32();
    b.center.y = r.f32();
    const std::uint32_t count = r.u32();
    if (!r.ok() || !ReadColors(r, count, b.surroundingColors) || !ReadBoundary(r, b)) return false;
    if (b.dataFlags & Brush::HasTransform) b.transform = ReadMatrix(r);
    if (b.dataFlags & (Brush::PresetColors | Brush::BlendFactorsH))
        if (!ReadBlend(r, b)) return false;
    return r.ok(); // focus scales follow; they only shape the blend and are not drawn
}

bool ReadTexture(ByteReader& r, Brush& b) {
    b.dataFlags = r.u32();
    b.wrapMode = r.i32();
    if (b.dataFlags & Brush::HasTransform) b.transform = ReadMatrix(r);
    auto image = std::make_shared<Image>();
    if (!r.ok() || !ReadImage(r, *image)) return false;
    b.texture = std::move(image);
    return true;
}

// Custom caps are drawn as the plain caps they stand for; their data is only stepped over.
void SkipSized(ByteReader& r) {
    r.skip(r.u32());
}

void ReadPenOptions(ByteReader& r, Pen& p) {
    const std::uint32_t f = p.dataFlags;
    if (f & Pen::HasTransform) p.transform = ReadMatrix(r);
    if (f & Pen::HasStartCap) p.startCap = r.i32();
    if (f & Pen::HasEndCap) p.endCap = r.i32();
    if (f & Pen::HasJoin) p.join = r.u32();
    if (f & Pen::HasMiterLimit) p.miterLimit = r.f32();
    if (f & Pen::HasLineStyle) p.lineStyle = r.i32();
    if (f & Pen::HasDashedLineCap) p.dashedLineCap = r.i32();
    if (f & Pen::HasDashedLineOffset) p.dashOffset = r.f32();
    if ((f & Pen::HasDashedLine) && !ReadFloats(r, r.u32(), p.dashes)) r.skip(r.remaining() + 1);
    if (f & Pen::HasAlignment) p.alignment = r.i32();
    if ((f & Pen::HasCompoundLine) && !ReadFloats(r, r.u32(), p.compound))
        r.skip(r.remaining() + 1);
    if (f & Pen::HasCustomStartCap) SkipSized(r);
    if (f & Pen::HasCustomEndCap) SkipSized(r);
}

} // namespace

bool ReadBrush(ByteReader& r, Brush& b) {
    r.u32(); // version
    b.kind = r.u32();
    switch (b.kind) {
    case Brush::Solid:
        b.color = r.u32();
        return r.ok();
    case Brush::Hatch:
        b.hatchStyle = r.u32();
        b.color = r.u32();
        b.color2 = r.u32();
        return r.ok();
    case Brush::Texture:
        return ReadTexture(r, b);
    case Brush::PathGradient:
        return ReadPathGradient(r, b);
    case Brush::LinearGradient:
        return ReadLinear(r, b);
    default:
        return false;
    }
}

bool ReadPen(ByteReader& r, Pen& p) {
    r.u32(); // version
    r.u32(); // type, always 0
    p.dataFlags = r.u32();
    p.unit = Unit(r.u32());
    p.width = r.f32();
    if (!r.ok()) return false;
    ReadPenOptions(r, p);
    return r.ok() && ReadBrush(r, p.brush);
}

} // namespace emf::plus
