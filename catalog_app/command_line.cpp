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
    const QCommandLineOption search(
        QStringLiteral("search"),
        QStringLiteral("Print the hits of a search in FILE without a window, one per line, the "
                       "columns of the search pane separated by tabs."),
        QStringLiteral("text"));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addOption(search);
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
    if (request.action == StartRequest::Action::Run && parser.isSet(search)) {
        request.action =
            request.file.isEmpty() ? StartRequest::Action::Fail : StartRequest::Action::Search;
        request.searchText = parser.value(search);
        if (request.file.isEmpty())
            request.message = QStringLiteral("--search needs the catalogue to search.");
    }
    return request;
}
