#pragma once

#include <QAbstractTableModel>

#include <vector>

namespace sheets {
class SheetDatabase;
struct SheetTemplate;
} // namespace sheets

/// The label sheet products that match a filter text, one row each: brand, part,
/// description, label size, columns x rows, paper.
class CSheetProductsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Brand, Part, Description, LabelSize, Layout, Paper, ColumnCount };

    explicit CSheetProductsModel(const sheets::SheetDatabase& db, QObject* parent = nullptr);

    /// Keeps the products holding every word of text.
    void SetFilter(const QString& text);
    /// The product of a row; nullptr for a row that is not there.
    const sheets::SheetTemplate* ProductAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const sheets::SheetDatabase& m_db;
    std::vector<int> m_rows;
};

/// The products of gLabels' folders on this machine, read once per run.
const sheets::SheetDatabase& InstalledSheetProducts();
