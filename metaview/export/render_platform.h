#pragma once
// The platform a command-line render runs on: no windows and no display, and fonts opened
// straight from the files of the stand-ins the player maps Windows faces to, which spares
// a file manager's thumbnailer fontconfig's start: about 3 ms a picture, a sixth of its time.

#include <functional>

namespace metaview {

/// Makes the next QGuiApplication use the render platform. systemFontsNeeded is called, at
/// most once, when a picture asks for a face or a character the stand-ins lack; it may end
/// the process to draw again with the system's fonts. False, with nothing changed, when the
/// stand-ins are not installed.
bool UseRenderPlatform(std::function<void()> systemFontsNeeded);

} // namespace metaview
