#pragma once
// The record types of the GDI+ layer and their names.

#include <cstdint>
#include <string_view>

namespace emf::plus {

enum RecordType : std::uint16_t {
    EmfPlusHeader = 0x4001,
    EmfPlusEndOfFile,
    EmfPlusComment,
    EmfPlusGetDC,
    EmfPlusMultiFormatStart,
    EmfPlusMultiFormatSection,
    EmfPlusMultiFormatEnd,
    EmfPlusObject,
    EmfPlusClear,
    EmfPlusFillRects,
    EmfPlusDrawRects,
    EmfPlusFillPolygon,
    EmfPlusDrawLines,
    EmfPlusFillEllipse,
    EmfPlusDrawEllipse,
    EmfPlusFillPie,
    EmfPlusDrawPie,
    EmfPlusDrawArc,
    EmfPlusFillRegion,
    EmfPlusFillPath,
    EmfPlusDrawPath,
    EmfPlusFillClosedCurve,
    EmfPlusDrawClosedCurve,
    EmfPlusDrawCurve,
    EmfPlusDrawBeziers,
    EmfPlusDrawImage,
    EmfPlusDrawImagePoints,
    EmfPlusDrawString,
    EmfPlusSetRenderingOrigin,
    EmfPlusSetAntiAliasMode,
    EmfPlusSetTextRenderingHint,
    EmfPlusSetTextContrast,
    EmfPlusSetInterpolationMode,
    EmfPlusSetPixelOffsetMode,
    EmfPlusSetCompositingMode,
    EmfPlusSetCompositingQuality,
    EmfPlusSave,
    EmfPlusRestore,
    EmfPlusBeginContainer,
    EmfPlusBeginContainerNoParams,
    EmfPlusEndContainer,
    EmfPlusSetWorldTransform,
    EmfPlusResetWorldTransform,
    EmfPlusMultiplyWorldTransform,
    EmfPlusTranslateWorldTransform,
    EmfPlusScaleWorldTransform,
    EmfPlusRotateWorldTransform,
    EmfPlusSetPageTransform,
    EmfPlusResetClip,
    EmfPlusSetClipRect,
    EmfPlusSetClipPath,
    EmfPlusSetClipRegion,
    EmfPlusOffsetClip,
    EmfPlusDrawDriverString,
    EmfPlusStrokeFillPath,
    EmfPlusSerializableObject,
    EmfPlusSetTSGraphics,
    EmfPlusSetTSClip,
    EmfPlusLastRecordType = EmfPlusSetTSClip
};

/// The record type's name ("EmfPlusFillRects"), or empty for a type outside the layer.
std::string_view RecordName(std::uint16_t type);
/// The object type's name ("Brush", ...), or empty for an unknown one.
std::string_view ObjectTypeName(std::uint32_t type);

} // namespace emf::plus
