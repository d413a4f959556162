#pragma once

#include <QAbstractTableModel>

#include <vector>

class CMedia;
class CTrack;
class CInterpreterList;

/// The rows of the track list: the tracks of one medium in track order, each row
/// referring to its track; the interpreter column names the track's interpreter.
class CTrackListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IndexColumn, TitleColumn, TotalColumn, InterpreterColumn };
    static constexpr int kColumnCount = 4;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// The track of a row, or nullptr for a row that does not exist.
    const CTrack* TrackAt(int row) const;
    /// The first row that refers to the track, or -1.
    int RowOf(const CTrack* track) const;

    /// Rebuilds the rows from the medium's tracks; names come from interpreters.
    void Refill(const CMedia& media, const CInterpreterList& interpreters);
    void Clear();
    /// Adds a row for a track just appended to the medium shown.
    void AppendRow(const CTrack* track);
    /// Shows the track's current values again (after an edit).
    void RefreshTrack(const CTrack* track);

private:
    QString Text(const CTrack& track, int column) const;

    std::vector<const CTrack*> m_Rows;
    const CInterpreterList* m_pInterpreters = nullptr;
};
