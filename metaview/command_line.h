#pragma once
// Kelvane's command-line front end: inspects and converts metafiles without a window.

#include <ostream>
#include <span>
#include <string>

namespace metaview {

/// Runs the options in args (the program name left out), writing results to out and
/// messages to err; returns the exit code: 0 done, 1 a file could not be read or
/// written, 2 a usage error.
int RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace metaview
