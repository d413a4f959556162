#pragma once

#include <QDialog>

class CSheetProductsModel;
class QLabel;
class QLineEdit;
class QTableView;

namespace sheets {
class SheetDatabase;
struct SheetTemplate;
} // namespace sheets

/// "Sheet product": finds a label sheet by brand, part number or description.
class CSheetProductDialog : public QDialog {
    Q_OBJECT
public:
    CSheetProductDialog(const sheets::SheetDatabase& db, QWidget* parent = nullptr);

    /// The chosen product; nullptr when no row is selected.
    const sheets::SheetTemplate* SelectedProduct() const;

    QLineEdit* SearchField() const { return m_pSearch; }
    QTableView* Table() const { return m_pTable; }
    QLabel* CountLabel() const { return m_pCount; }

private:
    void OnSearch(const QString& text);

    CSheetProductsModel* m_pModel;
    QLineEdit* m_pSearch;
    QTableView* m_pTable;
    QLabel* m_pCount;
    int m_total;
};
