#pragma once
// The GDI objects a device context selects: pens, brushes, fonts and palettes.

#include "emf/player/gdi_types.h"

#include <QImage>
#include <QString>
#include <variant>
#include <vector>

namespace emf {

enum BrushStyle : std::uint32_t {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
    BS_DIBPATTERN = 5,
    BS_DIBPATTERNPT = 6,
};

struct LogPen {
    std::uint32_t style = PS_SOLID;
    double width = 0; ///< logical units; 0 = one device pixel
    COLORREF color = 0;
    std::vector<double> dashes; ///< PS_USERSTYLE lengths, in logical units
    bool cosmetic = false;      ///< an extended cosmetic pen: one pixel whatever the width
};

struct LogBrush {
    std::uint32_t style = BS_SOLID;
    COLORREF color = 0;
    std::uint32_t hatch = 0;
    QImage pattern;    ///< BS_PATTERN / BS_DIBPATTERN pixels
    bool mono = false; ///< a 1-bit pattern: drawn in text colour (0) and background colour (1)
};

struct LogFont {
    std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    std::uint8_t charSet = 0, pitchAndFamily = 0;
    QString faceName;
};

struct LogPalette {
    std::vector<PaletteEntry> entries;
};

struct GdiObject {
    std::variant<LogPen, LogBrush, LogFont, LogPalette> value;
};

/// Colour of a COLORREF; palette-index forms (0x01xxxxxx) are taken as their RGB part.
QColor ToQColor(COLORREF c);

/// The object behind a stock index with the high bit cleared; null when unknown.
HGDIOBJ StockObjectAt(std::uint32_t index);

template <class T> const T* As(const HGDIOBJ& h) {
    return h ? std::get_if<T>(&h->value) : nullptr;
}

inline HGDIOBJ MakeObject(auto value) {
    return std::make_shared<const GdiObject>(GdiObject{std::move(value)});
}

} // namespace emf
