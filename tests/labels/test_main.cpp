#include "tests/test_settings.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Settings go to a throw-away place, never the user's own.
    UseOwnTestSettings();
    // Test discovery runs the program without the tests' environment: never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel-Software-Test"));
    QCoreApplication::setApplicationName(QStringLiteral("MELVARA"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
