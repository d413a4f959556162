#include "catalog_app/settings/sheet_product_dialog.h"

#include "catalog_app/settings/sheet_products_model.h"
#include "labels/sheets/sheet_database.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CSheetProductDialog::CSheetProductDialog(const sheets::SheetDatabase& db, QWidget* parent)
    : QDialog(parent), m_pModel(new CSheetProductsModel(db, this)), m_pSearch(new QLineEdit(this)),
      m_pTable(new QTableView(this)), m_pCount(new QLabel(this)),
      m_total(int(db.Products().size())) {
    setWindowTitle(QStringLiteral("Sheet product"));
    m_pSearch->setPlaceholderText(QStringLiteral("Brand, part number or description, e.g. "
                                                 "\"avery cd\""));
    m_pSearch->setClearButtonEnabled(true);
    m_pTable->setModel(m_pModel);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    m_pTable->horizontalHeader()->setSectionResizeMode(CSheetProductsModel::Description,
                                                       QHeaderView::Stretch);
    m_pTable->setColumnWidth(CSheetProductsModel::Brand, 90);
    m_pTable->setColumnWidth(CSheetProductsModel::Part, 110);
    m_pTable->setColumnWidth(CSheetProductsModel::LabelSize, 120);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pTable, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_pSearch, &QLineEdit::textChanged, this, &CSheetProductDialog::OnSearch);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, ok] { ok->setEnabled(SelectedProduct() != nullptr); });
    connect(m_pModel, &QAbstractItemModel::modelReset, this, [ok] { ok->setEnabled(false); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSearch);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(m_pCount);
    layout->addWidget(buttons);
    OnSearch({});
    resize(760, 520);
}

void CSheetProductDialog::OnSearch(const QString& text) {
    m_pModel->SetFilter(text);
    m_pCount->setText(QStringLiteral("%1 of %2 products").arg(m_pModel->rowCount()).arg(m_total));
    if (m_pModel->rowCount() == 1) m_pTable->selectRow(0);
}

const sheets::SheetTemplate* CSheetProductDialog::SelectedProduct() const {
    const QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_pModel->ProductAt(rows.first().row());
}
