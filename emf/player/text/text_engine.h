#pragma once
// Text output and measurement with GDI rules: fonts realised at their device size, the
// reference point placed by the text alignment, optional per-character advances.

#include "emf/player/dc_core.h"

#include <QString>
#include <optional>
#include <vector>

namespace emf {

struct TextRun {
    QPointF reference;            ///< logical units
    std::uint32_t options = 0;    ///< ETO_ flags
    std::optional<QRectF> rect;   ///< logical units, for ETO_OPAQUE / ETO_CLIPPED
    QString text;                 ///< characters, or glyph indices with ETO_GLYPH_INDEX
    std::vector<double> advances; ///< logical units per character; empty = the font's
};

/// ExtTextOut: draws the run with the selected font, colours and alignment.
void DrawTextRun(DcCore& dc, const TextRun& run);
/// The run's width and height in logical units in the selected font.
QSizeF MeasureText(const DcCore& dc, const QString& text);

} // namespace emf
