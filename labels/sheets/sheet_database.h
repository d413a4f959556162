#pragma once
// The label sheet products of every gLabels template folder on the machine, searchable by
// brand, part number and description.

#include "labels/sheets/template_reader.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace sheets {

class SheetDatabase {
public:
    /// gLabels' system folders in the XDG data folders (the user's first), then the user's
    /// own templates folder; a later folder's product replaces an earlier one of that name.
    static QStringList DefaultFolders();

    /// Reads every *-templates.xml (and *.template) file of the folders, with the paper
    /// sizes found beside them, and resolves equiv templates.
    void Load(const QStringList& folders);

    /// Products sorted by brand, then part (natural order of numbers).
    const std::vector<SheetTemplate>& Products() const { return m_products; }
    /// Templates that cannot be placed as one grid, with the reason.
    const std::vector<Refusal>& Refusals() const { return m_refusals; }
    bool IsEmpty() const { return m_products.empty(); }

    /// The product "BRAND PART", case-insensitive; none when unknown.
    const SheetTemplate* Find(const QString& name) const;
    /// Indexes of the products whose brand, part and description hold every word of text,
    /// case-insensitive; all products for an empty text.
    std::vector<int> Filter(const QString& text) const;

private:
    void Resolve(std::vector<TemplateEntry>& entries);

    std::vector<SheetTemplate> m_products;
    std::vector<QString> m_searchText; ///< per product: "brand part description", folded
    std::vector<QString> m_names;      ///< per product: "brand part", folded
    std::vector<Refusal> m_refusals;
};

/// How to get the product database when no folder holds it.
QString MissingDatabaseHint();

} // namespace sheets
