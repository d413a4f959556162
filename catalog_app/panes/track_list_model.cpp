#include "catalog_app/panes/track_list_model.h"

#include "catalog_app/ui/ui_text.h"

#include "catalog/interpreter_list.h"
#include "catalog/media.h"

#include <algorithm>

int CTrackListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_Rows.size());
}

int CTrackListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CTrackListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::TextAlignmentRole && index.column() == TotalColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return Text(*m_Rows[std::size_t(index.row())], index.column());
}

QString CTrackListModel::Text(const CTrack& track, int column) const {
    switch (column) {
    case IndexColumn:
        return ui::FormatIndex(track.TrackIndex());
    case TitleColumn:
        return ui::FromAnsi(track.Title());
    case TotalColumn:
        return ui::FormatLength(track.Length());
    default: {
        const CInterpreter* interpreter =
            m_pInterpreters ? m_pInterpreters->FindInterpreter(track.InterpreterIndex()) : nullptr;
        return interpreter ? ui::FromAnsi(interpreter->Name()) : QStringLiteral("No Name");
    }
    }
}

QVariant CTrackListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headers[kColumnCount] = {"Track", "Title", "Total", "Interpreter"};
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(headers[section]);
    if (role == Qt::TextAlignmentRole && section == TotalColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

const CTrack* CTrackListModel::TrackAt(int row) const {
    return row >= 0 && std::size_t(row) < m_Rows.size() ? m_Rows[std::size_t(row)] : nullptr;
}

int CTrackListModel::RowOf(const CTrack* track) const {
    const auto it = std::find(m_Rows.begin(), m_Rows.end(), track);
    return it == m_Rows.end() ? -1 : int(it - m_Rows.begin());
}

void CTrackListModel::Refill(const CMedia& media, const CInterpreterList& interpreters) {
    beginResetModel();
    m_pInterpreters = &interpreters;
    m_Rows.clear();
    m_Rows.reserve(media.TrackCount());
    for (const CTrack& track : media.Tracks())
        m_Rows.push_back(&track);
    endResetModel();
}

void CTrackListModel::Clear() {
    beginResetModel();
    m_Rows.clear();
    m_pInterpreters = nullptr;
    endResetModel();
}

void CTrackListModel::AppendRow(const CTrack* track) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_Rows.push_back(track);
    endInsertRows();
}

void CTrackListModel::RefreshTrack(const CTrack* track) {
    const int row = RowOf(track);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}
