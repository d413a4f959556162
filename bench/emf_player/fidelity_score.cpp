#include "fidelity_score.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace emf::fidelity {

namespace {

constexpr int kTolerance = 40;

QImage Blurred(const QImage& img, QSize size) {
    const QImage flat = img.convertToFormat(QImage::Format_RGB32);
    return flat.scaled(size / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Transparent reference pixels stand for the white page.
QImage OnWhite(const QImage& img) {
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter(&out).drawImage(0, 0, img);
    return out;
}

} // namespace

namespace {

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

bool IsWhite(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

// Mean structural similarity of two greyscale images of one size, 8 x 8 windows.
double Ssim(const QImage& a, const QImage& b) {
    constexpr double c1 = 6.5025, c2 = 58.5225; // (0.01 * 255)^2, (0.03 * 255)^2
    double sum = 0;
    int windows = 0;
    for (int y0 = 0; y0 + 8 <= a.height(); y0 += 8)
        for (int x0 = 0; x0 + 8 <= a.width(); x0 += 8) {
            double ma = 0, mb = 0, va = 0, vb = 0, cov = 0;
            for (int y = y0; y < y0 + 8; ++y)
                for (int x = x0; x < x0 + 8; ++x) {
                    const double pa = a.constScanLine(y)[x], pb = b.constScanLine(y)[x];
                    ma += pa, mb += pb, va += pa * pa, vb += pb * pb, cov += pa * pb;
                }
            ma /= 64, mb /= 64;
            va = va / 64 - ma * ma, vb = vb / 64 - mb * mb, cov = cov / 64 - ma * mb;
            sum +=
                ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
            ++windows;
        }
    return windows ? sum / windows : 1;
}

QImage HalfGrey(const QImage& img, QSize size) {
    return img.convertToFormat(QImage::Format_RGB32)
        .scaled(size / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

Score Compare(const QImage& rendering, const QImage& reference) {
    if (reference.isNull() || rendering.isNull()) return {};
    const QSize size = reference.size().expandedTo(QSize(2, 2));
    const QImage a = Blurred(rendering, size), b = Blurred(OnWhite(reference), size);
    long long close = 0, ink = 0, inkClose = 0;
    for (int y = 0; y < size.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const bool match = Distance(ra[x], rb[x]) <= kTolerance;
            const bool inked = !IsWhite(ra[x]) || !IsWhite(rb[x]);
            close += match;
            ink += inked;
            inkClose += inked && match;
        }
    }
    const double total = double(size.width()) * size.height();
    const double ssim = Ssim(HalfGrey(rendering, size), HalfGrey(OnWhite(reference), size));
    return {close / total, ink ? double(inkClose) / ink : 1.0, ssim};
}

Agreement Agree(const QImage& rendering, const QImage& reference) {
    if (reference.isNull() || rendering.isNull()) return {1, 255, false};
    const double ra = double(rendering.height()) / rendering.width();
    const double rb = double(reference.height()) / reference.width();
    Agreement a;
    a.aspect = std::abs(ra / rb - 1);
    constexpr int kWidth = 96;
    const QSize size(kWidth, std::max(1, int(std::lround(kWidth * rb))));
    auto grey = [size](const QImage& img) {
        return OnWhite(img)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    };
    const QImage ga = grey(rendering), gb = grey(reference);
    long long sum = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            sum += std::abs(ga.constScanLine(y)[x] - gb.constScanLine(y)[x]);
    a.meanDiff = double(sum) / (double(size.width()) * size.height());
    a.agrees = a.aspect < 0.03 && a.meanDiff < 8;
    return a;
}

QImage SideBySide(const QImage& rendering, const QImage& reference) {
    const int h = std::max(rendering.height(), reference.height());
    QImage out(rendering.width() + reference.width() + 8, h, QImage::Format_RGB32);
    out.fill(Qt::red);
    QPainter p(&out);
    p.drawImage(0, 0, rendering);
    p.drawImage(rendering.width() + 8, 0, OnWhite(reference));
    return out;
}

} // namespace emf::fidelity
