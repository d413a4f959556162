#pragma once
// How closely a rendering matches a reference rendering of another renderer.

#include <QImage>

namespace emf::fidelity {

struct Score {
    double all = 0;  ///< share (0..1) of all pixels that match
    double ink = 0;  ///< share of the pixels not white in either image that match
    double ssim = 0; ///< structural similarity of the greyscale images at half size
};

/// Compares after both images are brought to the reference's size and lightly blurred
/// (halved and restored), so that anti-aliasing and one-pixel shifts count little; pixels
/// match when no colour channel differs by more than a small tolerance. SSIM is the mean
/// over 8 x 8 windows of the luma at half the reference's size.
Score Compare(const QImage& rendering, const QImage& reference);

/// The figure fidelity is judged by: both images flattened on white and scaled to 96 pixels
/// wide in greyscale. They agree when their aspect ratios differ by under 3% and the mean
/// absolute difference of the grey values is under 8 of 255.
struct Agreement {
    double aspect = 0;   ///< relative difference of height / width
    double meanDiff = 0; ///< mean absolute grey difference, 0..255
    bool agrees = false;
};
Agreement Agree(const QImage& rendering, const QImage& reference);

/// The two images side by side (rendering left), for looking at by eye.
QImage SideBySide(const QImage& rendering, const QImage& reference);

} // namespace emf::fidelity
