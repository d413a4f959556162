#pragma once

#include <QString>
#include <QStringList>

/// The options of `--print-label`, as typed; the label command checks them.
struct LabelRequest {
    QString catalogue;
    QString media;   ///< --media LIST
    QString pdf;     ///< --pdf OUT.pdf
    QString form;    ///< --form FILE, empty for the settings' forms
    QString margins; ///< --margins L,T,H,V,C,R, empty for the settings' sheet
    QString cell;    ///< --cell C,R, empty for 1,1
    QString paper;   ///< --paper NAME, empty for the locale's (or the --sheet product's)
    QString sheet;   ///< --sheet "BRAND PART", empty for the settings' sheet
};

/// What the command line asks for.
struct StartRequest {
    enum class Action {
        Run,
        ShowHelp,
        ShowVersion,
        Search,
        Fail,
        PrintLabel,
        Screenshot,
        ExportCsv,
        ListSheets
    };
    Action action = Action::Run;
    QString file;       ///< catalogue to open; empty for a new catalogue
    QString searchText; ///< for Search and ListSheets: the text to look for
    QString message;    ///< text to print for ShowHelp, ShowVersion and Fail
    QString screenshot; ///< --screenshot OUT.png
    QString csv;        ///< for ExportCsv: the file written from file
    LabelRequest label; ///< for PrintLabel
};

/// Parses `melvara [--help] [--version] [--search TEXT] [--screenshot OUT.png] [FILE]`,
/// `melvara --print-label CATALOGUE --media LIST --pdf OUT.pdf ...` and
/// `melvara --export-csv CATALOGUE OUT.csv` and `melvara --list-sheets [TEXT]` (arguments
/// include the program name).
StartRequest ParseCommandLine(const QStringList& arguments, const QString& version);
