#include "command_line.h"
#include "main_frame.h"
#include "search_command.h"

#include "catalog_app/form_settings.h"
#include "common/version_info.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>

namespace {

QString FileVersion() {
    CFileVersionInfo info;
    info.Load();
    const std::uint32_t ms = info.GetFileVersionMS();
    const std::uint32_t ls = info.GetFileVersionLS();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ms >> 16)
        .arg(ms & 0xFFFF)
        .arg(ls >> 16)
        .arg(ls & 0xFFFF);
}

// --help and --version answer without a display.
int AnswerWithoutWindow(const StartRequest& request) {
    std::FILE* out = request.action == StartRequest::Action::Fail ? stderr : stdout;
    std::fputs(request.message.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
    return request.action == StartRequest::Action::Fail ? 2 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartRequest request = ParseCommandLine(arguments, FileVersion());
    if (request.action == StartRequest::Action::Search)
        return RunSearchCommand(request.searchText, request.file, std::cout, std::cerr);
    if (request.action != StartRequest::Action::Run) return AnswerWithoutWindow(request);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel-Software"));
    QCoreApplication::setApplicationName(QStringLiteral("MELVARA"));
    QGuiApplication::setDesktopFileName(QStringLiteral("melvara"));
    // The print settings live for the whole run and go back to the store at a normal exit.
    CFormSettings formSettings;
    formSettings.LoadFormSettings();
    int result = 0;
    {
        CMainFrame frame;
        if (!request.file.isEmpty()) frame.OpenCatalogue(request.file);
        frame.show();
        result = app.exec();
    }
    formSettings.SaveFormSettings();
    return result;
}
