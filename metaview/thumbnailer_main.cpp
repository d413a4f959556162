// kelvane-thumbnailer: `kelvane --render` alone, for file managers' thumbnailers. It takes
// the same command line without "--render" and loads none of the viewer's libraries.
#include "metaview/export/render_process.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: kelvane-thumbnailer FILE --png OUT [--size N | --width N] [--timeout S]\n"
    "   or: kelvane-thumbnailer FILE (--bmp|--svg|--pdf) OUT ...\n"
    "Draws an EMF or WMF picture into an image file, as `kelvane --render` does; file\n"
    "managers run it for each picture they show a thumbnail of.\n"
    "\n"
    "  --png OUT, --bmp OUT    the picture N pixels wide (800 unless given), or N pixels\n"
    "                          along its longest side with --size\n"
    "  --svg OUT, --pdf OUT    the picture at its own size\n"
    "  --timeout S             give up after S seconds, leaving no output file\n"
    "  --gdi-only              draw a picture holding EMF+ records from its EMF records\n"
    "  --help                  print this text\n"
    "  --version               print the version\n";

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "Korvel-Software Kelvane thumbnailer " KELVANE_VERSION "\n";
        return 0;
    }
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    metaview::RunRenderProcess(argc, argv, args);
}
