#pragma once
// `melvara --list-sheets [TEXT]`: the label sheet products of gLabels' database.

#include <QString>
#include <QStringList>

#include <ostream>

namespace sheets {
struct SheetTemplate;
}

/// One product as a line: brand, part, description, label size, columns x rows, tab-separated.
QString SheetLine(const sheets::SheetTemplate& sheet);

/// Prints every product matching text (all words, any case), one per line; 1 with the
/// reason on err when the database is missing or nothing matches.
int RunListSheetsCommand(const QString& text, const QStringList& folders, std::ostream& out,
                         std::ostream& err);
