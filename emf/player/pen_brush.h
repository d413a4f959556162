#pragma once
// Turning GDI pens and brushes into device-space QPen and QBrush.

#include "emf/player/gdi_types.h"

#include <QBrush>
#include <QPen>

namespace emf {

/// The pen as drawn in device pixels: cosmetic and zero-width pens are one pixel wide,
/// geometric widths are scaled by the logical-to-device scale and never thinner than one.
QPen MakeDevicePen(const HGDIOBJ& pen, double deviceScale, double miterLimit, int rop2);
/// The brush: solid, hatched (8-pixel device patterns), or a bitmap pattern; a mono pattern
/// takes the text colour for 0 bits and the background colour for 1 bits.
QBrush MakeDeviceBrush(const HGDIOBJ& brush, COLORREF textColor, COLORREF bkColor, int rop2);

} // namespace emf
