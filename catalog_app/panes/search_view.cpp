#include "catalog_app/panes/search_view.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/melvara_doc.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

QString SearchLimitMessage(std::uint32_t entries) {
    return QStringLiteral("ATTENTION:\nBe informed that the search has found at leased %1 "
                          "entries.\nSearch has stopped at that point, so it might be that "
                          "there\nare further results. You should therefor modify your "
                          "search\nmask.")
        .arg(entries);
}

CSearchView::CSearchView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent)
    : CListPane(parent), m_Doc(doc), m_Prompts(prompts), m_Model(this) {
    setModel(&m_Model);
    header()->setSectionsClickable(false);
    SetColumnWidths({{1, 20, "000000"},
                     {2, 0},
                     {2, 0},
                     {1, 10, "000:00"},
                     {1, 0, "0000-00-00"},
                     {1, 0, "other media"},
                     {1, 20, "000000"},
                     {5, 0},
                     {1, 20, "000:00"},
                     {2, 0}});
    // The index column also holds the row's image.
    setColumnWidth(0, columnWidth(0) + style()->pixelMetric(QStyle::PM_SmallIconSize) + 8);
    connect(this, &QAbstractItemView::doubleClicked, this, &CSearchView::OnActivated);
    m_Doc.AddView(this);
}

CSearchView::~CSearchView() {
    m_Doc.RemoveView(this);
}

QString CSearchView::RunSearch(const QString& text) {
    const SearchResults& results = m_Doc.Catalogue().Search(ui::ToAnsi(text));
    m_Model.Clear();
    const bool limited =
        results.mediaHitCount == SEARCH_HIT_LIMIT || results.trackHitCount == SEARCH_HIT_LIMIT;
    if (limited)
        m_Prompts.Inform(this, SearchLimitMessage(results.mediaHitCount + results.trackHitCount));
    m_Model.Fill(results, m_Doc.Catalogue().Interpreters());
    // A search that finds nothing must say so: an empty list alone looks like no search.
    if (results.mediaHitCount == 0 && results.trackHitCount == 0)
        return QStringLiteral("No media or tracks found for \"%1\".").arg(text);
    QString found = QStringLiteral("Found %1 media and %2 tracks for \"%3\".")
                        .arg(results.mediaHitCount)
                        .arg(results.trackHitCount)
                        .arg(text);
    if (limited)
        found += QStringLiteral(" The list stopped at %1 of a kind.").arg(SEARCH_HIT_LIMIT);
    return found;
}

void CSearchView::OnUpdate(CDocView*, UpdateHint hint, CMedia*) {
    // The rows refer to records these changes may have removed.
    if (hint == HINT_MEDIA_DELETED || hint == HINT_NEW_CATALOGUE || hint == HINT_CATALOGUE_LOADED ||
        hint == HINT_MEDIA_SORTED)
        m_Model.Clear();
}

void CSearchView::OnActivated(const QModelIndex& index) {
    CMedia* media = m_Model.MediaAt(index.row());
    if (!media) return;
    const CTrack* track = m_Model.TrackAt(index.row());
    // Posted, so that they run after this event, medium first: selecting the medium
    // fills the track pane in which the track is then selected.
    QMetaObject::invokeMethod(
        this, [this, media] { emit SelectMediumRequested(media); }, Qt::QueuedConnection);
    if (track)
        QMetaObject::invokeMethod(
            this, [this, track] { emit SelectTrackRequested(track); }, Qt::QueuedConnection);
}

void CSearchView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !currentIndex().isValid()) return CListPane::keyPressEvent(event);
    OnActivated(currentIndex());
    event->accept();
}
