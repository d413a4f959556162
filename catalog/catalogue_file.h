#pragma once

#include "catalog/catalogue.h"
#include "catalog/catalogue_status.h"

#include <cstddef>
#include <span>
#include <string>

namespace catalog {

/// Reads the file into the (empty) catalogue; a file that cannot be read is a read error.
CatalogueStatus LoadCatalogueFile(CCatalogue& catalogue, const std::string& path);
/// Writes the catalogue so that the old file survives any failure (see WriteFileAtomically).
CatalogueStatus SaveCatalogueFile(const CCatalogue& catalogue, const std::string& path);
/// Writes a temporary file beside path, flushes it to disk and only then renames it over
/// path. On failure the temporary file is removed and path is untouched.
CatalogueStatus WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes);

} // namespace catalog
