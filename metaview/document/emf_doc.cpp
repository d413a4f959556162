#include "metaview/document/emf_doc.h"

#include "metaview/document/archive.h"
#include "metaview/document/emf_doc_template.h"
#include "metaview/document/metafile_loading.h"

#include <cctype>

bool CEMFDoc::OnOpenDocument(const std::filesystem::path& path, std::string& error) {
    const emf::PictureResult picture = metaview::LoadMetafileFile(path, error);
    if (!picture) return false;
    m_data.SetMetafile(*picture.picture);
    return true;
}

bool CEMFDoc::OnSaveDocument(const std::filesystem::path& path, std::string& error) const {
    return metaview::WriteFileAtomically(
        path, [&](metaview::ByteSink& sink) { return m_data.StoreToArchive(sink, m_bSaveCopy); },
        "there is no picture to save.", error);
}

namespace metaview {

namespace {

// ".EMF": the first extension of the document type.
std::string FirstFilterExtension() {
    const std::string ext = CEMFDocTemplate::GetDocString(CEMFDocTemplate::filterExt);
    return ext.substr(0, ext.find(';'));
}

// Where the file name's extension starts; npos when the name (not its folder) has no ".".
std::size_t ExtensionStart(std::string_view path) {
    const std::size_t namePart = path.find_last_of("/\\") + 1; // 0 when there is no folder
    const std::size_t dot = path.rfind('.');
    return dot != std::string_view::npos && dot >= namePart ? dot : std::string_view::npos;
}

} // namespace

bool SaveNeedsPrompt(std::string_view docPath) {
    const std::size_t dot = ExtensionStart(docPath);
    if (dot == std::string_view::npos) return true;
    std::string ext(docPath.substr(dot));
    for (char& c : ext)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext != FirstFilterExtension();
}

std::string EmfSaveTarget(std::string_view path) {
    std::string target(path);
    const std::size_t dot = ExtensionStart(path);
    if (dot == std::string_view::npos) return target + ".emf";
    std::string ext(path.substr(dot));
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".wmf") return target;
    // ".Wmf" and the like follow their first letter's case.
    const bool upper = std::isupper(static_cast<unsigned char>(path[dot + 1]));
    return target.substr(0, dot) + (upper ? ".EMF" : ".emf");
}

std::string ProposeSaveName(std::string_view docPath, std::string_view title, bool replace) {
    std::string name(docPath);
    if (name.empty() && replace) {
        name = title.substr(0, title.find_first_of(" #%;/\\"));
        name += FirstFilterExtension();
    }
    return name.substr(0, ExtensionStart(name)) + FirstFilterExtension();
}

} // namespace metaview
