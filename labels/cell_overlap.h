#pragma once
// Whether a form fits the cells of its sheet: a form wider or taller than the distance to
// the next cell prints over its neighbour's label.

#include "labels/form_settings.h"
#include "labels/label_layout.h"

#include <QString>

/// The form (frame in 0.01 mm) reaches into the next column's or row's cell; never on a
/// sheet without spacing or with a single column or row in that direction.
struct CellOverlap {
    bool across = false, down = false;
    explicit operator bool() const { return across || down; }
};
CellOverlap FormOverlapsCells(const FrameRect& frame, const FormMargins& sheet);

/// "The CD form (120 x 120 mm) is larger than one cell of the sheet (124 x 110 mm): ..."
/// empty when it fits.
QString CellOverlapMessage(const QString& typeName, const FrameRect& frame,
                           const FormMargins& sheet);
