#include <QGuiApplication>

#include <gtest/gtest.h>

// Drawing texts in-process needs the font database of a GUI application (offscreen).
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
