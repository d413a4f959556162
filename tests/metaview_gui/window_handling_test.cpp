#include "viewer_fixture.h"

#include "metaview/dialogs/record_step_dialog.h"
#include "metaview/document/emf_doc.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace testing_metaview {
namespace {

// Where a viewport point lies in the picture, as fractions of the drawing rectangle.
QPointF PictureFraction(const CKelvane& view, QPoint at) {
    const emf::RectL r = view.DrawingRect();
    const QPointF content(at.x() + view.horizontalScrollBar()->value(),
                          at.y() + view.verticalScrollBar()->value());
    return {(content.x() - r.left) / (r.right - r.left),
            (content.y() - r.top) / (r.bottom - r.top)};
}

TEST_F(ViewerTest, ZoomKeepsTheClickedPointUnderThePointer) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    frame.Actions().fixedAspect->trigger();
    frame.Actions().zoomMode->trigger();
    const QPoint at(view->viewport()->width() * 3 / 4, view->viewport()->height() * 2 / 3);
    const QPointF before = PictureFraction(*view, at);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(view->Zoom(), 4);
    const QPointF after = PictureFraction(*view, at);
    EXPECT_NEAR(after.x(), before.x(), 0.01);
    EXPECT_NEAR(after.y(), before.y(), 0.01);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
    EXPECT_NEAR(PictureFraction(*view, at).x(), before.x(), 0.01);
    // Zooming out to the whole picture brings the scroll positions back to where they must be.
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(view->Zoom(), 1);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    frame.Actions().selectMode->trigger();
}

TEST_F(ViewerTest, TheDisabledZoomButtonSaysWhatItNeeds) {
    ASSERT_TRUE(frame.OpenDocumentFile(File("shapes.emf", ShapesEmf())));
    frame.UpdateCommandUi();
    EXPECT_FALSE(frame.Actions().zoomMode->isEnabled());
    EXPECT_TRUE(frame.Actions().zoomMode->toolTip().contains("Fixed aspect ratio"));
    EXPECT_TRUE(frame.Actions().zoomMode->statusTip().contains("Fixed aspect ratio"));
    frame.Actions().fixedAspect->trigger();
    EXPECT_EQ(frame.Actions().zoomMode->toolTip(), "Zoom mode");
}

TEST(EmfSaveTarget, AWmfNameBecomesAnEmfOtherNamesStay) {
    EXPECT_EQ(metaview::EmfSaveTarget("/d/pic.wmf"), "/d/pic.emf");
    EXPECT_EQ(metaview::EmfSaveTarget("/d/PIC.WMF"), "/d/PIC.EMF");
    EXPECT_EQ(metaview::EmfSaveTarget("/d/pic"), "/d/pic.emf");
    EXPECT_EQ(metaview::EmfSaveTarget("/d.x/pic"), "/d.x/pic.emf") << "a dot in the folder";
    EXPECT_EQ(metaview::EmfSaveTarget("/d/pic.EMF"), "/d/pic.EMF");
    EXPECT_EQ(metaview::EmfSaveTarget("/d/pic.old"), "/d/pic.old");
}

TEST_F(ViewerTest, SavingUnderAWmfNameWritesAnEmfAndAsksBeforeReplacingOne) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    view->GetDocument().Doc().m_bAskSaveOption = false;
    prompts.savePath = QString::fromStdString((dir / "copy.wmf").string());
    frame.Actions().fileSaveAs->trigger();
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.wmf"));
    EXPECT_EQ(ReadAll(dir / "copy.emf"), ShapesEmf());
    EXPECT_TRUE(view->GetDocument().PathName().endsWith("/copy.emf"));
    EXPECT_TRUE(prompts.replaceAsked.isEmpty());
    // The file prompt asked about "copy.wmf"; "copy.emf" is there now, so this asks.
    WriteAll(dir / "copy.emf", {std::byte{1}});
    frame.Actions().fileSaveAs->trigger();
    ASSERT_EQ(prompts.replaceAsked.size(), 1);
    EXPECT_EQ(ReadAll(dir / "copy.emf"), std::vector<std::byte>{std::byte{1}}) << "refused";
}

TEST_F(ViewerTest, NewWindowsStayInsideTheAreaAndCascadeKeepsAUsefulSize) {
    for (int i = 0; i < 6; ++i)
        frame.NewDocument();
    const QSize area = frame.MdiArea()->viewport()->size();
    const QRect inside(QPoint(), area);
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList())
        EXPECT_TRUE(inside.contains(window->geometry())) << window->windowTitle().toStdString();
    frame.Actions().windowCascade->trigger();
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList()) {
        EXPECT_TRUE(inside.contains(window->geometry()));
        EXPECT_EQ(window->size(), area * 2 / 3);
    }
}

TEST_F(ViewerTest, TheKeyboardClosesTheActiveWindowAndReachesEveryMenu) {
    const QList<QKeySequence> keys = frame.Actions().closeWindow->shortcuts();
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_F4)));
    frame.NewDocument();
    frame.NewDocument();
    frame.NewDocument();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    // Neither key may be taken twice (an ambiguous shortcut does nothing at all).
    QTest::keyClick(frame.ActiveView()->viewport(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
    QTest::keyClick(frame.ActiveView()->viewport(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    EXPECT_FALSE(frame.Actions().viewPlayList->shortcut().isEmpty());
    EXPECT_FALSE(frame.Actions().showFileInfo->shortcut().isEmpty());
}

TEST_F(ViewerTest, TheWindowsPlaceAndTheBitmapsNameComeBack) {
    frame.setGeometry(QRect(40, 50, 640, 480));
    ASSERT_TRUE(frame.close());
    CMainFrame again(&prompts);
    EXPECT_EQ(again.geometry(), QRect(40, 50, 640, 480));

    CKelvane* view = again.OpenDocumentFile(File("pic.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    EXPECT_EQ(metaview::BitmapName(view->GetDocument()),
              QString::fromStdString((dir / "pic.bmp").string()));
    EXPECT_EQ(metaview::BitmapName(again.NewDocument()->GetDocument()), "Untitled1.bmp");
}

TEST_F(ViewerTest, TheDecimalFormFitsWithoutSidewaysScrolling) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CRecordStepDlg dialog(view->GetDocument(), &frame);
    dialog.show();
    dialog.FormButton(metaview::ParameterForm::Dec)->click();
    QListWidget* list = dialog.Parameters();
    const QString widest = QString(4 * 12, QLatin1Char('8'));
    EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(widest));
    dialog.reject();
}

} // namespace
} // namespace testing_metaview
