#include "catalog_app/panes/media_list_view.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/clipboard_exchange.h"
#include "catalog_app/ui/dialog_values.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/file/clipboard_paste.h"
#include "catalog/melvara_doc.h"

#include <QDateTime>
#include <QHeaderView>
#include <QScopedValueRollback>

#include <unordered_set>

namespace {

const char kDeleteQuestion[] = "The selected media and all it's included\ntracks are about to be "
                               "deleted!\n\nAre you sure?";

CMediaSheetValues NewMediaValues(std::uint32_t mediaIndex) {
    CMediaSheetValues values;
    values.indexText = ui::FormatIndex(mediaIndex);
    values.totalText = QStringLiteral("0:00");
    values.trackCountText = QStringLiteral("0");
    values.title1 = "New Media Line 1";
    values.title2 = "New Media Line 2";
    values.creationTime = std::int32_t(QDateTime::currentSecsSinceEpoch());
    values.mediaType = 2;
    return values;
}

} // namespace

CMELVARAView::CMELVARAView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent)
    : CListPane(parent), m_Doc(doc), m_Prompts(prompts), m_Model(this) {
    setModel(&m_Model);
    header()->setSectionsClickable(true);
    // Shows which column the rows are sorted by (always ascending); none in catalogue order.
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    SetColumnWidths({{1, 20, "000000"},
                     {2, 0},
                     {2, 0},
                     {1, 10, "000:00"},
                     {1, 0, "0000-00-00"},
                     {1, 0, "other media"}});
    connect(header(), &QHeaderView::sectionClicked, this, &CMELVARAView::OnHeaderClicked);
    connect(this, &CListPane::DoubleClicked, this, &CMELVARAView::OnEditMedia);
    m_Doc.AddView(this);
}

CMELVARAView::~CMELVARAView() {
    // Tearing down the rows must not touch the document any more.
    m_bRefilling = true;
    m_Doc.RemoveView(this);
}

void CMELVARAView::OnUpdate(CDocView*, UpdateHint hint, CMedia*) {
    if (hint == HINT_REFRESH_MEDIA)
        RefillKeepingSelection();
    else if (hint == HINT_MEDIA_DELETED || hint == HINT_CATALOGUE_LOADED)
        Refill();
    else if (hint == HINT_NEW_CATALOGUE) {
        QScopedValueRollback guard(m_bRefilling, true);
        m_Model.Clear();
        header()->setSortIndicator(-1, Qt::AscendingOrder);
    }
    emit StateChanged();
}

void CMELVARAView::Refill() {
    // A refill never changes the document's current medium.
    QScopedValueRollback guard(m_bRefilling, true);
    m_Model.Refill(m_Doc.Catalogue().Media());
    header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void CMELVARAView::RefillKeepingSelection() {
    std::vector<CMedia*> selected;
    for (int row : SelectedRows())
        selected.push_back(m_Model.MediaAt(row));
    Refill();
    QScopedValueRollback guard(m_bRefilling, true);
    QItemSelection selection;
    for (CMedia* media : selected) {
        const int row = m_Model.RowOf(media);
        if (row >= 0) selection.select(m_Model.index(row, 0), m_Model.index(row, 0));
    }
    selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // The current medium keeps its place among the rows: its row number is the new one.
    const int row = m_Model.RowOf(m_Doc.CurrentMedia());
    if (row >= 0) {
        selectionModel()->setCurrentIndex(m_Model.index(row, 0), QItemSelectionModel::NoUpdate);
        scrollTo(m_Model.index(row, 0));
    }
    m_Doc.SetCurrentMedia(m_Doc.CurrentMedia(), row);
}

void CMELVARAView::ClearSelection() {
    QScopedValueRollback guard(m_bRefilling, true);
    clearSelection();
    m_Doc.ClearCurrentMedia();
}

void CMELVARAView::OnSelectionStateChanged() {
    if (m_bRefilling) return;
    const int row = ActingRow();
    CMedia* media = m_Model.MediaAt(row);
    if (media == m_Doc.CurrentMedia() && row == m_Doc.CurrentRow()) return;
    const bool otherMedium = media != m_Doc.CurrentMedia();
    m_Doc.SetCurrentMedia(media, row);
    // A medium that only moved to another row keeps its tracks shown as they are.
    if (otherMedium) m_Doc.UpdateAllViews(this, HINT_CURRENT_MEDIA);
    emit StateChanged();
}

void CMELVARAView::keyboardSearch(const QString& search) {
    // The list's own search looks in the column of the focused cell; people read titles.
    const QModelIndex current = currentIndex();
    if (current.column() != CMediaListModel::Title1Column) {
        QScopedValueRollback guard(m_bRefilling, true);
        const int row = current.isValid() ? current.row() : 0;
        selectionModel()->setCurrentIndex(m_Model.index(row, CMediaListModel::Title1Column),
                                          QItemSelectionModel::NoUpdate);
    }
    CListPane::keyboardSearch(search);
}

void CMELVARAView::OnHeaderClicked(int column) {
    m_Model.Sort(column);
    header()->setSortIndicator(column, Qt::AscendingOrder);
    ClearSelection();
    m_Doc.UpdateAllViews(this, HINT_MEDIA_SORTED);
    emit StateChanged();
}

void CMELVARAView::OnInsertMedia() {
    CMediaSheetValues values = NewMediaValues(m_Doc.Catalogue().Media().FreeMediaIndex());
    if (!m_Prompts.RunMediaSheet(this, values)) return;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    CMedia* media = edit->AddMedia(values.title1, values.title2, values.mediaType,
                                   values.creationTime, std::move(values.information));
    ShowAddedMedium(media, std::move(edit), "Insert media");
}

// A new medium (inserted or pasted) goes on top; no medium is current afterwards.
void CMELVARAView::ShowAddedMedium(CMedia* media, std::unique_ptr<catalog::CatalogueEdit> edit,
                                   const char* stepName) {
    {
        QScopedValueRollback guard(m_bRefilling, true);
        m_Model.InsertRow(0, media);
    }
    m_Doc.CommitEdit(std::move(edit), stepName);
    ClearSelection();
    m_Doc.UpdateAllViews(this, HINT_MEDIA_ADDED);
    emit StateChanged();
}

std::vector<CMedia*> CMELVARAView::SelectedMedia() const {
    std::vector<CMedia*> media;
    for (int row : SelectedRows())
        media.push_back(m_Model.MediaAt(row));
    return media;
}

std::vector<CMedia*> CMELVARAView::OnCopy() {
    const CMedia* current = m_Doc.CurrentMedia();
    if (!current || m_Doc.CurrentRow() == -1) return {};
    std::vector<CMedia*> media = SelectedMedia();
    std::vector<catalog::MediaClip> clips;
    std::size_t currentAt = 0;
    for (const CMedia* medium : media) {
        if (medium == current) currentAt = clips.size();
        clips.push_back(catalog::MediaClipOf(*medium, m_Doc.Catalogue().Interpreters()));
    }
    if (clips.empty()) {
        // The current medium is always among the selected rows; this is only a safe net.
        media = {m_Doc.CurrentMedia()};
        clips.push_back(catalog::MediaClipOf(*current, m_Doc.Catalogue().Interpreters()));
    }
    clipboard::PutMedia(clips, currentAt);
    return media;
}

void CMELVARAView::OnCut() {
    // Only what went onto the clipboard is deleted.
    const std::vector<CMedia*> copied = OnCopy();
    if (!copied.empty()) DeleteMedia(copied, "Cut");
}

bool CMELVARAView::OnPaste() {
    if (!clipboard::HasMedia()) return true;
    const std::optional<std::vector<catalog::MediaClip>> clips = clipboard::Media();
    if (!clips) return false;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    std::vector<CMedia*> pasted;
    for (const catalog::MediaClip& clip : *clips)
        pasted.push_back(catalog::PasteMedia(*edit, clip));
    {
        QScopedValueRollback guard(m_bRefilling, true);
        for (std::size_t i = 0; i < pasted.size(); ++i)
            m_Model.InsertRow(int(i), pasted[i]);
    }
    m_Doc.CommitEdit(std::move(edit), "Paste");
    ClearSelection();
    m_Doc.UpdateAllViews(this, HINT_MEDIA_ADDED);
    // What came in is shown highlighted, where the user can see it.
    SelectMedia(pasted);
    emit StateChanged();
    return true;
}

void CMELVARAView::OnDeleteMedia() {
    DeleteMedia(SelectedMedia(), "Delete media");
}

void CMELVARAView::DeleteMedia(const std::vector<CMedia*>& doomed, const char* stepName) {
    if (doomed.empty() || !m_Prompts.Confirm(this, QString::fromLatin1(kDeleteQuestion))) return;
    // Rows refer to the records: drop them before the records go.
    {
        QScopedValueRollback guard(m_bRefilling, true);
        m_Model.Clear();
    }
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->DeleteMedia(doomed);
    m_Doc.CommitEdit(std::move(edit), stepName);
    m_Doc.ClearCurrentMedia();
    m_Doc.UpdateAllViews(nullptr, HINT_MEDIA_DELETED);
}

CMediaSheetValues CMELVARAView::ValuesOf(const CMedia& media) const {
    CMediaSheetValues values;
    values.indexText = ui::FormatIndex(media.MediaIndex());
    values.totalText = ui::FormatLength(media.TotalLength());
    values.trackCountText = QString::number(media.TrackCount());
    values.title1 = std::string(media.Title1());
    values.title2 = std::string(media.Title2());
    values.creationTime = media.CreationTime();
    values.mediaType = media.MediaType();
    values.information = media.Information();
    return values;
}

void CMELVARAView::OnEditMedia() {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media) return;
    CMediaSheetValues values = ValuesOf(*media);
    if (!m_Prompts.RunMediaSheet(this, values)) return;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->EditMedia(*media, values.title1, values.title2, values.mediaType, values.creationTime,
                    std::move(values.information));
    m_Model.RefreshMedia(media);
    m_Doc.CommitEdit(std::move(edit), "Edit media");
    emit StateChanged();
}

void CMELVARAView::OnReorder(bool up) {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media || m_Doc.CurrentRow() == -1) return;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->MoveMedia(*media, up);
    Refill();
    m_Doc.CommitEdit(std::move(edit), up ? "Reorder media up" : "Reorder media down");
    SelectMedium(media);
}

void CMELVARAView::SelectMedia(const std::vector<CMedia*>& media) {
    if (media.empty() || m_Model.RowOf(media.front()) < 0) return;
    SelectMedium(media.front());
    if (media.size() == 1) return;
    // One pass over the rows: a thousand restored media among many rows stay quick.
    const std::unordered_set<const CMedia*> others(std::next(media.begin()), media.end());
    QItemSelection more;
    for (int row = 0; row < m_Model.rowCount(); ++row)
        if (others.contains(m_Model.MediaAt(row)))
            more.select(m_Model.index(row, 0), m_Model.index(row, 0));
    selectionModel()->select(more, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CMELVARAView::SelectMedium(const CMedia* media) {
    setFocus(Qt::OtherFocusReason);
    const int row = m_Model.RowOf(media);
    if (row >= 0) SelectRow(row);
    emit StateChanged();
}
