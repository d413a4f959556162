// Labels printed into PDF files through the print job the menus and the command line use,
// read back with pdftotext: where they land, how large, and what the placeholders became.
#include "label_fixture.h"

#include "catalog_app/cli/print_label_command.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 0.5; // mm

class LabelPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        catalogue = fx.WriteCatalogue(6);
        // Marks at the corner, 110 mm to the right and 30 mm down; the media index beside.
        form = FormBuilder(113, 40)
                   .Text(0, 0, u"Corner")
                   .Text(11000, 0, u"Right")
                   .Text(0, 3000, u"Down")
                   .Text(5000, 1000, u"#X")
                   .Save(fx.Path("form.emf"));
        fx.SetForm(0, form);
    }

    LabelRequest Request(const QString& media) const {
        LabelRequest r;
        r.catalogue = catalogue;
        r.media = media;
        r.pdf = fx.Path("out.pdf");
        r.paper = QStringLiteral("A4");
        return r;
    }

    std::vector<PdfWord> Print(const LabelRequest& request) {
        const QString error = PrintLabelCommand(request, fx.Settings());
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        auto words = ReadPdfWords(request.pdf);
        EXPECT_TRUE(words);
        return words.value_or(std::vector<PdfWord>{});
    }

    LabelFixture fx;
    QString catalogue, form;
};

// Where the label's corner lands for a sheet and start cell, from the paper's edge.
TEST_F(LabelPrintTest, CellsAreMeasuredFromThePaperEdge) {
    struct Case {
        const char *margins, *cell;
        double left, top;
    };
    for (const Case& c : {Case{"20,30,0,0,1,1", "1,1", 20, 30},      // margins alone
                          Case{"5,10,70,37,3,7", "3,2", 145, 47}}) { // two spacings on
        LabelRequest r = Request(QStringLiteral("0"));
        r.margins = QString::fromLatin1(c.margins);
        r.cell = QString::fromLatin1(c.cell);
        const auto words = Print(r);
        const PdfWord* corner = FindWord(words, QStringLiteral("Corner"));
        ASSERT_TRUE(corner) << c.margins;
        EXPECT_NEAR(corner->left, c.left, kTolerance) << c.margins;
        EXPECT_NEAR(corner->top, c.top, kTolerance) << c.margins;
    }
}

TEST_F(LabelPrintTest, FormPrintsAtItsTrueSize) {
    LabelRequest r = Request(QStringLiteral("0"));
    r.margins = QStringLiteral("10,10,0,0,1,1");
    const auto words = Print(r);
    const PdfWord* corner = FindWord(words, QStringLiteral("Corner"));
    const PdfWord* right = FindWord(words, QStringLiteral("Right"));
    const PdfWord* down = FindWord(words, QStringLiteral("Down"));
    ASSERT_TRUE(corner && right && down);
    // The 113 mm form is scaled 1:1 on both axes.
    EXPECT_NEAR(right->left - corner->left, 110, kTolerance);
    EXPECT_NEAR(down->top - corner->top, 30, kTolerance);
}

TEST_F(LabelPrintTest, WithoutSpacingTheLabelSitsAtThePrintableCorner) {
    fx.SetMargins(0, {40, 40, 70, 37, 3, 8, 0}); // spacing off: margins ignored
    LabelRequest r = Request(QStringLiteral("0"));
    r.cell = QStringLiteral("3,5");
    // pdftotext leaves out words that touch the paper's edge: this one stays 2 mm inside.
    r.form = FormBuilder(50, 20).Text(200, 200, u"Inset").Save(fx.Path("inset.emf"));
    const auto words = Print(r);
    const PdfWord* inset = FindWord(words, QStringLiteral("Inset"));
    ASSERT_TRUE(inset);
    EXPECT_NEAR(inset->left, 2, kTolerance);
    EXPECT_NEAR(inset->top, 2, kTolerance);
}

TEST_F(LabelPrintTest, SeveralMediaFillConsecutiveCellsInListOrder) {
    fx.SetMargins(0, {10, 20, 100, 50, 2, 2, 1});
    LabelRequest r = Request(QStringLiteral("4,1-3"));
    r.cell = QStringLiteral("2,2");
    const auto words = Print(r);
    EXPECT_EQ(PdfPageCount(r.pdf), 2);
    struct Expected {
        const char* index;
        int page;
        double left, top;
    };
    // #X sits 50 mm right and 10 mm down in its label.
    for (const Expected& e :
         {Expected{"000004", 0, 110 + 50, 70 + 10}, Expected{"000001", 1, 10 + 50, 20 + 10},
          Expected{"000002", 1, 110 + 50, 20 + 10}, Expected{"000003", 1, 10 + 50, 70 + 10}}) {
        const PdfWord* w = FindWord(words, QString::fromLatin1(e.index));
        ASSERT_TRUE(w) << e.index;
        EXPECT_EQ(w->page, e.page) << e.index;
        EXPECT_NEAR(w->left, e.left, kTolerance) << e.index;
        EXPECT_NEAR(w->top, e.top, kTolerance) << e.index;
    }
}

TEST_F(LabelPrintTest, PlaceholdersAreFilledDroppedOrKept) {
    const QString all = FormBuilder(150, 100)
                            .Text(100, 100, u"#X")
                            .Text(100, 600, u"#M")
                            .Text(100, 1100, u"#D")
                            .Text(100, 1600, u"#L01")
                            .Text(100, 2100, u"#L02")
                            .Text(100, 2600, u"#I02")
                            .Text(100, 3100, u"#T02")
                            .Text(100, 3600, u"#N03")
                            .Text(100, 4100, u"#P01")
                            .Text(100, 4600, u"#C01")
                            .Text(100, 5100, u"#C03")
                            .Text(100, 5600, u"#L03 #Z01 #i01 #I00")
                            .Text(100, 6100, u"Nr. #I01")
                            .Save(fx.Path("all.emf"));
    LabelRequest r = Request(QStringLiteral("5"));
    r.form = all;
    const auto words = Print(r);
    QStringList texts;
    for (const PdfWord& w : words)
        texts << w.text;
    const QString joined = texts.join(QLatin1Char(' '));
    EXPECT_EQ(joined.toStdString(),
              std::string("000005 123:57 2001-03-07 Title5 Second 000002 120:05 Outro "
                          "Band Intro / Band Outro / Nr. #I01"));
}

} // namespace
