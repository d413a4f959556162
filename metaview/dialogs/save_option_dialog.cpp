#include "metaview/dialogs/save_option_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CSaveOptionDlg::CSaveOptionDlg(QWidget* parent)
    : QDialog(parent),
      m_copy(new QRadioButton(QStringLiteral("Simple save a copy of the loaded EMF"))),
      m_seen(new QRadioButton(QStringLiteral("Save what you currently see"))),
      m_askAgain(new QCheckBox(QStringLiteral("Allways ask me again for this document."))) {
    setWindowTitle(QStringLiteral("\"Save as\" option dialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("EMF offers two document save options:")));
    layout->addWidget(m_copy);
    layout->addWidget(m_seen);
    layout->addSpacing(8);
    layout->addWidget(m_askAgain);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSaveOptionDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_copy, &QRadioButton::clicked, this, [this] { m_nOption = true; });
    connect(m_seen, &QRadioButton::clicked, this, [this] { m_nOption = false; });
}

void CSaveOptionDlg::showEvent(QShowEvent* event) {
    (m_nOption ? m_copy : m_seen)->setChecked(true);
    m_askAgain->setChecked(m_bAskAgain);
    QDialog::showEvent(event);
}

void CSaveOptionDlg::accept() {
    m_bAskAgain = m_askAgain->isChecked();
    QDialog::accept();
}
