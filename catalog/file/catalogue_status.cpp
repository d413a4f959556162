#include "catalog/file/catalogue_status.h"

#include <cerrno>
#include <cstdio>

namespace catalog {

std::string CatalogueStatus::Message() const {
    char text[64];
    switch (kind) {
    case Ok:
        return {};
    case InvalidFile:
        return "Invalid file! This is no Melvara file!";
    case ReadError:
        std::snprintf(text, sizeof text, "Error %d while reading from the given file!", cause);
        return text;
    case WriteError:
        std::snprintf(text, sizeof text, "Error %d while writing to the given file!", cause);
        return text;
    }
    return {};
}

FileErrorCause CauseFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return CauseNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return CauseAccessDenied;
    case EISDIR:
        return CauseInvalidFile;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return CauseDiskFull;
    default:
        return CauseGeneric;
    }
}

} // namespace catalog
