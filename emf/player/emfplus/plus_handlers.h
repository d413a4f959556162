#pragma once
// The GDI+ record handlers, one family per source file. Each reads the record's data
// through the bounds-checked reader and returns false, having drawn nothing, when the
// data is damaged.

#include "emf/byte_reader.h"
#include "emf/emfplus/plus_records.h"
#include "emf/player/emfplus/plus_player.h"

namespace emf::plus {

using PlusHandler = bool (*)(PlusPlayer& p, const PlusRecord& rec, ByteReader& r);

/// The handler of a record type, or null for a type that is not played.
PlusHandler PlusHandlerFor(std::uint16_t type);

namespace handlers {
// state (plus_state_records.cpp)
bool DefineObject(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool ResetWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool MultiplyWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool TranslateWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool ScaleWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool RotateWorldTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetPageTransform(PlusPlayer&, const PlusRecord&, ByteReader&);
bool Save(PlusPlayer&, const PlusRecord&, ByteReader&);
bool Restore(PlusPlayer&, const PlusRecord&, ByteReader&);
bool BeginContainer(PlusPlayer&, const PlusRecord&, ByteReader&);
bool BeginContainerNoParams(PlusPlayer&, const PlusRecord&, ByteReader&);
bool EndContainer(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetQuality(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetRenderingOrigin(PlusPlayer&, const PlusRecord&, ByteReader&);
// clipping (plus_clip_records.cpp)
bool ResetClip(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetClipRect(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetClipPath(PlusPlayer&, const PlusRecord&, ByteReader&);
bool SetClipRegion(PlusPlayer&, const PlusRecord&, ByteReader&);
bool OffsetClip(PlusPlayer&, const PlusRecord&, ByteReader&);
// shapes (plus_shape_records.cpp)
bool Clear(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillRects(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawRects(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillPolygon(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawLines(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillEllipse(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawEllipse(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillPie(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawPie(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawArc(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillRegion(PlusPlayer&, const PlusRecord&, ByteReader&);
bool FillPath(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawPath(PlusPlayer&, const PlusRecord&, ByteReader&);
// curves (plus_curve_records.cpp)
bool FillClosedCurve(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawClosedCurve(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawCurve(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawBeziers(PlusPlayer&, const PlusRecord&, ByteReader&);
// images (plus_image_records.cpp)
bool DrawImage(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawImagePoints(PlusPlayer&, const PlusRecord&, ByteReader&);
// text (plus_text_records.cpp)
bool DrawString(PlusPlayer&, const PlusRecord&, ByteReader&);
bool DrawDriverString(PlusPlayer&, const PlusRecord&, ByteReader&);
} // namespace handlers

} // namespace emf::plus
