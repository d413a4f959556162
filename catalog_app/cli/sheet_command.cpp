#include "catalog_app/cli/sheet_command.h"

#include "labels/sheets/sheet_database.h"

QString SheetLine(const sheets::SheetTemplate& s) {
    return QStringList{s.brand, s.part, s.description, s.SizeText(),
                       QStringLiteral("%1 x %2").arg(s.columns).arg(s.rows)}
        .join(QLatin1Char('\t'));
}

int RunListSheetsCommand(const QString& text, const QStringList& folders, std::ostream& out,
                         std::ostream& err) {
    sheets::SheetDatabase db;
    db.Load(folders);
    if (db.IsEmpty()) {
        err << "melvara: " << sheets::MissingDatabaseHint().toStdString() << '\n';
        return 1;
    }
    const std::vector<int> hits = db.Filter(text);
    for (int i : hits)
        out << SheetLine(db.Products()[std::size_t(i)]).toStdString() << '\n';
    out.flush();
    if (!hits.empty()) return 0;
    err << "melvara: no label sheet product matches \"" << text.toStdString() << "\"\n";
    return 1;
}
