#pragma once
// Reads gLabels' template files (Glabels-templates, Glabels-paper-sizes) with a real XML reader.

#include "labels/sheets/sheet_template.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace sheets {

/// Paper names to width and height in mm.
using PaperSizes = QHash<QString, std::pair<double, double>>;

/// A template as a file states it: complete, or the part it is the same as (equiv).
struct TemplateEntry {
    SheetTemplate sheet;
    QString equiv; ///< part of the same brand this one copies; empty for a complete template
};

/// A template that cannot be printed as one sheet layout, and why.
struct Refusal {
    QString name; ///< "BRAND PART", or the file's name for a damaged file
    QString reason;
};

struct TemplateFile {
    std::vector<TemplateEntry> entries;
    std::vector<Refusal> refusals;
};

/// The templates of one file; a damaged file keeps the templates read before the damage
/// and names it in the refusals.
TemplateFile ReadTemplateFile(const QByteArray& xml, const PaperSizes& papers,
                              const QString& fileName = {});

/// The paper sizes of a paper-sizes file; what cannot be read is left out.
PaperSizes ReadPaperSizes(const QByteArray& xml);

} // namespace sheets
