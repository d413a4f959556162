#include "catalog_app/dialogs/track_info_dialog.h"

#include "catalog_app/dialogs/interpreter_table.h"
#include "catalog_app/ui/ansi_line_edit.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/catalogue.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <optional>

namespace {

// Digits only; the range is checked on OK like any numeric dialog field.
std::optional<std::uint32_t> ParseLength(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > CTrackInfoDlg::kMaxLength) return std::nullopt;
    return std::uint32_t(value);
}

} // namespace

CTrackInfoDlg::CTrackInfoDlg(CCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), m_Catalogue(catalogue), m_pIndex(new QLabel(this)),
      m_pTitle(new CAnsiLineEdit(this)), m_pLength(new QLineEdit(this)),
      m_pPicker(new CInterpreterTable(this)),
      m_pPick(new QPushButton(QStringLiteral("&Interpreter >"), this)),
      m_pName(new CAnsiLineEdit(this)) {
    setWindowTitle(QStringLiteral("Track Information"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTrackInfoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateFields());
    layout->addLayout(CreatePicker());
    layout->addWidget(buttons);
    resize(460, 420);
}

QLayout* CTrackInfoDlg::CreateFields() {
    m_pIndex->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pIndex->setAlignment(Qt::AlignCenter);
    m_pIndex->setFixedWidth(90);
    m_pLength->setAlignment(Qt::AlignRight);
    m_pLength->setMaxLength(9);
    m_pLength->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
    m_pLength->setFixedWidth(90);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Track index:"), m_pIndex);
    form->addRow(QStringLiteral("&Track title:"), m_pTitle);
    form->addRow(QStringLiteral("&Record length:\nmmm:ss"), m_pLength);
    return form;
}

QLayout* CTrackInfoDlg::CreatePicker() {
    m_pPick->setEnabled(false);
    connect(m_pPicker, &QTreeWidget::itemSelectionChanged, this, &CTrackInfoDlg::OnPickChanged);
    connect(m_pPick, &QPushButton::clicked, this, &CTrackInfoDlg::OnPick);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_pPick);
    nameRow->addWidget(m_pName, 1);
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_pPicker, 1);
    layout->addLayout(nameRow);
    return layout;
}

void CTrackInfoDlg::SetValues(const CTrackDialogValues& values) {
    m_Values = values;
    m_pIndex->setText(values.indexText);
    m_pTitle->setText(ui::FromAnsi(values.title));
    m_pLength->setText(QString::number(values.length));
    m_pPicker->Fill(m_Catalogue.Interpreters());
    const CInterpreter* current = m_Catalogue.Interpreters().FindInterpreter(values.interpreter);
    m_pName->setText(current ? ui::FromAnsi(current->Name()) : QString());
}

void CTrackInfoDlg::OnPickChanged() {
    m_nPickedRow = m_pPicker->SelectedRow();
    m_PickedName = m_nPickedRow >= 0 ? m_pPicker->Row(m_nPickedRow)->NameText() : QString();
    m_pPick->setEnabled(m_nPickedRow >= 0);
    if (m_nPickedRow >= 0) m_pName->setText(m_PickedName);
}

void CTrackInfoDlg::OnPick() {
    if (m_nPickedRow >= 0) m_pName->setText(m_PickedName);
}

QString CTrackInfoDlg::LengthProblem(const QString& text) const {
    const std::optional<std::uint32_t> length = ParseLength(text);
    if (!length) return QStringLiteral("Please enter an integer between 0 and %1.").arg(kMaxLength);
    // A stored length like 4:63 came from an older entry: it may stay, but is not typed anew.
    if (*length % 100 < 60 || *length == m_Values.length) return {};
    return QStringLiteral("%1 would be %2:%3, but a minute has only 60 seconds.\nPlease enter "
                          "the length as minutes and seconds (mmm:ss without the colon), with "
                          "seconds from 00 to 59: %4 for %5.")
        .arg(*length)
        .arg(*length / 100)
        .arg(*length % 100, 2, 10, QLatin1Char('0'))
        .arg(*length + 40)
        .arg(ui::FormatLength(*length + 40));
}

void CTrackInfoDlg::accept() {
    const QString problem = LengthProblem(m_pLength->text());
    if (!problem.isEmpty()) {
        // Window-modal and not waited for: the dialog stays open behind it.
        auto* box = new QMessageBox(QMessageBox::Warning, ui::kMessageTitle, problem,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        m_pLength->setFocus();
        m_pLength->selectAll();
        return;
    }
    const CInterpreter* interpreter =
        m_Catalogue.Interpreters().FindOrAddInterpreter(ui::ToAnsi(m_pName->text()));
    m_Values.title = ui::ToAnsi(m_pTitle->text());
    m_Values.length = *ParseLength(m_pLength->text());
    m_Values.interpreter = interpreter->InterpreterIndex();
    QDialog::accept();
}
