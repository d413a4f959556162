#include "catalog_app/dialogs/interpreter_list_dialog.h"
#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/dialogs/track_info_dialog.h"
#include "catalog_app/frame/help_window.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/search_view.h"
#include "catalog_app/panes/track_list_view.h"

#include <QTabWidget>

#include "catalog/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The main window over the sample catalogue; pictures are taken only when
// KORVEL_SCREENSHOT_DIR names a folder.
class Screenshots : public testing::Test {
protected:
    void SetUp() override {
        const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
        if (folder.isEmpty()) GTEST_SKIP() << "set KORVEL_SCREENSHOT_DIR to take screenshots";
        out = QDir(folder);
        frame.resize(1100, 700);
        frame.show();
        ASSERT_TRUE(
            frame.OpenCatalogue(QStringLiteral(KORVEL_TEST_DATA_DIR "/../../examples/sample.mvr")));
    }

    QDir out;
    CDialogPrompts prompts;
    CMainFrame frame{&prompts};
};

// Pictures of the windows, to look at.
TEST_F(Screenshots, MainWindowAndDialogs) {
    const CMedia* first =
        frame.MediaPane()->Model().MediaAt(frame.MediaPane()->Model().rowCount() - 1);
    frame.SelectMedium(first);
    frame.SelectTrack(frame.TrackPane()->Model().TrackAt(1));
    QTest::qWait(50);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("main_window.png"))));
    frame.findChild<QLineEdit*>()->setText(QStringLiteral("an"));
    frame.Actions().search->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("search_results.png"))));
    QWidget* hits = frame.SearchPane()->viewport();
    const QPoint hit =
        frame.SearchPane()->visualRect(frame.SearchPane()->model()->index(8, 1)).center();
    QTest::mouseClick(hits, Qt::LeftButton, {}, hit);
    QTest::mouseDClick(hits, Qt::LeftButton, {}, hit);
    QTest::qWait(50);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("search_hit_selected.png"))));

    CMediaSheet sheet(&frame);
    CMediaSheetValues values;
    values.indexText = QStringLiteral("000000");
    values.totalText = QStringLiteral("38:38");
    values.trackCountText = QStringLiteral("4");
    values.title1 = std::string(first->Title1());
    values.title2 = std::string(first->Title2());
    values.creationTime = first->CreationTime();
    values.mediaType = first->MediaType();
    values.information = first->Information();
    sheet.SetValues(values);
    sheet.show();
    EXPECT_TRUE(sheet.grab().save(out.filePath(QStringLiteral("media_sheet.png"))));
    sheet.Pages()->setCurrentIndex(1);
    EXPECT_TRUE(sheet.grab().save(out.filePath(QStringLiteral("media_sheet_information.png"))));

    CTrackInfoDlg track(frame.Document().Catalogue(), &frame);
    track.SetValues({QStringLiteral("000002"), "Blue Tide", 645, 0});
    track.show();
    EXPECT_TRUE(track.grab().save(out.filePath(QStringLiteral("track_dialog.png"))));

    CInterpreterListDlg list(frame.Document(), prompts, &frame);
    list.MarkDeleted(2);
    list.MarkRenamed(3, QStringLiteral("Jonas Weber Trio"));
    list.show();
    EXPECT_TRUE(list.grab().save(out.filePath(QStringLiteral("interpreter_list.png"))));
}

} // namespace

// The Edit menu naming the step to undo, and the audio import's file dialog.
TEST_F(Screenshots, UndoAndImport) {
    frame.SelectMedium(frame.MediaPane()->Model().MediaAt(0));
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    frame.Actions().mediaDelete->trigger();
    frame.SelectMedium(frame.MediaPane()->Model().MediaAt(0));
    QTest::qWait(50);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("after_delete.png"))));
    QMenu* edit = frame.menuBar()->actions()[1]->menu();
    edit->popup(frame.mapToGlobal(QPoint(40, 40)));
    QTest::qWait(50);
    EXPECT_TRUE(edit->grab().save(out.filePath(QStringLiteral("edit_menu_undo.png"))));
    edit->close();
    QTimer::singleShot(100, [this] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->resize(760, 460);
        QTest::qWait(50);
        EXPECT_TRUE(dialog->grab().save(out.filePath(QStringLiteral("import_audio_dialog.png"))));
        dialog->close();
    });
    frame.Actions().mediaImportAudio->trigger();

    CHelpWindow help(
        QStringLiteral(KORVEL_TEST_DATA_DIR "/../../resources/help/undo_and_exchange.htm"));
    help.resize(760, 900);
    help.show();
    QTest::qWait(50);
    EXPECT_TRUE(help.grab().save(out.filePath(QStringLiteral("help_undo_csv_audio.png"))));
}
