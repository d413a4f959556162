#include "catalog_app/panes/search_results_model.h"

#include "catalog_app/ui/ui_text.h"

#include "catalog/interpreter_list.h"
#include "catalog/media.h"
#include "catalog/search_results.h"

QStringList SearchHitTexts(const CMedia& media, const CTrack* track,
                           const CInterpreterList& interpreters) {
    QStringList texts = {
        ui::FormatIndex(media.MediaIndex()),  ui::FromAnsi(media.Title1()),
        ui::FromAnsi(media.Title2()),         ui::FormatLength(media.TotalLength()),
        ui::FormatDate(media.CreationTime()), ui::MediaTypeName(media.MediaType())};
    if (!track) {
        for (int i = 0; i < 4; ++i)
            texts.append(QString());
        return texts;
    }
    const CInterpreter* interpreter = interpreters.FindInterpreter(track->InterpreterIndex());
    texts << ui::FormatIndex(track->TrackIndex()) << ui::FromAnsi(track->Title())
          << ui::FormatLength(track->Length())
          << (interpreter ? ui::FromAnsi(interpreter->Name()) : QStringLiteral("No Name"));
    return texts;
}

CSearchResultsModel::CSearchResultsModel(QObject* parent)
    : QAbstractTableModel(parent), m_MediaImage(QStringLiteral(":/icons/hit_media.png")),
      m_TrackImage(QStringLiteral(":/icons/hit_track.png")) {}

int CSearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_Rows.size());
}

int CSearchResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CSearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Row& row = m_Rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[index.column()];
    case Qt::DecorationRole:
        if (index.column() == 0) return row.track ? m_TrackImage : m_MediaImage;
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == kTotalColumn || index.column() == kTrackTotalColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant CSearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headers[kColumnCount] = {
        "Index",      "Media Title", "Media Title", "Total", "Creation Time",
        "Media Type", "Track",       "Title",       "Total", "Interpreter"};
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(headers[section]);
    if (role == Qt::TextAlignmentRole && (section == kTotalColumn || section == kTrackTotalColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void CSearchResultsModel::Fill(const SearchResults& results, const CInterpreterList& interpreters) {
    beginResetModel();
    m_Rows.clear();
    m_Rows.reserve(results.mediaHitCount + results.trackHitCount);
    for (std::uint32_t i = 0; i < results.mediaHitCount; ++i) {
        CMedia* media = results.mediaHits[i];
        m_Rows.push_back({media, nullptr, SearchHitTexts(*media, nullptr, interpreters)});
    }
    for (std::uint32_t j = 0; j < results.trackHitCount; ++j) {
        CMedia* media = results.trackHitMedia[j];
        const CTrack* track = results.trackHits[j];
        m_Rows.push_back({media, track, SearchHitTexts(*media, track, interpreters)});
    }
    endResetModel();
}

void CSearchResultsModel::Clear() {
    beginResetModel();
    m_Rows.clear();
    endResetModel();
}

CMedia* CSearchResultsModel::MediaAt(int row) const {
    return row >= 0 && std::size_t(row) < m_Rows.size() ? m_Rows[std::size_t(row)].media : nullptr;
}

const CTrack* CSearchResultsModel::TrackAt(int row) const {
    return row >= 0 && std::size_t(row) < m_Rows.size() ? m_Rows[std::size_t(row)].track : nullptr;
}
