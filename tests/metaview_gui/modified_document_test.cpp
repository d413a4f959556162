#include "viewer_fixture.h"

#include "metaview/document/viewer_document.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"

#include "emf/emf_builder.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>

namespace testing_metaview {
namespace {

std::vector<std::byte> OtherPicture() {
    emf::EmfBuilder b;
    b.SetFrame({0, 0, 5000, 5000});
    b.Rectangle({0, 0, 40, 40});
    return b.Build();
}

void PutOnClipboard(const std::vector<std::byte>& bytes) {
    auto* mime = new QMimeData;
    mime->setData("image/x-emf",
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
}

class ModifiedDocumentTest : public ViewerTest {
protected:
    // Opens the shapes picture and pastes another one over it.
    CChildFrame* OpenAndPaste() {
        if (!frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()))) return nullptr;
        PutOnClipboard(OtherPicture());
        frame.UpdateCommandUi();
        frame.Actions().editPaste->trigger();
        return qobject_cast<CChildFrame*>(frame.MdiArea()->activeSubWindow());
    }
    int Windows() const { return int(frame.MdiArea()->subWindowList().size()); }
};

TEST_F(ModifiedDocumentTest, PasteMarksTheDocumentAndKeepsItsNameAndFile) {
    CChildFrame* child = OpenAndPaste();
    ASSERT_TRUE(child);
    metaview::ViewerDocument& doc = child->Document();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "shapes.emf");
    EXPECT_EQ(child->windowTitle(), "shapes.emf*");
    EXPECT_EQ(frame.windowTitle(), "Korvel-Software Kelvane - shapes.emf*");
    EXPECT_EQ(ReadAll(dir / "shapes.emf"), ShapesEmf()) << "nothing written yet";
    // Saving is now the user's visible choice, and takes the mark away.
    frame.Actions().fileSave->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(child->windowTitle(), "shapes.emf");
    EXPECT_EQ(ReadAll(dir / "shapes.emf"), OtherPicture());
}

TEST_F(ModifiedDocumentTest, ClosingAChangedWindowAsksAndCancelKeepsIt) {
    CChildFrame* child = OpenAndPaste();
    ASSERT_TRUE(child);
    prompts.saveChangesAnswer = CViewerPrompts::Cancel;
    child->close();
    EXPECT_EQ(prompts.savePromptTitles, QStringList{"shapes.emf"});
    EXPECT_EQ(Windows(), 1);
    prompts.saveChangesAnswer = CViewerPrompts::Discard;
    frame.Actions().fileClose->trigger();
    EXPECT_EQ(prompts.savePromptTitles.size(), 2);
    EXPECT_EQ(Windows(), 0);
    EXPECT_EQ(ReadAll(dir / "shapes.emf"), ShapesEmf()) << "discarded, the file is as it was";
}

TEST_F(ModifiedDocumentTest, OnlyTheLastWindowOfADocumentAsksAndFileCloseAsksOnce) {
    ASSERT_TRUE(OpenAndPaste());
    frame.Actions().windowNew->trigger();
    frame.Actions().windowNew->trigger();
    ASSERT_EQ(Windows(), 3);
    frame.MdiArea()->activeSubWindow()->close();
    EXPECT_TRUE(prompts.savePromptTitles.isEmpty()) << "the picture is still shown";
    EXPECT_EQ(Windows(), 2);
    prompts.saveChangesAnswer = CViewerPrompts::Cancel;
    frame.Actions().fileClose->trigger();
    EXPECT_EQ(prompts.savePromptTitles.size(), 1);
    EXPECT_EQ(Windows(), 2) << "cancel closes none of its windows";
    prompts.saveChangesAnswer = CViewerPrompts::Discard;
    frame.Actions().fileClose->trigger();
    EXPECT_EQ(prompts.savePromptTitles.size(), 2);
    EXPECT_EQ(Windows(), 0);
}

TEST_F(ModifiedDocumentTest, AnUntitledPasteIsSavedUnderTheChosenNameWhenClosing) {
    CKelvane* view = frame.NewDocument();
    PutOnClipboard(OtherPicture());
    frame.UpdateCommandUi();
    frame.Actions().editPaste->trigger();
    EXPECT_TRUE(view->GetDocument().IsModified());
    prompts.saveChangesAnswer = CViewerPrompts::Save;
    // A cancelled file prompt is no save: the window stays.
    frame.MdiArea()->activeSubWindow()->close();
    EXPECT_EQ(Windows(), 1);
    EXPECT_EQ(prompts.proposedNames, QStringList{"Untitled1.EMF"});
    prompts.savePath = QString::fromStdString((dir / "pasted.emf").string());
    frame.MdiArea()->activeSubWindow()->close();
    EXPECT_EQ(Windows(), 0);
    EXPECT_EQ(ReadAll(dir / "pasted.emf"), OtherPicture());
}

TEST_F(ModifiedDocumentTest, QuittingAsksForEveryChangedDocumentAndCancelClosesNothing) {
    ASSERT_TRUE(OpenAndPaste());
    frame.NewDocument();
    frame.Actions().editPaste->trigger();
    frame.OpenDocumentFile(File("plain.emf", ShapesEmf())); // unchanged: no question
    ASSERT_EQ(Windows(), 3);
    prompts.saveChangesAnswer = CViewerPrompts::Cancel;
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(prompts.savePromptTitles, QStringList{"shapes.emf"});
    EXPECT_EQ(Windows(), 3) << "nothing closes before every question is answered";
    prompts.saveChangesAnswer = CViewerPrompts::Discard;
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(prompts.savePromptTitles, (QStringList{"shapes.emf", "shapes.emf", "Untitled1"}));
    EXPECT_EQ(Windows(), 0);
}

} // namespace
} // namespace testing_metaview
