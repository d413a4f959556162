#pragma once
// PNG files of opaque pictures, written without Qt's image plugins: a thumbnailer runs once
// per picture, and finding the plugins cost it more than compressing the pixels.

#include <QByteArray>

class QImage;

namespace metaview {

/// The image as an 8-bit RGB PNG with its resolution, rows deflated at zlibLevel (0 to 9)
/// after the "Up" filter, which turns the repeated rows of drawn pictures into zeros. Empty
/// for a null image.
QByteArray EncodePngFile(const QImage& image, int zlibLevel);

} // namespace metaview
