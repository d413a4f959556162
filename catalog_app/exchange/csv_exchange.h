#pragma once
// The catalogue as a CSV file: export, import as one undoable step, and the command line.

#include <QString>

#include <ostream>

class CCatalogue;
class CMedia;
class CMELVARADoc;

namespace csv {

/// Writes the catalogue's CSV to path through a temporary file; an error text, or empty.
QString ExportFile(const CCatalogue& catalogue, const QString& path);

/// What an import did or why it did nothing.
struct ImportOutcome {
    bool imported = false;
    QString message;        ///< for a message box: the counts, or the first bad line
    CMedia* last = nullptr; ///< the last medium added
};

/// Adds the file's media to the document's catalogue as one step ("Import CSV"); a file
/// that cannot be read or is malformed changes nothing.
ImportOutcome ImportFile(CMELVARADoc& doc, const QString& path);

/// `melvara --export-csv CATALOGUE OUT.csv`; returns the exit status, messages go to err.
int RunExportCommand(const QString& cataloguePath, const QString& csvPath, std::ostream& err);

} // namespace csv
