#include "catalog_app/settings/form_preview.h"

#include "catalog_app/settings/installed_forms.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

CFormPreview::CFormPreview(const CFormSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_pScroll(new QScrollArea(this)),
      m_pPicture(new QLabel(this)), m_pSize(new QLabel(this)) {
    m_pPicture->setAlignment(Qt::AlignCenter);
    m_pScroll->setWidget(m_pPicture);
    m_pScroll->setWidgetResizable(true);
    m_pScroll->setMinimumSize(300, 260);
    m_pScroll->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pScroll, 1);
    layout->addWidget(m_pSize);
}

void CFormPreview::SetMedium(CCatalogue* catalogue, const CMedia* medium) {
    m_pCatalogue = catalogue;
    m_pMedium = catalogue ? medium : nullptr;
    const QString path = m_path;
    m_path.clear();
    ShowForm(path);
}

void CFormPreview::ShowForm(const QString& path) {
    const QString trimmed = path.trimmed();
    if (trimmed == m_path && !m_path.isEmpty()) return;
    m_path = trimmed;
    double width = 0, height = 0;
    if (trimmed.isEmpty() || !ReadFormSize(trimmed, width, height)) {
        m_pPicture->setPixmap({});
        m_pPicture->setText(trimmed.isEmpty() ? QStringLiteral("No print form")
                                              : QStringLiteral("Not a print form"));
        m_pSize->clear();
        return;
    }
    // True size on this screen, so the texts read as they will on paper.
    const double dotsPerMm = logicalDpiX() / 25.4;
    const QSize size(int(width * dotsPerMm), int(height * dotsPerMm));
    const QImage picture = DrawFormPicture(trimmed, size, m_settings, m_pCatalogue, m_pMedium);
    m_pPicture->setPixmap(QPixmap::fromImage(picture));
    m_pSize->setText(
        QStringLiteral("%1%2").arg(FormSizeText(width, height),
                                   m_pMedium ? QStringLiteral(", filled with the current medium")
                                             : QStringLiteral(", placeholders shown as written")));
}
