#pragma once

#include <QAbstractTableModel>

#include <vector>

class CMedia;
class CMediaList;

/// The rows of the media list: each row refers to one medium of the catalogue and shows
/// its current values. Sorting orders the rows only, never the catalogue.
class CMediaListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IndexColumn, Title1Column, Title2Column, TotalColumn, CreatedColumn, TypeColumn };
    static constexpr int kColumnCount = 6;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// The medium of a row, or nullptr for a row that does not exist.
    CMedia* MediaAt(int row) const;
    /// The first row that refers to the medium, or -1.
    int RowOf(const CMedia* media) const;

    /// Rebuilds the rows with the list's last medium on top.
    void Refill(CMediaList& media);
    void Clear();
    void InsertRow(int row, CMedia* media);
    /// Shows the medium's current values again (after an edit or a track change).
    void RefreshMedia(const CMedia* media);
    /// Orders the rows ascending by the column; selections follow their rows.
    void Sort(int column);

private:
    QString Text(const CMedia& media, int column) const;

    std::vector<CMedia*> m_Rows;
};
