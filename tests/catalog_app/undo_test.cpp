#include "catalogue_fixture.h"

#include "catalog_app/dialogs/interpreter_list_dialog.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/frame/undo_history.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<std::byte> Bytes(CMELVARADoc& doc) {
    std::vector<std::byte> out;
    doc.Catalogue().Save(out);
    return out;
}

class Undo : public testing::Test {
protected:
    void SetUp() override {
        frame.show();
        // Commands go to the pane with the focus, which only an active window gives.
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        CCatalogue& c = frame.Document().Catalogue();
        c.Interpreters().FindOrAddInterpreter("Ann");
        c.Interpreters().FindOrAddInterpreter("Zed"); // on no track
        for (int i = 0; i < 4; ++i)
            AddMedium(c, "Album " + std::to_string(i), {405, 90, 330});
        frame.Document().OnRefreshMediaList();
        ASSERT_TRUE(frame.SaveCatalogue(dir.filePath(QStringLiteral("c.mvr"))));
        saved = Bytes(frame.Document());
    }

    /// Selects the medium with that index in the media pane (the newest is on top).
    void SelectMedium(std::uint32_t index) {
        frame.SelectMedium(frame.Document().Catalogue().Media().FindMedia(index));
    }

    QTemporaryDir dir;
    CFakePrompts prompts;
    CMainFrame frame{&prompts};
    std::vector<std::byte> saved;
    const CFrameActions& a = frame.Actions();
};

TEST_F(Undo, DeletingSeveralMediaUndoesToTheSavedBytesAndTheCleanState) {
    frame.MediaPane()->SelectRow(1);
    frame.MediaPane()->selectionModel()->select(frame.MediaPane()->model()->index(3, 0),
                                                QItemSelectionModel::Select |
                                                    QItemSelectionModel::Rows);
    a.mediaDelete->trigger();
    ASSERT_EQ(frame.Document().Catalogue().Media().Count(), 2u);
    const auto deleted = Bytes(frame.Document());
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_EQ(a.editUndo->text(), "&Undo Delete media");
    EXPECT_FALSE(a.editRedo->isEnabled());

    a.editUndo->trigger();
    EXPECT_EQ(Bytes(frame.Document()), saved);
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_FALSE(frame.Document().IsModified());
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 4);
    // Both come back selected, the first one current.
    EXPECT_EQ(frame.MediaPane()->SelectedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(frame.Document().CurrentMedia(), frame.Document().Catalogue().Media().FindMedia(0));
    EXPECT_EQ(a.editRedo->text(), "&Redo Delete media");
    EXPECT_FALSE(a.editUndo->isEnabled());

    a.editRedo->trigger();
    EXPECT_EQ(Bytes(frame.Document()), deleted);
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 2);
}

TEST_F(Undo, ATrackWithANewInterpreterGoesBackWithTheInterpreter) {
    SelectMedium(2);
    prompts.trackDialog = [this](CTrackDialogValues& v) {
        // The real dialog adds a new name itself when the user presses OK.
        v.interpreter = frame.Document()
                            .Catalogue()
                            .Interpreters()
                            .FindOrAddInterpreter("Bob")
                            ->InterpreterIndex();
        v.title = "Bonus";
        v.length = 101;
        return true;
    };
    a.trackAppend->trigger();
    ASSERT_EQ(frame.Document().Catalogue().Interpreters().Count(), 3u);
    EXPECT_EQ(a.editUndo->text(), "&Undo Append track");
    a.editUndo->trigger();
    EXPECT_EQ(Bytes(frame.Document()), saved);
    // The medium the step was about is shown again, with its tracks.
    EXPECT_EQ(frame.Document().CurrentMedia(), frame.Document().Catalogue().Media().FindMedia(2));
    EXPECT_EQ(frame.TrackPane()->Model().rowCount(), 3);
    a.editRedo->trigger();
    EXPECT_EQ(frame.TrackPane()->Model().rowCount(), 4);
    EXPECT_EQ(frame.Document().Catalogue().Media().FindMedia(2)->TotalLength(), 1006u);
}

TEST_F(Undo, EveryStepOfASessionGoesBackInOrder) {
    std::vector<std::vector<std::byte>> states{saved};
    auto step = [&] { states.push_back(Bytes(frame.Document())); };
    SelectMedium(1);
    prompts.mediaSheet = [](CMediaSheetValues& v) {
        v.title1 = "Renamed";
        v.information = "{\\rtf1 note}";
        return true;
    };
    a.mediaEdit->trigger();
    step();
    SelectMedium(1);
    a.reorderUp->trigger(); // media pane: the next higher index
    step();
    SelectMedium(3);
    frame.SelectTrack(
        &*std::next(frame.Document().Catalogue().Media().FindMedia(3)->Tracks().begin()));
    a.trackDelete->trigger();
    step();
    frame.Document().OnClearUnused();
    step();
    CInterpreterListDlg list(frame.Document(), prompts);
    list.MarkRenamed(0, QStringLiteral("Anne"));
    list.accept();
    EXPECT_EQ(a.editUndo->text(), "&Undo Edit List");
    step();
    frame.MediaPane()->setFocus();
    a.mediaInsert->trigger();
    step();
    ASSERT_EQ(frame.History().Stack().count(), 6);
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        a.editUndo->trigger();
        ASSERT_EQ(Bytes(frame.Document()), states[i]) << "undoing to state " << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        a.editRedo->trigger();
        ASSERT_EQ(Bytes(frame.Document()), states[i]) << "redoing to state " << i;
    }
}

TEST_F(Undo, CutAndPasteAreStepsOfTheirOwn) {
    SelectMedium(2);
    a.editCut->trigger();
    ASSERT_EQ(frame.Document().Catalogue().Media().Count(), 3u);
    EXPECT_EQ(a.editUndo->text(), "&Undo Cut");
    SelectMedium(0);
    a.editPaste->trigger(); // the cut medium comes back with index 2, on top
    ASSERT_EQ(frame.Document().Catalogue().Media().Count(), 4u);
    EXPECT_EQ(a.editUndo->text(), "&Undo Paste");
    SelectMedium(1);
    frame.SelectTrack(&frame.Document().Catalogue().Media().FindMedia(1)->Tracks().front());
    a.editPaste->trigger(); // a medium on the clipboard: nothing for the track pane
    a.editCopy->trigger();
    a.editPaste->trigger();
    EXPECT_EQ(frame.Document().Catalogue().Media().FindMedia(1)->TrackCount(), 4u);
    a.editUndo->trigger();
    a.editUndo->trigger();
    a.editUndo->trigger();
    EXPECT_EQ(Bytes(frame.Document()), saved);
    EXPECT_FALSE(frame.isWindowModified());
}

TEST_F(Undo, NewAndOpenClearTheHistory) {
    SelectMedium(0);
    a.mediaDelete->trigger();
    ASSERT_TRUE(a.editUndo->isEnabled());
    EXPECT_TRUE(frame.OpenCatalogue(dir.filePath(QStringLiteral("c.mvr"))));
    EXPECT_FALSE(a.editUndo->isEnabled());
    SelectMedium(0);
    a.mediaDelete->trigger();
    a.editUndo->trigger();
    ASSERT_TRUE(a.editRedo->isEnabled());
    frame.NewCatalogue();
    EXPECT_FALSE(a.editRedo->isEnabled());
    EXPECT_FALSE(frame.isWindowModified());
}

TEST_F(Undo, TheKeysUndoAndRedoInTheWindow) {
    SelectMedium(3);
    a.mediaDelete->trigger();
    const auto deleted = Bytes(frame.Document());
    QTest::keyClick(frame.MediaPane(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(frame.Document()), saved);
    QTest::keyClick(frame.MediaPane(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Bytes(frame.Document()), deleted);
    QTest::keyClick(frame.MediaPane(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(Bytes(frame.Document()), saved);
    QTest::keyClick(frame.MediaPane(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Bytes(frame.Document()), deleted);
}

TEST_F(Undo, TheKeysAreTheUsualOnes) {
    EXPECT_EQ(a.editUndo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z),
                                   QKeySequence(Qt::ALT | Qt::Key_Backspace)}));
    EXPECT_EQ(a.editRedo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
}

TEST(UndoHistory, KeepsTheNewestStepsThatFitAndTheCleanStateAmongThem) {
    CMELVARADoc doc;
    CUndoHistory history(doc, 5000);
    auto addBig = [&](char fill) {
        auto edit = std::make_unique<catalog::CatalogueEdit>(doc.Catalogue());
        edit->AddMedia("x", "", 0, 0, std::string(2000, fill));
        doc.CommitEdit(std::move(edit), std::string(1, fill));
    };
    addBig('a');
    addBig('b');
    history.SetClean();
    addBig('c');
    EXPECT_EQ(history.Stack().count(), 2); // "a" went
    EXPECT_LE(history.Bytes(), 5000u);
    EXPECT_TRUE(doc.IsModified());
    history.Stack().undo();
    EXPECT_FALSE(doc.IsModified()); // after "b", as saved
    history.Stack().undo();
    EXPECT_FALSE(history.Stack().canUndo());
    EXPECT_EQ(doc.Catalogue().Media().Count(), 1u); // "a" stays done
    history.Stack().redo();
    addBig('d'); // drops the redo of "c"; the saved state lies behind the kept steps
    addBig('e');
    EXPECT_EQ(history.Stack().count(), 2);
    EXPECT_EQ(history.Stack().cleanIndex(), 0); // "b" went, but what followed it stays
    EXPECT_TRUE(doc.IsModified());
    // One step larger than the limit is still kept; the saved state is out of reach.
    auto huge = std::make_unique<catalog::CatalogueEdit>(doc.Catalogue());
    huge->AddMedia("x", "", 0, 0, std::string(9000, 'h'));
    doc.CommitEdit(std::move(huge), "huge");
    EXPECT_EQ(history.Stack().count(), 1);
    EXPECT_EQ(history.Stack().undoText(), "huge");
    EXPECT_EQ(history.Stack().cleanIndex(), -1);
}

} // namespace

namespace {

// A file that ends early: what could be read exists nowhere else.
TEST_F(Undo, MediaRecoveredFromACutFileStayUnsavedThroughUndo) {
    const QString path = dir.filePath(QStringLiteral("c.mvr"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 5));
    file.close();
    EXPECT_FALSE(frame.OpenCatalogue(path));
    ASSERT_EQ(frame.Document().Catalogue().Media().Count(), 3u);
    EXPECT_TRUE(frame.isWindowModified());
    SelectMedium(0);
    a.mediaDelete->trigger();
    a.editUndo->trigger();
    EXPECT_TRUE(frame.Document().IsModified());
    prompts.saveAnswer = CPrompts::SaveAnswer::Cancel;
    a.fileNew->trigger(); // asks, and Cancel keeps them
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 3u);
}

} // namespace
