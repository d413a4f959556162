// Pictures of the print preview, the spacing dialog and the settings pages, to look at;
// taken only when KORVEL_SCREENSHOT_DIR names a folder.
#include "label_fixture.h"

#include "catalog_app/dialogs/spacing_dialog.h"
#include "catalog_app/settings/prop_paths_page.h"
#include "catalog_app/settings/prop_text_lengths_page.h"
#include "catalog_app/settings/settings_sheet.h"
#include "labels/label_print_job.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QDir>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

TEST(PrintScreenshots, PreviewSpacingAndSettings) {
    const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set KORVEL_SCREENSHOT_DIR to take screenshots";
    const QDir out(folder);
    LabelFixture fx;
    fx.SetForm(0, QStringLiteral(KORVEL_EXAMPLES_DIR "/forms/cd_label.emf"));
    fx.SetMargins(0, {15, 20, 120, 70, 1, 4, 1});
    CCatalogue catalogue;
    ASSERT_TRUE(catalog::LoadCatalogueFile(catalogue, KORVEL_EXAMPLES_DIR "/sample.mvr").ok());
    std::vector<const CMedia*> media;
    for (std::uint32_t i : {0u, 1u, 2u})
        media.push_back(catalogue.Media().FindMedia(i));
    fx.Settings().SetFormPath(2, QStringLiteral(KORVEL_EXAMPLES_DIR "/forms/cd_label.emf"));
    fx.Settings().SetFormPath(1, QStringLiteral(KORVEL_EXAMPLES_DIR "/forms/cd_label.emf"));

    CLabelPrintJob job(fx.Settings(), catalogue);
    ASSERT_FALSE(job.LoadForms(media));
    job.SetSheet(fx.Settings().Margins(0));
    job.SetStartCell(1, 2);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* p) { job.Print(*p); });
    preview.resize(900, 760);
    preview.show();
    QTest::qWait(200);
    EXPECT_TRUE(preview.grab().save(out.filePath(QStringLiteral("print_preview.png"))));

    CLabelSpacingDlg spacing(fx.Settings().Margins(0));
    spacing.show();
    EXPECT_TRUE(spacing.grab().save(out.filePath(QStringLiteral("label_spacing.png"))));

    CSettingsSheet sheet(fx.Settings());
    sheet.show();
    sheet.PathsPage()->List()->setCurrentItem(sheet.PathsPage()->List()->topLevelItem(0));
    EXPECT_TRUE(sheet.grab().save(out.filePath(QStringLiteral("settings_paths.png"))));
    sheet.Pages()->setCurrentIndex(1);
    EXPECT_TRUE(sheet.grab().save(out.filePath(QStringLiteral("settings_margins.png"))));
    sheet.Pages()->setCurrentIndex(2);
    CPropLength* lengths = sheet.LengthPage();
    lengths->TypeList()->setCurrentRow(0);
    lengths->PlaceholderList()->setCurrentItem(lengths->PlaceholderList()->topLevelItem(5));
    EXPECT_TRUE(sheet.grab().save(out.filePath(QStringLiteral("settings_text_lengths.png"))));
}

} // namespace
