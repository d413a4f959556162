#pragma once
// The viewer's document: one picture with its inspection state and the two save options.

#include "metaview/document/emf_data.h"

#include <filesystem>
#include <string>
#include <string_view>

class CEMFDoc {
public:
    CEMFData& Data() { return m_data; }
    const CEMFData& Data() const { return m_data; }

    /// Loads the file; false with a message naming the cause, the document unchanged.
    bool OnOpenDocument(const std::filesystem::path& path, std::string& error);
    /// Writes the picture as m_bSaveCopy says through a temporary file that replaces path
    /// only when complete; false with a message, any old file at path untouched.
    bool OnSaveDocument(const std::filesystem::path& path, std::string& error) const;

    /// 1: save a byte copy of the loaded EMF; 0: save what is currently seen.
    bool m_bSaveCopy = true;
    /// 1: ask for the save option before each Save As.
    bool m_bAskSaveOption = true;

private:
    CEMFData m_data;
};

namespace metaview {

/// The name Save As proposes: the document's path, or for a document without one (when
/// replacing) its title up to the first of " #%;/\" plus ".EMF"; the file name's extension
/// then becomes ".EMF" (appended when the name has none).
std::string ProposeSaveName(std::string_view docPath, std::string_view title, bool replace);

/// The file Save As writes for the name the user chose: EMF bytes only ever, so a ".wmf"
/// name (any case) becomes ".emf" in the same case and a name without an extension gets
/// ".emf"; any other name stays as chosen.
std::string EmfSaveTarget(std::string_view path);

/// Whether a plain Save must go through the save prompt: the document has no path, or its
/// file is not named ".EMF" (case aside), so a WMF is never overwritten with EMF bytes under
/// its old name.
bool SaveNeedsPrompt(std::string_view docPath);

} // namespace metaview
