#include "catalog/melvara_doc.h"

#include "catalog/file/catalogue_file.h"

#include <algorithm>

CMELVARADoc::CMELVARADoc() : m_pCatalogue(std::make_unique<CCatalogue>()) {}

void CMELVARADoc::ReplaceCatalogue() {
    ClearCurrentMedia();
    m_pCatalogue = std::make_unique<CCatalogue>();
}

bool CMELVARADoc::OnNewDocument() {
    m_PathName.clear();
    m_bModified = false;
    ReplaceCatalogue();
    UpdateAllViews(nullptr, HINT_NEW_CATALOGUE);
    return true;
}

catalog::CatalogueStatus CMELVARADoc::OnOpenDocument(const std::string& path) {
    ReplaceCatalogue();
    catalog::CatalogueStatus status = catalog::LoadCatalogueFile(*m_pCatalogue, path);
    // Bound to a file it could not read, the next Save would replace the user's file with
    // whatever part of it was understood.
    m_PathName = status.ok() ? path : std::string();
    // What was recovered from a damaged file exists nowhere else: it must not be dropped
    // without the save question.
    m_bModified = !status.ok() &&
                  (m_pCatalogue->Media().Count() != 0 || m_pCatalogue->Interpreters().Count() != 0);
    UpdateAllViews(nullptr, HINT_CATALOGUE_LOADED);
    return status;
}

catalog::CatalogueStatus CMELVARADoc::OnSaveDocument(const std::string& path) {
    catalog::CatalogueStatus status = catalog::SaveCatalogueFile(*m_pCatalogue, path);
    if (status.ok()) {
        m_PathName = path;
        m_bModified = false;
    }
    return status;
}

void CMELVARADoc::SetCurrentMedia(CMedia* media, int row) {
    m_pCurrentMedia = media;
    m_nCurrentRow = media ? row : -1;
}

std::string CMELVARADoc::GetTitle() const {
    return m_PathName.substr(m_PathName.rfind('/') + 1);
}

void CMELVARADoc::AddView(CDocView* view) {
    if (std::ranges::find(m_Views, view) == m_Views.end()) m_Views.push_back(view);
}

void CMELVARADoc::RemoveView(CDocView* view) {
    std::erase(m_Views, view);
}

void CMELVARADoc::UpdateAllViews(CDocView* sender, UpdateHint hint, CMedia* record) {
    // A view may add or remove views while it reacts; walk a copy and skip the removed.
    const std::vector<CDocView*> views = m_Views;
    for (CDocView* view : views) {
        if (view == sender || std::ranges::find(m_Views, view) == m_Views.end()) continue;
        view->OnUpdate(sender, hint, record);
    }
}

void CMELVARADoc::OnAppendTrack() {
    if (m_nCurrentRow != -1 && m_pCurrentMedia) UpdateAllViews(nullptr, HINT_APPEND_TRACK);
}

void CMELVARADoc::OnRefreshMediaList() {
    UpdateAllViews(nullptr, HINT_REFRESH_MEDIA);
}

void CMELVARADoc::CommitEdit(std::unique_ptr<catalog::CatalogueEdit> edit, std::string name) {
    if (!edit || edit->IsEmpty()) return;
    m_bModified = true;
    if (m_EditSink) m_EditSink(std::move(edit), std::move(name));
}

std::size_t CMELVARADoc::OnClearUnused() {
    auto edit = std::make_unique<catalog::CatalogueEdit>(*m_pCatalogue);
    const std::size_t removed = edit->ClearUnusedInterpreters();
    CommitEdit(std::move(edit), "Clear unused");
    return removed;
}

bool CMELVARADoc::IsCommandEnabled(DocCommand command) const {
    switch (command) {
    case DocCommand::EditList:
    case DocCommand::RefreshMediaList:
    case DocCommand::ClearUnused:
        return true;
    default:
        return m_nCurrentRow != -1;
    }
}
