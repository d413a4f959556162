// melvara --print-label: what it refuses, with one line naming the cause and no PDF file
// left behind.
#include "label_fixture.h"

#include "catalog_app/cli/print_label_command.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(MediaList, IndexesAndRangesInTheOrderGiven) {
    EXPECT_EQ(ParseMediaList(QStringLiteral("3,5,10-12")),
              (std::vector<IndexRange>{{3, 3}, {5, 5}, {10, 12}}));
    EXPECT_EQ(ParseMediaList(QStringLiteral(" 7 , 0-0")),
              (std::vector<IndexRange>{{7, 7}, {0, 0}}));
    EXPECT_EQ(ParseMediaList(QStringLiteral("4294967295")),
              (std::vector<IndexRange>{{4294967295u, 4294967295u}}));
    for (const char* bad :
         {"", ",", "3,", "a", "-1", "5-3", "1-", "-", "1-2-3", "+3", "0x10", "4294967296", "1.5"})
        EXPECT_FALSE(ParseMediaList(QString::fromLatin1(bad))) << bad;
}

TEST(MediaList, NumbersCountAndRange) {
    EXPECT_EQ(ParseNumbers(QStringLiteral("1,2"), 2), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(ParseNumbers(QStringLiteral("2147483647"), 1),
              (std::vector<std::int32_t>{2147483647}));
    for (const char* bad : {"1", "1,2,3", "1,", "a,1", "-1,2", "2147483648,1"})
        EXPECT_FALSE(ParseNumbers(QString::fromLatin1(bad), 2)) << bad;
}

class LabelCommandTest : public ::testing::Test {
protected:
    LabelCommandTest() {
        request.catalogue = fx.WriteCatalogue(3);
        request.media = QStringLiteral("0");
        request.pdf = fx.Path(QStringLiteral("out/label.pdf"));
        QDir().mkpath(fx.Path(QStringLiteral("out")));
        fx.SetForm(0, FormBuilder(50, 20).Text(0, 0, u"#X").Save(fx.Path("form.emf")));
    }

    // The command fails with a one-line cause containing what, and leaves the output
    // folder as it was.
    void ExpectRefused(const char* what) {
        const QStringList before = QDir(fx.Path(QStringLiteral("out"))).entryList(QDir::Files);
        const QString error = PrintLabelCommand(request, fx.Settings());
        EXPECT_TRUE(error.contains(QString::fromLatin1(what))) << error.toStdString();
        EXPECT_FALSE(error.contains(QLatin1Char('\n'))) << error.toStdString();
        EXPECT_EQ(QDir(fx.Path(QStringLiteral("out"))).entryList(QDir::Files), before);
    }

    LabelFixture fx;
    LabelRequest request;
};

TEST_F(LabelCommandTest, PrintsAndReplacesAnOldFile) {
    QFile old(request.pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_EQ(PrintLabelCommand(request, fx.Settings()), QString());
    QFile pdf(request.pdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_EQ(QDir(fx.Path(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("label.pdf")});
}

TEST_F(LabelCommandTest, BadCataloguesAreNamed) {
    request.catalogue = fx.Path(QStringLiteral("missing.mvr"));
    ExpectRefused("missing.mvr");
    QFile damaged(fx.Path(QStringLiteral("damaged.mvr")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x10\x12\x12\x12garbage", 11);
    damaged.close();
    request.catalogue = damaged.fileName();
    ExpectRefused("damaged.mvr");
}

TEST_F(LabelCommandTest, MediaAndFormsMustExist) {
    request.media = QStringLiteral("0,2-7");
    ExpectRefused("medium 3 is not in the catalogue");
    request.media = QStringLiteral("1-4294967295"); // stops at the first missing index
    ExpectRefused("medium 3 is not in the catalogue");
    request.media = QStringLiteral("0");
    fx.SetForm(0, std::nullopt);
    ExpectRefused("has no print form");
    request.form = fx.Path(QStringLiteral("nowhere.emf"));
    ExpectRefused("nowhere.emf: cannot open the print form");
}

TEST_F(LabelCommandTest, MalformedNumbersAreRefused) {
    const std::pair<QString LabelRequest::*, const char*> cases[] = {
        {&LabelRequest::media, "1;2"},
        {&LabelRequest::margins, "1,2,3,4,5"},
        {&LabelRequest::margins, "1,2,3,4,0,1"},
        {&LabelRequest::cell, "0,1"},
        {&LabelRequest::cell, "x"},
        {&LabelRequest::paper, "Napkin"}};
    for (const auto& [field, value] : cases) {
        LabelRequest saved = request;
        request.*field = QString::fromLatin1(value);
        ExpectRefused(value);
        request = saved;
    }
    // A start cell must lie on the sheet.
    request.margins = QStringLiteral("0,0,50,20,2,3");
    request.cell = QStringLiteral("3,1");
    ExpectRefused("--cell 3,1");
}

TEST_F(LabelCommandTest, AnUnwritableOutputIsRefused) {
    request.pdf = fx.Path(QStringLiteral("out/no/such/folder/label.pdf"));
    ExpectRefused("cannot write");
    request.pdf = fx.Path(QStringLiteral("out")); // a folder
    ExpectRefused("cannot write");
}

// The whole program: no display, exit status 1 and one line on stderr for bad input.
TEST_F(LabelCommandTest, TheProgramAnswersWithoutADisplay) {
    QProcess melvara;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), fx.Path(QStringLiteral("config")));
    melvara.setProcessEnvironment(env);
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--print-label"), request.catalogue, QStringLiteral("--media"),
                   QStringLiteral("0"), QStringLiteral("--form"), fx.Path("form.emf"),
                   QStringLiteral("--pdf"), request.pdf});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 0) << melvara.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(request.pdf));

    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--print-label"), request.catalogue, QStringLiteral("--media"),
                   QStringLiteral("9"), QStringLiteral("--pdf"), fx.Path("other.pdf")});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(melvara.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("melvara: medium 9 is not in the catalogue\n")))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(fx.Path("other.pdf")));

    // The main window's picture, taken without a display too.
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY),
                  {QStringLiteral("--screenshot"), fx.Path("window.png"), request.catalogue});
    ASSERT_TRUE(melvara.waitForFinished(30000));
    EXPECT_EQ(melvara.exitCode(), 0) << melvara.readAllStandardError().toStdString();
    const QImage window(fx.Path("window.png"));
    EXPECT_GT(window.width(), 400);
    EXPECT_GT(window.height(), 300);
}

} // namespace
