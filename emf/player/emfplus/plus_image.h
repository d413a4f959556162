#pragma once
// Images of GDI+ pictures as QImages: compressed streams, raw pixel formats, metafiles.

#include "emf/emfplus/plus_objects.h"

#include <QImage>
#include <QSize>
#include <optional>

namespace emf::plus {

/// A bitmap image decoded; none for a metafile, an unknown pixel format or damaged data.
std::optional<QImage> DecodeImage(const Image& image);

/// A metafile image drawn onto a transparent image of size pixels (at most 4096 a side);
/// none for a bitmap, damaged data, or metafiles nested too deep.
std::optional<QImage> RenderMetafileImage(const Image& image, QSize size);

} // namespace emf::plus
