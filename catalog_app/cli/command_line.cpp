#include "catalog_app/cli/command_line.h"

#include <QCommandLineParser>

#include <functional>
#include <vector>

namespace {

QCommandLineOption Option(const QString& names, const QString& description,
                          const QString& value = {}) {
    return QCommandLineOption(names.split(QLatin1Char('|')), description, value);
}

// Each mode is an option that selects an action; the first one set wins, so a new mode is
// one more entry in this table.
struct Mode {
    QCommandLineOption option;
    std::function<void(const QCommandLineParser&, StartRequest&)> take;
};

void TakeFile(const QCommandLineParser& parser, StartRequest& request) {
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        request.action = StartRequest::Action::Fail;
        request.message = QStringLiteral("Only one catalogue can be opened at a time.");
    } else if (!files.isEmpty()) {
        request.file = files.constFirst();
    }
}

std::vector<QCommandLineOption> LabelOptions() {
    return {Option("media", "Media indexes to print, e.g. 3,5,10-12.", "LIST"),
            Option("pdf", "PDF file the labels are printed into.", "OUT.pdf"),
            Option("form", "Print form for every medium instead of the settings' forms.", "FILE"),
            Option("margins",
                   "Sheet of this job: left and top margin, horizontal and vertical spacing "
                   "(mm), columns, rows.",
                   "L,T,H,V,C,R"),
            Option("cell", "Start cell on the sheet, column and row (default 1,1).", "C,R"),
            Option("sheet",
                   "Label sheet product of this job, as --list-sheets names it (brand and "
                   "part, e.g. \"Avery L6043\"); its paper unless --paper is given.",
                   "PRODUCT"),
            Option("paper", "Paper size such as A4 or Letter (default: the locale's).", "NAME")};
}

void TakeLabel(const QCommandLineParser& parser, StartRequest& request) {
    LabelRequest& label = request.label;
    label.catalogue = parser.value(QStringLiteral("print-label"));
    label.media = parser.value(QStringLiteral("media"));
    label.pdf = parser.value(QStringLiteral("pdf"));
    label.form = parser.value(QStringLiteral("form"));
    label.margins = parser.value(QStringLiteral("margins"));
    label.cell = parser.value(QStringLiteral("cell"));
    label.paper = parser.value(QStringLiteral("paper"));
    label.sheet = parser.value(QStringLiteral("sheet"));
    if (!parser.isSet(QStringLiteral("media")) || !parser.isSet(QStringLiteral("pdf"))) {
        request.action = StartRequest::Action::Fail;
        request.message = QStringLiteral("--print-label needs --media LIST and --pdf OUT.pdf.");
    } else if (!parser.positionalArguments().isEmpty()) {
        request.action = StartRequest::Action::Fail;
        request.message = QStringLiteral("--print-label takes no further file.");
    } else {
        request.action = StartRequest::Action::PrintLabel;
    }
}

// The actions in the order they win when several are given.
std::vector<Mode> Modes(const QString& version) {
    return {
        {Option("h|help", "Show this help and end."),
         [](const QCommandLineParser& p, StartRequest& r) {
             r.action = StartRequest::Action::ShowHelp;
             // Without an application object the parser cannot know the program name.
             r.message = p.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("melvara"));
         }},
        {Option("v|version", "Show the version and end."),
         [version](const QCommandLineParser&, StartRequest& r) {
             r.action = StartRequest::Action::ShowVersion;
             r.message = QStringLiteral("Melvara %1").arg(version);
         }},
        {Option("search",
                "Print the hits of a search in FILE without a window, one per line, the "
                "columns of the search pane separated by tabs.",
                "text"),
         [](const QCommandLineParser& p, StartRequest& r) {
             TakeFile(p, r);
             if (r.action == StartRequest::Action::Fail) return;
             r.action =
                 r.file.isEmpty() ? StartRequest::Action::Fail : StartRequest::Action::Search;
             r.searchText = p.value(QStringLiteral("search"));
             if (r.file.isEmpty())
                 r.message = QStringLiteral("--search needs the catalogue to search.");
         }},
        {Option("print-label", "Print labels of a catalogue into a PDF file, without a window.",
                "CATALOGUE"),
         TakeLabel},
        {Option("export-csv",
                "Write the catalogue as a CSV file (UTF-8, one row per track) without a window; "
                "the file to write follows.",
                "CATALOGUE"),
         [](const QCommandLineParser& p, StartRequest& r) {
             r.file = p.value(QStringLiteral("export-csv"));
             const QStringList out = p.positionalArguments();
             r.action =
                 out.size() == 1 ? StartRequest::Action::ExportCsv : StartRequest::Action::Fail;
             if (out.size() == 1)
                 r.csv = out.constFirst();
             else
                 r.message = QStringLiteral("--export-csv needs the catalogue and one CSV file.");
         }},
        {Option("list-sheets",
                "Print the label sheet products of gLabels' database that hold every word of "
                "TEXT (all without), one per line: brand, part, description, label size, "
                "columns x rows, separated by tabs."),
         [](const QCommandLineParser& p, StartRequest& r) {
             r.action = StartRequest::Action::ListSheets;
             r.searchText = p.positionalArguments().join(QLatin1Char(' '));
         }},
        {Option("screenshot", "Start, grab the main window into a PNG file and end.", "OUT.png"),
         [](const QCommandLineParser& p, StartRequest& r) {
             r.action = StartRequest::Action::Screenshot;
             r.screenshot = p.value(QStringLiteral("screenshot"));
             TakeFile(p, r);
         }},
    };
}

} // namespace

StartRequest ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Melvara keeps the catalogue of a private audio collection."));
    const std::vector<Mode> modes = Modes(version);
    for (const Mode& mode : modes)
        parser.addOption(mode.option);
    for (const QCommandLineOption& option : LabelOptions())
        parser.addOption(option);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Catalogue to open (*.mvr); a new one without."),
                                 QStringLiteral("[FILE]"));
    StartRequest request;
    if (!parser.parse(arguments)) {
        request.action = StartRequest::Action::Fail;
        request.message = parser.errorText();
        return request;
    }
    for (const Mode& mode : modes) {
        if (parser.isSet(mode.option)) {
            mode.take(parser, request);
            return request;
        }
    }
    for (const QCommandLineOption& option : LabelOptions()) {
        if (parser.isSet(option)) {
            request.action = StartRequest::Action::Fail;
            request.message =
                QStringLiteral("--%1 belongs to --print-label.").arg(option.names().constFirst());
            return request;
        }
    }
    TakeFile(parser, request);
    return request;
}
