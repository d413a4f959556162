#pragma once

#include "catalog_app/panes/list_pane.h"
#include "catalog_app/panes/media_list_model.h"

#include "catalog/update_hint.h"

#include <memory>
#include <vector>

namespace catalog {
class CatalogueEdit;
}

class CMELVARADoc;
class CPrompts;
struct CMediaSheetValues;

/// The media pane: every medium of the catalogue, the newest index on top. The focused
/// selected row is the document's current medium; with nothing selected there is none.
class CMELVARAView : public CListPane, public CDocView {
    Q_OBJECT
public:
    CMELVARAView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent = nullptr);
    ~CMELVARAView() override;

    void OnUpdate(CDocView* sender, UpdateHint hint, CMedia* record) override;

    void OnInsertMedia();
    void OnDeleteMedia();
    void OnEditMedia();
    /// Puts every selected medium with its tracks on the clipboard, in list order, the
    /// current one also alone; returns them.
    std::vector<CMedia*> OnCopy();
    /// Copy, then Delete media (with its question) of exactly the media copied.
    void OnCut();
    /// Adds the clipboard's media on top, in their order, as one step, and selects them; no
    /// current medium is needed. False when the clipboard offers media that cannot be
    /// read; the catalogue is then unchanged.
    bool OnPaste();
    /// Up gives the current medium the next higher index, down the next lower one.
    void OnReorder(bool up);
    /// Selects the rows of the media, the first one current; media no row shows are left
    /// out (nothing at all when the first is).
    void SelectMedia(const std::vector<CMedia*>& media);
    /// Selects the medium's row (a search hit); nothing when no row shows it.
    void SelectMedium(const CMedia* media);
    /// Shows the medium's values again after its tracks changed.
    void RefreshMedia(const CMedia* media) { m_Model.RefreshMedia(media); }

    const CMediaListModel& Model() const { return m_Model; }
    /// Type-ahead: the typed letters find the next row whose first title begins with them.
    void keyboardSearch(const QString& search) override;

signals:
    /// The document's current medium or the catalogue changed.
    void StateChanged();

protected:
    void OnSelectionStateChanged() override;

private:
    void OnHeaderClicked(int column);
    void Refill();
    void ShowAddedMedium(CMedia* media, std::unique_ptr<catalog::CatalogueEdit> edit,
                         const char* stepName);
    /// Deletes the media after the question, as one step.
    void DeleteMedia(const std::vector<CMedia*>& doomed, const char* stepName);
    std::vector<CMedia*> SelectedMedia() const;
    /// Refills and selects again the media that were selected, the current one focused.
    void RefillKeepingSelection();
    /// Drops the selection together with the document's current medium.
    void ClearSelection();
    CMediaSheetValues ValuesOf(const CMedia& media) const;

    CMELVARADoc& m_Doc;
    CPrompts& m_Prompts;
    CMediaListModel m_Model;
    bool m_bRefilling = false;
};
