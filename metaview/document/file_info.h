#pragma once
// The rows of the "EMF File Information" dialog: description strings and header fields.

#include "emf/enh_metafile.h"

#include <array>
#include <string>
#include <string_view>

namespace metaview {

/// One row: the label and the value text.
struct FileInfoRow {
    std::string label;
    std::string value;
};

inline constexpr std::size_t kFileInfoRowCount = 17;

/// The application and picture names of a description ("app\0picture\0\0"); both are
/// empty without a description, and a name without its NUL ends at the end of the text.
struct DescriptionStrings {
    std::string application;
    std::string picture;
};
DescriptionStrings SplitDescription(std::string_view description);

/// The 17 rows for a picture's header and ANSI description, in dialog order.
std::array<FileInfoRow, kFileInfoRowCount> FileInformationRows(const emf::EnhMetaHeader& header,
                                                               std::string_view description);

} // namespace metaview
