#include <QGuiApplication>
#include <gtest/gtest.h>

// Fonts need the application object; the tests run on the offscreen platform.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
