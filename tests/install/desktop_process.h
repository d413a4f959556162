#pragma once
// Running the programs and desktop tools as a desktop session would, without a display.

#include <QString>
#include <QStringList>

struct ProcessResult {
    int exitCode = -1; ///< -1 when the program could not start or did not finish in time
    QString out, err;
};

/// Runs program with args, no display and no platform chosen, and the NAME=value entries of
/// environment set; waits up to 60 s.
ProcessResult RunProcess(const QString& program, const QStringList& args,
                         const QStringList& environment = {});

/// Whether a tool is on the PATH; tests of optional validators skip without it.
bool HaveTool(const QString& name);

/// The corpus file at relative, or an empty string when ../shared is absent.
QString CorpusFile(const QString& relative);
