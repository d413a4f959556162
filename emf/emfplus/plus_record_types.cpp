#include "emf/emfplus/plus_record_types.h"

#include <array>

namespace emf::plus {

namespace {

constexpr std::array<std::string_view, EmfPlusLastRecordType - EmfPlusHeader + 1> kNames = {
    "EmfPlusHeader",
    "EmfPlusEndOfFile",
    "EmfPlusComment",
    "EmfPlusGetDC",
    "EmfPlusMultiFormatStart",
    "EmfPlusMultiFormatSection",
    "EmfPlusMultiFormatEnd",
    "EmfPlusObject",
    "EmfPlusClear",
    "EmfPlusFillRects",
    "EmfPlusDrawRects",
    "EmfPlusFillPolygon",
    "EmfPlusDrawLines",
    "EmfPlusFillEllipse",
    "EmfPlusDrawEllipse",
    "EmfPlusFillPie",
    "EmfPlusDrawPie",
    "EmfPlusDrawArc",
    "EmfPlusFillRegion",
    "EmfPlusFillPath",
    "EmfPlusDrawPath",
    "EmfPlusFillClosedCurve",
    "EmfPlusDrawClosedCurve",
    "EmfPlusDrawCurve",
    "EmfPlusDrawBeziers",
    "EmfPlusDrawImage",
    "EmfPlusDrawImagePoints",
    "EmfPlusDrawString",
    "EmfPlusSetRenderingOrigin",
    "EmfPlusSetAntiAliasMode",
    "EmfPlusSetTextRenderingHint",
    "EmfPlusSetTextContrast",
    "EmfPlusSetInterpolationMode",
    "EmfPlusSetPixelOffsetMode",
    "EmfPlusSetCompositingMode",
    "EmfPlusSetCompositingQuality",
    "EmfPlusSave",
    "EmfPlusRestore",
    "EmfPlusBeginContainer",
    "EmfPlusBeginContainerNoParams",
    "EmfPlusEndContainer",
    "EmfPlusSetWorldTransform",
    "EmfPlusResetWorldTransform",
    "EmfPlusMultiplyWorldTransform",
    "EmfPlusTranslateWorldTransform",
    "EmfPlusScaleWorldTransform",
    "EmfPlusRotateWorldTransform",
    "EmfPlusSetPageTransform",
    "EmfPlusResetClip",
    "EmfPlusSetClipRect",
    "EmfPlusSetClipPath",
    "EmfPlusSetClipRegion",
    "EmfPlusOffsetClip",
    "EmfPlusDrawDriverString",
    "EmfPlusStrokeFillPath",
    "EmfPlusSerializableObject",
    "EmfPlusSetTSGraphics",
    "EmfPlusSetTSClip",
};

constexpr std::array<std::string_view, 10> kObjectNames = {
    "Invalid",      "Brush",           "Pen",           "Path", "Region", "Image", "Font",
    "StringFormat", "ImageAttributes", "CustomLineCap",
};

} // namespace

std::string_view RecordName(std::uint16_t type) {
    if (type < EmfPlusHeader || type > EmfPlusLastRecordType) return {};
    return kNames[type - EmfPlusHeader];
}

std::string_view ObjectTypeName(std::uint32_t type) {
    return type < kObjectNames.size() ? kObjectNames[type] : std::string_view{};
}

} // namespace emf::plus
