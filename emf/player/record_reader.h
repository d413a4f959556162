#pragma once
// Reading the common structures of EMF records ([MS-EMF] 2.2) through a ByteReader.

#include "emf/byte_reader.h"
#include "emf/player/gdi_objects.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <optional>

namespace emf {

/// Most points a poly record may ask for; a count above is refused before allocation.
inline constexpr std::uint32_t kMaxPoints = 1u << 24;

QPointF ReadPointL(ByteReader& r);
QPointF ReadPointS(ByteReader& r);
/// A RectL as left, top, right, bottom corners.
QRectF ReadRectL(ByteReader& r);
QSizeF ReadSizeL(ByteReader& r);
/// An XFORM; none when a value is not finite.
std::optional<QTransform> ReadXForm(ByteReader& r);
/// count points of 32-bit (PointL) or 16-bit (PointS) coordinates; none when they do not fit.
std::optional<QPolygonF> ReadPoints(ByteReader& r, std::uint32_t count, bool sixteenBit);
/// Region coordinates are clamped to this magnitude, so QRegion's own arithmetic stays in range.
inline constexpr int kMaxRegionCoordinate = 1 << 29;
/// A RegionData object ([MS-EMF] 2.2.24): its rectangles, in the units the record uses.
std::optional<QRegion> ReadRegionData(ByteReader& r, std::uint32_t size);
/// A LogFontW ([MS-EMF] 2.2.13) at the reader's position; none when it does not fit.
std::optional<LogFont> ReadLogFontW(ByteReader& r);
/// A UTF-16LE string of count units at offset from the record start.
std::optional<QString> ReadUtf16At(const ByteReader& r, std::uint32_t offset, std::uint32_t count);

} // namespace emf
