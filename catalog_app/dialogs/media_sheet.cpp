#include "catalog_app/dialogs/media_sheet.h"

#include "catalog_app/dialogs/prop_edit_page.h"
#include "catalog_app/dialogs/prop_media_page.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

CMediaSheet::CMediaSheet(QWidget* parent)
    : QDialog(parent), m_pPages(new QTabWidget(this)), m_pGeneral(new CPropMedia(this)),
      m_pInformation(new CPropEdit(this)) {
    setWindowTitle(QStringLiteral("Media Information"));
    // Alt+G and Alt+D reach the pages from the keyboard.
    m_pPages->addTab(m_pGeneral, QStringLiteral("&General Information"));
    m_pPages->addTab(m_pInformation, QStringLiteral("A&ddtional Information"));
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    // No page ever marks itself changed, so Apply stays unavailable.
    buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter makes a new line in the information text, so OK also takes Ctrl+Enter.
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPages);
    layout->addWidget(buttons);
    resize(560, 420);
    // The sheet opens in the first title, ready to be typed over.
    m_pGeneral->setFocus();
}

void CMediaSheet::SetValues(const CMediaSheetValues& values) {
    m_Start = values;
    m_pGeneral->SetValues(values);
    m_pInformation->SetInformation(values.information);
}

CMediaSheetValues CMediaSheet::Values() const {
    CMediaSheetValues values = m_Start;
    m_pGeneral->GetValues(values);
    values.information = m_pInformation->Information();
    return values;
}
