// Reads arbitrary bytes as a CSV import. What parses must add to a catalogue as one step
// that undoes to the empty catalogue, and the export of the result must parse again.
#include "catalog/file/catalogue_csv.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = catalog::ParseCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* media = std::get_if<catalog::CsvMedia>(&parsed);
    if (!media) return 0;
    CCatalogue catalogue;
    std::vector<std::byte> empty, undone;
    catalogue.Save(empty);
    catalog::CatalogueEdit edit(catalogue);
    catalog::AddNewMedia(edit, media->media);
    if (std::holds_alternative<catalog::CsvError>(catalog::ParseCsv(catalog::ExportCsv(catalogue))))
        __builtin_trap();
    edit.Undo();
    catalogue.Save(undone);
    if (undone != empty) __builtin_trap();
    return 0;
}
