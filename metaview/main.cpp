#include "metaview/export/command_line.h"
#include "metaview/export/render_process.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"
#include "metaview/windows/main_frame.h"
#include "metaview/windows/viewer_prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A screenshot runs unattended: messages go to the terminal, never into a modal box.
class ConsolePrompts : public CViewerPrompts {
public:
    void Inform(QWidget*, const QString& text, const QString& details) override {
        std::cerr << "kelvane: " << qPrintable(text) << ' ' << qPrintable(details) << '\n';
    }
};

// Whether every window shows its picture (large ones are drawn off the window thread).
bool PicturesReady(const CMainFrame& frame) {
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window);
            child && !child->View()->PictureReady())
            return false;
    return true;
}

// The main window as a user sees it at start, once the pictures are drawn (or after half a
// minute at most), written to path.
int TakeScreenshot(CMainFrame& frame, const std::string& path) {
    frame.MdiArea()->tileSubWindows();
    QElapsedTimer waited;
    waited.start();
    int result = 1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &frame, [&] {
        if (!PicturesReady(frame) && waited.elapsed() < 30000) return;
        poll.stop();
        if (frame.grab().save(QFile::decodeName(path.c_str()), "PNG"))
            result = 0;
        else
            std::cerr << "kelvane: cannot write " << path << "\n";
        QApplication::quit();
    });
    // A first pause lets the windows lay themselves out and paint.
    poll.start(200);
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
    ConsolePrompts console;
    CMainFrame frame(screenshot ? &console : nullptr);
    // A screenshot has one size; a window takes its size and place from the last run.
    if (screenshot) frame.resize(1100, 760);
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
    if (!args.empty() && args[0] == "--render")
        metaview::RunRenderProcess(argc, argv, std::span(args).subspan(1));
    return metaview::RunCommandLine(args, std::cout, std::cerr);
}
