#include "fidelity_score.h"

#include <QPainter>
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
    return {close / total, ink ? double(inkClose) / ink : 1.0};
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
