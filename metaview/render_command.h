#pragma once
// `kelvane --render`: draws a metafile into a PNG or BMP file without a window.

#include "metaview/bitmap_file.h"

#include <QImage>

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace metaview {

/// The image as bottom-up 32-bit rows for a BMP file; rows is filled and referenced.
BitmapPixels BitmapPixelsFromImage(const QImage& image, std::vector<std::byte>& rows);

/// Runs "--render FILE (--png OUT | --bmp OUT) [--width N]" (args without "--render"); needs a
/// QGuiApplication. Returns 0 done, 1 a file could not be read or written, 2 a usage error.
int RunRender(std::span<const std::string> args, std::ostream& err);

} // namespace metaview
