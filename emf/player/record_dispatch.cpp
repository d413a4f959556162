#include "emf/player/handlers/record_handlers.h"
#include "emf/record_types.h"

#include <array>

namespace emf {

namespace {

using namespace handlers;

// Types without a handler have no visible effect on a true-colour device:
//  EMR_HEADER, EMR_EOF: frame the records; the header is read when enumeration starts.
//  EMR_SETMAPPERFLAGS: only biases font matching towards the device's aspect ratio.
//  EMR_SETCOLORADJUSTMENT: only adjusts colours of HALFTONE stretching on palette devices.
//  EMR_REALIZEPALETTE: a true-colour device has no system palette to map into.
//  EMR_GDICOMMENT: private data; EMF+ dual files draw through their ordinary records.
//  EMR_SETICMMODE, EMR_CREATECOLORSPACE(W), EMR_SETCOLORSPACE, EMR_DELETECOLORSPACE,
//  EMR_COLORCORRECTPALETTE, EMR_SETICMPROFILEA/W, EMR_COLORMATCHTOTARGETW: colour
//  management, which this player leaves off as the platform does by default.
//  EMR_GLSRECORD, EMR_GLSBOUNDEDRECORD, EMR_PIXELFORMAT: OpenGL, drawn by no GDI device.
//  EMR_DRAWESCAPE, EMR_EXTESCAPE, EMR_NAMEDESCAPE: printer-driver escapes.
//  EMR_FORCEUFIMAPPING, EMR_SETLINKEDUFIS: font-linking hints.
//  EMR_SETLAYOUT: right-to-left mirroring, which applies to windows, not to pictures.
//  EMR_SETTEXTJUSTIFICATION: only read by later justified TextOut calls, which EMF records
//  already carry as explicit character advances.
std::array<RecordHandler, 123> MakeTable() {
    std::array<RecordHandler, 123> t{};
    // clang-format off
    t[EMR_POLYBEZIER] = PolyBezier;           t[EMR_POLYGON] = Polygon;
    t[EMR_POLYLINE] = Polyline;               t[EMR_POLYBEZIERTO] = PolyBezierTo;
    t[EMR_POLYLINETO] = PolylineTo;           t[EMR_POLYPOLYLINE] = PolyPolyline;
    t[EMR_POLYPOLYGON] = PolyPolygon;         t[EMR_SETWINDOWEXTEX] = SetWindowExtEx;
    t[EMR_SETWINDOWORGEX] = SetWindowOrgEx;   t[EMR_SETVIEWPORTEXTEX] = SetViewportExtEx;
    t[EMR_SETVIEWPORTORGEX] = SetViewportOrgEx; t[EMR_SETBRUSHORGEX] = SetBrushOrgEx;
    t[EMR_SETPIXELV] = SetPixelV;             t[EMR_SETMAPMODE] = SetMapMode;
    t[EMR_SETBKMODE] = SetBkMode;             t[EMR_SETPOLYFILLMODE] = SetPolyFillMode;
    t[EMR_SETROP2] = SetRop2;                 t[EMR_SETSTRETCHBLTMODE] = SetStretchBltMode;
    t[EMR_SETTEXTALIGN] = SetTextAlign;       t[EMR_SETTEXTCOLOR] = SetTextColor;
    t[EMR_SETBKCOLOR] = SetBkColor;           t[EMR_OFFSETCLIPRGN] = OffsetClipRgn;
    t[EMR_MOVETOEX] = MoveToEx;               t[EMR_SETMETARGN] = SetMetaRgn;
    t[EMR_EXCLUDECLIPRECT] = ExcludeClipRect; t[EMR_INTERSECTCLIPRECT] = IntersectClipRect;
    t[EMR_SCALEVIEWPORTEXTEX] = ScaleViewportExtEx; t[EMR_SCALEWINDOWEXTEX] = ScaleWindowExtEx;
    t[EMR_SAVEDC] = SaveDC;                   t[EMR_RESTOREDC] = RestoreDC;
    t[EMR_SETWORLDTRANSFORM] = SetWorldTransform;
    t[EMR_MODIFYWORLDTRANSFORM] = ModifyWorldTransform;
    t[EMR_SELECTOBJECT] = SelectObject;       t[EMR_CREATEPEN] = CreatePen;
    t[EMR_CREATEBRUSHINDIRECT] = CreateBrushIndirect; t[EMR_DELETEOBJECT] = DeleteObject;
    t[EMR_ANGLEARC] = AngleArc;               t[EMR_ELLIPSE] = Ellipse;
    t[EMR_RECTANGLE] = Rectangle;             t[EMR_ROUNDRECT] = RoundRect;
    t[EMR_ARC] = Arc;                         t[EMR_CHORD] = Chord;
    t[EMR_PIE] = Pie;                         t[EMR_SELECTPALETTE] = SelectPalette;
    t[EMR_CREATEPALETTE] = CreatePalette;     t[EMR_SETPALETTEENTRIES] = SetPaletteEntries;
    t[EMR_RESIZEPALETTE] = ResizePalette;     t[EMR_EXTFLOODFILL] = ExtFloodFill;
    t[EMR_LINETO] = LineTo;                   t[EMR_ARCTO] = ArcTo;
    t[EMR_POLYDRAW] = PolyDraw;               t[EMR_SETARCDIRECTION] = SetArcDirection;
    t[EMR_SETMITERLIMIT] = SetMiterLimit;     t[EMR_BEGINPATH] = BeginPath;
    t[EMR_ENDPATH] = EndPath;                 t[EMR_CLOSEFIGURE] = CloseFigure;
    t[EMR_FILLPATH] = FillPath;               t[EMR_STROKEANDFILLPATH] = StrokeAndFillPath;
    t[EMR_STROKEPATH] = StrokePath;           t[EMR_FLATTENPATH] = FlattenPath;
    t[EMR_WIDENPATH] = WidenPath;             t[EMR_SELECTCLIPPATH] = SelectClipPath;
    t[EMR_ABORTPATH] = AbortPath;             t[EMR_FILLRGN] = FillRgn;
    t[EMR_FRAMERGN] = FrameRgn;               t[EMR_INVERTRGN] = InvertRgn;
    t[EMR_PAINTRGN] = PaintRgn;               t[EMR_EXTSELECTCLIPRGN] = ExtSelectClipRgn;
    t[EMR_BITBLT] = BitBlt;                   t[EMR_STRETCHBLT] = StretchBlt;
    t[EMR_MASKBLT] = MaskBlt;                 t[EMR_PLGBLT] = PlgBlt;
    t[EMR_SETDIBITSTODEVICE] = SetDIBitsToDevice; t[EMR_STRETCHDIBITS] = StretchDIBits;
    t[EMR_EXTCREATEFONTINDIRECTW] = ExtCreateFontIndirectW;
    t[EMR_EXTTEXTOUTA] = ExtTextOutA;         t[EMR_EXTTEXTOUTW] = ExtTextOutW;
    t[EMR_POLYBEZIER16] = PolyBezier16;       t[EMR_POLYGON16] = Polygon16;
    t[EMR_POLYLINE16] = Polyline16;           t[EMR_POLYBEZIERTO16] = PolyBezierTo16;
    t[EMR_POLYLINETO16] = PolylineTo16;       t[EMR_POLYPOLYLINE16] = PolyPolyline16;
    t[EMR_POLYPOLYGON16] = PolyPolygon16;     t[EMR_POLYDRAW16] = PolyDraw16;
    t[EMR_CREATEMONOBRUSH] = CreateMonoBrush;
    t[EMR_CREATEDIBPATTERNBRUSHPT] = CreateDibPatternBrushPt;
    t[EMR_EXTCREATEPEN] = ExtCreatePen;       t[EMR_POLYTEXTOUTA] = PolyTextOutA;
    t[EMR_POLYTEXTOUTW] = PolyTextOutW;       t[EMR_SMALLTEXTOUT] = SmallTextOut;
    t[EMR_ALPHABLEND] = AlphaBlend;           t[EMR_TRANSPARENTBLT] = TransparentBlt;
    t[EMR_GRADIENTFILL] = GradientFill;
    // clang-format on
    return t;
}

} // namespace

RecordHandler HandlerFor(std::uint32_t type) {
    static const std::array<RecordHandler, 123> table = MakeTable();
    return type < table.size() ? table[type] : nullptr;
}

} // namespace emf
