#pragma once
// Images of GDI+ pictures as QImages: compressed streams, raw pixel formats, metafiles.

#include "emf/emfplus/plus_objects.h"

#include <QImage>
#include <QPainter>
#include <QSize>
#include <optional>

namespace emf::plus {

/// A bitmap image decoded; none for a metafile, an unknown pixel format or damaged data.
std::optional<QImage> DecodeImage(const Image& image);

/// Plays a metafile image through painter into the rectangle (0, 0, size), which the
/// painter's transform and clip place on the device; false for a bitmap, damaged data, or
/// metafiles nested too deep.
bool PlayMetafileImage(const Image& image, QPainter& painter, QSize size);

} // namespace emf::plus
