#pragma once

#include <QString>
#include <QStringList>

/// What the command line asks for.
struct StartRequest {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QString file;    ///< catalogue to open; empty for a new catalogue
    QString message; ///< text to print for ShowHelp, ShowVersion and Fail
};

/// Parses `melvara [--help] [--version] [FILE]` (arguments include the program name).
StartRequest ParseCommandLine(const QStringList& arguments, const QString& version);
