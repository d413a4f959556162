#pragma once

#include <QString>
#include <QStringList>

/// What the command line asks for.
struct StartRequest {
    enum class Action { Run, ShowHelp, ShowVersion, Search, Fail };
    Action action = Action::Run;
    QString file;       ///< catalogue to open; empty for a new catalogue
    QString searchText; ///< for Search: the text to look for in file
    QString message;    ///< text to print for ShowHelp, ShowVersion and Fail
};

/// Parses `melvara [--help] [--version] [--search TEXT] [FILE]` (arguments include the program
/// name).
StartRequest ParseCommandLine(const QStringList& arguments, const QString& version);
