// The thumbnailer entry's command line, run as a file manager runs it.

#include "desktop_process.h"

#include "emf/emf_builder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Thumbnailer : public ::testing::Test {
protected:
    // The Exec line with %i, %o and %s filled in; its program is the built one, since the
    // entry names the one on the PATH.
    ProcessResult Thumbnail(const QString& input, int size) {
        QFile entry(KORVEL_SOURCE_DIR "/resources/desktop/kelvane.thumbnailer");
        EXPECT_TRUE(entry.open(QIODevice::ReadOnly));
        QStringList args;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split('\n'))
            if (line.startsWith("Exec=")) args = line.mid(5).split(' ', Qt::SkipEmptyParts);
        EXPECT_FALSE(args.isEmpty());
        if (args.isEmpty()) return {};
        args.removeFirst();
        for (QString& arg : args)
            arg = arg == "%i"   ? input
                  : arg == "%o" ? Output()
                  : arg == "%s" ? QString::number(size)
                                : arg;
        return RunProcess(THUMBNAILER_EXE, args);
    }
    QString Output() const { return dir.filePath("thumbnail.png"); }
    QString Write(const char* name, const std::vector<std::byte>& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return file.fileName();
    }
    QTemporaryDir dir;
};

TEST_F(Thumbnailer, CorpusPictureFitsTheRequestedSize) {
    const QString file = CorpusFile("kakwa-libemf2svg/emf/test-001.emf");
    if (file.isEmpty()) GTEST_SKIP() << "../shared/corpus is not here";
    const ProcessResult r = Thumbnail(file, 256);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage png(Output(), "PNG");
    EXPECT_EQ(png.width(), 256); // a landscape chart, about 4:3
    EXPECT_NEAR(png.height(), 192, 2);
}

TEST_F(Thumbnailer, TallPictureGetsItsLongestSideFromHeight) {
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 1000, 4000}); // 10 x 40 mm
    b.CreateBrushIndirect(1, 0, 0x0000FF);
    b.SelectObject(1);
    b.Rectangle({0, 0, 100, 400});
    const QString file = Write("tall.emf", b.Build());
    const ProcessResult r = Thumbnail(file, 128);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage png(Output(), "PNG");
    EXPECT_EQ(png.size(), QSize(32, 128));
}

TEST_F(Thumbnailer, DamagedFilesGiveNothing) {
    QStringList files{Write("empty.emf", {}), Write("text.wmf", {std::byte{'n'}, std::byte{'o'}})};
    emf::EmfBuilder b;
    b.Rectangle({0, 0, 10, 10});
    std::vector<std::byte> cut = b.Build();
    cut.resize(60); // the header cut in the middle
    files << Write("cut.emf", cut);
    if (const QString bad =
            CorpusFile("kakwa-libemf2svg/emf-corrupted/bad_corrupted_2014-12-02-215428.emf");
        !bad.isEmpty())
        files << bad;
    for (const QString& file : files) {
        const ProcessResult r = Thumbnail(file, 128);
        EXPECT_EQ(r.exitCode, 1) << file.toStdString();
        EXPECT_FALSE(QFile::exists(Output())) << file.toStdString();
        EXPECT_EQ(r.err.count("kelvane:"), 1) << r.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"thumbnail*"}, QDir::Files | QDir::Hidden),
              QStringList());
}

// A hostile picture must not hang the file manager's thumbnailer: drawing is given up on.
TEST_F(Thumbnailer, SlowPictureIsGivenUpOnWithoutOutput) {
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 100000, 100000});
    b.CreateBrushIndirect(1, 0, 0x00FF00);
    b.SelectObject(1);
    for (int i = 0; i < 20000; ++i)
        b.Ellipse({0, 0, 4000, 4000}); // each fills the picture
    const QString file = Write("slow.emf", b.Build());
    QElapsedTimer clock;
    clock.start();
    const ProcessResult r = RunProcess(
        KELVANE_EXE, {"--render", file, "--png", Output(), "--size", "4000", "--timeout", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(clock.elapsed(), 5000 * KORVEL_SLOWDOWN);
    EXPECT_TRUE(r.err.contains("took too long")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(Output()));
}

// Thumbnails draw with the stand-in fonts' files, without the system's font configuration;
// what they draw must not differ from a drawing with the system's fonts.
class ThumbnailFonts : public Thumbnailer {
protected:
    QImage Render(const QString& input, const QStringList& environment = {}) {
        const QString out = dir.filePath(QStringLiteral("render%1.png").arg(++m_renders));
        const ProcessResult r = RunProcess(
            KELVANE_EXE, {"--render", input, "--png", out, "--size", "300"}, environment);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(out, "PNG").convertToFormat(QImage::Format_RGB32);
    }
    QImage WithSystemFonts(const QString& input) {
        return Render(input, {"KELVANE_RENDER_SYSTEM_FONTS=1"});
    }
    QString TextPicture(const char* name, std::u16string face, std::u16string_view text) {
        emf::EmfBuilder b;
        b.SetFrame({0, 0, 4000, 1000});
        emf::LogFontW font;
        font.height = -60;
        font.faceName = std::move(face);
        b.ExtCreateFontIndirectW(1, font);
        b.SelectObject(1);
        b.ExtTextOutW({5, 10}, text);
        return Write(name, b.Build());
    }

private:
    int m_renders = 0;
};

TEST_F(ThumbnailFonts, CorpusTextsDrawAsWithTheSystemsFonts) {
    for (const char* name :
         {"kakwa-libemf2svg/emf/test-059.emf", "kakwa-libemf2svg/emf/test-112.emf",
          "caolanm-libwmf/examples/Eg.wmf"}) {
        const QString file = CorpusFile(name);
        if (file.isEmpty()) GTEST_SKIP() << "../shared/corpus is not here";
        const QImage fast = Render(file);
        EXPECT_FALSE(fast.isNull()) << name;
        EXPECT_EQ(fast, WithSystemFonts(file)) << name;
    }
}

// DejaVu Serif is installed with the stand-ins but is none of them: only a start again with
// the system's fonts draws it, and it draws otherwise than the stand-in for an unknown face.
TEST_F(ThumbnailFonts, AFaceTheStandInsLackStartsAgainWithTheSystemsFonts) {
    const QString serif = TextPicture("serif.emf", u"DejaVu Serif", u"Hamburgefonstiv");
    const QImage drawn = Render(serif);
    EXPECT_EQ(drawn, WithSystemFonts(serif));
    EXPECT_NE(drawn, Render(TextPicture("unknown.emf", u"No Such Face", u"Hamburgefonstiv")));
}

TEST_F(ThumbnailFonts, WithoutTheStandInsTheSystemsFontsDraw) {
    const QString file = TextPicture("arial.emf", u"Arial", u"Hamburgefonstiv");
    const QImage expected = WithSystemFonts(file);
    // Where the stand-ins' files are looked for, nothing is found.
    const QImage drawn = Render(
        file, {"XDG_DATA_HOME=" + dir.filePath("none"), "XDG_DATA_DIRS=" + dir.filePath("none")});
    EXPECT_EQ(drawn, expected);
}

} // namespace
