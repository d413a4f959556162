#include "metaview/dialogs/play_list_model.h"

#include "metaview/document/emf_data.h"
#include "metaview/document/emr_type_table.h"
#include "metaview/document/plus_inspection.h"
#include "metaview/ui/viewer_icons.h"

namespace metaview {

PlayListModel::PlayListModel(const CEMFData& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {
    for (int i = 0; i < 4; ++i)
        m_images[std::size_t(i)] = PlayListRowImage(i);
}

int PlayListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_data.HasPicture()) return 0;
    return static_cast<int>(std::min<std::size_t>(m_data.RecordCount(), INT_MAX));
}

int PlayListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int PlayListModel::ImageOf(int row) const {
    const auto pos = static_cast<std::size_t>(row);
    return (m_data.PlayFlag(pos) ? 1 : 0) + (m_data.GeneralMark(pos) ? 2 : 0);
}

QVariant PlayListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int row = index.row();
    if (role == Qt::DecorationRole && index.column() == IndexColumn)
        return m_images[std::size_t(ImageOf(row))];
    if (role != Qt::DisplayRole) return {};
    const RecordEntry& entry = m_data.Entries()[std::size_t(row)];
    const std::uint32_t type = entry.view.type;
    switch (index.column()) {
    case IndexColumn:
        return QString::number(row);
    case TypeColumn: {
        const std::string name = EntryTypeName(entry);
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    default:
        return entry.plus ? QString::fromStdString(HexWord(std::uint16_t(type)))
                          : QString::number(FindEMRType(type));
    }
}

QVariant PlayListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[] = {"Index", "Type", "ID"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section])
                                                 : QVariant();
}

void PlayListModel::Refresh() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

} // namespace metaview
