#include "common/about_box.h"
#include "common/version_info.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kFormat = QStringLiteral("Melvara %1.%2.%3.%4 (product %5.%6.%7.%8)");

TEST(AboutBox, TextCarriesTheEightVersionNumbers) {
    CAboutBox box(QStringLiteral("About Korvel-Software Melvara"), kFormat);
    EXPECT_EQ(box.Text(), QStringLiteral("Melvara 0.9.2.2 (product 33303.1.0.5)"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Korvel-Software Melvara"));
}

TEST(AboutBox, MissingVersionShows65535Everywhere) {
    CFileVersionInfo none;
    EXPECT_EQ(CAboutBox::FormatText(kFormat, none),
              QStringLiteral("Melvara 65535.65535.65535.65535 (product "
                             "65535.65535.65535.65535)"));
}

TEST(AboutBox, PicturePaintsTheWholeDialog) {
    CAboutBox box(QStringLiteral("About"), kFormat);
    const QImage shot = box.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The picture's gradient covers the corners: none of them shows the plain window colour.
    const QColor window = box.palette().color(QPalette::Window);
    for (QPoint p : {QPoint(2, 2), QPoint(shot.width() - 3, 2), QPoint(2, shot.height() - 3)})
        EXPECT_NE(shot.pixelColor(p), window) << p.x() << "," << p.y();
    // The version text is drawn in 0x7F007F: some pixel of its line has that colour.
    bool found = false;
    for (int x = 16; x < 300 && !found; ++x)
        for (int y = 5; y < 36 && !found; ++y)
            found = shot.pixelColor(x, y) == QColor(0x7F, 0, 0x7F);
    EXPECT_TRUE(found);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
