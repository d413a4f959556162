#include "metaview/export/picture_export.h"

#include "emf/player/metafile_player.h"
#include "metaview/export/svg_clipping.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace metaview {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kSvgDpi = 96; // the SVG's user units are CSS pixels
constexpr int kPdfDpi = 1200;  // fine enough that rounding the frame to pixels never shows
constexpr double kMinSideMm = 0.1;
constexpr double kMaxSideMm = 5000;
constexpr int kMaxPixels = 16384;

QSize Pixels(const QSizeF& mm, double dpi) {
    return QSize(std::max(1, qRound(mm.width() / kMmPerInch * dpi)),
                 std::max(1, qRound(mm.height() / kMmPerInch * dpi)));
}

// Plays the picture onto the whole device; false when no painter could begin on it.
bool Play(QPaintDevice* device, const emf::EnhMetaFile& picture, const QSize& pixels,
          emf::PlayNotes* notes) {
    emf::DeviceContext dc(device);
    if (!dc.Painter().isActive()) return false;
    emf::PlayEnhMetaFile(dc, picture, QRect(QPoint(0, 0), pixels));
    if (notes) *notes = dc.Notes();
    return dc.Painter().end();
}

} // namespace

QSizeF PictureSizeMm(const emf::EnhMetaHeader& header) {
    const auto size = [](const emf::RectL& r, double mmPerUnit) {
        return QSizeF((double(r.right) - r.left) * mmPerUnit,
                      (double(r.bottom) - r.top) * mmPerUnit);
    };
    QSizeF mm = size(header.rclFrame, 0.01);
    if (mm.width() <= 0 || mm.height() <= 0) mm = size(header.rclBounds, kMmPerInch / kSvgDpi);
    if (mm.width() <= 0 || mm.height() <= 0) mm = QSizeF(100, 100);
    // Scaled down as a whole: clamping each side alone drew a 15 m by 7.5 m plan square.
    const double longest = std::max(mm.width(), mm.height());
    if (longest > kMaxSideMm) mm *= kMaxSideMm / longest;
    return QSizeF(std::max(mm.width(), kMinSideMm), std::max(mm.height(), kMinSideMm));
}

QImage PictureToImage(const emf::EnhMetaFile& picture, const QSize& size, emf::PlayNotes* notes) {
    const auto inRange = [](int side) { return side >= 1 && side <= kMaxPixels; };
    if (!inRange(size.width()) || !inRange(size.height())) return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    if (!Play(&image, picture, size, notes)) return {};
    return image;
}

QByteArray PictureToSvg(const emf::EnhMetaFile& picture, const QString& title,
                        emf::PlayNotes* notes) {
    const QSize pixels = Pixels(PictureSizeMm(picture.Header()), kSvgDpi);
    SvgClipDevice svg(pixels, title);
    if (!Play(&svg, picture, pixels, notes)) return {};
    return svg.Finish();
}

QByteArray PictureToPdf(const emf::EnhMetaFile& picture, const QString& title,
                        emf::PlayNotes* notes) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setPageSize(QPageSize(PictureSizeMm(picture.Header()), QPageSize::Millimeter, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Kelvane"));
    if (!Play(&pdf, picture, QSize(pdf.width(), pdf.height()), notes)) return {};
    return bytes;
}

} // namespace metaview
