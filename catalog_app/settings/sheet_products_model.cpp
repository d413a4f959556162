#include "catalog_app/settings/sheet_products_model.h"

#include "labels/sheets/sheet_database.h"

CSheetProductsModel::CSheetProductsModel(const sheets::SheetDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_rows(db.Filter({})) {}

void CSheetProductsModel::SetFilter(const QString& text) {
    beginResetModel();
    m_rows = m_db.Filter(text);
    endResetModel();
}

const sheets::SheetTemplate* CSheetProductsModel::ProductAt(int row) const {
    if (row < 0 || row >= int(m_rows.size())) return nullptr;
    return &m_db.Products()[std::size_t(m_rows[std::size_t(row)])];
}

int CSheetProductsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CSheetProductsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CSheetProductsModel::data(const QModelIndex& index, int role) const {
    const sheets::SheetTemplate* s = index.isValid() ? ProductAt(index.row()) : nullptr;
    if (!s || role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Brand:
        return s->brand;
    case Part:
        return s->part;
    case Description:
        return s->description;
    case LabelSize:
        return s->SizeText();
    case Layout:
        return QStringLiteral("%1 x %2").arg(s->columns).arg(s->rows);
    case Paper:
        return s->paper;
    default:
        return {};
    }
}

QVariant CSheetProductsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {"Brand", "Part", "Description", "Label", "Sheet", "Paper"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return QString::fromLatin1(titles[section]);
}

const sheets::SheetDatabase& InstalledSheetProducts() {
    static const sheets::SheetDatabase db = [] {
        sheets::SheetDatabase loaded;
        loaded.Load(sheets::SheetDatabase::DefaultFolders());
        return loaded;
    }();
    return db;
}
