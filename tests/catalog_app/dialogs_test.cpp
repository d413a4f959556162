#include "catalog_app/dialogs/interpreter_table.h"
#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/prop_edit_page.h"
#include "catalog_app/dialogs/prop_media_page.h"
#include "catalog_app/dialogs/track_info_dialog.h"
#include "catalog_app/ui/ansi_line_edit.h"

#include "catalog/catalogue.h"
#include "rtf/rtf.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const std::string kStoredRtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Liner notes "
                               "\\b bold\\b0 .\\par}";

CMediaSheetValues StoredMedium() {
    CMediaSheetValues values;
    values.indexText = QStringLiteral("000042");
    values.title1 = "Caf\xE9";
    values.title2 = "Two";
    // 2001-06-15 13:45:10 local time.
    values.creationTime =
        std::int32_t(QDateTime(QDate(2001, 6, 15), QTime(13, 45, 10)).toSecsSinceEpoch());
    values.mediaType = 4;
    values.information = kStoredRtf;
    return values;
}

TEST(MediaSheet, OkWithoutChangesGivesBackTheSameValuesAndBytes) {
    CMediaSheet sheet;
    sheet.SetValues(StoredMedium());
    const CMediaSheetValues out = sheet.Values();
    EXPECT_EQ(out.title1, "Caf\xE9");
    EXPECT_EQ(out.title2, "Two");
    EXPECT_EQ(out.creationTime, StoredMedium().creationTime);
    EXPECT_EQ(out.mediaType, 4);
    EXPECT_EQ(out.information, kStoredRtf);
    EXPECT_EQ(sheet.Pages()->count(), 2);
}

TEST(MediaSheet, ChangingTheDateKeepsTheTimeOfDay) {
    CMediaSheet sheet;
    sheet.SetValues(StoredMedium());
    sheet.GeneralPage()->findChild<QDateEdit*>()->setDate(QDate(2003, 2, 1));
    const QDateTime result = QDateTime::fromSecsSinceEpoch(sheet.Values().creationTime);
    EXPECT_EQ(result.date(), QDate(2003, 2, 1));
    EXPECT_EQ(result.time(), QTime(13, 45, 10));
}

TEST(MediaSheet, EditedInformationIsStreamedOutAndClearedTextStoresNothing) {
    CMediaSheet sheet;
    sheet.SetValues(StoredMedium());
    QTextEdit* editor = sheet.InformationPage()->Editor();
    EXPECT_TRUE(editor->toPlainText().contains(QStringLiteral("Liner notes")));
    QTextCursor typing(editor->document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral(" More"));
    const std::string changed = sheet.Values().information;
    EXPECT_EQ(changed.rfind("{\\rtf", 0), 0u);
    QTextDocument back;
    rtf::Read(QByteArray::fromStdString(changed), back);
    EXPECT_TRUE(back.toPlainText().contains(QStringLiteral("Liner notes")));
    EXPECT_TRUE(back.toPlainText().contains(QStringLiteral("More")));
    editor->clear();
    editor->document()->setModified(true);
    EXPECT_TRUE(sheet.Values().information.empty());
}

TEST(MediaSheet, TitlesAndTypeAreReadBack) {
    CMediaSheet sheet;
    sheet.SetValues(StoredMedium());
    const auto edits = sheet.GeneralPage()->findChildren<CAnsiLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    edits[0]->setText(QStringLiteral("Neu"));
    sheet.GeneralPage()->findChild<QComboBox*>()->setCurrentIndex(5);
    const CMediaSheetValues out = sheet.Values();
    EXPECT_EQ(out.title1, "Neu");
    EXPECT_EQ(out.mediaType, 5);
    EXPECT_EQ(sheet.GeneralPage()->findChild<QComboBox*>()->itemText(5),
              QStringLiteral("MP3 media"));
}

TEST(AnsiLineEdit, TypedCharactersOutsideTheCodePageShowAsQuestionMarks) {
    CAnsiLineEdit edit;
    for (QChar c : QStringLiteral("Łódź €")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(edit.text(), QStringLiteral("?ód? €"));
}

class TrackDialogTest : public ::testing::Test {
protected:
    TrackDialogTest() {
        for (const char* name : {"Zed", "Amy", "Bob", "Cy"})
            catalogue.Interpreters().FindOrAddInterpreter(name);
        values.indexText = QStringLiteral("000003");
        values.title = "Song";
        values.length = 345;
        values.interpreter = 3;
        dialog.SetValues(values);
    }

    CCatalogue catalogue;
    CTrackDialogValues values;
    CTrackInfoDlg dialog{catalogue};
};

TEST_F(TrackDialogTest, OpensWithTheInterpreterNamedAndNoRowPicked) {
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Cy"));
    EXPECT_EQ(dialog.LengthEdit()->text(), QStringLiteral("345"));
    EXPECT_EQ(dialog.Picker()->topLevelItemCount(), 4);
    EXPECT_EQ(dialog.Picker()->SelectedRow(), -1);
    EXPECT_FALSE(dialog.PickButton()->isEnabled());
}

TEST_F(TrackDialogTest, PickingARowPutsItsNameIntoTheEdit) {
    dialog.Picker()->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Amy"));
    EXPECT_TRUE(dialog.PickButton()->isEnabled());
    dialog.NameEdit()->setText(QStringLiteral("typed over"));
    dialog.PickButton()->click();
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Amy"));
    dialog.Picker()->clearSelection();
    EXPECT_FALSE(dialog.PickButton()->isEnabled());
}

TEST_F(TrackDialogTest, SortingByNameUsesTheStoredNames) {
    dialog.Picker()->sortItems(1, Qt::AscendingOrder);
    EXPECT_EQ(dialog.Picker()->Row(0)->NameText(), QStringLiteral("Amy"));
    EXPECT_EQ(dialog.Picker()->Row(3)->NameText(), QStringLiteral("Zed"));
    dialog.Picker()->sortItems(0, Qt::AscendingOrder);
    EXPECT_EQ(dialog.Picker()->Row(0)->NameText(), QStringLiteral("Zed"));
}

TEST_F(TrackDialogTest, ANewNameIsAddedAndAKnownOneInOtherCaseReused) {
    dialog.NameEdit()->setText(QStringLiteral("  amy "));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().interpreter, 1u);
    EXPECT_EQ(catalogue.Interpreters().Count(), 4u);

    CTrackInfoDlg second(catalogue);
    second.SetValues(values);
    second.NameEdit()->setText(QStringLiteral("Dee"));
    second.LengthEdit()->setText(QStringLiteral("99959"));
    second.accept();
    EXPECT_EQ(second.Values().interpreter, 4u);
    EXPECT_EQ(second.Values().length, 99959u);
    EXPECT_EQ(catalogue.Interpreters().Count(), 5u);
}

TEST_F(TrackDialogTest, ALengthOutOfRangeKeepsTheDialogOpenAndAddsNoInterpreter) {
    for (const char* bad : {"99960", "", "99999999999"}) {
        dialog.LengthEdit()->setText(QString::fromLatin1(bad));
        dialog.NameEdit()->setText(QStringLiteral("Newcomer"));
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << bad;
        EXPECT_EQ(catalogue.Interpreters().Count(), 4u) << bad;
        QMessageBox* box = dialog.findChild<QMessageBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("Please enter an integer between 0 and 99959."));
        delete box;
    }
}

TEST_F(TrackDialogTest, SecondsOfSixtyAndMoreAreRefusedWhenTypedButKeptWhenStored) {
    dialog.LengthEdit()->setText(QStringLiteral("463"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    QMessageBox* box = dialog.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("463 would be 4:63")))
        << box->text().toStdString();
    EXPECT_TRUE(box->text().contains(QStringLiteral("503 for 5:03")));
    delete box;
    dialog.LengthEdit()->setText(QStringLiteral("459"));
    dialog.accept();
    EXPECT_EQ(dialog.Values().length, 459u);

    // A track stored with 4:63 keeps its length when only its title is changed.
    values.length = 463;
    CTrackInfoDlg stored(catalogue);
    stored.SetValues(values);
    stored.TitleEdit()->setText(QStringLiteral("Renamed"));
    stored.accept();
    EXPECT_EQ(stored.result(), QDialog::Accepted);
    EXPECT_EQ(stored.Values().length, 463u);
}

TEST_F(TrackDialogTest, ThePageEditsTakeOnlyDigits) {
    dialog.LengthEdit()->clear();
    QTest::keyClicks(dialog.LengthEdit(), QStringLiteral("1a:7-5"));
    EXPECT_EQ(dialog.LengthEdit()->text(), QStringLiteral("175"));
}

} // namespace
