#pragma once
// Pictures built from records, played into a white 100 x 100 image whose pixels are the
// reference device's pixels one to one.

#include "emf/byte_writer.h"
#include "emf/emf_builder.h"
#include "emf/record_types.h"

#include <QImage>
#include <gtest/gtest.h>

namespace emf::test {

/// A builder whose frame covers device pixels 0..100 on both axes.
EmfBuilder Canvas();
/// A canvas whose shapes are filled red (brush at handle 1) without outline.
EmfBuilder RedFill();
/// Plays the built picture into a white image of size x size pixels.
QImage Play(const EmfBuilder& b, int size = 100);
/// The pixel's colour without alpha, as 0xRRGGBB.
unsigned Rgb(const QImage& img, int x, int y);

/// A solid brush selected at handle, for fills of a known colour.
void SelectSolidBrush(EmfBuilder& b, std::uint32_t handle, std::uint32_t colorref);
/// The null pen (stock object) selected, so shapes show only their fill.
void SelectNullPen(EmfBuilder& b);

inline constexpr unsigned kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF,
                          kGreen = 0x00FF00;

} // namespace emf::test
