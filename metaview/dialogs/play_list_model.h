#pragma once
// The rows of the "List of EMF Entries" dialog: one per record, by position.

#include <QAbstractTableModel>
#include <QPixmap>

#include <array>

class CEMFData;

namespace metaview {

class PlayListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IndexColumn, TypeColumn, IdColumn, ColumnCount };

    explicit PlayListModel(const CEMFData& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// The row image: play flag (bit 0) + 2 x general mark (bit 1).
    int ImageOf(int row) const;
    /// Shows the flags again after they changed.
    void Refresh();

private:
    const CEMFData& m_data;
    std::array<QPixmap, 4> m_images;
};

} // namespace metaview
