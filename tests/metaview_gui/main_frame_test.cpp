#include "viewer_fixture.h"

#include "metaview/document/viewer_document.h"
#include "metaview/export/command_line.h"
#include "metaview/export/metafile_clipboard.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"

#include "emf/emf_builder.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

namespace testing_metaview {
namespace {

QStringList MenuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

CChildFrame* ActiveChild(const CMainFrame& frame) {
    return qobject_cast<CChildFrame*>(frame.MdiArea()->activeSubWindow());
}

// Whether the view shows anything but white.
bool ShowsDrawing(CKelvane& view) {
    const QImage image = view.viewport()->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
}

TEST_F(ViewerTest, MenusFollowWhetherADocumentIsOpen) {
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&View", "&?"}));
    EXPECT_FALSE(frame.Actions().playCompleteFile->isEnabled());
    ASSERT_TRUE(frame.OpenDocumentFile(File("shapes.emf", ShapesEmf())));
    ASSERT_TRUE(frame.OpenDocumentFile(File("small.wmf", SmallWmf())));
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Play List",
                                              "&Information", "&Options", "&Window", "&?"}));
    EXPECT_EQ(frame.windowTitle(), "Korvel-Software Kelvane - small.wmf");
    EXPECT_TRUE(frame.Actions().playCompleteFile->isEnabled());
    EXPECT_TRUE(frame.Actions().askSaveOption->isChecked());
    // The Window menu lists the windows, the active one checked.
    QMenu* windowMenu = frame.menuBar()->actions()[6]->menu();
    emit windowMenu->aboutToShow();
    const QList<QAction*> entries = windowMenu->actions();
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[5]->text(), "&1 shapes.emf");
    EXPECT_TRUE(entries[6]->isChecked());
    entries[5]->trigger();
    EXPECT_EQ(frame.windowTitle(), "Korvel-Software Kelvane - shapes.emf");
    frame.MdiArea()->closeAllSubWindows();
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&View", "&?"}));
    EXPECT_EQ(frame.windowTitle(), "Korvel-Software Kelvane");
    // Both files went into the recent-file list, newest first.
    ASSERT_GE(frame.RecentFiles().Files().size(), 2);
    EXPECT_TRUE(frame.RecentFiles().Files()[0].endsWith("small.wmf"));
    EXPECT_TRUE(frame.Actions().recentFiles[0]->text().endsWith("small.wmf"));
}

// Two viewers running at once: each keeps the files the other opened, also when it quits.
TEST_F(ViewerTest, TheRecentFileListOfTwoRunningViewersIsMergedNotOverwritten) {
    CMainFrame other{&prompts};
    ASSERT_TRUE(frame.OpenDocumentFile(File("first.emf", ShapesEmf())));
    ASSERT_TRUE(other.OpenDocumentFile(File("second.wmf", SmallWmf())));
    frame.MdiArea()->closeAllSubWindows();
    EXPECT_TRUE(frame.close());
    QSettings settings;
    CRecentFileList stored;
    stored.Read(settings);
    ASSERT_GE(stored.Files().size(), 2);
    EXPECT_TRUE(stored.Files()[0].endsWith("second.wmf"));
    EXPECT_TRUE(stored.Files()[1].endsWith("first.emf"));
    // The other viewer's File menu shows what the first one added.
    ASSERT_TRUE(frame.OpenDocumentFile(File("third.emf", ShapesEmf())));
    emit other.menuBar()->actions()[0]->menu()->aboutToShow();
    EXPECT_TRUE(other.Actions().recentFiles[0]->text().endsWith("third.emf"));
}

TEST_F(ViewerTest, TheSamePathActivatesItsWindowAnotherSpellingOpensAgain) {
    const QString lower = File("pic.emf", ShapesEmf());
    const QString upper = File("PIC.emf", ShapesEmf());
    CKelvane* first = frame.OpenDocumentFile(lower);
    frame.OpenDocumentFile(upper);
    EXPECT_EQ(frame.OpenDocumentFile(lower), first);
    EXPECT_EQ(frame.ActiveView(), first);
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
}

TEST_F(ViewerTest, AFileThatDoesNotOpenIsReportedAndDamageIsShown) {
    EXPECT_FALSE(frame.OpenDocumentFile(File("text.emf", {std::byte{'h'}, std::byte{'i'}})));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Unexpected file format.|"));
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(frame.OpenDocumentFile(QString::fromStdString((dir / "none.emf").string())));
    EXPECT_TRUE(prompts.messages.last().startsWith("Failed to open document.|"));

    std::vector<std::byte> trailing = ShapesEmf();
    trailing.resize(trailing.size() + 12, std::byte{0x55});
    ASSERT_TRUE(frame.OpenDocumentFile(File("trailing.emf", trailing)));
    EXPECT_TRUE(ActiveChild(frame)->Note().contains("12 bytes were ignored"));
    frame.OpenDocumentFile(File("sound.emf", ShapesEmf()));
    EXPECT_EQ(ActiveChild(frame)->Note(), "");
}

TEST_F(ViewerTest, PlayListCommandsChangeWhatIsDrawn) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CEMFData& data = view->GetDocument().Data();
    EXPECT_TRUE(ShowsDrawing(*view));
    frame.Actions().clearPlayList->trigger();
    EXPECT_EQ(data.GetPlayMode(), PlayPlayList);
    EXPECT_FALSE(ShowsDrawing(*view)) << "an empty play list draws nothing";
    frame.Actions().playNextRecord->trigger();
    EXPECT_TRUE(data.PlayFlag(0));
    EXPECT_FALSE(data.PlayFlag(1));
    frame.Actions().playCompleteFile->trigger();
    EXPECT_EQ(data.GetPlayMode(), PlayWholeFile);
    EXPECT_TRUE(data.PlayFlag(6));
    EXPECT_TRUE(ShowsDrawing(*view));
}

TEST_F(ViewerTest, ZoomNeedsFixedAspectAndClicksZoomInAndOut) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    frame.UpdateCommandUi();
    EXPECT_FALSE(frame.Actions().zoomMode->isEnabled());
    frame.Actions().fixedAspect->trigger();
    EXPECT_TRUE(view->FixedAspect());
    EXPECT_TRUE(frame.Actions().zoomMode->isEnabled());
    frame.Actions().zoomMode->trigger();
    EXPECT_TRUE(g_bZoomMode);
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(view->Zoom(), 8);
    EXPECT_EQ(view->ZoomedSize().width, view->FittedSize().width * 8);
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(view->Zoom(), 7);
    frame.Actions().selectMode->trigger();
    EXPECT_FALSE(g_bZoomMode);
}

TEST_F(ViewerTest, ASelectClickOutlinesTheSmallestRecordAndARightClickHidesIt) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CEMFData& data = view->GetDocument().Data();
    // The middle of the picture lies in the ellipse, inside the rectangle.
    const emf::RectL drawn = view->DrawingRect();
    const QPoint middle((drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    ASSERT_TRUE(data.SelectionShown());
    // Reference pixels from the frame's corner: the ellipse (50, 20, 150, 90) in a frame
    // that starts at the rectangle's corner (10, 10).
    EXPECT_NEAR(data.Selection().left, 40, 1.5);
    EXPECT_NEAR(data.Selection().top, 10, 1.5);
    EXPECT_NEAR(data.Selection().right, 140, 1.5);
    EXPECT_NEAR(data.Selection().bottom, 80, 1.5);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, middle);
    EXPECT_FALSE(data.SelectionShown());
}

TEST_F(ViewerTest, PasteAdoptsAMetafileFromTheClipboard) {
    CKelvane* view = frame.NewDocument();
    EXPECT_FALSE(view->GetDocument().Data().HasPicture());
    EXPECT_EQ(view->GetDocument().Title(), "Untitled1");
    const std::vector<std::byte> bytes = ShapesEmf();
    auto* mime = new QMimeData;
    mime->setData("image/x-emf",
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
    ASSERT_TRUE(frame.Actions().editPaste->isEnabled()) << "follows the clipboard";
    frame.Actions().editPaste->trigger();
    EXPECT_TRUE(view->GetDocument().Data().HasPicture());
    EXPECT_EQ(view->GetDocument().Title(), "Untitled1");
    EXPECT_GT(view->FittedSize().width, 0) << "laid out again";
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(frame.Actions().editPaste->isEnabled());
}

TEST_F(ViewerTest, ANewWindowShowsTheSameDocumentAndComputesItsLayout) {
    CKelvane* first = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(first);
    frame.Actions().windowNew->trigger();
    CKelvane* second = frame.ActiveView();
    ASSERT_NE(second, first);
    EXPECT_EQ(&second->GetDocument(), &first->GetDocument());
    EXPECT_GT(second->FittedSize().width, 0);
    EXPECT_EQ(ActiveChild(frame)->windowTitle(), "shapes.emf:2");
    frame.Actions().fileClose->trigger();
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty()) << "Close ends every window";
}

} // namespace
} // namespace testing_metaview

namespace testing_metaview {
namespace {

TEST_F(ViewerTest, ALargePictureIsDrawnOffTheWindowThreadAndShownWhenReady) {
    emf::EmfBuilder b;
    for (int i = 0; i < 25000; ++i)
        b.Rectangle({i % 100, i % 70, i % 100 + 5, i % 70 + 5});
    CKelvane* view = frame.OpenDocumentFile(File("large.emf", b.Build()));
    ASSERT_TRUE(view);
    view->viewport()->repaint();
    EXPECT_FALSE(view->PictureReady()) << "the window does not wait for the picture";
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->PictureReady(); }, 20000));
    EXPECT_TRUE(ShowsDrawing(*view));
    // Closing while a picture is drawn drops the result safely.
    frame.Actions().clearPlayList->trigger();
    view->viewport()->repaint();
    frame.MdiArea()->closeAllSubWindows();
    QTest::qWait(200);
}

} // namespace
} // namespace testing_metaview

namespace testing_metaview {
namespace {

TEST_F(ViewerTest, SeveralFilesOpenEachInItsWindowAndABadOneDoesNotStopTheOthers) {
    // What a drop of several files, the open dialog and the command line do.
    EXPECT_EQ(frame.OpenDocumentFiles(
                  {File("a.emf", ShapesEmf()), File("bad.emf", {}), File("b.wmf", SmallWmf())}),
              2);
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST(ViewerStart, FileNamesAndScreenshotStartTheWindowsOptionsDoNot) {
    using Args = std::vector<std::string>;
    EXPECT_TRUE(metaview::WantsWindows(Args{}));
    EXPECT_TRUE(metaview::WantsWindows(Args{"a.emf", "b.wmf"}));
    EXPECT_TRUE(metaview::WantsWindows(Args{"--", "-odd.emf"}));
    EXPECT_TRUE(metaview::WantsWindows(Args{"--screenshot", "out.png"}));
    EXPECT_FALSE(metaview::WantsWindows(Args{"--screenshot"}));
    EXPECT_FALSE(metaview::WantsWindows(Args{"--info", "a.emf"}));
    const metaview::ViewerStart start =
        metaview::ParseViewerStart(Args{"--screenshot", "out.png", "a.emf", "b.wmf"});
    EXPECT_EQ(start.screenshot, "out.png");
    EXPECT_EQ(start.files, (Args{"a.emf", "b.wmf"}));
    EXPECT_EQ(metaview::ParseViewerStart(Args{"--", "-odd.emf"}).files, Args{"-odd.emf"});
}

} // namespace
} // namespace testing_metaview
