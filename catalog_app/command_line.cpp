#include "command_line.h"

#include <QCommandLineParser>

StartRequest ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Melvara keeps the catalogue of a private audio collection."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Catalogue to open (*.mvr); a new one without."),
                                 QStringLiteral("[FILE]"));
    StartRequest request;
    if (!parser.parse(arguments)) {
        request.action = StartRequest::Action::Fail;
        request.message = parser.errorText();
    } else if (parser.isSet(help)) {
        request.action = StartRequest::Action::ShowHelp;
        // Without an application object the parser cannot know the program name.
        request.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QStringLiteral("melvara"));
    } else if (parser.isSet(versionOption)) {
        request.action = StartRequest::Action::ShowVersion;
        request.message = QStringLiteral("Melvara %1").arg(version);
    } else if (parser.positionalArguments().size() > 1) {
        request.action = StartRequest::Action::Fail;
        request.message = QStringLiteral("Only one catalogue can be opened at a time.");
    } else if (!parser.positionalArguments().isEmpty()) {
        request.file = parser.positionalArguments().constFirst();
    }
    return request;
}
