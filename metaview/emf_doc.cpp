#include "metaview/emf_doc.h"

#include "metaview/archive.h"
#include "metaview/emf_doc_template.h"

bool CEMFDoc::OnOpenDocument(const std::filesystem::path& path, std::string& error) {
    auto bytes = metaview::ReadFileBytes(path, error);
    if (!bytes) return false;
    if (m_data.LoadFromArchive(std::move(*bytes), error)) return true;
    error = "\"" + path.string() + "\": " + error;
    return false;
}

bool CEMFDoc::OnSaveDocument(const std::filesystem::path& path, std::string& error) const {
    return metaview::WriteFileAtomically(
        path, [&](metaview::ByteSink& sink) { return m_data.StoreToArchive(sink, m_bSaveCopy); },
        "there is no picture to save.", error);
}

namespace metaview {

std::string ProposeSaveName(std::string_view docPath, std::string_view title, bool replace) {
    const std::string firstExt = [] {
        const std::string ext = CEMFDocTemplate::GetDocString(CEMFDocTemplate::filterExt);
        return ext.substr(0, ext.find(';'));
    }();
    std::string name(docPath);
    if (name.empty() && replace) {
        name = title.substr(0, title.find_first_of(" #%;/\\"));
        name += firstExt;
    }
    const std::size_t namePart = name.find_last_of("/\\") + 1; // 0 when there is no folder
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot >= namePart) name.erase(dot);
    return name + ".EMF";
}

} // namespace metaview
