#pragma once
// Label sheet products as gLabels describes them: one label shape repeated in columns and
// rows on a sheet of paper. Lengths are in millimetres, as the product's own numbers give them.

#include "labels/form_settings.h"

#include <QString>

#include <optional>

namespace sheets {

/// One label product that can be printed as a single grid of cells.
struct SheetTemplate {
    enum class Shape { Rectangle, Round, Ellipse, Disc };

    QString brand, part, description;
    QString paper;                          ///< paper name ("A4", "US-Letter", "Other")
    double paperWidth = 0, paperHeight = 0; ///< mm; 0 when the paper is unknown
    Shape shape = Shape::Rectangle;
    double width = 0, height = 0;                  ///< one label, mm
    double left = 0, top = 0;                      ///< first label's corner from the paper's, mm
    double horizontalPitch = 0, verticalPitch = 0; ///< origin to origin, mm
    int columns = 1, rows = 1;

    /// "BRAND PART", the name a user types.
    QString Name() const { return brand + QLatin1Char(' ') + part; }
    /// "63.5 x 38.1 mm", or "Ø 117 mm" for a round label or a disc.
    QString SizeText() const;
};

/// The product as a stored sheet (whole millimetres), spacing switched on.
FormMargins ToFormMargins(const SheetTemplate& sheet);

/// How far the last cell of the rounded sheet lies from where the product puts it, mm
/// (the larger of the two axes).
double RoundingError(const SheetTemplate& sheet);

/// A length of gLabels' files: a number with pt, in, mm, cm or pc (no unit: points), as mm;
/// none when unreadable or longer than 10 m.
std::optional<double> ParseLength(QStringView text);

} // namespace sheets
