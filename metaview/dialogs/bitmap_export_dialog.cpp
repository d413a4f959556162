#include "metaview/dialogs/bitmap_export_dialog.h"

#include "metaview/document/emf_data.h"
#include "metaview/export/bitmap_export.h"
#include "metaview/export/render_command.h"

#include "emf/player/device_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint32_t kMinMm = 10, kMaxMm = 1000;

std::uint32_t FieldValue(const QLineEdit* field) {
    return field->text().toUInt();
}

QLineEdit* NumberField(std::uint32_t value) {
    auto* field = new QLineEdit(QString::number(value));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), field));
    field->setMaximumWidth(70);
    return field;
}

// The frame's width and height; taken in 64 bits, since a frame spanning the whole field
// overflows 32, and 0 for a reversed side.
std::pair<std::uint32_t, std::uint32_t> FrameSides(const emf::RectL& frame) {
    const auto side = [](std::int32_t from, std::int32_t to) {
        return std::uint32_t(std::max<std::int64_t>(0, std::int64_t(to) - from));
    };
    return {side(frame.left, frame.right), side(frame.top, frame.bottom)};
}

} // namespace

CBitmapExportDlg::CBitmapExportDlg(const CEMFData& metafile, QWidget* parent)
    : QDialog(parent), m_data(metafile), m_resolution(new QComboBox),
      m_width(NumberField(m_nWidth)), m_height(NumberField(m_nHeight)),
      m_keepRatio(new QCheckBox(QStringLiteral("Keep Original Ratio"))) {
    setWindowTitle(QStringLiteral("Bitmap Export Options"));
    m_resolution->setEditable(true);
    m_resolution->addItems({"72", "75", "150", "300", "600", "1200", "2400"});
    m_resolution->setEditText(QString::number(m_nResolution));
    m_resolution->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_resolution));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Resolution:")), 0, 0, 1, 4);
    fields->addWidget(m_resolution, 1, 0, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("pixel/inch")), 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Size:")), 2, 0, 1, 4);
    fields->addWidget(m_width, 3, 0);
    fields->addWidget(new QLabel(QStringLiteral("X")), 3, 1, Qt::AlignCenter);
    fields->addWidget(m_height, 3, 2);
    fields->addWidget(new QLabel(QStringLiteral("mm")), 3, 3);
    fields->addWidget(m_keepRatio, 4, 0, 1, 4);
    auto* save = new QPushButton(QStringLiteral("Save"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    save->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &CBitmapExportDlg::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_resolution, &QComboBox::editTextChanged, this, &CBitmapExportDlg::resolutionEdited);
    connect(m_keepRatio, &QCheckBox::clicked, this, &CBitmapExportDlg::keepRatioClicked);
    m_width->installEventFilter(this);
    m_height->installEventFilter(this);
}

void CBitmapExportDlg::resolutionEdited(const QString& text) {
    const std::uint32_t value = text.toUInt();
    if (value != 0)
        m_nResolution = value;
    else
        m_resolution->setEditText(QString::number(m_nResolution));
}

void CBitmapExportDlg::keepRatioClicked(bool checked) {
    m_bKeepRatio = checked;
    if (!checked) return;
    const auto [fw, fh] = FrameSides(m_data.Header().rclFrame);
    fitSide(fw < fh);
}

void CBitmapExportDlg::fitSide(bool width) {
    const auto [fw, fh] = FrameSides(m_data.Header().rclFrame);
    if (width)
        m_width->setText(QString::number(metaview::RatioSide(FieldValue(m_height), fh, fw)));
    else
        m_height->setText(QString::number(metaview::RatioSide(FieldValue(m_width), fw, fh)));
}

// The field being entered is recomputed from the other one while the ratio is kept.
bool CBitmapExportDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && m_bKeepRatio) fitSide(watched == m_width);
    return QDialog::eventFilter(watched, event);
}

void CBitmapExportDlg::readFields() {
    m_nWidth = FieldValue(m_width);
    m_nHeight = FieldValue(m_height);
    m_nResolution = m_resolution->currentText().toUInt();
}

QImage CBitmapExportDlg::RenderImage() const {
    const auto size = metaview::ExportBitmapSize(m_nResolution, m_nWidth, m_nHeight);
    if (!size) return {};
    QImage image(int(size->width), int(size->height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.setDotsPerMeterX(int(size->pixelsPerMetre));
    image.setDotsPerMeterY(int(size->pixelsPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    emf::DeviceContext dc(painter);
    m_data.Draw(dc, {0, 0, image.width(), image.height()});
    return image;
}

bool CBitmapExportDlg::RenderToBitmap(const QString& path, std::string& error) {
    readFields();
    const QImage image = RenderImage();
    if (image.isNull()) {
        error = "The size and resolution give no bitmap that can be made.";
        return false;
    }
    std::vector<std::byte> rows;
    return WriteBitmapFile(metaview::BitmapPixelsFromImage(image, rows),
                           QFile::encodeName(path).toStdString(), error);
}

void CBitmapExportDlg::save() {
    // The sizes are checked before anything is written, not after.
    if (!fieldsInRange()) return;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save As"), m_strFileName, QStringLiteral("Bitmap (*.bmp)"));
    if (path.isEmpty()) return;
    const QString file = QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".bmp") : path;
    std::string error;
    // A bitmap that could not be written is reported, never passed over in silence.
    if (!RenderToBitmap(file, error))
        QMessageBox::warning(this, QStringLiteral("Korvel-Software Kelvane"),
                             QString::fromStdString(error));
    accept();
}

bool CBitmapExportDlg::fieldsInRange() {
    for (QLineEdit* field : {m_width, m_height}) {
        const std::uint32_t value = FieldValue(field);
        if (value >= kMinMm && value <= kMaxMm) continue;
        QMessageBox::information(
            this, QStringLiteral("Korvel-Software Kelvane"),
            QStringLiteral("Please enter an integer between %1 and %2.").arg(kMinMm).arg(kMaxMm));
        field->setFocus();
        field->selectAll();
        return false;
    }
    return true;
}

void CBitmapExportDlg::accept() {
    if (!fieldsInRange()) return;
    readFields();
    m_bKeepRatio = m_keepRatio->isChecked();
    QDialog::accept();
}
