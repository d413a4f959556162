#include "emf/emfplus/plus_record_types.h"
#include "emf/player/emfplus/plus_handlers.h"

#include <array>

namespace emf::plus {

namespace {

using namespace handlers;

bool NoEffect(PlusPlayer&, const PlusRecord&, ByteReader&) {
    return true;
}

// Types played without effect: the header and end (read by the player itself), comments,
// text contrast (gamma of cleartype on the recording device), the multi-format brackets
// (whose first section is the GDI+ one and is played) and the terminal-server records,
// which only cache state for a remote session.
std::array<PlusHandler, EmfPlusLastRecordType - EmfPlusHeader + 1> MakeTable() {
    std::array<PlusHandler, EmfPlusLastRecordType - EmfPlusHeader + 1> t{};
    auto at = [&t](std::uint16_t type) -> PlusHandler& { return t[type - EmfPlusHeader]; };
    for (std::uint16_t type :
         {EmfPlusHeader, EmfPlusEndOfFile, EmfPlusComment, EmfPlusGetDC, EmfPlusMultiFormatStart,
          EmfPlusMultiFormatSection, EmfPlusMultiFormatEnd, EmfPlusSetTextContrast,
          EmfPlusSetTSGraphics, EmfPlusSetTSClip})
        at(type) = NoEffect;
    // clang-format off
    at(EmfPlusObject) = DefineObject;                        at(EmfPlusClear) = Clear;
    at(EmfPlusFillRects) = FillRects;                   at(EmfPlusDrawRects) = DrawRects;
    at(EmfPlusFillPolygon) = FillPolygon;               at(EmfPlusDrawLines) = DrawLines;
    at(EmfPlusFillEllipse) = FillEllipse;               at(EmfPlusDrawEllipse) = DrawEllipse;
    at(EmfPlusFillPie) = FillPie;                       at(EmfPlusDrawPie) = DrawPie;
    at(EmfPlusDrawArc) = DrawArc;                       at(EmfPlusFillRegion) = FillRegion;
    at(EmfPlusFillPath) = FillPath;                     at(EmfPlusDrawPath) = DrawPath;
    at(EmfPlusFillClosedCurve) = FillClosedCurve;       at(EmfPlusDrawClosedCurve) = DrawClosedCurve;
    at(EmfPlusDrawCurve) = DrawCurve;                   at(EmfPlusDrawBeziers) = DrawBeziers;
    at(EmfPlusDrawImage) = DrawImage;                   at(EmfPlusDrawImagePoints) = DrawImagePoints;
    at(EmfPlusDrawString) = DrawString;                 at(EmfPlusDrawDriverString) = DrawDriverString;
    at(EmfPlusSetRenderingOrigin) = SetRenderingOrigin; at(EmfPlusSetAntiAliasMode) = SetQuality;
    at(EmfPlusSetTextRenderingHint) = SetQuality;       at(EmfPlusSetInterpolationMode) = SetQuality;
    at(EmfPlusSetPixelOffsetMode) = SetQuality;         at(EmfPlusSetCompositingMode) = SetQuality;
    at(EmfPlusSetCompositingQuality) = SetQuality;      at(EmfPlusSave) = Save;
    at(EmfPlusRestore) = Restore;                       at(EmfPlusBeginContainer) = BeginContainer;
    at(EmfPlusBeginContainerNoParams) = BeginContainerNoParams;
    at(EmfPlusEndContainer) = EndContainer;             at(EmfPlusSetWorldTransform) = SetWorldTransform;
    at(EmfPlusResetWorldTransform) = ResetWorldTransform;
    at(EmfPlusMultiplyWorldTransform) = MultiplyWorldTransform;
    at(EmfPlusTranslateWorldTransform) = TranslateWorldTransform;
    at(EmfPlusScaleWorldTransform) = ScaleWorldTransform;
    at(EmfPlusRotateWorldTransform) = RotateWorldTransform;
    at(EmfPlusSetPageTransform) = SetPageTransform;     at(EmfPlusResetClip) = ResetClip;
    at(EmfPlusSetClipRect) = SetClipRect;               at(EmfPlusSetClipPath) = SetClipPath;
    at(EmfPlusSetClipRegion) = SetClipRegion;           at(EmfPlusOffsetClip) = OffsetClip;
    // clang-format on
    return t;
}

} // namespace

PlusHandler PlusHandlerFor(std::uint16_t type) {
    static const auto table = MakeTable();
    if (type < EmfPlusHeader || type > EmfPlusLastRecordType) return nullptr;
    return table[type - EmfPlusHeader];
}

} // namespace emf::plus
