#include "catalogue_fixture.h"

#include "catalog_app/exchange/clipboard_exchange.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Clipboard : public ::testing::Test {
protected:
    CFakePrompts prompts;
    CMainFrame frame{&prompts};
    const CFrameActions& a = frame.Actions();
    CMedia* album = nullptr;

    void SetUp() override {
        QGuiApplication::clipboard()->clear();
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        CCatalogue& c = frame.Document().Catalogue();
        const std::uint32_t nina =
            c.Interpreters().FindOrAddInterpreter("Nina")->InterpreterIndex();
        AddMedium(c, "Other", {100});
        album = c.Media().AddMedia("Album", "Live", 1, 978350400, "{\\rtf1 notes}");
        for (const char* title : {"one", "two", "three", "four"})
            album->AddTrack(title, 40, nina, TRACK_APPEND);
        frame.Document().OnRefreshMediaList();
    }
    CCatalogue& Catalogue() { return frame.Document().Catalogue(); }
    void SelectAlbumTrack(int row) {
        frame.SelectMedium(album);
        frame.SelectTrack(frame.TrackPane()->Model().TrackAt(row));
    }
    // A key pressed where the user works, through the window's shortcuts.
    void Press(QWidget* pane, QKeyCombination key) {
        QTest::keyClick(pane, key.key(), key.keyboardModifiers());
    }
};

TEST_F(Clipboard, EveryShortcutOfCopyCutAndPasteIsThere) {
    using K = QKeySequence;
    EXPECT_EQ(a.editCopy->shortcuts(),
              (QList<K>{K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}));
    EXPECT_EQ(a.editCut->shortcuts(),
              (QList<K>{K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}));
    EXPECT_EQ(a.editPaste->shortcuts(),
              (QList<K>{K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}));
}

TEST(ClipboardData, TheBlockKeepsTheStoredBytesAndTheTextIsUtf8) {
    const std::unique_ptr<QMimeData> data(clipboard::TrackMimeData({345, "Caf\xE9", "\x80uro"}));
    EXPECT_EQ(data->text(), QStringLiteral("000345\tCafé\t€uro\n"));
    EXPECT_TRUE(data->data(clipboard::kTrackFormat).contains(QByteArray("Caf\xE9\0\x80uro", 9)));
    EXPECT_EQ(data->formats().size(), 2);
}

TEST_F(Clipboard, AMediumCopiedWithTheKeyIsPastedOnTopAsANewMedium) {
    frame.SelectMedium(album);
    EXPECT_FALSE(a.editPaste->isEnabled());
    Press(frame.MediaPane(), Qt::CTRL | Qt::Key_Insert);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(clipboard::kMediaFormat));
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("000240\tAlbum\tLive\t2001-01-01, ")));
    EXPECT_TRUE(data->text().endsWith(QStringLiteral("\t1\n000040\tone\tNina\n000040\ttwo\tNina\n"
                                                     "000040\tthree\tNina\n000040\tfour\tNina\n")));
    EXPECT_TRUE(a.editPaste->isEnabled()); // followed the clipboard's change

    Press(frame.MediaPane(), Qt::SHIFT | Qt::Key_Insert);
    ASSERT_EQ(Catalogue().Media().Count(), 3u);
    const CMedia* pasted = frame.MediaPane()->Model().MediaAt(0);
    EXPECT_EQ(pasted->MediaIndex(), 2u);
    EXPECT_EQ(pasted->Title2(), "Live");
    EXPECT_EQ(pasted->Information(), "{\\rtf1 notes}");
    EXPECT_EQ(TrackTitles(*pasted), TrackTitles(*album));
    EXPECT_EQ(Catalogue().Interpreters().Count(), 1u);
    // What came in is highlighted.
    EXPECT_EQ(frame.Document().CurrentMedia(), pasted);
    EXPECT_EQ(frame.MediaPane()->SelectedRows(), std::vector<int>{0});
    EXPECT_TRUE(frame.isWindowModified());
}

TEST_F(Clipboard, PasteFollowsTheClipboardAndTheActivePane) {
    frame.SelectMedium(album);
    QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
    EXPECT_FALSE(a.editPaste->isEnabled());
    clipboard::PutTrack({{100, "t", "n"}}, 0);
    EXPECT_FALSE(a.editPaste->isEnabled()); // a track does not paste into the media list
    frame.SelectTrack(frame.TrackPane()->Model().TrackAt(0));
    EXPECT_TRUE(a.editPaste->isEnabled());
    clipboard::PutMedia({catalog::MediaClip{}}, 0);
    EXPECT_FALSE(a.editPaste->isEnabled());
}

TEST_F(Clipboard, ATrackIsPastedBeforeTheCurrentTrackOrAppended) {
    SelectAlbumTrack(3);
    Press(frame.TrackPane(), Qt::CTRL | Qt::Key_C);
    SelectAlbumTrack(1); // track 2 current
    Press(frame.TrackPane(), Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(TrackTitles(*album),
              (std::vector<std::string>{"one", "four", "two", "three", "four"}));
    EXPECT_EQ(TrackIndexes(*album), (std::vector<unsigned>{1, 2, 3, 4, 5}));
    EXPECT_EQ(frame.TrackPane()->CurrentRow(), 1); // the pasted track, highlighted
    EXPECT_EQ(frame.TrackPane()->Model().rowCount(), 5);
    frame.TrackPane()->clearSelection();
    a.editPaste->trigger(); // no current track: at the end
    EXPECT_EQ(TrackTitles(*album).back(), "four");
    EXPECT_EQ(frame.TrackPane()->Model().rowCount(), 6);
    EXPECT_EQ(album->TotalLength(), 400u); // six tracks of 0:40
    EXPECT_EQ(Catalogue().Interpreters().Count(), 1u);
}

TEST_F(Clipboard, CutOfThreeTracksCopiesAllThreeAndDeletesThem) {
    frame.SelectMedium(album);
    CMediaView* pane = frame.TrackPane();
    pane->setFocus();
    QItemSelectionModel* selection = pane->selectionModel();
    const auto select = [&](int row) {
        selection->select(pane->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    select(0);
    select(2);
    // The focused one of the highlighted rows is current: track 2.
    selection->setCurrentIndex(pane->model()->index(1, 0),
                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_EQ(pane->CurrentTrack()->Title(), "two");
    Press(pane, Qt::SHIFT | Qt::Key_Delete);
    EXPECT_EQ(TrackTitles(*album), (std::vector<std::string>{"four"}));
    const auto cut = clipboard::Track();
    ASSERT_EQ(cut->size(), 3u);
    EXPECT_EQ(cut->at(2).title, "three");
    // The single block, for other programs, holds the current track.
    const QByteArray one = QGuiApplication::clipboard()->mimeData()->data(clipboard::kTrackFormat);
    EXPECT_EQ(
        catalog::DecodeTrackClip(std::as_bytes(std::span(one.constData(), one.size())))->title,
        "two");
    EXPECT_EQ(prompts.confirmations, 0);
}

TEST_F(Clipboard, CutOfMediaAnsweredNoKeepsThemAndTheCopy) {
    frame.SelectMedium(album);
    prompts.confirmAnswer = false;
    Press(frame.MediaPane(), Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(prompts.confirmations, 1);
    EXPECT_EQ(Catalogue().Media().Count(), 2u);
    EXPECT_EQ(clipboard::Media()->front().title1, "Album");
    prompts.confirmAnswer = true;
    a.editCut->trigger();
    EXPECT_EQ(Catalogue().Media().Count(), 1u);
}

TEST_F(Clipboard, ADamagedBlockChangesNothingAndSaysSo) {
    auto* data = new QMimeData;
    data->setData(clipboard::kMediaFormat, QByteArray("\x05\0\0\0\xFF\xFF\xFF\x7F", 8));
    QGuiApplication::clipboard()->setMimeData(data);
    frame.SelectMedium(album);
    ASSERT_TRUE(a.editPaste->isEnabled());
    a.editPaste->trigger();
    EXPECT_EQ(Catalogue().Media().Count(), 2u);
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_EQ(frame.statusBar()->currentMessage(), clipboard::kUnreadableMedia);
}

// Highlights the rows as a user does with Ctrl+click, the focus on the last one.
void Highlight(QAbstractItemView* pane, std::initializer_list<int> rows) {
    pane->setFocus();
    pane->clearSelection();
    for (int row : rows)
        pane->selectionModel()->setCurrentIndex(
            pane->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

TEST_F(Clipboard, ThreeMediaGoIntoAnEmptyCatalogueAsOneStep) {
    AddMedium(Catalogue(), "Third", {50});
    AddMedium(Catalogue(), "Fourth");
    frame.Document().OnRefreshMediaList();
    const CMediaListModel& rows = frame.MediaPane()->Model();
    Highlight(frame.MediaPane(), {0, 1, 3});
    std::vector<std::string> titles;
    qsizetype lines = 0; // a line per medium and per track
    for (int row : {0, 1, 3}) {
        titles.emplace_back(rows.MediaAt(row)->Title1());
        lines += 1 + rows.MediaAt(row)->TrackCount();
    }
    const CMedia* left = rows.MediaAt(2);
    a.editCut->trigger();
    ASSERT_EQ(Catalogue().Media().Count(), 1u); // exactly the three that were copied
    EXPECT_EQ(&*Catalogue().Media().begin(), left);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), lines);

    CFakePrompts otherPrompts;
    CMainFrame other(&otherPrompts);
    other.show();
    other.MediaPane()->setFocus();
    ASSERT_TRUE(other.Actions().editPaste->isEnabled()); // no medium needed
    other.Actions().editPaste->trigger();
    const CMediaListModel& pasted = other.MediaPane()->Model();
    ASSERT_EQ(pasted.rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(pasted.MediaAt(row)->Title1(), titles[std::size_t(row)]) << row;
    EXPECT_EQ(other.Document().Catalogue().Interpreters().Count(), 1u);
    EXPECT_EQ(other.MediaPane()->SelectedRows(), (std::vector<int>{0, 1, 2}));
    other.Actions().editUndo->trigger();
    EXPECT_EQ(other.Document().Catalogue().Media().Count(), 0u);
}

TEST_F(Clipboard, ThreeTracksArePastedInOrderBeforeTheCurrentOneAsOneStep) {
    frame.SelectMedium(album);
    Highlight(frame.TrackPane(), {3, 0, 2}); // list order counts, not the order of clicks
    a.editCopy->trigger();
    SelectAlbumTrack(1);
    a.editPaste->trigger();
    EXPECT_EQ(TrackTitles(*album),
              (std::vector<std::string>{"one", "one", "three", "four", "two", "three", "four"}));
    EXPECT_EQ(frame.TrackPane()->SelectedRows(), (std::vector<int>{1, 2, 3}));
    a.editUndo->trigger();
    EXPECT_EQ(TrackTitles(*album), (std::vector<std::string>{"one", "two", "three", "four"}));
}

TEST_F(Clipboard, AnOlderCopyOfOneMediumStillPastes) {
    QGuiApplication::clipboard()->setMimeData(clipboard::MediaMimeData(
        catalog::MediaClip{"Single", "", 0, 0, 0, "", {{100, "t", "Nina"}}}));
    frame.MediaPane()->setFocus();
    a.editPaste->trigger();
    EXPECT_EQ(frame.MediaPane()->Model().MediaAt(0)->Title1(), "Single");
}

TEST_F(Clipboard, AnotherCatalogueMatchesInterpretersByNameAndKeepsNoName) {
    album->EditTrack("orphan", 40, 77, 4); // its interpreter no longer exists
    CFakePrompts otherPrompts;
    CMainFrame other(&otherPrompts);
    CCatalogue& target = other.Document().Catalogue();
    target.Interpreters().FindOrAddInterpreter("Zed");
    target.Interpreters().FindOrAddInterpreter("NINA");
    AddMedium(target, "Target", {100});
    other.Document().OnRefreshMediaList();

    frame.SelectMedium(album);
    a.editCopy->trigger();
    other.SelectMedium(&*target.Media().begin());
    ASSERT_TRUE(other.Actions().editPaste->isEnabled());
    other.Actions().editPaste->trigger();
    ASSERT_EQ(target.Media().Count(), 2u);
    EXPECT_EQ(target.Interpreters().Count(), 2u); // Nina found as NINA; no nameless entry
    CMedia* pasted = other.MediaPane()->Model().MediaAt(0);
    other.SelectMedium(pasted);
    const CTrackListModel& rows = other.TrackPane()->Model();
    EXPECT_EQ(rows.data(rows.index(0, 3), Qt::DisplayRole), QStringLiteral("NINA"));
    EXPECT_EQ(rows.data(rows.index(3, 3), Qt::DisplayRole), QStringLiteral("No Name"));
    EXPECT_EQ(pasted->TotalLength(), 240u);
}

} // namespace
