// The "Settings" sheet over a store of its own: what OK, Cancel and each page's buttons
// change.
#include "catalog_app/settings/prop_margin_page.h"
#include "catalog_app/settings/prop_paths_page.h"
#include "catalog_app/settings/prop_text_lengths_page.h"
#include "catalog_app/settings/settings_sheet.h"
#include "labels/form_settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class SettingsSheetTest : public ::testing::Test {
protected:
    SettingsSheetTest() : store(dir.filePath("s.ini"), QSettings::IniFormat), settings(&store) {
        settings.LoadFormSettings();
        settings.SetFormPath(0, QStringLiteral("/forms/cd.emf"));
        auto margins = settings.CopyMargins();
        margins[1] = {10, 15, 70, 37, 3, 8, 1};
        settings.ReplaceMargins(margins);
    }

    void Select(QTreeWidget* list, int row) { list->setCurrentItem(list->topLevelItem(row)); }
    void SelectType(CPropLength* page, const QString& name) {
        page->TypeList()->setCurrentItem(
            page->TypeList()->findItems(name, Qt::MatchExactly).constFirst());
    }

    QTemporaryDir dir;
    QSettings store;
    CFormSettings settings;
};

TEST_F(SettingsSheetTest, CancelAfterSetOnEveryPageChangesNothing) {
    const auto margins = settings.CopyMargins();
    const auto lengths = settings.CopyLengths();
    CSettingsSheet sheet(settings);
    for (int page = 0; page < 3; ++page)
        sheet.Pages()->setCurrentIndex(page);
    Select(sheet.PathsPage()->List(), 2);
    sheet.PathsPage()->PathEdit()->setText(QStringLiteral("/x.emf"));
    sheet.PathsPage()->SetButton()->click();
    Select(sheet.MarginPage()->List(), 0);
    sheet.MarginPage()->Field(0)->setText(QStringLiteral("99"));
    sheet.MarginPage()->SetButton()->click();
    SelectType(sheet.LengthPage(), QStringLiteral("CD"));
    sheet.LengthPage()->ResetAllButton()->click();
    sheet.reject();
    EXPECT_FALSE(settings.FormPath(2));
    EXPECT_EQ(settings.CopyMargins(), margins);
    EXPECT_EQ(settings.CopyLengths(), lengths);
}

TEST_F(SettingsSheetTest, PathsAreTrimmedAndBlanksMeanNoForm) {
    CSettingsSheet sheet(settings);
    CPropPath* page = sheet.PathsPage();
    EXPECT_FALSE(page->SetButton()->isEnabled());
    EXPECT_EQ(page->List()->topLevelItem(6)->text(0), QStringLiteral("other media"));
    Select(page->List(), 0);
    EXPECT_TRUE(page->SetButton()->isEnabled());
    EXPECT_EQ(page->PathEdit()->text(), QStringLiteral("/forms/cd.emf"));
    page->PathEdit()->setText(QStringLiteral("   "));
    page->SetButton()->click();
    // An empty row keeps what was typed, so it can be set on the next row too.
    page->PathEdit()->setText(QStringLiteral("  /forms/mc.emf "));
    Select(page->List(), 1);
    EXPECT_EQ(page->PathEdit()->text(), QStringLiteral("  /forms/mc.emf "));
    page->SetButton()->click();
    // Typed (or browsed) without "set" changes nothing.
    Select(page->List(), 2);
    page->PathEdit()->setText(QStringLiteral("/forms/md.emf"));
    sheet.accept();
    EXPECT_FALSE(settings.FormPath(0));
    EXPECT_EQ(settings.FormPath(1), QStringLiteral("/forms/mc.emf"));
    EXPECT_FALSE(settings.FormPath(2));
}

TEST_F(SettingsSheetTest, MarginsSetAndResetOneTypeOnly) {
    CSettingsSheet sheet(settings);
    sheet.Pages()->setCurrentIndex(1);
    CPropMargin* page = sheet.MarginPage();
    EXPECT_EQ(page->List()->topLevelItem(1)->text(6), QStringLiteral("8"));
    Select(page->List(), 1);
    EXPECT_EQ(page->Field(2)->text(), QStringLiteral("70"));
    EXPECT_TRUE(page->SpacingBox()->isChecked());
    Select(page->List(), 0);
    page->ResetButton()->click();
    Select(page->List(), 3);
    const char* typed[] = {"5", "", "4294967296", "2147483648", "3", "7"};
    for (int i = 0; i < 6; ++i)
        page->Field(i)->setText(QString::fromLatin1(typed[i]));
    page->SpacingBox()->setChecked(true);
    page->SetButton()->click();
    EXPECT_EQ(page->List()->topLevelItem(3)->text(1), QStringLiteral("5"));
    sheet.accept();
    EXPECT_EQ(settings.Margins(0), (FormMargins{0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(settings.Margins(1), (FormMargins{10, 15, 70, 37, 3, 8, 1}));
    // Empty, unreadable and too large fields give 0: never a negative margin.
    EXPECT_EQ(settings.Margins(3), (FormMargins{5, 0, 0, 0, 3, 7, 1}));
}

TEST_F(SettingsSheetTest, TextLengthsEditTheTypeChosenInTheSortedList) {
    CSettingsSheet sheet(settings);
    sheet.Pages()->setCurrentIndex(2);
    CPropLength* page = sheet.LengthPage();
    QStringList shown;
    for (int i = 0; i < page->TypeList()->count(); ++i)
        shown << page->TypeList()->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"CD", "DVD", "LP", "MC", "MD", "MP3 media", "other media"}));
    EXPECT_FALSE(page->ResetAllButton()->isEnabled());
    SelectType(page, QStringLiteral("MC"));
    ASSERT_EQ(page->PlaceholderList()->topLevelItemCount(), 9);
    EXPECT_EQ(page->PlaceholderList()->topLevelItem(8)->text(2),
              QStringLiteral("Combination of track title string and interpreter"));
    Select(page->PlaceholderList(), 6); // #N
    page->ClipBox()->setChecked(true);
    page->LengthField()->setText(QStringLiteral("42"));
    page->SetButton()->click();
    EXPECT_EQ(page->PlaceholderList()->topLevelItem(6)->text(1), QStringLiteral("42"));
    sheet.accept();
    EXPECT_EQ(settings.Lengths(1).maxLength[6], 42);
    EXPECT_EQ(settings.Lengths(1).clip[6], 1);
    EXPECT_EQ(settings.Lengths(2), TextLengths::Defaults());
}

TEST_F(SettingsSheetTest, ResetAllClearsTheSelectedTypeOnly) {
    auto lengths = settings.CopyLengths();
    for (int type : {0, 3})
        for (int i = 0; i < 9; ++i)
            lengths[type].maxLength[i] = 10 + i, lengths[type].clip[i] = 1;
    settings.ReplaceLengths(lengths);
    CSettingsSheet sheet(settings);
    sheet.Pages()->setCurrentIndex(2);
    SelectType(sheet.LengthPage(), QStringLiteral("DVD"));
    sheet.LengthPage()->ResetAllButton()->click();
    sheet.accept();
    EXPECT_EQ(settings.Lengths(3), TextLengths::Defaults());
    EXPECT_EQ(settings.Lengths(0), lengths[0]);
}

TEST_F(SettingsSheetTest, PagesNeverShownWriteNothing) {
    CSettingsSheet sheet(settings);
    // Changed behind the sheet's back (a print job switching spacing off, say).
    auto margins = settings.CopyMargins();
    margins[4] = {1, 2, 3, 4, 5, 6, 1};
    settings.ReplaceMargins(margins);
    sheet.accept();
    EXPECT_EQ(settings.Margins(4), (FormMargins{1, 2, 3, 4, 5, 6, 1}));
    EXPECT_EQ(settings.FormPath(0), QStringLiteral("/forms/cd.emf"));
}

} // namespace
