#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>

#include <vector>

class CInterpreterList;
class CMedia;
class CTrack;
struct SearchResults;

/// The ten texts of a search hit in the pane's column order: the medium's six, then the
/// track's four (empty for a medium hit).
QStringList SearchHitTexts(const CMedia& media, const CTrack* track,
                           const CInterpreterList& interpreters);

/// The rows of the search pane: one per medium hit, then one per track hit. The texts are
/// those of the moment of the search; the records are kept only to be selected.
class CSearchResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 10;
    static constexpr int kTotalColumn = 3;
    static constexpr int kTrackTotalColumn = 8;

    explicit CSearchResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// Shows the hits of a search (the block must outlive nothing: texts are taken now).
    void Fill(const SearchResults& results, const CInterpreterList& interpreters);
    void Clear();

    /// The row's medium (a track hit's medium for a track row); nullptr outside the rows.
    CMedia* MediaAt(int row) const;
    /// The row's track; nullptr for a medium row or outside the rows.
    const CTrack* TrackAt(int row) const;

private:
    struct Row {
        CMedia* media;
        const CTrack* track;
        QStringList texts;
    };
    std::vector<Row> m_Rows;
    QIcon m_MediaImage;
    QIcon m_TrackImage;
};
