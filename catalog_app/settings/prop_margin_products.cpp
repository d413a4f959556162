// The "Margins" page's label sheet products: a product from gLabels' database fills the
// selected type's sheet, and the page says what the stored whole millimetres cost.
#include "catalog_app/settings/prop_margin_page.h"

#include "catalog_app/settings/installed_forms.h"
#include "catalog_app/settings/sheet_product_dialog.h"
#include "catalog_app/settings/sheet_products_model.h"
#include "catalog_app/ui/ui_text.h"
#include "labels/cell_overlap.h"
#include "labels/sheets/sheet_database.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

const sheets::SheetDatabase& CPropMargin::Products() const {
    return m_pProducts ? *m_pProducts : InstalledSheetProducts();
}

void CPropMargin::SetProductDatabase(const sheets::SheetDatabase* db) {
    m_pProducts = db;
    if (IsInitialised()) DescribeProductButton();
}

void CPropMargin::DescribeProductButton() {
    const bool none = Products().IsEmpty();
    m_pProduct->setText(none ? QStringLiteral("Sheet product... (get glabels-data)")
                             : QStringLiteral("Sheet product..."));
    m_pProduct->setToolTip(none ? sheets::MissingDatabaseHint()
                                : QStringLiteral("Fill the sheet from a label product by brand "
                                                 "and part number"));
}

void CPropMargin::OnProduct() {
    if (m_nSelected < 0) return;
    if (Products().IsEmpty()) {
        QMessageBox::information(this, ui::kMessageTitle, sheets::MissingDatabaseHint());
        return;
    }
    CSheetProductDialog dialog(Products(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.SelectedProduct())
        ApplyProduct(*dialog.SelectedProduct());
}

void CPropMargin::ApplyProduct(const sheets::SheetTemplate& product) {
    if (m_nSelected < 0) return;
    const FormMargins m = sheets::ToFormMargins(product);
    const std::array<std::int32_t, 6> numbers{
        m.left, m.top, m.horizontalSpacing, m.verticalSpacing, m.columns, m.rows};
    for (int i = 0; i < 6; ++i)
        m_Fields[i]->setText(QString::number(numbers[i]));
    m_pSpacing->setChecked(true);
    OnSet();
    const double error = sheets::RoundingError(product);
    QString note = QStringLiteral("%1 (%2, %3 x %4 labels): ")
                       .arg(product.Name(), product.SizeText())
                       .arg(product.columns)
                       .arg(product.rows);
    note += error < 0.005 ? QStringLiteral("its numbers are whole millimetres, nothing is lost.")
                          : QStringLiteral("stored in whole millimetres, a label lands up to "
                                           "%1 mm from where the sheet has it.")
                                .arg(QString::number(error, 'f', 2));
    const QString overlap = OverlapNote();
    m_pNote->setText(overlap.isEmpty() ? note : note + QLatin1Char('\n') + overlap);
}

QString CPropMargin::OverlapNote() const {
    if (m_nSelected < 0) return {};
    const auto path = m_Settings.FormPath(m_nSelected);
    double width = 0, height = 0;
    if (!path || !ReadFormSize(*path, width, height)) return {};
    const FrameRect frame{0, 0, std::int32_t(width * 100), std::int32_t(height * 100)};
    return CellOverlapMessage(ui::MediaTypeName(m_nSelected), frame, m_Margins[m_nSelected]);
}
