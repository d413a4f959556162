#pragma once

#include "catalog_app/panes/list_pane.h"
#include "catalog_app/panes/track_list_model.h"

#include "catalog/update_hint.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace catalog {
class CatalogueEdit;
}
struct CTrackDialogValues;

class CMELVARADoc;
class CPrompts;

/// The track pane: exactly the tracks of the document's current medium in track order,
/// nothing without one. Its focused selected row is the current track.
class CMediaView : public CListPane, public CDocView {
    Q_OBJECT
public:
    CMediaView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent = nullptr);
    ~CMediaView() override;

    void OnUpdate(CDocView* sender, UpdateHint hint, CMedia* record) override;

    /// Asks for a new track and adds it at position (1-based; TRACK_APPEND for the end).
    void OpenTrackDialog(std::uint32_t position);
    void OnInsertTrack();
    void OnDeleteTrack();
    void OnEditTrack();
    /// Puts every selected track on the clipboard, in list order, the current one also
    /// alone; returns them.
    std::vector<const CTrack*> OnCopy();
    /// Copy, then Delete track (without a question) of exactly the tracks copied.
    void OnCut();
    /// Adds the clipboard's tracks, in their order and as one step, before the current
    /// track, or at the end without one, and selects them. False when the clipboard offers
    /// tracks that cannot be read; nothing changes then.
    bool OnPaste();
    /// Up exchanges the current track with its predecessor, down with its successor.
    void OnReorder(bool up);
    /// Selects the track's row (a search hit); nothing when no row shows it.
    void SelectTrack(const CTrack* track);

    bool HasCurrentTrack() const { return m_nCurrentRow != -1; }
    const CTrack* CurrentTrack() const { return m_pCurrentTrack; }
    int CurrentRow() const { return m_nCurrentRow; }
    const CTrackListModel& Model() const { return m_Model; }

signals:
    /// The current track changed or tracks were changed.
    void StateChanged();
    /// Tracks of the medium were added, changed or removed, so its total changed.
    void TracksChanged(const CMedia* media);

protected:
    void OnSelectionStateChanged() override;

private:
    void Refill();
    void Empty();
    void SetCurrentTrack(const CTrack* track, int row);
    /// Runs the track dialog; a step ready for the change when the user chose OK.
    std::unique_ptr<catalog::CatalogueEdit> RunTrackDialog(CTrackDialogValues& values);
    /// Commits the step and tells that the medium's tracks changed.
    void AfterTrackChange(std::unique_ptr<catalog::CatalogueEdit> edit, const char* stepName);
    void ShowAddedTrack(const CTrack* track, std::uint32_t position,
                        std::unique_ptr<catalog::CatalogueEdit> edit, const char* stepName);
    /// Deletes every selected track as one step.
    void DeleteTracks(const std::vector<const CTrack*>& tracks, const char* stepName);
    std::vector<const CTrack*> SelectedTracks() const;
    /// Selects the tracks' rows, the first one current.
    void SelectTracks(const std::vector<const CTrack*>& tracks);

    CMELVARADoc& m_Doc;
    CPrompts& m_Prompts;
    CTrackListModel m_Model;
    const CTrack* m_pCurrentTrack = nullptr;
    int m_nCurrentRow = -1;
    std::uint32_t m_nLastInterpreter = 0;
    bool m_bRefilling = false;
};
