#pragma once
// The record handlers, one family per source file. Each reads its parameters through the
// bounds-checked reader and returns false, having drawn nothing, for a damaged record.

#include "emf/byte_reader.h"
#include "emf/player/bitmaps/dib_decoder.h"
#include "emf/player/dc_core.h"
#include "emf/player/metafile_player.h"

namespace emf {

struct Playback {
    DcCore& dc;
    HandleTable& table;
};

/// A handler gets the reader at the record's parameters; r.data() is the whole record.
using RecordHandler = bool (*)(Playback& pb, ByteReader& r);

/// The object an index names: the handle table's, or a stock object when the high bit is
/// set; null for an empty slot or a bad index.
HGDIOBJ ResolveObject(const Playback& pb, std::uint32_t index);

/// DecodeDib; a bitmap that cannot be decoded is noted as a damaged image.
std::optional<QImage> DecodeNoted(Playback& pb, Bytes record, const DibLocation& at,
                                  bool alpha = false);

/// The handler of a record type, or null for types with no effect on a true-colour device.
RecordHandler HandlerFor(std::uint32_t type);

namespace handlers {
// state and mapping (play_state.cpp)
bool SetWindowExtEx(Playback&, ByteReader&);
bool SetWindowOrgEx(Playback&, ByteReader&);
bool SetViewportExtEx(Playback&, ByteReader&);
bool SetViewportOrgEx(Playback&, ByteReader&);
bool SetBrushOrgEx(Playback&, ByteReader&);
bool SetMapMode(Playback&, ByteReader&);
bool SetBkMode(Playback&, ByteReader&);
bool SetPolyFillMode(Playback&, ByteReader&);
bool SetRop2(Playback&, ByteReader&);
bool SetStretchBltMode(Playback&, ByteReader&);
bool SetTextAlign(Playback&, ByteReader&);
bool SetTextColor(Playback&, ByteReader&);
bool SetBkColor(Playback&, ByteReader&);
bool ScaleViewportExtEx(Playback&, ByteReader&);
bool ScaleWindowExtEx(Playback&, ByteReader&);
bool SaveDC(Playback&, ByteReader&);
bool RestoreDC(Playback&, ByteReader&);
bool SetWorldTransform(Playback&, ByteReader&);
bool ModifyWorldTransform(Playback&, ByteReader&);
bool SetArcDirection(Playback&, ByteReader&);
bool SetMiterLimit(Playback&, ByteReader&);
// objects (play_objects.cpp)
bool SelectObject(Playback&, ByteReader&);
bool DeleteObject(Playback&, ByteReader&);
bool CreatePen(Playback&, ByteReader&);
bool ExtCreatePen(Playback&, ByteReader&);
bool CreateBrushIndirect(Playback&, ByteReader&);
bool CreateMonoBrush(Playback&, ByteReader&);
bool CreateDibPatternBrushPt(Playback&, ByteReader&);
bool ExtCreateFontIndirectW(Playback&, ByteReader&);
bool CreatePalette(Playback&, ByteReader&);
bool SelectPalette(Playback&, ByteReader&);
bool SetPaletteEntries(Playback&, ByteReader&);
bool ResizePalette(Playback&, ByteReader&);
// lines and shapes (play_drawing.cpp)
bool PolyBezier(Playback&, ByteReader&);
bool Polygon(Playback&, ByteReader&);
bool Polyline(Playback&, ByteReader&);
bool PolyBezierTo(Playback&, ByteReader&);
bool PolylineTo(Playback&, ByteReader&);
bool PolyPolyline(Playback&, ByteReader&);
bool PolyPolygon(Playback&, ByteReader&);
bool PolyBezier16(Playback&, ByteReader&);
bool Polygon16(Playback&, ByteReader&);
bool Polyline16(Playback&, ByteReader&);
bool PolyBezierTo16(Playback&, ByteReader&);
bool PolylineTo16(Playback&, ByteReader&);
bool PolyPolyline16(Playback&, ByteReader&);
bool PolyPolygon16(Playback&, ByteReader&);
bool PolyDraw(Playback&, ByteReader&);
bool PolyDraw16(Playback&, ByteReader&);
bool MoveToEx(Playback&, ByteReader&);
bool LineTo(Playback&, ByteReader&);
bool SetPixelV(Playback&, ByteReader&);
// rectangles, ellipses and arcs (play_shapes.cpp)
bool Rectangle(Playback&, ByteReader&);
bool RoundRect(Playback&, ByteReader&);
bool Ellipse(Playback&, ByteReader&);
bool Arc(Playback&, ByteReader&);
bool ArcTo(Playback&, ByteReader&);
bool Chord(Playback&, ByteReader&);
bool Pie(Playback&, ByteReader&);
bool AngleArc(Playback&, ByteReader&);
bool GradientFill(Playback&, ByteReader&);
bool ExtFloodFill(Playback&, ByteReader&);
// paths (play_paths.cpp)
bool BeginPath(Playback&, ByteReader&);
bool EndPath(Playback&, ByteReader&);
bool CloseFigure(Playback&, ByteReader&);
bool FillPath(Playback&, ByteReader&);
bool StrokeAndFillPath(Playback&, ByteReader&);
bool StrokePath(Playback&, ByteReader&);
bool FlattenPath(Playback&, ByteReader&);
bool WidenPath(Playback&, ByteReader&);
bool SelectClipPath(Playback&, ByteReader&);
bool AbortPath(Playback&, ByteReader&);
// clipping and regions (play_clip.cpp)
bool OffsetClipRgn(Playback&, ByteReader&);
bool SetMetaRgn(Playback&, ByteReader&);
bool ExcludeClipRect(Playback&, ByteReader&);
bool IntersectClipRect(Playback&, ByteReader&);
bool ExtSelectClipRgn(Playback&, ByteReader&);
bool FillRgn(Playback&, ByteReader&);
bool FrameRgn(Playback&, ByteReader&);
bool InvertRgn(Playback&, ByteReader&);
bool PaintRgn(Playback&, ByteReader&);
// text (play_text.cpp)
bool ExtTextOutA(Playback&, ByteReader&);
bool ExtTextOutW(Playback&, ByteReader&);
bool PolyTextOutA(Playback&, ByteReader&);
bool PolyTextOutW(Playback&, ByteReader&);
bool SmallTextOut(Playback&, ByteReader&);
// bitmaps (play_bitmaps.cpp)
bool BitBlt(Playback&, ByteReader&);
bool StretchBlt(Playback&, ByteReader&);
bool MaskBlt(Playback&, ByteReader&);
bool PlgBlt(Playback&, ByteReader&);
bool SetDIBitsToDevice(Playback&, ByteReader&);
bool StretchDIBits(Playback&, ByteReader&);
bool AlphaBlend(Playback&, ByteReader&);
bool TransparentBlt(Playback&, ByteReader&);
} // namespace handlers

} // namespace emf
