#include "metaview/command_line.h"
#include "metaview/main_frame.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QStandardPaths>
#include <QTimer>

#include <iostream>
#include <string>
#include <vector>

namespace {

// The main window as a user sees it at start, with the pictures drawn, written to path.
int TakeScreenshot(CMainFrame& frame, const std::string& path) {
    frame.MdiArea()->tileSubWindows();
    int result = 1;
    QTimer::singleShot(400, &frame, [&frame, &path, &result] {
        if (frame.grab().save(QFile::decodeName(path.c_str()), "PNG"))
            result = 0;
        else
            std::cerr << "kelvane: cannot write " << path << "\n";
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}

int RunViewer(int argc, char* argv[], const metaview::ViewerStart& start) {
    const bool screenshot = !start.screenshot.empty();
    // A screenshot needs no display, and leaves the user's settings alone.
    if (screenshot) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel-Software"));
    QCoreApplication::setApplicationName(QStringLiteral("KELVANE"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvane"));
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("kelvane"), QIcon(QStringLiteral(":/icons/kelvane.png"))));
    CMainFrame frame;
    frame.resize(1100, 760);
    frame.show();
    // When none of the named files opens, the start ends after their messages.
    QStringList files;
    for (const std::string& file : start.files)
        files.append(QFile::decodeName(file.c_str()));
    if (!files.isEmpty() && frame.OpenDocumentFiles(files) == 0) return 1;
    if (screenshot) return TakeScreenshot(frame, start.screenshot);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (metaview::WantsWindows(args))
        return RunViewer(argc, argv, metaview::ParseViewerStart(args));
    if (!args.empty() && args[0] == "--render") {
        // Drawing text needs the font database; no display is needed for it.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return metaview::RunCommandLine(args, std::cout, std::cerr);
    }
    return metaview::RunCommandLine(args, std::cout, std::cerr);
}
