#pragma once

class QString;
class QWidget;

/// Shows the window, waits until the window system has it on screen (or gives up after a
/// few seconds), and saves its picture as a PNG file; false when the file cannot be written.
bool SaveWindowScreenshot(QWidget& window, const QString& path);

/// Makes Qt draw without a display when none is there (and no platform was chosen), so
/// batch commands work on a server or in a build.
void UseOffscreenWithoutDisplay();
