#pragma once
// The parts every form shares: title lines, a list of tracks in columns, a footer line.

#include "examples/form_maker/form_canvas.h"

namespace forms {

struct TrackStyle {
    double font = 2.5;    ///< em height, mm
    double pitch = 3.5;   ///< line to line, mm
    bool combined = true; ///< "#C" (title / interpreter) instead of "#N"
    bool times = true;    ///< "#T" at the right of each line
};

/// Tracks first, first + 1, ... in columns of rows lines, filling area column by column;
/// gap mm between columns.
void TrackColumns(FormCanvas& canvas, const Box& area, int first, int rows, int columns,
                  const TrackStyle& style, double gap = 4);

/// "#L01" and "#L02" in two boxes, the first bold.
void TitleLines(FormCanvas& canvas, const Box& first, double firstFont, const Box& second,
                double secondFont, Align align = Align::Centre);

/// "#X", "#D" and "#M" on one line: left, centre and right of box.
void FooterLine(FormCanvas& canvas, const Box& box, double font);

} // namespace forms
