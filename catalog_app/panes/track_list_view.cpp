#include "catalog_app/panes/track_list_view.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/clipboard_exchange.h"
#include "catalog_app/ui/dialog_values.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/file/clipboard_paste.h"
#include "catalog/melvara_doc.h"

#include <QHeaderView>
#include <QScopedValueRollback>

CMediaView::CMediaView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent)
    : CListPane(parent), m_Doc(doc), m_Prompts(prompts), m_Model(this) {
    setModel(&m_Model);
    header()->setSectionsClickable(false);
    SetColumnWidths({{1, 20, "000000"}, {5, 0}, {1, 20, "000:00"}, {2, 0}});
    connect(this, &CListPane::DoubleClicked, this, &CMediaView::OnEditTrack);
    m_Doc.AddView(this);
}

CMediaView::~CMediaView() {
    m_bRefilling = true;
    m_Doc.RemoveView(this);
}

void CMediaView::OnUpdate(CDocView*, UpdateHint hint, CMedia*) {
    switch (hint) {
    case HINT_APPEND_TRACK:
        OpenTrackDialog(TRACK_APPEND);
        break;
    case HINT_MEDIA_DELETED:
    case HINT_NEW_CATALOGUE:
    case HINT_CATALOGUE_LOADED:
    case HINT_MEDIA_SORTED:
        Empty();
        break;
    default:
        // A list left over from a medium that is no longer current would invite commands
        // on tracks the user does not see as chosen.
        if (m_Doc.CurrentMedia())
            Refill();
        else
            Empty();
    }
    emit StateChanged();
}

void CMediaView::Empty() {
    QScopedValueRollback guard(m_bRefilling, true);
    m_Model.Clear();
    SetCurrentTrack(nullptr, -1);
}

void CMediaView::Refill() {
    const CMedia* media = m_Doc.CurrentMedia();
    if (!media) return;
    QScopedValueRollback guard(m_bRefilling, true);
    SetCurrentTrack(nullptr, -1);
    m_Model.Refill(*media, m_Doc.Catalogue().Interpreters());
}

void CMediaView::SetCurrentTrack(const CTrack* track, int row) {
    m_pCurrentTrack = track;
    m_nCurrentRow = track ? row : -1;
}

void CMediaView::OnSelectionStateChanged() {
    if (m_bRefilling) return;
    const int row = ActingRow();
    if (row == m_nCurrentRow && m_Model.TrackAt(row) == m_pCurrentTrack) return;
    SetCurrentTrack(m_Model.TrackAt(row), row);
    emit StateChanged();
}

void CMediaView::AfterTrackChange(std::unique_ptr<catalog::CatalogueEdit> edit, const char* name) {
    m_Doc.CommitEdit(std::move(edit), name);
    emit TracksChanged(m_Doc.CurrentMedia());
    emit StateChanged();
}

void CMediaView::OpenTrackDialog(std::uint32_t position) {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media) return;
    CTrackDialogValues values;
    if (position == 0 || position == 1)
        values.indexText = ui::FormatIndex(1);
    else
        values.indexText =
            ui::FormatIndex(position == TRACK_APPEND ? media->TrackCount() + 1 : position);
    values.title = "New Track";
    values.interpreter = m_nLastInterpreter;
    auto edit = RunTrackDialog(values);
    if (!edit) return;
    m_nLastInterpreter = values.interpreter;
    const CTrack* track =
        edit->AddTrack(*media, values.title, values.length, values.interpreter, position);
    ShowAddedTrack(track, position, std::move(edit),
                   position == TRACK_APPEND ? "Append track" : "Insert track");
}

// An appended track gets its row; anywhere else the list refills without a current track.
void CMediaView::ShowAddedTrack(const CTrack* track, std::uint32_t position,
                                std::unique_ptr<catalog::CatalogueEdit> edit,
                                const char* stepName) {
    if (position == TRACK_APPEND) {
        QScopedValueRollback guard(m_bRefilling, true);
        m_Model.AppendRow(track);
    } else {
        Refill();
    }
    AfterTrackChange(std::move(edit), stepName);
}

std::unique_ptr<catalog::CatalogueEdit> CMediaView::RunTrackDialog(CTrackDialogValues& values) {
    // The dialog adds a new interpreter name itself; the step takes it over.
    const std::size_t interpreters = m_Doc.Catalogue().Interpreters().Count();
    if (!m_Prompts.RunTrackDialog(this, m_Doc.Catalogue(), values)) return nullptr;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->TakeOverAddedInterpreter(values.interpreter, interpreters);
    return edit;
}

std::vector<const CTrack*> CMediaView::SelectedTracks() const {
    std::vector<const CTrack*> tracks;
    for (int row : SelectedRows())
        tracks.push_back(m_Model.TrackAt(row));
    return tracks;
}

std::vector<const CTrack*> CMediaView::OnCopy() {
    if (!m_pCurrentTrack) return {};
    std::vector<const CTrack*> tracks = SelectedTracks();
    if (tracks.empty()) tracks = {m_pCurrentTrack};
    std::vector<catalog::TrackClip> clips;
    std::size_t currentAt = 0;
    for (const CTrack* track : tracks) {
        if (track == m_pCurrentTrack) currentAt = clips.size();
        clips.push_back(catalog::TrackClipOf(*track, m_Doc.Catalogue().Interpreters()));
    }
    clipboard::PutTrack(clips, currentAt);
    return tracks;
}

void CMediaView::OnCut() {
    // Only what went onto the clipboard is deleted.
    const std::vector<const CTrack*> copied = OnCopy();
    if (!copied.empty()) DeleteTracks(copied, "Cut");
}

bool CMediaView::OnPaste() {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media || !clipboard::HasTrack()) return true;
    const std::optional<std::vector<catalog::TrackClip>> clips = clipboard::Track();
    if (!clips) return false;
    const bool append = m_nCurrentRow == -1;
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    std::vector<const CTrack*> pasted;
    for (std::size_t i = 0; i < clips->size(); ++i) {
        const std::uint32_t position = append ? TRACK_APPEND : std::uint32_t(m_nCurrentRow + 1 + i);
        pasted.push_back(catalog::PasteTrack(*edit, *media, (*clips)[i], position));
    }
    if (append) {
        QScopedValueRollback guard(m_bRefilling, true);
        for (const CTrack* track : pasted)
            m_Model.AppendRow(track);
    } else {
        Refill();
    }
    AfterTrackChange(std::move(edit), "Paste");
    SelectTracks(pasted);
    return true;
}

void CMediaView::SelectTracks(const std::vector<const CTrack*>& tracks) {
    if (tracks.empty()) return;
    SelectTrack(tracks.front());
    QItemSelection more;
    for (const CTrack* track : tracks) {
        const int row = m_Model.RowOf(track);
        if (row >= 0) more.select(m_Model.index(row, 0), m_Model.index(row, 0));
    }
    selectionModel()->select(more, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CMediaView::OnInsertTrack() {
    if (m_Doc.CurrentMedia()) OpenTrackDialog(std::uint32_t(m_nCurrentRow + 1));
}

void CMediaView::OnDeleteTrack() {
    DeleteTracks(SelectedTracks(), "Delete track");
}

void CMediaView::DeleteTracks(const std::vector<const CTrack*>& tracks, const char* stepName) {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media || tracks.empty()) return;
    {
        QScopedValueRollback guard(m_bRefilling, true);
        m_Model.Clear();
    }
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->DeleteTracks(*media, tracks);
    SetCurrentTrack(nullptr, -1);
    Refill();
    AfterTrackChange(std::move(edit), stepName);
}

void CMediaView::OnEditTrack() {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media || !m_pCurrentTrack) return;
    CTrackDialogValues values;
    values.indexText = ui::FormatIndex(m_pCurrentTrack->TrackIndex());
    values.title = std::string(m_pCurrentTrack->Title());
    values.length = m_pCurrentTrack->Length();
    values.interpreter = m_pCurrentTrack->InterpreterIndex();
    auto edit = RunTrackDialog(values);
    if (!edit) return;
    const CTrack* track = edit->EditTrack(*media, values.title, values.length, values.interpreter,
                                          m_pCurrentTrack->TrackIndex());
    if (!track) return;
    SetCurrentTrack(track, m_Model.RowOf(track));
    m_Model.RefreshTrack(track);
    AfterTrackChange(std::move(edit), "Edit track");
}

void CMediaView::OnReorder(bool up) {
    CMedia* media = m_Doc.CurrentMedia();
    if (!media || !m_pCurrentTrack) return;
    const std::uint32_t index = m_pCurrentTrack->TrackIndex();
    if (up ? index < 2 : index == media->TrackCount()) return;
    const int row = m_nCurrentRow + (up ? -1 : 1);
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    edit->MoveTrack(*media, index, up);
    Refill();
    SelectRow(row);
    AfterTrackChange(std::move(edit), up ? "Reorder track up" : "Reorder track down");
}

void CMediaView::SelectTrack(const CTrack* track) {
    setFocus(Qt::OtherFocusReason);
    const int row = m_Model.RowOf(track);
    if (row >= 0) SelectRow(row);
    emit StateChanged();
}
