#include "catalog_app/cli/window_screenshot.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <QWindow>

bool SaveWindowScreenshot(QWidget& window, const QString& path) {
    window.show();
    // A real window system maps the window asynchronously; the offscreen one at once.
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    // Layouts and the first paint are posted events.
    QCoreApplication::processEvents();
    return window.grab().save(path, "PNG");
}

void UseOffscreenWithoutDisplay() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
