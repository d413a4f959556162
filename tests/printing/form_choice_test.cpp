// Choosing forms and label sheets in the "Settings" sheet: the installed forms and their
// preview on "Paths", label sheet products on "Margins", and the overlap warnings.
#include "label_fixture.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/frame/print_commands.h"
#include "catalog_app/settings/form_chooser_dialog.h"
#include "catalog_app/settings/form_preview.h"
#include "catalog_app/settings/prop_margin_page.h"
#include "catalog_app/settings/prop_paths_page.h"
#include "catalog_app/settings/settings_sheet.h"
#include "catalog_app/settings/sheet_product_dialog.h"
#include "catalog_app/settings/sheet_products_model.h"
#include "labels/cell_overlap.h"
#include "labels/label_print_job.h"
#include "labels/sheets/sheet_database.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray kTemplates = R"(<Glabels-templates>
  <Template brand="Acme" part="CD-2" size="A4" _description="CD labels">
    <Label-cd id="0" radius="58.5mm" hole="20.5mm">
      <Layout nx="1" ny="2" x0="46.4mm" y0="21.8mm" dx="0" dy="137mm"/>
    </Label-cd>
  </Template>
  <Template brand="Acme" part="A-21" size="A4" _description="Address labels">
    <Label-rectangle id="0" width="63.5mm" height="38.1mm">
      <Layout nx="3" ny="7" x0="7.25mm" y0="15.15mm" dx="66.04mm" dy="38.1mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)";

class FormChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile file(fx.Path("acme-templates.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kTemplates);
        file.close();
        products.Load({fx.Path(QString())});
        ASSERT_EQ(products.Products().size(), 2u);
        ASSERT_TRUE(catalog::LoadCatalogueFile(catalogue, KORVEL_EXAMPLES_DIR "/sample.mvr").ok());
        forms = InstalledForms({QStringLiteral(KORVEL_BUILD_FORMS_DIR)});
        ASSERT_FALSE(forms.empty());
    }
    QString FormNamed(const QString& file) const {
        return QDir(QStringLiteral(KORVEL_BUILD_FORMS_DIR)).filePath(file);
    }
    static void Save(QWidget& widget, const char* name) {
        const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    }

    LabelFixture fx;
    sheets::SheetDatabase products;
    CCatalogue catalogue;
    std::vector<InstalledForm> forms;
};

TEST_F(FormChoiceTest, TheChooserOffersTheFormsOfTheType) {
    for (int type = 0; type < 7; ++type) {
        CFormChooserDialog dialog(forms, type, fx.Settings());
        EXPECT_EQ(dialog.List()->count(), int(forms.size()));
        EXPECT_TRUE(QFileInfo(dialog.SelectedPath()).fileName().startsWith(FormPrefixOf(type)))
            << type;
        if (type == 3) {
            dialog.show();
            Save(dialog, "installed_forms.png");
        }
    }
    CFormChooserDialog none({}, 0, fx.Settings());
    EXPECT_TRUE(none.SelectedPath().isEmpty());
}

// The preview follows the path field, filled with the current medium, and says the size.
TEST_F(FormChoiceTest, ThePathsPageShowsTheFormAsItPrints) {
    fx.SetForm(0, FormNamed("cd_booklet.emf"));
    CSettingsSheet sheet(fx.Settings());
    CPropPath* paths = sheet.PathsPage();
    paths->SetPreviewMedium(&catalogue, catalogue.Media().FindMedia(0));
    paths->SelectType(0);
    EXPECT_EQ(paths->PathEdit()->text(), FormNamed("cd_booklet.emf"));
    EXPECT_TRUE(paths->Preview()->SizeLabel()->text().startsWith("120 x 120 mm"));
    EXPECT_TRUE(paths->Preview()->SizeLabel()->text().contains("current medium"));
    EXPECT_FALSE(paths->Preview()->Picture()->pixmap().isNull());
    sheet.resize(980, 560);
    sheet.show();
    QTest::qWait(50);
    Save(sheet, "paths_preview.png");
    paths->PathEdit()->setText(FormNamed("mc_j_card.emf"));
    EXPECT_TRUE(paths->Preview()->SizeLabel()->text().startsWith("101.6 x 101.6 mm"));
    paths->PathEdit()->setText(fx.Path("missing.emf"));
    EXPECT_EQ(paths->Preview()->Picture()->text(), "Not a print form");
    // Looking changes nothing: the stored path stays until "set" and OK.
    sheet.reject();
    EXPECT_EQ(fx.Settings().FormPath(0), FormNamed("cd_booklet.emf"));
}

TEST_F(FormChoiceTest, AProductFillsTheSelectedTypesSheet) {
    fx.SetForm(4, FormNamed("lp_centre_label.emf"));
    CSettingsSheet sheet(fx.Settings());
    CPropMargin* page = sheet.MarginPage();
    const sheets::SheetDatabase none;
    page->SetProductDatabase(&none);
    sheet.Pages()->setCurrentIndex(1);
    EXPECT_TRUE(page->ProductButton()->toolTip().contains("glabels-data"));
    page->SetProductDatabase(&products);
    EXPECT_EQ(page->ProductButton()->text(), "Sheet product...");
    EXPECT_FALSE(page->ProductButton()->isEnabled());
    page->List()->setCurrentItem(page->List()->topLevelItem(4));
    EXPECT_TRUE(page->ProductButton()->isEnabled());
    page->ApplyProduct(*products.Find(QStringLiteral("Acme A-21")));
    EXPECT_EQ(page->Field(0)->text(), "7");
    EXPECT_EQ(page->Field(3)->text(), "38");
    EXPECT_TRUE(page->SpacingBox()->isChecked());
    EXPECT_EQ(page->List()->topLevelItem(4)->text(5), "3");
    // Whole millimetres put the seventh row 0.75 mm off; the 100 mm record label is larger
    // than a cell 66 x 38 mm.
    EXPECT_TRUE(page->NoteLabel()->text().contains("0.75 mm"))
        << page->NoteLabel()->text().toStdString();
    EXPECT_TRUE(page->NoteLabel()->text().contains("larger than one cell"));
    sheet.resize(760, 520);
    sheet.show();
    QTest::qWait(50);
    Save(sheet, "margins_product.png");
    sheet.accept();
    EXPECT_EQ(fx.Settings().Margins(4), (FormMargins{7, 15, 66, 38, 3, 7, 1}));
    EXPECT_EQ(fx.Settings().Margins(0), FormMargins{});
}

TEST_F(FormChoiceTest, TheProductListIsSearched) {
    CSheetProductDialog dialog(products);
    QAbstractItemModelTester tester(dialog.Table()->model());
    EXPECT_EQ(dialog.Table()->model()->rowCount(), 2);
    EXPECT_EQ(dialog.SelectedProduct(), nullptr);
    dialog.SearchField()->setText(QStringLiteral("acme cd"));
    EXPECT_EQ(dialog.Table()->model()->rowCount(), 1);
    EXPECT_EQ(dialog.CountLabel()->text(), "1 of 2 products");
    ASSERT_TRUE(dialog.SelectedProduct());
    EXPECT_EQ(dialog.SelectedProduct()->part, "CD-2");
    EXPECT_EQ(dialog.Table()->model()->index(0, CSheetProductsModel::LabelSize).data(),
              QStringLiteral("Ø 117 mm"));
    dialog.SearchField()->setText(QStringLiteral("zzz"));
    EXPECT_EQ(dialog.SelectedProduct(), nullptr);
    dialog.SearchField()->clear();
    dialog.show();
    Save(dialog, "sheet_products.png");
}

TEST(CellOverlap, AFormLargerThanACellOverlapsOnlyWhereThereIsANeighbour) {
    const FrameRect booklet{0, 0, 12000, 12000};
    EXPECT_FALSE(FormOverlapsCells(booklet, {10, 10, 124, 137, 1, 2, 1}));
    EXPECT_FALSE(FormOverlapsCells(booklet, {10, 10, 100, 100, 1, 1, 1}));
    EXPECT_FALSE(FormOverlapsCells(booklet, {10, 10, 60, 60, 3, 3, 0}));
    const CellOverlap both = FormOverlapsCells(booklet, {10, 10, 119, 119, 2, 2, 1});
    EXPECT_TRUE(both.across && both.down);
    EXPECT_TRUE(FormOverlapsCells(booklet, {0, 0, 120, 119, 2, 2, 1}).down);
    EXPECT_FALSE(FormOverlapsCells(booklet, {0, 0, 120, 119, 2, 2, 1}).across);
    EXPECT_TRUE(CellOverlapMessage("CD", booklet, {0, 0, 120, 119, 2, 2, 1}).contains("next row"));
}

// Print preview says so too.
TEST_F(FormChoiceTest, ThePreviewWarnsOfOverlappingLabels) {
    fx.SetForm(0, FormNamed("cd_booklet.emf"));
    CLabelPrintJob job(fx.Settings(), catalogue);
    const CMedia* medium = catalogue.Media().FindMedia(0);
    ASSERT_FALSE(job.LoadForms({medium}));
    job.SetSheet({10, 10, 100, 100, 2, 2, 1});
    EXPECT_TRUE(job.CellOverlapWarning().contains("The CD form (120 x 120 mm)"));
    job.SetSheet({10, 10, 121, 121, 2, 2, 1});
    EXPECT_TRUE(job.CellOverlapWarning().isEmpty());
    EXPECT_EQ(job.DocumentTitle(), "Moonlight Sessions");
}

// The modal windows are answered by a timer once they are up: the no-form message's button
// is pressed, and the print preview shows its warning.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QTimer* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll->deleteLater();
                act(modal);
            }
        });
        poll->start(20);
    });
}

TEST_F(FormChoiceTest, TheNoFormMessageHasAButtonToThePaths) {
    WhenModal([](QWidget* box) {
        Save(*box, "no_form_message.png");
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == "Choose a print form...") b->click();
    });
    CDialogPrompts prompts;
    EXPECT_TRUE(prompts.InformNoForm(nullptr, QStringLiteral("No valid printer form found")));
}

class CPreviewCommands : public CPrintCommands {
public:
    using CPrintCommands::CPrintCommands;
    using CPrintCommands::ShowPreview;
};

TEST_F(FormChoiceTest, ThePrintPreviewShowsTheOverlapWarning) {
    fx.SetForm(0, FormNamed("cd_booklet.emf"));
    CLabelPrintJob job(fx.Settings(), catalogue);
    ASSERT_FALSE(job.LoadForms({catalogue.Media().FindMedia(0)}));
    job.SetSheet({10, 10, 100, 130, 2, 2, 1});
    CDialogPrompts prompts;
    CPreviewCommands commands(fx.Settings(), prompts);
    QString shown;
    WhenModal([&shown](QWidget* preview) {
        if (auto* note = preview->findChild<QLabel*>(QStringLiteral("cellOverlapWarning")))
            shown = note->text();
        preview->resize(900, 760);
        QTest::qWait(100);
        Save(*preview, "print_preview_overlap.png");
        preview->close();
    });
    commands.ShowPreview(nullptr, commands.Printer(), job);
    EXPECT_TRUE(shown.contains("next column")) << shown.toStdString();
}

} // namespace
