#include "viewer_fixture.h"

#include "metaview/dialogs/file_info_dialog.h"
#include "metaview/dialogs/play_list_dialog.h"
#include "metaview/dialogs/record_step_dialog.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"

#include "emf/emf_builder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace testing_metaview {
namespace {

// Pictures of the windows over corpus files, to look at; taken only when
// KORVEL_SCREENSHOT_DIR names a folder.
TEST_F(ViewerTest, Screenshots) {
    const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set KORVEL_SCREENSHOT_DIR to take screenshots";
    if (CorpusDir().empty()) GTEST_SKIP() << "the corpus folder ../shared/corpus is not there";
    const QDir out(folder);
    frame.resize(1100, 760);
    const auto corpus = [](const char* file) {
        return QString::fromStdString((CorpusDir() / file).string());
    };
    CKelvane* wmf = frame.OpenDocumentFile(corpus("caolanm-libwmf/examples/Eg.wmf"));
    CKelvane* emf = frame.OpenDocumentFile(corpus("kakwa-libemf2svg/emf/test-068.emf"));
    ASSERT_TRUE(wmf && emf);
    frame.MdiArea()->tileSubWindows();
    frame.Actions().fixedAspect->trigger();
    QTest::qWait(100);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_tiled.png"))));

    CPlayListDlg list(emf->GetDocument(), &frame);
    list.show();
    list.List()->selectionModel()->select(list.List()->model()->index(3, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::qWait(50);
    EXPECT_TRUE(list.grab().save(out.filePath(QStringLiteral("kelvane_play_list.png"))));
    list.UnmarkPlaying()->click();

    {
        CRecordStepDlg step(emf->GetDocument(), &frame);
        step.show();
        // Record 3 left the play list above and is passed over.
        for (int played = 0; played < 400; ++played) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return step.ShownPosition().has_value(); }, 5000));
            step.Play();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return step.ShownPosition().has_value(); }, 5000));
        QTest::qWait(50);
        EXPECT_TRUE(step.grab().save(out.filePath(QStringLiteral("kelvane_step.png"))));
        step.FormButton(metaview::ParameterForm::Dec)->click();
        EXPECT_TRUE(step.grab().save(out.filePath(QStringLiteral("kelvane_step_dec.png"))));
        EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_stepping.png"))));
    }

    // Zoomed in twice and scrolled, with a table cell outlined.
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList())
        if (qobject_cast<CChildFrame*>(window)->View() == emf)
            frame.MdiArea()->setActiveSubWindow(window);
    frame.Actions().playCompleteFile->trigger();
    frame.Actions().zoomMode->trigger();
    QTest::mouseClick(emf->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(emf->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    frame.Actions().selectMode->trigger();
    emf->horizontalScrollBar()->setValue(150);
    emf->verticalScrollBar()->setValue(300);
    QTest::mouseClick(emf->viewport(), Qt::LeftButton, {}, QPoint(250, 190));
    QTest::qWait(50);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_zoomed.png"))));

    // The About box runs modally; it is taken and closed from inside its loop.
    QTimer::singleShot(200, [&out] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_TRUE(about);
        EXPECT_TRUE(about->grab().save(out.filePath(QStringLiteral("kelvane_about.png"))));
        about->close();
    });
    frame.Actions().helpAbout->trigger();

    CFileInfoDlg info(emf->GetDocument().Data(), &frame);
    info.show();
    QTest::qWait(50);
    EXPECT_TRUE(info.grab().save(out.filePath(QStringLiteral("kelvane_file_info.png"))));
    info.close();

    // A picture of many records while it is still being drawn.
    emf::EmfBuilder many;
    for (int i = 0; i < 60000; ++i)
        many.Ellipse({i % 300, i % 200, i % 300 + 40, i % 200 + 30});
    frame.OpenDocumentFile(File("many.emf", many.Build()));
    frame.grab();
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_busy.png"))));

    // A pasted picture marks its window; Cascade keeps the windows large.
    const std::vector<std::byte> pasted =
        ReadAll(CorpusDir() / "kakwa-libemf2svg/emf/test-068.emf");
    auto* mime = new QMimeData;
    mime->setData("image/x-emf", QByteArray(reinterpret_cast<const char*>(pasted.data()),
                                            qsizetype(pasted.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
    frame.UpdateCommandUi();
    frame.Actions().editPaste->trigger();
    frame.Actions().windowCascade->trigger();
    QTest::qWait(100);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_pasted_cascade.png"))));
}

} // namespace
} // namespace testing_metaview

namespace testing_metaview {
namespace {

// EMF+ pictures: drawn from their EMF+ records and, with the option off, from their EMF
// records; their records in the play list and the stepping dialog; their file information.
TEST_F(ViewerTest, EmfPlusScreenshots) {
    const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set KORVEL_SCREENSHOT_DIR to take screenshots";
    if (CorpusDir().empty()) GTEST_SKIP() << "the corpus folder ../shared/corpus is not there";
    const QDir out(folder);
    frame.resize(1100, 760);
    CKelvane* plus = frame.OpenDocumentFile(QString::fromStdString(
        (CorpusDir() / "kakwa-libemf2svg/libuemf/test_libuemf_p_ref.emf").string()));
    ASSERT_TRUE(plus);
    frame.MdiArea()->activeSubWindow()->showMaximized();
    QTest::qWait(200);
    EXPECT_TRUE(frame.grab().save(out.filePath(QStringLiteral("kelvane_emfplus.png"))));

    CPlayListDlg list(plus->GetDocument(), &frame);
    list.show();
    list.List()->scrollTo(list.List()->model()->index(12, 0));
    QTest::qWait(50);
    EXPECT_TRUE(list.grab().save(out.filePath(QStringLiteral("kelvane_emfplus_play_list.png"))));
    list.close();
    {
        CRecordStepDlg step(plus->GetDocument(), &frame);
        step.show();
        for (int played = 0; played < 12; ++played) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return step.ShownPosition().has_value(); }, 5000));
            step.Play();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return step.ShownPosition().has_value(); }, 5000));
        QTest::qWait(50);
        EXPECT_TRUE(step.grab().save(out.filePath(QStringLiteral("kelvane_emfplus_step.png"))));
    }
    frame.Actions().playCompleteFile->trigger();
    CFileInfoDlg info(plus->GetDocument().Data(), &frame);
    info.show();
    QTest::qWait(50);
    EXPECT_TRUE(info.grab().save(out.filePath(QStringLiteral("kelvane_emfplus_info.png"))));
    info.close();

    for (const char* file :
         {"kakwa-libemf2svg/emf/test-162.emf", "apache-poi/spreadsheet/SimpleEMF_windows.emf",
          "kakwa-libemf2svg/emf-ea/EA-test-file-020.emf"}) {
        frame.OpenDocumentFile(QString::fromStdString((CorpusDir() / file).string()));
        frame.MdiArea()->activeSubWindow()->showMaximized();
        const QString name = QFileInfo(QString::fromUtf8(file)).completeBaseName();
        for (bool on : {true, false}) {
            if (frame.Actions().drawEmfPlus->isChecked() != on)
                frame.Actions().drawEmfPlus->trigger();
            QTest::qWait(300);
            EXPECT_TRUE(frame.grab().save(out.filePath(
                QStringLiteral("kelvane_%1_%2.png").arg(name, on ? "emfplus" : "gdi"))));
        }
        frame.Actions().drawEmfPlus->trigger();
    }
    QMenu* options = nullptr;
    for (QAction* a : frame.menuBar()->actions())
        if (a->text().remove(QLatin1Char('&')) == QStringLiteral("Options")) options = a->menu();
    ASSERT_TRUE(options);
    options->popup(frame.mapToGlobal(QPoint(300, 30)));
    QTest::qWait(100);
    EXPECT_TRUE(options->grab().save(out.filePath(QStringLiteral("kelvane_options_menu.png"))));
    options->close();
}

} // namespace
} // namespace testing_metaview
