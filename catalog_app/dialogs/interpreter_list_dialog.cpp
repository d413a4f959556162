#include "catalog_app/dialogs/interpreter_list_dialog.h"

#include "catalog_app/dialogs/interpreter_table.h"
#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/ui/ansi_line_edit.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/melvara_doc.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char kRenameWarning[] =
    "ATTENTION:\nIf you change the interpreters name in this list, it will appear\nin each track "
    "with the new name which has this interpreter\nindex assigned!";
const char kDeleteWarning[] =
    "ATTENTION:\nIf you delete an interpreter which is already assigned to\nspecific media "
    "tracks, the deleted interpreter will no longer\nbe visible in those tracks and may later be "
    "replaced by\nnewly added interpreters!";

constexpr int kMarkRole = Qt::UserRole + 1;

QIcon MarkIcon(CInterpreterListDlg::RowMark mark) {
    static const char* const names[] = {"mark_unchanged", "mark_deleted", "mark_changed"};
    return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(names[mark])));
}

} // namespace

CInterpreterListDlg::CInterpreterListDlg(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_Doc(doc), m_Prompts(prompts), m_pList(new CInterpreterTable(this)),
      m_pName(new CAnsiLineEdit(this)), m_pSet(new QPushButton(QStringLiteral("&Set"), this)),
      m_pDelete(new QPushButton(QStringLiteral("&Delete"), this)) {
    setWindowTitle(QStringLiteral("Interpreter List"));
    m_pList->Fill(doc.Catalogue().Interpreters());
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row)
        SetMark(row, Unchanged);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this,
            &CInterpreterListDlg::OnSelectionChanged);
    connect(m_pList->header(), &QHeaderView::sectionClicked, this,
            &CInterpreterListDlg::OnHeaderClicked);
    connect(m_pSet, &QPushButton::clicked, this, &CInterpreterListDlg::OnSet);
    connect(m_pDelete, &QPushButton::clicked, this, &CInterpreterListDlg::OnDelete);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CInterpreterListDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(m_pName, 1);
    editRow->addWidget(m_pSet);
    editRow->addWidget(m_pDelete);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList, 1);
    layout->addLayout(editRow);
    layout->addWidget(buttons);
    resize(440, 420);
    // Without a chosen row the buttons could only ask their question and do nothing.
    OnSelectionChanged();
}

void CInterpreterListDlg::SetMark(int row, RowMark mark) {
    QTreeWidgetItem* item = m_pList->Row(row);
    if (!item) return;
    item->setData(0, kMarkRole, int(mark));
    item->setIcon(0, MarkIcon(mark));
}

CInterpreterListDlg::RowMark CInterpreterListDlg::MarkOf(int row) const {
    const QTreeWidgetItem* item = m_pList->Row(row);
    return item ? RowMark(item->data(0, kMarkRole).toInt()) : Unchanged;
}

void CInterpreterListDlg::MarkDeleted(int row) {
    if (!m_pList->Row(row)) return;
    SetMark(row, Deleted);
    m_pList->Row(row)->setText(1, QString());
}

void CInterpreterListDlg::MarkRenamed(int row, const QString& name) {
    if (!m_pList->Row(row)) return;
    SetMark(row, Renamed);
    m_pList->Row(row)->setText(1, ui::Storable(name));
}

void CInterpreterListDlg::OnSelectionChanged() {
    m_nSelectedRow = m_pList->SelectedRow();
    m_pSet->setEnabled(m_nSelectedRow >= 0);
    m_pDelete->setEnabled(m_nSelectedRow >= 0);
    if (m_nSelectedRow >= 0) m_pName->setText(m_pList->Row(m_nSelectedRow)->NameText());
}

void CInterpreterListDlg::OnHeaderClicked() {
    m_pList->clearSelection();
    m_nSelectedRow = -1;
    m_pSet->setEnabled(false);
    m_pDelete->setEnabled(false);
}

void CInterpreterListDlg::OnSet() {
    if (m_Prompts.Confirm(this, QString::fromLatin1(kRenameWarning)))
        MarkRenamed(m_nSelectedRow, m_pName->text());
}

void CInterpreterListDlg::OnDelete() {
    if (m_Prompts.Confirm(this, QString::fromLatin1(kDeleteWarning))) MarkDeleted(m_nSelectedRow);
}

void CInterpreterListDlg::accept() {
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        const CInterpreterItem* item = m_pList->Row(row);
        if (MarkOf(row) == Deleted)
            edit->DeleteInterpreter(item->InterpreterIndex());
        else if (MarkOf(row) == Renamed)
            edit->RenameInterpreter(item->InterpreterIndex(), ui::ToAnsi(item->NameText()));
    }
    m_Doc.CommitEdit(std::move(edit), "Edit List");
    QDialog::accept();
}
