#pragma once
// JPEG and PNG images inside bitmap records, decoded by Qt's image readers without letting
// those readers talk on the terminal: damage is the player's to report, as a note.

#include "emf/byte_reader.h"

#include <QImage>
#include <optional>

namespace emf {

/// The image, or none when it is damaged (a PNG whose chunks or checksums are broken is
/// refused before Qt's reader, which would print libpng's complaint, ever sees it).
std::optional<QImage> DecodeEmbeddedImage(Bytes data);

} // namespace emf
