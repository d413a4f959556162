#pragma once
// `melvara --print-label`: labels of a catalogue into a PDF file, without a window, through
// the same print job as the menus.

#include "catalog_app/cli/command_line.h"
#include "labels/sheets/sheet_database.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class CFormSettings;

/// An inclusive range of media indexes.
struct IndexRange {
    std::uint32_t first = 0, last = 0;
    bool operator==(const IndexRange&) const = default;
};

/// "3,5,10-12": decimal indexes and ranges a-b (a <= b), comma-separated; none when
/// malformed.
std::optional<std::vector<IndexRange>> ParseMediaList(const QString& text);

/// count comma-separated decimal numbers, each at most 2^31 - 1; none when malformed.
std::optional<std::vector<std::int32_t>> ParseNumbers(const QString& text, int count);

/// Prints the request with the user's print settings; empty on success, else the cause in
/// one line, and then no PDF file is left behind (an existing one stays as it was).
/// --sheet looks its product up in the template folders.
QString
PrintLabelCommand(const LabelRequest& request, const CFormSettings& settings,
                  const QStringList& sheetFolders = sheets::SheetDatabase::DefaultFolders());
