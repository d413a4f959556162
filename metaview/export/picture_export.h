#pragma once
// A picture drawn into files: PNG-ready images, and SVG and PDF for drawing programs and
// documents, where texts stay texts.

#include "emf/enh_metafile.h"
#include "emf/player/play_notes.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

namespace metaview {

/// The picture's size in millimetres: its frame, else its bounds taken at 96 dpi, else
/// 100 mm square; a picture beyond 5 m (the largest PDF page) scaled down at its aspect to
/// fit, and neither side below 0.1 mm.
QSizeF PictureSizeMm(const emf::EnhMetaHeader& header);

/// The picture drawn on white, stretched to size (each side 1 to 16384 pixels); a null image
/// for a size out of that range.
QImage PictureToImage(const emf::EnhMetaFile& picture, const QSize& size,
                      emf::PlayNotes* notes = nullptr);

/// The picture as an SVG document the size of its frame; empty when it cannot be drawn.
QByteArray PictureToSvg(const emf::EnhMetaFile& picture, const QString& title,
                        emf::PlayNotes* notes = nullptr);

/// The picture as a PDF of one page the size of its frame; empty when it cannot be drawn.
QByteArray PictureToPdf(const emf::EnhMetaFile& picture, const QString& title,
                        emf::PlayNotes* notes = nullptr);

} // namespace metaview
