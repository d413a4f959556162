#pragma once
// `kelvane --render`: draws a metafile into a PNG, BMP, SVG or PDF file without a window.

#include "metaview/export/bitmap_file.h"

#include <QImage>
#include <QSize>
#include <QSizeF>

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace metaview {

/// The image as bottom-up 32-bit rows for a BMP file; rows is filled and referenced.
BitmapPixels BitmapPixelsFromImage(const QImage& image, std::vector<std::byte>& rows);

/// The pixel size of a picture of size mm drawn width pixels wide, or with its longest side
/// longestSide pixels long when longestSide > 0; the aspect is kept, each side at least 1.
QSize RasterSize(const QSizeF& mm, int width, int longestSide);

/// Runs "--render FILE (--png|--bmp|--svg|--pdf) OUT [--width N | --size N] [--timeout S]"
/// (args without "--render"); needs a QGuiApplication. Returns 0 done, 1 a file could not
/// be read, drawn or written (then no output file is left), 2 a usage error.
int RunRender(std::span<const std::string> args, std::ostream& err);

} // namespace metaview
