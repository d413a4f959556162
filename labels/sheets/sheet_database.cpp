#include "labels/sheets/sheet_database.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <map>

namespace sheets {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Key(const QString& brand, const QString& part) {
    return (brand + QLatin1Char(' ') + part).toCaseFolded();
}

} // namespace

QStringList SheetDatabase::DefaultFolders() {
    QStringList folders;
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    // The system's folders first, so the user's data folder (listed first) wins over them.
    for (auto it = data.crbegin(); it != data.crend(); ++it)
        folders << QDir(*it).filePath(QStringLiteral("libglabels-3.0/templates"));
    // gLabels keeps the templates a user made here.
    folders << QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                   .filePath(QStringLiteral("libglabels/templates"));
    folders.removeDuplicates();
    return folders;
}

void SheetDatabase::Load(const QStringList& folders) {
    m_products.clear(), m_searchText.clear(), m_names.clear(), m_refusals.clear();
    std::vector<TemplateEntry> entries;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        PaperSizes papers =
            ReadPaperSizes(ReadAll(dir.filePath(QStringLiteral("paper-sizes.xml"))));
        const QStringList files =
            dir.entryList({QStringLiteral("*-templates.xml"), QStringLiteral("*.template")},
                          QDir::Files, QDir::Name);
        for (const QString& name : files) {
            TemplateFile file = ReadTemplateFile(ReadAll(dir.filePath(name)), papers, name);
            std::move(file.entries.begin(), file.entries.end(), std::back_inserter(entries));
            std::move(file.refusals.begin(), file.refusals.end(), std::back_inserter(m_refusals));
        }
    }
    Resolve(entries);
}

// An equiv template is its original with another part number; originals may come later in
// the files, and an equiv may name another equiv, so whole templates are found first.
void SheetDatabase::Resolve(std::vector<TemplateEntry>& entries) {
    std::map<QString, const SheetTemplate*> complete;
    for (const TemplateEntry& e : entries)
        if (e.equiv.isEmpty()) complete[Key(e.sheet.brand, e.sheet.part)] = &e.sheet;
    std::map<QString, const TemplateEntry*> byName;
    for (const TemplateEntry& e : entries)
        byName[Key(e.sheet.brand, e.sheet.part)] = &e;
    std::map<QString, SheetTemplate> products;
    for (const TemplateEntry& e : entries) {
        const TemplateEntry* original = &e;
        // The chain is followed at most as far as there are templates, so a loop ends.
        for (std::size_t hops = 0; original && !original->equiv.isEmpty() && hops < entries.size();
             ++hops) {
            const auto next = byName.find(Key(original->sheet.brand, original->equiv));
            original = next == byName.end() ? nullptr : next->second;
        }
        if (!original || !original->equiv.isEmpty()) {
            m_refusals.push_back(
                {e.sheet.Name(),
                 QStringLiteral("the same as %1, which is not known").arg(e.equiv)});
            continue;
        }
        SheetTemplate sheet = original->sheet;
        sheet.brand = e.sheet.brand, sheet.part = e.sheet.part;
        if (!e.sheet.description.isEmpty()) sheet.description = e.sheet.description;
        products[Key(sheet.brand, sheet.part)] = std::move(sheet);
    }
    for (auto& [key, sheet] : products)
        m_products.push_back(std::move(sheet));
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(m_products.begin(), m_products.end(),
              [&collator](const SheetTemplate& a, const SheetTemplate& b) {
                  const int brand = collator.compare(a.brand, b.brand);
                  return brand != 0 ? brand < 0 : collator.compare(a.part, b.part) < 0;
              });
    for (const SheetTemplate& s : m_products) {
        m_searchText.push_back(
            QStringLiteral("%1 %2 %3").arg(s.brand, s.part, s.description).toCaseFolded());
        m_names.push_back(Key(s.brand, s.part));
    }
}

const SheetTemplate* SheetDatabase::Find(const QString& name) const {
    const QString key = name.simplified().toCaseFolded();
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == key) return &m_products[i];
    return nullptr;
}

std::vector<int> SheetDatabase::Filter(const QString& text) const {
    const QStringList words = text.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<int> hits;
    for (std::size_t i = 0; i < m_searchText.size(); ++i) {
        const QString& hay = m_searchText[i];
        if (std::all_of(words.begin(), words.end(),
                        [&hay](const QString& w) { return hay.contains(w); }))
            hits.push_back(int(i));
    }
    return hits;
}

QString MissingDatabaseHint() {
    return QStringLiteral("No label sheet products are installed. gLabels' product database "
                          "brings them: on Debian and Ubuntu, install the package glabels-data "
                          "(sudo apt install glabels-data).");
}

} // namespace sheets
