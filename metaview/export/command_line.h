#pragma once
// Kelvane's command-line front end: inspects and converts metafiles without a window.

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace metaview {

/// Runs the options in args (the program name left out), writing results to out and
/// messages to err; returns the exit code: 0 done, 1 a file could not be read or
/// written, 2 a usage error.
int RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err);

/// What the windows are started with: the files to open and, for --screenshot, where the
/// picture of the main window goes.
struct ViewerStart {
    std::vector<std::string> files;
    std::string screenshot;
};

/// Whether args start the windows (no option, file names, or --screenshot OUT [FILE...]).
bool WantsWindows(std::span<const std::string> args);
/// The files and screenshot path of args for which WantsWindows holds.
ViewerStart ParseViewerStart(std::span<const std::string> args);

} // namespace metaview
