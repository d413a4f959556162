#pragma once

#include "catalog/catalogue.h"
#include "catalog/catalogue_edit.h"
#include "catalog/file/catalogue_status.h"
#include "catalog/update_hint.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

/// Commands whose availability the document decides.
enum class DocCommand {
    DeleteMedia,
    EditMedia,
    AppendTrack,
    Print,
    PrintPreview,
    ReorderDown,
    ReorderUp,
    Copy,
    Cut,
    EditList,
    RefreshMediaList,
    ClearUnused,
};

/// The one catalogue document: owns the catalogue, the current medium, the modified flag,
/// the file it is bound to, and tells its views what changed.
class CMELVARADoc {
public:
    CMELVARADoc();
    CMELVARADoc(const CMELVARADoc&) = delete;
    CMELVARADoc& operator=(const CMELVARADoc&) = delete;

    /// Replaces the catalogue with an empty one, unbinds the file, sends HINT_NEW_CATALOGUE.
    bool OnNewDocument();
    /// Replaces the catalogue with the file's and sends HINT_CATALOGUE_LOADED in any case.
    /// Only a successful load binds the document to path; a failed one leaves it untitled
    /// (so a later save cannot overwrite the unreadable file) with what could be read,
    /// marked modified when that is anything.
    catalog::CatalogueStatus OnOpenDocument(const std::string& path);
    /// Saves to path (keeping the old file on failure); on success binds to path and
    /// clears the modified flag.
    catalog::CatalogueStatus OnSaveDocument(const std::string& path);

    CCatalogue& Catalogue() { return *m_pCatalogue; }
    const CCatalogue& Catalogue() const { return *m_pCatalogue; }

    /// The medium selected in the media list and its row; nullptr and -1 when none.
    CMedia* CurrentMedia() const { return m_pCurrentMedia; }
    int CurrentRow() const { return m_nCurrentRow; }
    void SetCurrentMedia(CMedia* media, int row);
    void ClearCurrentMedia() { SetCurrentMedia(nullptr, -1); }

    /// Where committed steps go (the program's undo history); without one they are
    /// simply kept done.
    using EditSink = std::function<void(std::unique_ptr<catalog::CatalogueEdit>, std::string)>;
    void SetEditSink(EditSink sink) { m_EditSink = std::move(sink); }
    /// Marks the document modified and hands the carried-out step, named for the Undo
    /// and Redo captions, to the sink. A step that changed nothing is dropped.
    void CommitEdit(std::unique_ptr<catalog::CatalogueEdit> edit, std::string name);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    /// The bound file, empty when untitled; the title is its file name.
    const std::string& GetPathName() const { return m_PathName; }
    /// Binds the document to another file without reading or writing it (a restored
    /// recovery copy belongs to the file it was taken of).
    void SetPathName(std::string path) { m_PathName = std::move(path); }
    std::string GetTitle() const;

    void AddView(CDocView* view);
    void RemoveView(CDocView* view);
    /// Tells every view except sender; views may be added or removed meanwhile.
    void UpdateAllViews(CDocView* sender, UpdateHint hint, CMedia* record = nullptr);

    /// "Append track": HINT_APPEND_TRACK when there is a current medium.
    void OnAppendTrack();
    /// "Refresh media list": HINT_REFRESH_MEDIA.
    void OnRefreshMediaList();
    /// "Clear unused": deletes every interpreter no track refers to as one step; returns
    /// how many.
    std::size_t OnClearUnused();
    /// The document's enabling rule: commands that need a medium are off without one.
    bool IsCommandEnabled(DocCommand command) const;

private:
    void ReplaceCatalogue();

    std::unique_ptr<CCatalogue> m_pCatalogue;
    CMedia* m_pCurrentMedia = nullptr;
    int m_nCurrentRow = -1;
    bool m_bModified = false;
    std::string m_PathName;
    std::vector<CDocView*> m_Views;
    EditSink m_EditSink;
};
