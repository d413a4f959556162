#include "catalogue_fixture.h"

#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/prop_media_page.h"
#include "catalog_app/dialogs/track_info_dialog.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"
#include "catalog_app/ui/ansi_line_edit.h"

#include "catalog/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Fills the modal dialog that the next command opens, then presses OK.
template <typename Dialog, typename Fill> void WhenDialogOpens(Fill fill) {
    QTimer::singleShot(0, [fill] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        fill(*dialog);
        dialog->accept();
    });
}

void FillTrack(const QString& title, const QString& length, const QString& interpreter) {
    WhenDialogOpens<CTrackInfoDlg>([=](CTrackInfoDlg& d) {
        d.TitleEdit()->setText(title);
        d.LengthEdit()->setText(length);
        d.NameEdit()->setText(interpreter);
    });
}

TEST(MainFrame, KeepsACatalogueFromNewToSavedAndOpenedAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("music.mvr"));
    CMainFrame frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Melvara"));

    WhenDialogOpens<CMediaSheet>([](CMediaSheet& sheet) {
        sheet.GeneralPage()->findChildren<CAnsiLineEdit*>()[0]->setText(
            QStringLiteral("Kind of Blue"));
    });
    frame.Actions().mediaInsert->trigger();
    frame.MediaPane()->SelectRow(0);
    ASSERT_TRUE(frame.Actions().trackAppend->isEnabled());
    FillTrack(QStringLiteral("So What"), QStringLiteral("922"), QStringLiteral("Miles Davis"));
    frame.Actions().trackAppend->trigger();
    FillTrack(QStringLiteral("Freddie Freeloader"), QStringLiteral("946"),
              QStringLiteral("miles davis"));
    frame.Actions().trackAppend->trigger();
    EXPECT_TRUE(frame.isWindowModified());
    ASSERT_TRUE(frame.SaveCatalogue(path));
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("music.mvr[*] - Melvara"));

    frame.NewCatalogue();
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 0);
    ASSERT_TRUE(frame.OpenCatalogue(path));
    const CCatalogue& c = frame.Document().Catalogue();
    ASSERT_EQ(c.Media().Count(), 1u);
    const CMedia& media = *c.Media().begin();
    EXPECT_EQ(media.Title1(), "Kind of Blue");
    EXPECT_EQ(TrackTitles(media), (std::vector<std::string>{"So What", "Freddie Freeloader"}));
    EXPECT_EQ(media.TotalLength(), 1908u);
    ASSERT_EQ(c.Interpreters().Count(), 1u);
    EXPECT_EQ(c.Interpreters().begin()->Name(), "Miles Davis");
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 1);
    EXPECT_TRUE(frame.RecentFiles().Files().first().endsWith(QStringLiteral("music.mvr")));
}

TEST(MainFrame, PanesStartAtTwoThirdsAndOneThird) {
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    frame.resize(900, 600);
    frame.show();
    const QList<int> rows = frame.OuterSplitter()->sizes();
    const QList<int> columns = frame.InnerSplitter()->sizes();
    EXPECT_NEAR(rows[0], 2 * rows[1], 8);
    EXPECT_NEAR(columns[0], 2 * columns[1], 8);
}

TEST(MainFrame, AFailedOpenShowsTheMessageAndLeavesTheCatalogueUntitled) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.mvr"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain text, no catalogue");
    file.close();
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    EXPECT_FALSE(frame.OpenCatalogue(path));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("Invalid file! This is no Melvara file!"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Melvara"));
    EXPECT_EQ(frame.MediaPane()->Model().rowCount(), 0);
}

TEST(MainFrame, AFileCutShortSaysHowMuchWasReadAndHowToKeepIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.mvr"));
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    for (const char* title : {"First", "Second", "Third"})
        AddMedium(frame.Document().Catalogue(), title, {100, 200});
    ASSERT_TRUE(frame.SaveCatalogue(path));
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() - 10));

    EXPECT_FALSE(frame.OpenCatalogue(path));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("Error 14")));
    EXPECT_TRUE(prompts.messages[1].contains(QStringLiteral("2 media could be read")))
        << prompts.messages[1].toStdString();
    EXPECT_TRUE(prompts.messages[1].contains(QStringLiteral("Save As")));
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 2u);
}

TEST(MainFrame, CommandsFollowTheActivePane) {
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    AddMedium(frame.Document().Catalogue(), "A", {100, 200});
    frame.Document().OnRefreshMediaList();
    const CFrameActions& a = frame.Actions();
    EXPECT_FALSE(a.mediaDelete->isEnabled());
    EXPECT_TRUE(a.mediaInsert->isEnabled());
    frame.SelectMedium(frame.MediaPane()->Model().MediaAt(0));
    EXPECT_TRUE(a.mediaDelete->isEnabled());
    EXPECT_TRUE(a.reorderUp->isEnabled());
    EXPECT_FALSE(a.trackEdit->isEnabled());
    frame.SelectTrack(frame.TrackPane()->Model().TrackAt(1));
    EXPECT_EQ(frame.Active(), ActivePane::Track);
    EXPECT_TRUE(a.trackEdit->isEnabled());
    EXPECT_FALSE(a.mediaDelete->isEnabled());
    // The same reorder command now moves the track, not the medium.
    a.reorderUp->trigger();
    EXPECT_EQ(frame.TrackPane()->CurrentTrack()->Title(), "Track 2");
    EXPECT_EQ(frame.TrackPane()->CurrentRow(), 0);
    EXPECT_EQ(frame.Document().Catalogue().Media().begin()->MediaIndex(), 0u);
    EXPECT_TRUE(a.editUndo->isEnabled());
    EXPECT_EQ(a.editUndo->text(), "&Undo Reorder track up");
    a.nextPane->trigger();
    EXPECT_EQ(frame.Active(), ActivePane::Search);
    EXPECT_FALSE(a.reorderUp->isEnabled());
}

TEST(MainFrame, TheSaveQuestionCanKeepTheCatalogue) {
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    frame.show();
    AddMedium(frame.Document().Catalogue(), "Unsaved");
    frame.Document().SetModifiedFlag();
    prompts.saveAnswer = CPrompts::SaveAnswer::Cancel;
    frame.Actions().fileNew->trigger();
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 1u);
    EXPECT_FALSE(frame.close());
    prompts.saveAnswer = CPrompts::SaveAnswer::Discard;
    frame.Actions().fileNew->trigger();
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 0u);
}

TEST(MainFrame, AFileDroppedOnTheWindowIsOpened) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dropped.mvr"));
    CFakePrompts prompts;
    {
        CMainFrame writer(&prompts);
        AddMedium(writer.Document().Catalogue(), "Dropped");
        ASSERT_TRUE(writer.SaveCatalogue(path));
    }
    // The platform's drag machinery is not there headless: hand the events over directly.
    struct CDropTarget : CMainFrame {
        using CMainFrame::CMainFrame;
        using CMainFrame::dragEnterEvent;
        using CMainFrame::dropEvent;
    } frame(&prompts);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    frame.dragEnterEvent(&enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    frame.dropEvent(&drop);
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 1u);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("dropped.mvr[*] - Melvara"));
}

} // namespace
