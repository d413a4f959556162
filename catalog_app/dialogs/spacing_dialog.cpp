#include "catalog_app/dialogs/spacing_dialog.h"

#include "catalog_app/ui/ui_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A cell number: typed or stepped with the arrows, never outside the sheet.
QSpinBox* MakeCounter(int maximum, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(1, std::max(1, maximum));
    field->setValue(1);
    field->setMinimumWidth(80);
    return field;
}

} // namespace

CLabelSpacingDlg::CLabelSpacingDlg(const FormMargins& margins, QWidget* parent)
    : QDialog(parent), m_pColumn(MakeCounter(margins.columns, this)),
      m_pRow(MakeCounter(margins.rows, this)),
      m_pNoSpacing(
          new QCheckBox(QStringLiteral("Don't use spacing for this type of media."), this)) {
    setWindowTitle(QStringLiteral("Label spacing values"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Column: "), m_pColumn);
    form->addRow(QStringLiteral("Row:"), m_pRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLabelSpacingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pNoSpacing);
    layout->addWidget(buttons);
}

void CLabelSpacingDlg::accept() {
    for (QSpinBox* field : {m_pColumn, m_pRow}) {
        if (field->value() < 0 || field->value() > 100) {
            // Window-modal and not waited for: the dialog stays open behind it.
            auto* box =
                new QMessageBox(QMessageBox::Warning, ui::kMessageTitle,
                                QStringLiteral("Please enter an integer between 0 and 100."),
                                QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
            field->setFocus();
            return;
        }
    }
    m_Values = {m_pColumn->value(), m_pRow->value(), m_pNoSpacing->isChecked()};
    QDialog::accept();
}
