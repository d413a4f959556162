#include "metaview/export/render_command.h"

#include "emf/emf_builder.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        emf::EmfBuilder b;
        b.CreateBrushIndirect(1, 0, 0x0000FF); // red
        b.SelectObject(1);
        b.Rectangle({0, 0, 200, 100});
        const auto bytes = b.Build();
        std::ofstream(Path("red.emf"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    // Runs the program with no display at all, as a script on a server would.
    int Run(const QStringList& args, const QString& platform = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
        p.setProcessEnvironment(env);
        p.start(KELVANE_EXE, args);
        p.waitForFinished(30000);
        stderrText = p.readAllStandardError().toStdString();
        return p.exitCode();
    }
    QTemporaryDir dir;
    std::string stderrText;
};

TEST_F(RenderCommand, WritesPngAtTheAskedWidth) {
    ASSERT_EQ(Run({"--render", dir.filePath("red.emf"), "--png", dir.filePath("out.png"), "--width",
                   "300"}),
              0)
        << stderrText;
    const QImage image(dir.filePath("out.png"));
    ASSERT_EQ(image.width(), 300);
    EXPECT_NEAR(image.height(), 150, 2); // the frame's aspect
    EXPECT_EQ(image.pixelColor(150, 75), QColor(Qt::red));
}

// A file manager's session may name its display platform; a render needs none, and one
// without its display used to refuse to start.
TEST_F(RenderCommand, ASessionsDisplayPlatformIsNotUsed) {
    ASSERT_EQ(
        Run({"--render", dir.filePath("red.emf"), "--png", dir.filePath("out.png"), "--size", "64"},
            "xcb"),
        0)
        << stderrText;
    const QImage image(dir.filePath("out.png"));
    EXPECT_EQ(image.size(), QSize(64, 32));
    EXPECT_EQ(image.pixelColor(32, 16), QColor(Qt::red));
}

TEST_F(RenderCommand, WritesBmpThroughTheBitmapWriter) {
    ASSERT_EQ(Run({"--render", dir.filePath("red.emf"), "--bmp", dir.filePath("out.bmp")}), 0)
        << stderrText;
    const QImage image(dir.filePath("out.bmp"));
    ASSERT_EQ(image.width(), 800);
    EXPECT_EQ(image.pixelColor(400, image.height() / 2), QColor(Qt::red));
}

TEST_F(RenderCommand, UnreadableFileOrBadOptionsFailClearly) {
    std::ofstream(Path("junk.emf")) << "no metafile here";
    EXPECT_EQ(Run({"--render", dir.filePath("junk.emf"), "--png", dir.filePath("x.png")}), 1);
    EXPECT_NE(stderrText.find("kelvane:"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
    EXPECT_EQ(
        Run({"--render", dir.filePath("red.emf"), "--png", dir.filePath("x.png"), "--width", "0"}),
        2);
    EXPECT_EQ(Run({"--render", dir.filePath("red.emf")}), 2);
    EXPECT_EQ(Run({"--render", dir.filePath("red.emf"), "--png", "/no/such/dir/x.png"}), 1);
}

// Qt's PNG reader once printed libpng's complaint about a damaged embedded image.
TEST_F(RenderCommand, ADamagedEmbeddedImageIsANoteNotAReadersMessage) {
    const QString file = QStringLiteral(KORVEL_CORPUS_DIR "/kakwa-libemf2svg/emf/test-039.emf");
    if (!QFile::exists(file)) GTEST_SKIP() << "no corpus file " << file.toStdString();
    EXPECT_EQ(Run({"--render", file, "--png", dir.filePath("x.png")}), 0);
    EXPECT_EQ(stderrText.find("libpng"), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find("note: an embedded image is damaged"), std::string::npos)
        << stderrText;
}

TEST(BitmapPixelsFromImage, RowsAreBottomUp) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::red);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::blue);
    std::vector<std::byte> rows;
    const metaview::BitmapPixels pixels = metaview::BitmapPixelsFromImage(image, rows);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(pixels.bitsPerPixel, 32);
    EXPECT_EQ(rows[0], std::byte{0xFF});  // first stored row is the bottom one: blue (B,G,R)
    EXPECT_EQ(rows[10], std::byte{0xFF}); // then the top one: red
}

} // namespace
