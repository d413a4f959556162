#pragma once
// The document type that owns the two extensions ".EMF" and ".WMF".

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

class CEMFDocTemplate {
public:
    /// The substrings of the document string, in its order.
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    /// How well a path fits this document type.
    enum Confidence { yesAttemptForeign, yesAttemptNative, yesAlreadyOpen };
    struct Match {
        Confidence confidence = yesAttemptForeign;
        std::ptrdiff_t document = -1; ///< the open document's index when yesAlreadyOpen
    };

    static constexpr std::string_view kDocString = "\nUntitled\nEMF_File\nMetafiles (*.EMF; "
                                                   "*.WMF)\n.EMF;.WMF\nEMF.Document\nEMF Document";

    /// A substring of the document string; the filter extension comes with "*" after its
    /// ";" (".EMF;*.WMF") so file dialogs filter on both extensions.
    static std::string GetDocString(DocStringIndex index);

    /// An open document with exactly this path (byte-wise) is already open; otherwise the
    /// path's extension, compared without case, decides between native and foreign.
    static Match MatchDocType(std::string_view path, std::span<const std::string> openPaths);
};

namespace metaview {

/// ".EMF;.WMF" becomes ".EMF;*.WMF": "*" after the first ";"; texts without ";" stay.
std::string InsertFilterWildcard(std::string_view extensions);

} // namespace metaview
