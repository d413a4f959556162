#include "catalog_app/cli/search_command.h"

#include "catalog_app/panes/search_results_model.h"
#include "catalog_app/panes/search_view.h"

#include "catalog/catalogue.h"
#include "catalog/cp1252.h"
#include "catalog/file/catalogue_file.h"

#include <QFile>

namespace {

void WriteRow(std::ostream& out, const CMedia& media, const CTrack* track,
              const CInterpreterList& interpreters) {
    out << SearchHitTexts(media, track, interpreters).join(QLatin1Char('\t')).toStdString() << '\n';
}

} // namespace

int RunSearchCommand(const QString& text, const QString& path, std::ostream& out,
                     std::ostream& err) {
    CCatalogue catalogue;
    const catalog::CatalogueStatus status =
        catalog::LoadCatalogueFile(catalogue, QFile::encodeName(path).toStdString());
    if (!status.ok()) {
        err << "melvara: " << path.toStdString() << ": " << status.Message() << '\n';
        return 1;
    }
    // No stored text holds a character the code page cannot: such a text finds nothing
    // (rather than the '?' it would turn into).
    bool unstorable = false;
    const std::string query = catalog::Utf8ToCp1252(text.toStdString(), &unstorable);
    if (unstorable) return 0;
    const SearchResults& results = catalogue.Search(query);
    if (results.mediaHitCount == SEARCH_HIT_LIMIT || results.trackHitCount == SEARCH_HIT_LIMIT)
        err << SearchLimitMessage(results.mediaHitCount + results.trackHitCount).toStdString()
            << '\n';
    for (std::uint32_t i = 0; i < results.mediaHitCount; ++i)
        WriteRow(out, *results.mediaHits[i], nullptr, catalogue.Interpreters());
    for (std::uint32_t j = 0; j < results.trackHitCount; ++j)
        WriteRow(out, *results.trackHitMedia[j], results.trackHits[j], catalogue.Interpreters());
    out.flush();
    return 0;
}
