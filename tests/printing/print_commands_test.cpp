// Print and Print Preview as the menus run them, with the dialogs answered by the test.
#include "label_fixture.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/dialogs/spacing_dialog.h"
#include "catalog_app/frame/frame_actions.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/frame/print_commands.h"
#include "catalog_app/panes/media_list_view.h"
#include "labels/label_print_job.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CRecordingPrompts : public CPrompts {
public:
    bool RunMediaSheet(QWidget*, CMediaSheetValues&) override { return false; }
    bool RunTrackDialog(QWidget*, CCatalogue&, CTrackDialogValues&) override { return false; }
    bool Confirm(QWidget*, const QString&) override { return false; }
    void Inform(QWidget*, const QString& message) override { messages << message; }
    SaveAnswer AskToSave(QWidget*, const QString&) override { return SaveAnswer::Cancel; }
    QStringList messages;
};

// The dialogs answer as told; the print dialog sends the job into a PDF file.
class CTestPrintCommands : public CPrintCommands {
public:
    using CPrintCommands::CPrintCommands;
    std::optional<LabelSpacingValues> startCell; ///< none: Cancel
    bool printerOk = true;
    QString pdf;
    std::vector<FormMargins> askedWith;
    int previewPages = -1;

protected:
    bool AskStartCell(QWidget*, const FormMargins& margins, LabelSpacingValues& values) override {
        askedWith.push_back(margins);
        if (startCell) values = *startCell;
        return startCell.has_value();
    }
    bool AskPrinter(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return printerOk;
    }
    void ShowPreview(QWidget*, QPrinter&, CLabelPrintJob& job) override {
        previewPages = job.PageCount();
    }
};

const QString kNoForm =
    QStringLiteral("No valid printer form found for this type of media!\nCheck the file and "
                   "path name given in the settings\nfor this type of media.");

class PrintCommandsTest : public ::testing::Test {
protected:
    PrintCommandsTest() : commands(fx.Settings(), prompts) {
        catalog::LoadCatalogueFile(catalogue, fx.WriteCatalogue(4).toStdString());
        for (std::uint32_t i = 0; i < 4; ++i)
            media.push_back(catalogue.Media().FindMedia(i));
        fx.SetForm(0, FormBuilder(60, 30).Text(200, 200, u"#X").Save(fx.Path("form.emf")));
        commands.pdf = fx.Path("job.pdf");
    }

    std::vector<PdfWord> Printed() {
        return ReadPdfWords(commands.pdf).value_or(std::vector<PdfWord>{});
    }

    LabelFixture fx;
    CRecordingPrompts prompts;
    CTestPrintCommands commands;
    CCatalogue catalogue;
    std::vector<const CMedia*> media;
};

TEST_F(PrintCommandsTest, WithoutMediumOrFormTheMessageAndNoDialog) {
    commands.OnFilePrint(nullptr, catalogue, nullptr, {});
    fx.SetForm(0, std::nullopt);
    commands.OnFilePrint(nullptr, catalogue, media[0], {media[0]});
    fx.SetForm(0, fx.Path("missing.emf"));
    commands.OnFilePrintPreview(nullptr, catalogue, media[0], {media[0]});
    EXPECT_EQ(prompts.messages, (QStringList{kNoForm, kNoForm, kNoForm}));
    EXPECT_TRUE(commands.askedWith.empty());
    EXPECT_EQ(commands.previewPages, -1);
    EXPECT_FALSE(QFile::exists(commands.pdf));
}

// A job that cannot be written says so instead of ending as if it had printed; a medium of
// a type the settings do not know (a damaged file) has no form.
TEST_F(PrintCommandsTest, FailuresAreShown) {
    commands.pdf = fx.Path("no/such/folder/job.pdf");
    commands.OnFilePrint(nullptr, catalogue, media[0], {media[0]});
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("The label could not be printed")));
    const CMedia* foreign = catalogue.Media().AddMedia("Odd", "", 42, 0, {});
    commands.OnFilePrint(nullptr, catalogue, foreign, {foreign});
    EXPECT_EQ(prompts.messages.back(), kNoForm);
}

TEST_F(PrintCommandsTest, SpacingAsksForTheCellAndCancelPrintsNothing) {
    fx.SetMargins(0, {10, 10, 70, 40, 2, 3, 1});
    commands.OnFilePrint(nullptr, catalogue, media[2], {media[2]});
    ASSERT_EQ(commands.askedWith.size(), 1u);
    EXPECT_EQ(commands.askedWith[0].columns, 2);
    EXPECT_FALSE(QFile::exists(commands.pdf));

    commands.startCell = LabelSpacingValues{2, 3, false};
    commands.OnFilePrint(nullptr, catalogue, media[2], {media[2]});
    const auto words = Printed();
    const PdfWord* index = FindWord(words, QStringLiteral("000002"));
    ASSERT_TRUE(index);
    EXPECT_NEAR(index->left, 10 + 70 + 2, 0.5);
    EXPECT_NEAR(index->top, 10 + 80 + 2, 0.5);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrintCommandsTest, DontUseSpacingPrintsAtTheCornerAndSwitchesSpacingOff) {
    const FormMargins sheet{30, 30, 70, 40, 2, 3, 1};
    fx.SetMargins(0, sheet);
    commands.startCell = LabelSpacingValues{2, 2, true};
    commands.OnFilePrint(nullptr, catalogue, media[1], {media[1]});
    FormMargins off = sheet;
    off.spacingEnabled = 0;
    EXPECT_EQ(fx.Settings().Margins(0), off);
    const auto words = Printed();
    const PdfWord* index = FindWord(words, QStringLiteral("000001"));
    ASSERT_TRUE(index);
    EXPECT_LT(index->left, 20); // the printer's own corner, not cell 2/2
    // The next job no longer asks.
    commands.OnFilePrint(nullptr, catalogue, media[1], {media[1]});
    EXPECT_EQ(commands.askedWith.size(), 1u);
}

TEST_F(PrintCommandsTest, SeveralSelectedMediaMakeOneJobOnTheCurrentTypesSheet) {
    fx.SetMargins(0, {10, 10, 80, 40, 2, 1, 1});
    fx.SetMargins(1, {0, 0, 0, 0, 1, 1, 0}); // another type's sheet is not used
    commands.startCell = LabelSpacingValues{2, 1, false};
    commands.OnFilePrintPreview(nullptr, catalogue, media[3], {media[0], media[1], media[3]});
    EXPECT_EQ(commands.previewPages, 2); // cell 2/1, then 1/1 and 2/1 of a second page
    commands.OnFilePrint(nullptr, catalogue, media[3], {media[0], media[1], media[3]});
    const auto words = Printed();
    const PdfWord* first = FindWord(words, QStringLiteral("000000"));
    const PdfWord* last = FindWord(words, QStringLiteral("000003"));
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->page, 0);
    EXPECT_NEAR(first->left, 92, 0.5);
    EXPECT_EQ(last->page, 1);
    EXPECT_NEAR(last->left, 92, 0.5);
}

// The main window offers printing once the run's print settings are known, for the media
// pane's current medium, and prints the selected media in list order.
TEST_F(PrintCommandsTest, MainWindowRoutesPrintToTheMediaPane) {
    CMainFrame frame(&prompts);
    frame.show();
    ASSERT_TRUE(frame.OpenCatalogue(fx.Path("catalogue.mvr")));
    const CFrameActions& a = frame.Actions();
    frame.MediaPane()->setFocus();
    frame.MediaPane()->SelectRow(0);
    frame.UpdateCommandUi();
    EXPECT_FALSE(a.filePrint->isEnabled()); // no print settings: nobody handles it
    EXPECT_FALSE(a.settings->isEnabled());
    frame.SetFormSettings(&fx.Settings());
    EXPECT_TRUE(a.filePrint->isEnabled());
    EXPECT_TRUE(a.filePrintPreview->isEnabled());
    EXPECT_TRUE(a.filePrintSetup->isEnabled());
    EXPECT_TRUE(a.settings->isEnabled());
    frame.MediaPane()->selectAll();
    std::vector<std::uint32_t> order;
    for (const CMedia* m : frame.SelectedMedia())
        order.push_back(m->MediaIndex());
    EXPECT_EQ(order, (std::vector<std::uint32_t>{3, 2, 1, 0})); // the list shows newest first
    fx.SetForm(0, std::nullopt);
    a.filePrint->trigger();
    EXPECT_EQ(prompts.messages, QStringList{kNoForm});
}

TEST(LabelSpacingDlg, RangesFollowTheSheetAndOkChecksZeroToHundred) {
    CLabelSpacingDlg single({0, 0, 0, 0, 1, 1, 1});
    EXPECT_EQ(single.ColumnField()->maximum(), 1);
    EXPECT_EQ(single.RowField()->maximum(), 1);
    EXPECT_EQ(single.windowTitle(), QStringLiteral("Label spacing values"));

    CLabelSpacingDlg wide({0, 0, 0, 0, 150, 8, 1});
    EXPECT_EQ(wide.ColumnField()->value(), 1);
    EXPECT_EQ(wide.RowField()->maximum(), 8);
    wide.show();
    QTest::keyClick(wide.ColumnField(), Qt::Key_Up); // the arrows write the number
    EXPECT_EQ(wide.ColumnField()->value(), 2);
    // Typed digits count too, within the sheet's rows.
    wide.RowField()->selectAll();
    QTest::keyClicks(wide.RowField(), QStringLiteral("7"));
    EXPECT_EQ(wide.RowField()->value(), 7);
    wide.RowField()->selectAll();
    QTest::keyClicks(wide.RowField(), QStringLiteral("9"));
    EXPECT_EQ(wide.RowField()->value(), 7); // beyond the sheet: refused
    wide.ColumnField()->setValue(101);
    wide.accept();
    EXPECT_NE(wide.result(), QDialog::Accepted);
    wide.ColumnField()->setValue(100);
    wide.NoSpacingBox()->setChecked(true);
    wide.accept();
    EXPECT_EQ(wide.result(), QDialog::Accepted);
    EXPECT_EQ(wide.Values().column, 100);
    EXPECT_TRUE(wide.Values().dontUseSpacing);
}

} // namespace

// The no-form message's button leads to the form paths at the medium's type; OK alone
// leads nowhere.
TEST_F(PrintCommandsTest, TheNoFormMessageLeadsToThePathsOfItsType) {
    class CChoosingPrompts : public CRecordingPrompts {
    public:
        bool choose = true;
        bool InformNoForm(QWidget* parent, const QString& message) override {
            Inform(parent, message);
            return choose;
        }
    } choosing;
    CTestPrintCommands commands2(fx.Settings(), choosing);
    std::vector<int> opened;
    commands2.SetOpenPaths([&opened](int type) { opened.push_back(type); });
    const CMedia* tape = catalogue.Media().AddMedia("Tape", "", 1, 0, {});
    commands2.OnFilePrint(nullptr, catalogue, tape, {tape});
    choosing.choose = false;
    commands2.OnFilePrintPreview(nullptr, catalogue, tape, {tape});
    EXPECT_EQ(opened, std::vector<int>{1});
    EXPECT_EQ(choosing.messages, (QStringList{kNoForm, kNoForm}));
}
