#include "viewer_fixture.h"

#include "metaview/dialogs/bitmap_export_dialog.h"
#include "metaview/dialogs/save_option_dialog.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"

#include "emf/emf_builder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace testing_metaview {
namespace {

std::vector<std::byte> WideEmf() {
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 20000, 10000});
    b.Rectangle({10, 10, 200, 100});
    return b.Build();
}

TEST_F(ViewerTest, BitmapExportKeepsTheRatioAndWritesTheBitmap) {
    CKelvane* view = frame.OpenDocumentFile(File("wide.emf", WideEmf()));
    ASSERT_TRUE(view);
    CBitmapExportDlg dialog(view->GetDocument().Data(), &frame);
    EXPECT_EQ(dialog.ResolutionBox()->currentText(), "75");
    dialog.ResolutionBox()->setEditText("");
    EXPECT_EQ(dialog.ResolutionBox()->currentText(), "75") << "an empty field comes back";
    dialog.KeepRatioBox()->click();
    EXPECT_EQ(dialog.WidthField()->text(), "100");
    EXPECT_EQ(dialog.HeightField()->text(), "50");

    std::string error;
    ASSERT_TRUE(dialog.RenderToBitmap(QString::fromStdString((dir / "out.bmp").string()), error))
        << error;
    const std::vector<std::byte> bmp = ReadAll(dir / "out.bmp");
    ASSERT_GT(bmp.size(), 66u);
    EXPECT_EQ(U32At(bmp, 18), 295u); // 75 pixel/inch x 100 mm
    EXPECT_EQ(U32At(bmp, 22), 147u);
    EXPECT_EQ(U32At(bmp, 10), 66u) << "file header, info header and masks";
}

TEST_F(ViewerTest, TheExportDrawsWhatTheViewShows) {
    CKelvane* view = frame.OpenDocumentFile(File("wide.emf", WideEmf()));
    ASSERT_TRUE(view);
    CBitmapExportDlg dialog(view->GetDocument().Data(), &frame);
    auto hasInk = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
        return false;
    };
    EXPECT_TRUE(hasInk(dialog.RenderImage()));
    frame.Actions().clearPlayList->trigger();
    EXPECT_FALSE(hasInk(dialog.RenderImage())) << "an empty play list exports white";
}

TEST_F(ViewerTest, SaveAsWhatIsSeenWritesTheDrawnRecordsAndTakesTheNewName) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    frame.Actions().clearPlayList->trigger();
    view->GetDocument().Data().SetPlayFlag(4, true); // the rectangle
    prompts.saveCopyChoice = false;
    prompts.savePath = QString::fromStdString((dir / "seen.emf").string());
    frame.Actions().fileSaveAs->trigger();
    EXPECT_EQ(prompts.optionAsked, 1);
    ASSERT_EQ(prompts.proposedNames.size(), 1);
    EXPECT_TRUE(prompts.proposedNames[0].endsWith("/shapes.EMF"));
    const std::vector<std::byte> saved = ReadAll(dir / "seen.emf");
    EXPECT_EQ(U32At(saved, 52), 3u) << "header, the rectangle and EMR_EOF";
    EXPECT_EQ(U32At(saved, 48), saved.size());
    EXPECT_EQ(view->GetDocument().PathName(), prompts.savePath);
    EXPECT_EQ(frame.windowTitle(), "Korvel-Software Kelvane - seen.emf");
    // The saved file opens, with the records that were drawn.
    CKelvane* reopened = frame.OpenDocumentFile(File("copy.emf", saved));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->GetDocument().Data().RecordCount(), 3u);
}

TEST_F(ViewerTest, SaveOfAWmfDocumentProposesAnEmfAndCancelWritesNothing) {
    CKelvane* view = frame.OpenDocumentFile(File("title.wmf", SmallWmf()));
    ASSERT_TRUE(view);
    prompts.optionAnswer = false;
    frame.Actions().fileSave->trigger();
    EXPECT_EQ(prompts.optionAsked, 1) << "a WMF is never overwritten under its old name";
    EXPECT_TRUE(prompts.proposedNames.isEmpty());
    prompts.optionAnswer = true;
    frame.Actions().fileSave->trigger();
    ASSERT_EQ(prompts.proposedNames.size(), 1);
    EXPECT_TRUE(prompts.proposedNames[0].endsWith("/title.EMF"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "the save-file prompt was cancelled: only the WMF is there";
}

TEST_F(ViewerTest, TheOptionDialogCanBeTurnedOffAndOnAndAFailedSaveLeavesNothing) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CEMFDoc& doc = view->GetDocument().Doc();
    doc.m_bAskSaveOption = false;
    prompts.savePath = QString::fromStdString((dir / "missing" / "x.emf").string());
    frame.Actions().fileSaveAs->trigger();
    EXPECT_EQ(prompts.optionAsked, 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Failed to save document."));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    frame.UpdateCommandUi();
    EXPECT_FALSE(frame.Actions().askSaveOption->isChecked());
    frame.Actions().askSaveOption->trigger();
    EXPECT_TRUE(doc.m_bAskSaveOption);
}

TEST(SaveOptionDialog, ShowsTheOptionAndReturnsTheChoice) {
    CSaveOptionDlg dialog;
    dialog.m_nOption = false;
    dialog.show();
    EXPECT_TRUE(dialog.SeenButton()->isChecked());
    EXPECT_TRUE(dialog.AskAgainBox()->isChecked());
    dialog.CopyButton()->click();
    dialog.AskAgainBox()->click();
    dialog.accept();
    EXPECT_TRUE(dialog.m_nOption);
    EXPECT_FALSE(dialog.m_bAskAgain);
}

} // namespace
} // namespace testing_metaview

namespace testing_metaview {
namespace {

TEST_F(ViewerTest, APlainSaveOfAnEmfWritesItsFileWithoutAsking) {
    const QString path = File("plain.emf", ShapesEmf());
    CKelvane* view = frame.OpenDocumentFile(path);
    ASSERT_TRUE(view);
    view->GetDocument().Doc().m_bSaveCopy = false;
    frame.Actions().clearPlayList->trigger();
    frame.Actions().fileSave->trigger();
    EXPECT_EQ(prompts.optionAsked, 0);
    EXPECT_TRUE(prompts.proposedNames.isEmpty());
    const std::vector<std::byte> saved = ReadAll(dir / "plain.emf");
    EXPECT_EQ(U32At(saved, 52), 2u) << "only the header and EMR_EOF are seen";
}

} // namespace
} // namespace testing_metaview
