#include "viewer_fixture.h"

#include "metaview/dialogs/record_step_dialog.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace testing_metaview {
namespace {

// The worker's updates arrive through the event loop.
bool WaitShown(CRecordStepDlg& dialog, std::size_t position) {
    return QTest::qWaitFor([&] { return dialog.ShownPosition() == position; }, 5000);
}

class StepTest : public ViewerTest {
protected:
    void SetUp() override {
        view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
        ASSERT_TRUE(view);
    }
    CEMFData& Data() { return view->GetDocument().Data(); }
    CKelvane* view = nullptr;
};

TEST_F(StepTest, PlayAndSkipBuildThePictureRecordByRecord) {
    {
        CRecordStepDlg dialog(view->GetDocument(), &frame);
        EXPECT_EQ(Data().GetPlayMode(), PlayStepping);
        EXPECT_FALSE(Data().PlayFlag(0)) << "stepping starts from a blank picture";
        ASSERT_TRUE(WaitShown(dialog, 0));
        EXPECT_EQ(dialog.FunctionField()->text(), "EMR_HEADER");
        dialog.Play();
        ASSERT_TRUE(WaitShown(dialog, 1));
        EXPECT_EQ(dialog.FunctionField()->text(), "EMR_SETMAPMODE");
        EXPECT_EQ(dialog.SizeField()->text(), "12");
        EXPECT_EQ(dialog.Parameters()->item(0)->text(), "00000001 ");
        dialog.FormButton(metaview::ParameterForm::Dec)->click();
        EXPECT_EQ(dialog.Parameters()->item(0)->text(), "1" + QString(11, QLatin1Char(' ')));
        dialog.Skip();
        ASSERT_TRUE(WaitShown(dialog, 2));
        dialog.Play();
        ASSERT_TRUE(WaitShown(dialog, 3));
        EXPECT_EQ(dialog.RecordField()->text(), "3");
        EXPECT_TRUE(Data().PlayFlag(0));
        EXPECT_FALSE(Data().PlayFlag(1));
        EXPECT_TRUE(Data().PlayFlag(2));
        EXPECT_FALSE(Data().PlayFlag(3));
    }
    // Closing gives back the flags and the mode from before.
    EXPECT_EQ(Data().GetPlayMode(), PlayWholeFile);
    EXPECT_TRUE(Data().PlayFlag(1));
    EXPECT_TRUE(Data().PlayFlag(3));
}

TEST_F(StepTest, AfterTheLastRecordOnlyRewindHelpsAndItStepsAgain) {
    CRecordStepDlg dialog(view->GetDocument(), &frame);
    for (std::size_t pos = 0; pos < 7; ++pos) {
        ASSERT_TRUE(WaitShown(dialog, pos));
        dialog.Play();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Finished(); }, 5000));
    EXPECT_FALSE(dialog.PlayButton()->isEnabled());
    EXPECT_FALSE(dialog.SkipButton()->isEnabled());
    EXPECT_TRUE(Data().PlayFlag(6));
    dialog.Rewind();
    EXPECT_FALSE(Data().PlayFlag(6)) << "rewind clears the picture";
    EXPECT_TRUE(dialog.PlayButton()->isEnabled());
    ASSERT_TRUE(WaitShown(dialog, 0));
    dialog.Play();
    EXPECT_TRUE(WaitShown(dialog, 1));
}

TEST_F(StepTest, AnEmptyPlayListIsFinishedAtOnce) {
    frame.Actions().clearPlayList->trigger();
    CRecordStepDlg dialog(view->GetDocument(), &frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Finished(); }, 5000));
    EXPECT_FALSE(dialog.PlayButton()->isEnabled());
    EXPECT_EQ(dialog.RecordField()->text(), "");
}

} // namespace
} // namespace testing_metaview
