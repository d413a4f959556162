#include "catalog_app/panes/media_list_model.h"

#include "catalog_app/ui/list_compare.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/media_list.h"

#include <algorithm>
#include <numeric>

int CMediaListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_Rows.size());
}

int CMediaListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CMediaListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::TextAlignmentRole && index.column() == TotalColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return Text(*m_Rows[std::size_t(index.row())], index.column());
}

QString CMediaListModel::Text(const CMedia& media, int column) const {
    switch (column) {
    case IndexColumn:
        return ui::FormatIndex(media.MediaIndex());
    case Title1Column:
        return ui::FromAnsi(media.Title1());
    case Title2Column:
        return ui::FromAnsi(media.Title2());
    case TotalColumn:
        return ui::FormatLength(media.TotalLength());
    case CreatedColumn:
        return ui::FormatDate(media.CreationTime());
    default:
        return ui::MediaTypeName(media.MediaType());
    }
}

QVariant CMediaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headers[kColumnCount] = {"Index", "Media Title",   "Media Title",
                                                      "Total", "Creation Time", "Media Type"};
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(headers[section]);
    if (role == Qt::TextAlignmentRole && section == TotalColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

CMedia* CMediaListModel::MediaAt(int row) const {
    return row >= 0 && std::size_t(row) < m_Rows.size() ? m_Rows[std::size_t(row)] : nullptr;
}

int CMediaListModel::RowOf(const CMedia* media) const {
    const auto it = std::find(m_Rows.begin(), m_Rows.end(), media);
    return it == m_Rows.end() ? -1 : int(it - m_Rows.begin());
}

void CMediaListModel::Refill(CMediaList& media) {
    beginResetModel();
    m_Rows.clear();
    m_Rows.reserve(media.Count());
    for (CMedia& medium : media)
        m_Rows.push_back(&medium);
    std::reverse(m_Rows.begin(), m_Rows.end());
    endResetModel();
}

void CMediaListModel::Clear() {
    beginResetModel();
    m_Rows.clear();
    endResetModel();
}

void CMediaListModel::InsertRow(int row, CMedia* media) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    m_Rows.insert(m_Rows.begin() + row, media);
    endInsertRows();
}

void CMediaListModel::RefreshMedia(const CMedia* media) {
    const int row = RowOf(media);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CMediaListModel::Sort(int column) {
    emit layoutAboutToBeChanged({}, VerticalSortHint);
    std::vector<int> order(m_Rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return SortsBefore(*m_Rows[std::size_t(a)], *m_Rows[std::size_t(b)], column, CompareMedia);
    });
    std::vector<CMedia*> sorted(m_Rows.size());
    std::vector<int> newRowOf(m_Rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted[i] = m_Rows[std::size_t(order[i])];
        newRowOf[std::size_t(order[i])] = int(i);
    }
    m_Rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[std::size_t(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, VerticalSortHint);
}
