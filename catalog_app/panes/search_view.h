#pragma once

#include "catalog_app/panes/list_pane.h"
#include "catalog_app/panes/search_results_model.h"

#include "catalog/update_hint.h"

class CMELVARADoc;
class CPrompts;

/// The text shown when a search stopped at the capacity of the result block.
QString SearchLimitMessage(std::uint32_t entries);

/// The lower pane: the hits of the last search, medium hits first, then track hits. A
/// double click (or Enter) on a hit asks for its medium, then its track, to be selected.
class CSearchView : public CListPane, public CDocView {
    Q_OBJECT
public:
    CSearchView(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent = nullptr);
    ~CSearchView() override;

    /// Searches the catalogue for the text and shows the hits; returns what was found, in
    /// words for the status bar.
    QString RunSearch(const QString& text);
    void OnUpdate(CDocView* sender, UpdateHint hint, CMedia* record) override;

    const CSearchResultsModel& Model() const { return m_Model; }

signals:
    /// Posted, in this order, after a hit was chosen: its medium, then (for a track hit)
    /// its track.
    void SelectMediumRequested(const CMedia* media);
    void SelectTrackRequested(const CTrack* track);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnActivated(const QModelIndex& index);

    CMELVARADoc& m_Doc;
    CPrompts& m_Prompts;
    CSearchResultsModel m_Model;
};
