#include "catalog_app/exchange/csv_exchange.h"

#include "catalog/file/catalogue_csv.h"
#include "catalog/file/catalogue_file.h"
#include "catalog/melvara_doc.h"

#include <QFile>

#include <memory>
#include <variant>

namespace csv {
namespace {

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString ImportedMessage(const catalog::ImportCounts& counts, std::size_t replaced) {
    QString message = QStringLiteral("Imported %1 media, %2 tracks and %3 new interpreters.")
                          .arg(counts.media)
                          .arg(counts.tracks)
                          .arg(counts.interpreters);
    if (replaced != 0)
        message += QStringLiteral("\n\n%1 texts held characters that a catalogue cannot "
                                  "store; they show \"?\" instead.")
                       .arg(replaced);
    return message;
}

} // namespace

QString ExportFile(const CCatalogue& catalogue, const QString& path) {
    const std::string text = catalog::ExportCsv(catalogue);
    const catalog::CatalogueStatus status =
        catalog::WriteFileAtomically(FilePath(path), [&](const catalog::ByteSink& sink) {
            return sink(std::as_bytes(std::span(text)));
        });
    return status.ok() ? QString() : QString::fromStdString(status.Message());
}

ImportOutcome ImportFile(CMELVARADoc& doc, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    const auto parsed = catalog::ParseCsv(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* error = std::get_if<catalog::CsvError>(&parsed))
        return {false, QStringLiteral("Nothing was imported: line %1 of %2: %3.")
                           .arg(error->line)
                           .arg(path, QString::fromStdString(error->message))};
    const catalog::CsvMedia& media = std::get<catalog::CsvMedia>(parsed);
    auto edit = std::make_unique<catalog::CatalogueEdit>(doc.Catalogue());
    const catalog::ImportCounts counts = catalog::AddNewMedia(*edit, media.media);
    CMedia* last = edit->FocusMedia().empty() ? nullptr : edit->FocusMedia().back();
    doc.CommitEdit(std::move(edit), "Import CSV");
    return {counts.media != 0, ImportedMessage(counts, media.replacedTexts), last};
}

int RunExportCommand(const QString& cataloguePath, const QString& csvPath, std::ostream& err) {
    CCatalogue catalogue;
    const catalog::CatalogueStatus status =
        catalog::LoadCatalogueFile(catalogue, FilePath(cataloguePath));
    if (!status.ok()) {
        err << "melvara: " << cataloguePath.toStdString() << ": " << status.Message() << '\n';
        return 1;
    }
    const QString error = ExportFile(catalogue, csvPath);
    if (error.isEmpty()) return 0;
    err << "melvara: " << csvPath.toStdString() << ": " << error.toStdString() << '\n';
    return 1;
}

} // namespace csv
