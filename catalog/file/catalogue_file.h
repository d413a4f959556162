#pragma once

#include "catalog/catalogue.h"
#include "catalog/file/byte_stream.h"
#include "catalog/file/catalogue_status.h"

#include <functional>
#include <string>

namespace catalog {

/// Reads the file into the (empty) catalogue; a file that cannot be read is a read error.
CatalogueStatus LoadCatalogueFile(CCatalogue& catalogue, const std::string& path);
/// Writes the catalogue so that the old file survives any failure (see WriteFileAtomically).
CatalogueStatus SaveCatalogueFile(const CCatalogue& catalogue, const std::string& path);
/// Produces a file's bytes into a sink; false when it could not.
using FileContent = std::function<bool(const ByteSink&)>;

/// Writes the content to a temporary file beside path (or beside the file a link at path
/// points to), flushes it to disk and only then renames it over that file. On failure the
/// temporary file is removed and the old file is untouched.
CatalogueStatus WriteFileAtomically(const std::string& path, const FileContent& content);

} // namespace catalog
