#pragma once

class CMedia;

/// What changed, as told to the views with CMELVARADoc::UpdateAllViews.
enum UpdateHint : int {
    HINT_MEDIA_ADDED = 0,      ///< a medium was added or pasted; no current medium
    HINT_CURRENT_MEDIA = 1,    ///< the current medium changed or was cleared
    HINT_APPEND_TRACK = 2,     ///< "Append track": add a track at the end of the current medium
    HINT_TRACKS_CHANGED = 3,   ///< the track list refreshes itself (never sent by the document)
    HINT_TRACKS_REFILL = 4,    ///< the track list refreshes itself (never sent by the document)
    HINT_MEDIA_DELETED = 5,    ///< media were deleted; no current medium
    HINT_NEW_CATALOGUE = 6,    ///< a new, empty catalogue replaced the old one
    HINT_CATALOGUE_LOADED = 7, ///< a loaded catalogue replaced the old one
    HINT_MEDIA_SORTED = 8,     ///< the media list view sorted its rows; no current medium
    HINT_REFRESH_MEDIA = 9,    ///< rebuild the media list rows from the catalogue
};

/// A view of the document. On hints 5, 6 and 7 it drops every record reference it holds.
class CDocView {
public:
    virtual ~CDocView() = default;
    /// sender is the view that caused the change (or nullptr); record is nullptr for every
    /// hint the document sends.
    virtual void OnUpdate(CDocView* sender, UpdateHint hint, CMedia* record) = 0;
};
