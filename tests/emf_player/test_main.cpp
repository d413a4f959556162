#include <QGuiApplication>
#include <gtest/gtest.h>

// Fonts need the application object. Test discovery runs this program without the tests'
// environment, so the offscreen platform is chosen here when nothing else is.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
