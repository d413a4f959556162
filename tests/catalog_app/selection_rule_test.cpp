// What is highlighted is what the commands act on: the focused selected media row is the
// document's current medium, the track pane shows exactly its tracks, and the focused
// selected track row is the current track, whatever the user did last.
#include "catalogue_fixture.h"

#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"

#include <QAction>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void ClickRow(CListPane& pane, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = pane.visualRect(pane.model()->index(row, 1));
    ASSERT_TRUE(rect.isValid()) << "row " << row << " is not shown";
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, modifiers, rect.center());
}

std::vector<int> Highlighted(const CListPane& pane) {
    return pane.SelectedRows();
}

class SelectionRuleTest : public ::testing::Test {
protected:
    SelectionRuleTest() {
        doc.OnNewDocument();
        // Rows show the list reversed: cherry (3 tracks), banana (2), apple (1).
        apple = AddMedium(doc.Catalogue(), "apple", {100});
        banana = AddMedium(doc.Catalogue(), "banana", {100, 200});
        cherry = AddMedium(doc.Catalogue(), "cherry", {100, 200, 300});
        doc.OnRefreshMediaList();
        for (CListPane* pane :
             {static_cast<CListPane*>(&media), static_cast<CListPane*>(&tracks)}) {
            pane->resize(500, 300);
            pane->show();
        }
    }
    int TrackRows() const { return tracks.Model().rowCount(); }
    // The invariant: the current medium is a highlighted row and the track pane shows its
    // tracks; without one nothing is highlighted and the track pane is empty.
    void ExpectConsistent() const {
        const std::vector<int> rows = media.SelectedRows();
        if (!doc.CurrentMedia()) {
            EXPECT_TRUE(rows.empty());
            EXPECT_EQ(doc.CurrentRow(), -1);
            EXPECT_EQ(TrackRows(), 0);
            return;
        }
        EXPECT_EQ(media.Model().MediaAt(doc.CurrentRow()), doc.CurrentMedia());
        EXPECT_NE(std::ranges::find(rows, doc.CurrentRow()), rows.end());
        EXPECT_EQ(std::size_t(TrackRows()), doc.CurrentMedia()->TrackCount());
        if (TrackRows() > 0) {
            EXPECT_EQ(tracks.Model().TrackAt(0), &*doc.CurrentMedia()->Tracks().begin());
        }
    }

    CMELVARADoc doc;
    CFakePrompts prompts;
    CMELVARAView media{doc, prompts};
    CMediaView tracks{doc, prompts};
    CMedia* apple = nullptr;
    CMedia* banana = nullptr;
    CMedia* cherry = nullptr;
};

TEST_F(SelectionRuleTest, ASortDropsTheHighlightAndAClickBringsTheTracksBack) {
    ClickRow(media, 1);
    ASSERT_EQ(doc.CurrentMedia(), banana);
    emit media.header()->sectionClicked(CMediaListModel::Title1Column); // apple, banana, cherry
    EXPECT_EQ(doc.CurrentMedia(), nullptr);
    EXPECT_TRUE(Highlighted(media).empty());
    ExpectConsistent();
    // The same place, now another medium; and a click on the row that was current before.
    ClickRow(media, 1);
    EXPECT_EQ(doc.CurrentMedia(), banana);
    EXPECT_EQ(TrackRows(), 2);
    ExpectConsistent();
}

TEST_F(SelectionRuleTest, ANewMediumLeavesNothingHighlightedAndNoTracksShown) {
    ClickRow(media, 0);
    ASSERT_EQ(TrackRows(), 3);
    media.OnInsertMedia();
    EXPECT_EQ(media.Model().rowCount(), 4);
    EXPECT_EQ(doc.CurrentMedia(), nullptr);
    ExpectConsistent();
}

TEST_F(SelectionRuleTest, RefreshKeepsTheSelectedMediaHighlightedAndCurrent) {
    emit media.header()->sectionClicked(CMediaListModel::Title1Column); // apple, banana, cherry
    ClickRow(media, 0);
    ClickRow(media, 1, Qt::ControlModifier);
    ASSERT_EQ(doc.CurrentMedia(), banana);
    doc.OnRefreshMediaList(); // back to cherry, banana, apple
    EXPECT_EQ(media.Model().MediaAt(0), cherry);
    EXPECT_EQ(Highlighted(media), (std::vector<int>{1, 2}));
    EXPECT_EQ(doc.CurrentMedia(), banana);
    EXPECT_EQ(doc.CurrentRow(), 1);
    ExpectConsistent();
    // What the user sees highlighted is what goes.
    media.OnDeleteMedia();
    ASSERT_EQ(doc.Catalogue().Media().Count(), 1u);
    EXPECT_EQ(doc.Catalogue().Media().begin()->Title1(), "cherry");
    ExpectConsistent();
}

TEST_F(SelectionRuleTest, TypingToJumpAfterSelectAllMakesTheJumpedToRowCurrent) {
    media.setFocus();
    ClickRow(media, 0);
    QTest::keyClick(&media, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Highlighted(media).size(), 3u);
    ExpectConsistent();
    QTest::keyClicks(&media, QStringLiteral("b"));
    EXPECT_EQ(Highlighted(media), (std::vector<int>{1}));
    EXPECT_EQ(doc.CurrentMedia(), banana);
    ExpectConsistent();
}

TEST_F(SelectionRuleTest, ClickingOneOfSeveralHighlightedRowsMakesItCurrent) {
    ClickRow(media, 0);
    ClickRow(media, 2, Qt::ShiftModifier);
    ClickRow(media, 1);
    EXPECT_EQ(Highlighted(media), (std::vector<int>{1}));
    EXPECT_EQ(doc.CurrentMedia(), banana);
    ExpectConsistent();
    // Taking the focused row out of a selection leaves another highlighted one current.
    ClickRow(media, 2, Qt::ControlModifier);
    ClickRow(media, 2, Qt::ControlModifier);
    EXPECT_EQ(doc.CurrentMedia(), banana);
    ExpectConsistent();
    ClickRow(media, 1, Qt::ControlModifier);
    EXPECT_EQ(doc.CurrentMedia(), nullptr);
    ExpectConsistent();
}

TEST_F(SelectionRuleTest, TheTrackListFollowsTheSameRule) {
    ClickRow(media, 0);
    tracks.setFocus();
    ClickRow(tracks, 0);
    QTest::keyClick(&tracks, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Highlighted(tracks).size(), 3u);
    EXPECT_EQ(tracks.CurrentRow(), 0);
    // Typing jumps to the next title that begins with the letter.
    QTest::keyClicks(&tracks, QStringLiteral("t"));
    EXPECT_EQ(Highlighted(tracks), (std::vector<int>{1}));
    EXPECT_EQ(tracks.CurrentRow(), 1);
    EXPECT_EQ(tracks.CurrentTrack()->TrackIndex(), 2u);
    ClickRow(tracks, 1, Qt::ControlModifier);
    EXPECT_FALSE(tracks.HasCurrentTrack());
    // Another medium: the old tracks and their selection go.
    ClickRow(tracks, 2);
    ClickRow(media, 2);
    EXPECT_EQ(TrackRows(), 1);
    EXPECT_FALSE(tracks.HasCurrentTrack());
    EXPECT_TRUE(Highlighted(tracks).empty());
}

TEST(SelectionRuleFrame, CommandsFollowTheHighlight) {
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    AddMedium(frame.Document().Catalogue(), "one", {100});
    AddMedium(frame.Document().Catalogue(), "two");
    frame.Document().OnRefreshMediaList();
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CMELVARAView& media = *frame.MediaPane();
    media.setFocus();
    const CFrameActions& a = frame.Actions();
    EXPECT_FALSE(a.mediaEdit->isEnabled());

    media.SelectRow(1);
    EXPECT_TRUE(a.mediaEdit->isEnabled());
    emit media.header()->sectionClicked(CMediaListModel::Title1Column);
    EXPECT_FALSE(a.mediaEdit->isEnabled());
    EXPECT_FALSE(a.mediaDelete->isEnabled());

    ClickRow(media, 0);
    QTest::keyClick(&media, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&media, QStringLiteral("t"));
    EXPECT_TRUE(a.mediaEdit->isEnabled());
    EXPECT_TRUE(a.trackAppend->isEnabled());
    EXPECT_EQ(frame.Document().CurrentMedia()->Title1(), "two");

    // Insert in the empty track list of "two" appends.
    CMediaView& tracks = *frame.TrackPane();
    tracks.setFocus();
    ASSERT_EQ(tracks.Model().rowCount(), 0);
    QTest::keyClick(&tracks, Qt::Key_Insert);
    ASSERT_EQ(prompts.trackDialogsShown.size(), 1u);
    EXPECT_EQ(prompts.trackDialogsShown[0].indexText, QStringLiteral("000001"));
    EXPECT_EQ(tracks.Model().rowCount(), 1);
}

} // namespace
