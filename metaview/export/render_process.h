#pragma once
// A process that only renders: `kelvane --render` and the thumbnailer program.

#include <span>
#include <string>

namespace metaview {

/// Runs the render command args (without "--render") as the whole process: on the render
/// platform with the stand-in fonts, started again with the system's fonts when a picture
/// needs them, and ended without tearing anything down. argv is the process's own, for the
/// start again. Never returns: the process ends with RunRender's exit status.
[[noreturn]] void RunRenderProcess(int argc, char* argv[], std::span<const std::string> args);

} // namespace metaview
