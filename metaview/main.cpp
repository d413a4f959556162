#include "metaview/command_line.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--render") {
        // Drawing text needs the font database; no display is needed for it.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return metaview::RunCommandLine(args, std::cout, std::cerr);
    }
    return metaview::RunCommandLine(args, std::cout, std::cerr);
}
