#pragma once
// Realising a GDI logical font as a QFont of a given device size.

#include "emf/enh_metafile.h"
#include "emf/player/gdi_objects.h"

#include <QFont>
#include <QStringList>

namespace emf {

/// The font's em height in logical units: a negative height is the character height, a
/// positive one the cell height (ascent plus descent), zero the default size.
double EmHeight(const LogFont& font);
/// The font at emPixels device pixels, with face substitutes for common Windows faces,
/// weight, italic, underline, strike-out and width (as stretch); kerning off as in GDI.
QFont RealizeFont(const LogFont& font, double emPixels, double widthPixels);
/// The faces the picture's fonts are drawn in, in the order the fonts are created. Asking
/// settles which fonts a drawing will need before it starts.
QStringList DrawingFaces(const EnhMetaFile& picture);

} // namespace emf
