// The media sheet as a keyboard user meets it, the format bar of its information page, and
// the help window's Escape key.
#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/prop_edit_page.h"
#include "catalog_app/dialogs/prop_media_page.h"
#include "catalog_app/frame/help_window.h"
#include "catalog_app/ui/rich_text_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

class SheetKeyboardTest : public ::testing::Test {
protected:
    SheetKeyboardTest() {
        CMediaSheetValues values;
        values.title1 = "One";
        values.title2 = "Two";
        sheet.SetValues(values);
        sheet.open();
        sheet.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
    }
    QTextEdit* Editor() const { return sheet.InformationPage()->Editor(); }
    CRichTextBar* Bar() const { return sheet.InformationPage()->FormatBar(); }
    // Types the paragraphs into the information page and selects them.
    void TypeAndSelect(const QStringList& paragraphs) {
        sheet.Pages()->setCurrentIndex(1);
        Editor()->setFocus();
        for (const QString& text : paragraphs) {
            if (&text != &paragraphs.front()) QTest::keyClick(Editor(), Qt::Key_Return);
            QTest::keyClicks(Editor(), text);
        }
        Editor()->selectAll();
    }
    std::string Stored() const { return sheet.Values().information; }

    CMediaSheet sheet;
};

TEST_F(SheetKeyboardTest, TabFollowsTheFieldsAsShown) {
    const auto edits = sheet.GeneralPage()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_GE(edits.size(), 2);
    // The sheet opens in the first title, ready to be typed over.
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    EXPECT_EQ(edits[0]->selectedText(), QStringLiteral("One"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* created = sheet.GeneralPage()->findChild<QDateEdit*>();
    EXPECT_TRUE(QApplication::focusWidget() == created ||
                created->isAncestorOf(QApplication::focusWidget()));
    // Tab steps through the date's day, month and year before it moves on.
    for (int i = 0; i < 4 && created->isAncestorOf(QApplication::focusWidget()); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.GeneralPage()->findChild<QComboBox*>());
}

TEST_F(SheetKeyboardTest, TabTypesATabWhileCtrlTabLeavesTheTextAndCtrlEnterPressesOk) {
    sheet.Pages()->setCurrentIndex(1);
    Editor()->setFocus();
    QTest::keyClicks(Editor(), QStringLiteral("a\tb"));
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("a\tb"));
    EXPECT_TRUE(Editor()->hasFocus());
    EXPECT_FALSE(Editor()->toolTip().isEmpty());
    QTest::keyClick(Editor(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(Editor()->hasFocus());
    EXPECT_EQ(sheet.Pages()->currentIndex(), 1);

    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible());
    QTest::keyClick(Editor(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_NE(Stored().find("a\\tab b"), std::string::npos) << Stored();
}

TEST_F(SheetKeyboardTest, CtrlBIAndUFormatTheSelectionAndAreStored) {
    TypeAndSelect({QStringLiteral("loud")});
    QTest::keyClick(Editor(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_U, Qt::ControlModifier);
    const QTextCharFormat format = Editor()->textCursor().charFormat();
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(format.fontItalic());
    EXPECT_TRUE(format.fontUnderline());
    const std::string rtf = Stored();
    for (const char* word : {"\\b", "\\i", "\\ul"})
        EXPECT_NE(rtf.find(word), std::string::npos) << word << " in " << rtf;
    // The bar shows the format at the cursor, and its button takes it off again.
    EXPECT_TRUE(Bar()->BoldAction()->isChecked());
    Bar()->BoldAction()->trigger();
    EXPECT_NE(Editor()->textCursor().charFormat().fontWeight(), QFont::Bold);
    EXPECT_FALSE(Bar()->BoldAction()->isChecked());
}

TEST_F(SheetKeyboardTest, FontSizeAlignmentAndBulletsReachTheStoredText) {
    TypeAndSelect({QStringLiteral("first"), QStringLiteral("second")});
    emit Bar()->FontBox()->textActivated(QStringLiteral("Liberation Serif"));
    emit Bar()->SizeBox()->textActivated(QStringLiteral("18"));
    Bar()->AlignGroup()->actions()[1]->trigger(); // centre
    Bar()->BulletAction()->trigger();
    EXPECT_NE(Editor()->textCursor().currentList(), nullptr);
    EXPECT_EQ(Editor()->document()->firstBlock().textList(),
              Editor()->document()->lastBlock().textList());
    const std::string rtf = Stored();
    // The bullet is kept as its character, Windows-1252 0x95.
    for (const char* word : {"Liberation Serif", "\\fs36", "\\qc", "\\'95"})
        EXPECT_NE(rtf.find(word), std::string::npos) << word << " in " << rtf;
    // Both paragraphs leave the list again.
    Bar()->BulletAction()->trigger();
    EXPECT_EQ(Editor()->document()->firstBlock().textList(), nullptr);
    EXPECT_EQ(Editor()->document()->lastBlock().textList(), nullptr);
}

TEST(HelpWindow, EscapeClosesIt) {
    CHelpWindow help(QStringLiteral("/nonexistent/index.htm"));
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(help.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

} // namespace
