#include "common/about_box.h"

#include "common/version_info.h"
#include "emf/player/metafile_player.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <vector>

namespace {

// The dialog's layout in pixels: 300 x 140 dialog units at the 6 x 13 base units of an
// 8-point dialog font.
constexpr QSize kDialogSize(450, 227);
constexpr QRect kTextRect(16, 5, 377, 31);
constexpr QRect kOkRect(395, 193, 48, 23);
const QColor kTextColor(0x7F, 0x00, 0x7F);

} // namespace

CAboutBox::CAboutBox(const QString& caption, const QString& textFormat, QWidget* parent)
    : QDialog(parent), m_text(new QLabel(this)) {
    setWindowTitle(caption);
    setFixedSize(kDialogSize);

    CFileVersionInfo info;
    info.Load();
    m_text->setText(FormatText(textFormat, info));
    m_text->setGeometry(kTextRect);
    m_text->setWordWrap(true);
    // Drawn transparently over the picture.
    m_text->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::WindowText, kTextColor);
    m_text->setPalette(palette);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(kOkRect);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutBox::FormatText(const QString& textFormat, const CFileVersionInfo& info) {
    QString text = textFormat;
    for (std::uint32_t half : {info.GetFileVersionMS(), info.GetFileVersionLS(),
                               info.GetProductVersionMS(), info.GetProductVersionLS()})
        text = text.arg(half >> 16).arg(half & 0xFFFF);
    return text;
}

QString CAboutBox::Text() const {
    return m_text->text();
}

void CAboutBox::paintEvent(QPaintEvent*) {
    const auto bytes = AboutPicture();
    auto picture = emf::EnhMetaFile::FromBytes(std::vector<std::byte>(bytes.begin(), bytes.end()));
    if (!picture) return;
    QPainter painter(this);
    emf::DeviceContext dc(painter);
    emf::PlayEnhMetaFile(dc, *picture.picture, rect());
}
