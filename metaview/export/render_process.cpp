#include "metaview/export/render_process.h"

#include "metaview/export/render_command.h"
#include "metaview/export/render_platform.h"

#include <QFont>
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>

#include <unistd.h>

namespace metaview {

namespace {

constexpr char kSystemFonts[] = "KELVANE_RENDER_SYSTEM_FONTS";

// A render draws with the stand-in fonts unless a picture needs others: then it starts
// again with the system's fonts, before anything has been written.
bool UseStandInFonts(char* argv[]) {
    if (qEnvironmentVariableIsSet(kSystemFonts)) return false;
    return UseRenderPlatform([argv] {
        qputenv(kSystemFonts, "1");
        execv("/proc/self/exe", argv);
    });
}

} // namespace

void RunRenderProcess(int argc, char* argv[], std::span<const std::string> args) {
    // A render draws into images and files only: on a platform of its own, or on the least
    // one Qt has when the picture needs the system's fonts. A session's display platform
    // would cost a file manager's thumbnailer a connection per picture.
    if (!UseStandInFonts(argv)) qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
    QGuiApplication app(argc, argv);
    // Every painter starts with the application's font; left unset, finding it read the
    // whole font configuration even for pictures without a text. The player sets its own
    // fonts, so this one is never drawn with.
    QGuiApplication::setFont(QFont(QStringLiteral("Liberation Sans")));
    const int result = RunRender(args, std::cerr);
    // The output is complete: tearing down fonts and plugins would only delay the caller.
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(result);
}

} // namespace metaview
