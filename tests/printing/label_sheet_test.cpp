// Label sheet products on the command line: a product's cells where its template puts them,
// products listed and refused, from template folders of our own.
#include "label_fixture.h"

#include "catalog_app/cli/print_label_command.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// Numbers that whole millimetres cannot hold: stored rounded, the 7th row would land 0.75 mm
// too high.
const QByteArray kTemplates = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Test" part="Fine" size="A4" _description="Address labels">
    <Label-rectangle id="0" width="63.5mm" height="38.1mm" round="2.5mm">
      <Layout nx="3" ny="7" x0="7.25mm" y0="15.15mm" dx="66.04mm" dy="38.1mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Test" part="Letter-2" size="US-Letter" _description="Shipping labels">
    <Label-rectangle id="0" width="4in" height="5in">
      <Layout nx="2" ny="2" x0="0.25in" y0="0.5in" dx="4in" dy="5in"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)";

const QByteArray kPapers = R"(<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
</Glabels-paper-sizes>)";

class LabelSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fx.Path(QStringLiteral("data/libglabels-3.0/templates"));
        ASSERT_TRUE(QDir().mkpath(folder));
        Write(QDir(folder).filePath("test-templates.xml"), kTemplates);
        Write(QDir(folder).filePath("paper-sizes.xml"), kPapers);
        request.catalogue = fx.WriteCatalogue(3);
        request.media = QStringLiteral("0");
        request.pdf = fx.Path(QStringLiteral("out.pdf"));
        request.form = FormBuilder(60, 30).Text(0, 0, u"Corner").Save(fx.Path("form.emf"));
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Print() { return PrintLabelCommand(request, fx.Settings(), {folder}); }

    LabelFixture fx;
    QString folder;
    LabelRequest request;
};

TEST_F(LabelSheetTest, CellsLandWhereTheProductPutsThem) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case {
        const char* cell;
        double left, top;
    };
    request.sheet = QStringLiteral("test FINE");
    for (const Case& c : {Case{"1,1", 7.25, 15.15}, Case{"3,7", 7.25 + 2 * 66.04, 15.15 + 6 * 38.1},
                          Case{"2,4", 7.25 + 66.04, 15.15 + 3 * 38.1}}) {
        request.cell = QString::fromLatin1(c.cell);
        ASSERT_EQ(Print(), QString());
        const auto words = ReadPdfWords(request.pdf);
        ASSERT_TRUE(words);
        const PdfWord* corner = FindWord(*words, QStringLiteral("Corner"));
        ASSERT_TRUE(corner) << c.cell;
        EXPECT_NEAR(corner->left, c.left, 0.5) << c.cell;
        EXPECT_NEAR(corner->top, c.top, 0.5) << c.cell;
    }
    // The cell must lie on the product's sheet.
    request.cell = QStringLiteral("4,1");
    EXPECT_TRUE(Print().contains("3 columns and 7 rows"));
}

TEST_F(LabelSheetTest, TheProductsPaperUnlessOneIsGiven) {
    request.sheet = QStringLiteral("Test Letter-2");
    ASSERT_EQ(Print(), QString());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {request.pdf});
    if (!info.waitForStarted()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("612 x 792 pts"));
    request.paper = QStringLiteral("A4");
    ASSERT_EQ(Print(), QString());
    info.start(QStringLiteral("pdfinfo"), {request.pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("(A4)"));
}

TEST_F(LabelSheetTest, UnknownProductsAndMissingDatabaseAreRefused) {
    request.sheet = QStringLiteral("Test Nope");
    EXPECT_TRUE(Print().contains("no such label sheet product"));
    request.sheet = QStringLiteral("Test Fine");
    request.margins = QStringLiteral("1,1,1,1,1,1");
    EXPECT_TRUE(Print().contains("give one of them"));
    request.margins.clear();
    EXPECT_TRUE(
        PrintLabelCommand(request, fx.Settings(), {fx.Path("none")}).contains("glabels-data"));
    EXPECT_FALSE(QFile::exists(request.pdf));
}

// The program reads gLabels' folders from the XDG data folders.
TEST_F(LabelSheetTest, TheProgramListsAndUsesProducts) {
    QProcess melvara;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), fx.Path(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), fx.Path(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), fx.Path(QStringLiteral("config")));
    melvara.setProcessEnvironment(env);
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--list-sheets"), QStringLiteral("address")});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(melvara.readAllStandardOutput()),
              QStringLiteral("Test\tFine\tAddress labels\t63.5 x 38.1 mm\t3 x 7\n"));
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY), {QStringLiteral("--list-sheets")});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.readAllStandardOutput().count('\n'), 2);
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--list-sheets"), QStringLiteral("nothing like it")});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 1);

    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--print-label"), request.catalogue, QStringLiteral("--media"),
                   QStringLiteral("0"), QStringLiteral("--form"), request.form,
                   QStringLiteral("--sheet"), QStringLiteral("Test Nope"), QStringLiteral("--pdf"),
                   request.pdf});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(request.pdf));
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--print-label"), request.catalogue, QStringLiteral("--media"),
                   QStringLiteral("0"), QStringLiteral("--form"), request.form,
                   QStringLiteral("--sheet"), QStringLiteral("Test Fine"), QStringLiteral("--pdf"),
                   request.pdf});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 0) << melvara.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(request.pdf));
}

} // namespace
