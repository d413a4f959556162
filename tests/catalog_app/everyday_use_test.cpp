// What a new user reaches for: finding, typing ahead, the help window's place.
#include "catalogue_fixture.h"

#include "catalog_app/frame/help_window.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/search_view.h"

#include "catalog/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EverydayUse : public testing::Test {
protected:
    void SetUp() override {
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        CCatalogue& c = frame.Document().Catalogue();
        for (const char* title : {"Zebra", "Alpha", "Beta", "Almanac"})
            AddMedium(c, title, {100});
        frame.Document().OnRefreshMediaList();
    }
    CFakePrompts prompts;
    CMainFrame frame{&prompts};
};

TEST_F(EverydayUse, CtrlFSelectsTheSearchTextAndTheStatusBarTellsWhatWasFound) {
    frame.MediaPane()->setFocus();
    QTest::keyClick(frame.MediaPane(), Qt::Key_F, Qt::ControlModifier);
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(field);
    QTest::keyClicks(field, QStringLiteral("nothing like it"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              QStringLiteral("No media or tracks found for \"nothing like it\"."));

    EXPECT_TRUE(frame.Actions().findText->shortcuts().contains(QKeySequence(Qt::Key_Find)));
    frame.MediaPane()->setFocus();
    QTest::keyClick(frame.MediaPane(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->selectedText(), QStringLiteral("nothing like it")); // typing replaces it
    QTest::keyClicks(field, QStringLiteral("al"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              QStringLiteral("Found 2 media and 0 tracks for \"al\"."));
}

TEST_F(EverydayUse, TypingInTheMediaListFindsTheFirstTitle) {
    CMELVARAView* pane = frame.MediaPane();
    pane->setFocus();
    QTest::keyClicks(pane, QStringLiteral("be"));
    ASSERT_NE(frame.Document().CurrentMedia(), nullptr);
    EXPECT_EQ(frame.Document().CurrentMedia()->Title1(), "Beta");
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(pane, QStringLiteral("alm"));
    EXPECT_EQ(frame.Document().CurrentMedia()->Title1(), "Almanac");
}

TEST_F(EverydayUse, MenusAnswerToAltLetters) {
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Media", "&Track", "&Interpreter",
                                   "&Settings", "&View", "&Help"}));
}

TEST(HelpWindowPlace, ItStaysWithinTheFreeAreaOfTheScreen) {
    const QRect screen(0, 0, 1024, 700);
    // Over a window near the bottom edge: moved up until it fits.
    const QRect low = CHelpWindow::PlaceOver(QRect(100, 500, 600, 400), QSize(640, 560), screen);
    EXPECT_TRUE(screen.contains(low));
    EXPECT_EQ(low.size(), QSize(640, 560));
    // Larger than the screen: made smaller.
    const QRect huge = CHelpWindow::PlaceOver(QRect(0, 0, 100, 100), QSize(2000, 900), screen);
    EXPECT_EQ(huge, screen);
    // A second screen to the right is kept to.
    const QRect right(1024, 0, 800, 600);
    EXPECT_TRUE(
        right.contains(CHelpWindow::PlaceOver(QRect(1500, 100, 300, 300), QSize(640, 560), right)));
}

} // namespace
