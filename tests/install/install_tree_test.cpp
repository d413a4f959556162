// `cmake --install` into a temporary prefix, and the tree it leaves.

#include "desktop_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

class InstallTree : public ::testing::Test {
protected:
    // The prefix is ROOT/usr, the layout tools that check a whole tree expect.
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        const ProcessResult r =
            RunProcess(KORVEL_CMAKE, {"--install", KORVEL_BUILD_DIR, "--prefix", Path("")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    QString Path(const QString& relative) const { return root.filePath("usr/" + relative); }
    QString Data(const QString& relative) const {
        return Path(QStringLiteral(KORVEL_DATADIR "/") + relative);
    }
    // The files of one folder below the data folder, with a filter such as "*.desktop".
    QStringList DataFiles(const QString& folder, const QString& filter) const {
        QStringList files;
        for (const QFileInfo& f : QDir(Data(folder)).entryInfoList({filter}, QDir::Files))
            files << f.absoluteFilePath();
        return files;
    }
    QTemporaryDir root;
};

TEST_F(InstallTree, ProgramsAndTheHelpPagesTheyLookFor) {
    for (const char* program : {"melvara", "kelvane", "kelvane-thumbnailer"}) {
        const QFileInfo exe(Path(QStringLiteral(KORVEL_BINDIR "/") + program));
        EXPECT_TRUE(exe.isFile() && exe.isExecutable()) << program;
    }
    // Melvara looks for its pages at this path from its own folder, wherever the prefix is.
    const QDir bin(Path(KORVEL_BINDIR));
    EXPECT_TRUE(QFileInfo(bin.filePath(KORVEL_HELP_FROM_BIN "/index.htm")).isFile());
    EXPECT_FALSE(QString(KORVEL_HELP_FROM_BIN).startsWith('/'));
    // And its print forms, one or more for each media type.
    const QDir forms(bin.filePath(KORVEL_FORMS_FROM_BIN));
    for (const char* prefix : {"cd_", "mc_", "md_", "dvd_", "lp_", "mp3_", "plain_"})
        EXPECT_FALSE(forms.entryList({QString::fromLatin1(prefix) + "*.emf"}).isEmpty()) << prefix;
}

TEST_F(InstallTree, IconsInEverySizeOfTheHicolorTheme) {
    const QStringList icons{"apps/melvara", "apps/kelvane",
                            "mimetypes/application-x-melvara-catalogue"};
    for (const QString& icon : icons) {
        EXPECT_TRUE(QFileInfo(Data("icons/hicolor/scalable/" + icon + ".svg")).isFile())
            << icon.toStdString();
        for (const QString& size : QString(KORVEL_ICON_SIZES).split(',')) {
            const QImage png(Data(QStringLiteral("icons/hicolor/%1x%1/%2.png").arg(size, icon)));
            EXPECT_EQ(png.size(), QSize(size.toInt(), size.toInt()))
                << icon.toStdString() << " " << size.toStdString();
            EXPECT_TRUE(png.hasAlphaChannel());
        }
    }
}

TEST_F(InstallTree, DesktopEntriesAreValid) {
    const QStringList entries = DataFiles("applications", "*.desktop");
    ASSERT_EQ(entries.size(), 2);
    if (!HaveTool("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ProcessResult r = RunProcess("desktop-file-validate", entries);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("error")) << r.out.toStdString();
}

// The whole tree, so each metainfo file's desktop entry and icon are checked as well.
TEST_F(InstallTree, MetainfoIsValid) {
    ASSERT_EQ(DataFiles("metainfo", "*.metainfo.xml").size(), 2);
    if (!HaveTool("appstreamcli")) GTEST_SKIP() << "appstreamcli is not installed";
    const ProcessResult r = RunProcess("appstreamcli", {"validate-tree", "--no-net", root.path()});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("W: ") || r.out.contains("E: ")) << r.out.toStdString();
}

// The MIME package's magic must be the bytes a real catalogue file starts with.
TEST_F(InstallTree, CatalogueTypeIsKnownByNameAndSignature) {
    QFile xml(Data("mime/packages/melvara.xml"));
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&xml);
    QString type, glob, magic;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = reader.attributes();
        if (reader.name() == u"mime-type") type = a.value("type").toString();
        if (reader.name() == u"glob") glob = a.value("pattern").toString();
        if (reader.name() == u"match" && a.value("offset") == u"0")
            magic = a.value("value").toString();
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(type, "application/x-melvara-catalogue");
    EXPECT_EQ(glob, "*.mvr");
    QFile sample(KORVEL_SOURCE_DIR "/examples/sample.mvr");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QString expected;
    for (const char byte : sample.read(4))
        expected += QStringLiteral("\\x%1").arg(quint8(byte), 2, 16, QChar('0'));
    EXPECT_EQ(magic, expected);
    if (!HaveTool("update-mime-database")) return;
    const ProcessResult r = RunProcess("update-mime-database", {Data("mime")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile compiled(Data("mime/magic"));
    ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
    EXPECT_TRUE(compiled.readAll().contains("application/x-melvara-catalogue"));
}

TEST_F(InstallTree, ThumbnailerAndManualPages) {
    QFile thumbnailer(Data("thumbnailers/kelvane.thumbnailer"));
    ASSERT_TRUE(thumbnailer.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(thumbnailer.readAll());
    EXPECT_TRUE(entry.startsWith("[Thumbnailer Entry]"));
    EXPECT_TRUE(entry.contains("image/emf;") && entry.contains("image/wmf;"));
    EXPECT_TRUE(entry.contains("\nExec=kelvane-thumbnailer "));
    for (const char* program : {"melvara", "kelvane", "kelvane-thumbnailer"}) {
        const QString page = Path(QStringLiteral(KORVEL_MANDIR "/man1/%1.1.gz").arg(program));
        const ProcessResult r = RunProcess("gzip", {"-dc", page});
        ASSERT_EQ(r.exitCode, 0) << program;
        EXPECT_TRUE(r.out.contains(QStringLiteral(".TH %1 \"1\"").arg(QString(program).toUpper())));
        EXPECT_TRUE(r.out.contains("\\-\\-version")) << program;
    }
}

} // namespace
