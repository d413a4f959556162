#pragma once

#include <string>

namespace catalog {

/// Numeric causes shown in the read and write error messages.
enum FileErrorCause : int {
    CauseNone = 0,
    CauseGeneric = 1,      ///< any other input/output failure
    CauseNotFound = 2,     ///< the file or its folder does not exist
    CauseAccessDenied = 5, ///< no permission, or the folder is read-only
    CauseInvalidFile = 6,  ///< the path names something that is no regular file
    CauseDiskFull = 13,    ///< no space left, or the file size limit was reached
    CauseEndOfFile = 14,   ///< the data ends inside a record (a file cut short)
};

/// The outcome of loading or saving a catalogue, with the message the user sees.
struct CatalogueStatus {
    enum Kind { Ok, InvalidFile, ReadError, WriteError };
    Kind kind = Ok;
    FileErrorCause cause = CauseNone;

    bool ok() const { return kind == Ok; }
    /// "Invalid file! This is no Melvara file!" or the read/write error text; empty when ok.
    std::string Message() const;
};

/// Maps a system error number to a cause.
FileErrorCause CauseFromErrno(int error);

} // namespace catalog
