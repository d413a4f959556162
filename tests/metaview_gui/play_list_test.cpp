#include "viewer_fixture.h"

#include "metaview/dialogs/file_info_dialog.h"
#include "metaview/dialogs/play_list_dialog.h"
#include "metaview/dialogs/play_list_model.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

namespace testing_metaview {
namespace {

void SelectRows(QTreeView* list, std::initializer_list<int> rows) {
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

TEST_F(ViewerTest, ThePlayListShowsEveryRecordWithItsFlags) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CPlayListDlg dialog(view->GetDocument(), &frame);
    metaview::PlayListModel& model = dialog.Model();
    QAbstractItemModelTester tester(&model);
    ASSERT_EQ(model.rowCount(), 7);
    EXPECT_EQ(model.index(0, 1).data().toString(), "EMR_HEADER");
    EXPECT_EQ(model.index(5, 1).data().toString(), "EMR_ELLIPSE");
    EXPECT_EQ(model.index(5, 2).data().toString(), "41");
    EXPECT_EQ(model.index(6, 0).data().toString(), "6");
    EXPECT_EQ(model.ImageOf(3), 1) << "every record starts in the play list";
    EXPECT_FALSE(dialog.MarkPlaying()->isEnabled());
}

TEST_F(ViewerTest, MarkingAndUnmarkingSelectedRows) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CEMFData& data = view->GetDocument().Data();
    CPlayListDlg dialog(view->GetDocument(), &frame);
    SelectRows(dialog.List(), {4, 5});
    EXPECT_TRUE(dialog.UnmarkPlaying()->isEnabled());
    dialog.UnmarkPlaying()->click();
    EXPECT_EQ(data.GetPlayMode(), PlayPlayList);
    EXPECT_FALSE(data.PlayFlag(4));
    EXPECT_FALSE(data.PlayFlag(5));
    EXPECT_TRUE(data.PlayFlag(3));
    EXPECT_EQ(dialog.Model().ImageOf(4), 0);
    EXPECT_FALSE(dialog.List()->selectionModel()->hasSelection()) << "refilled";
    EXPECT_FALSE(dialog.UnmarkPlaying()->isEnabled());

    data.SetPlayMode(PlayWholeFile);
    SelectRows(dialog.List(), {1, 5});
    dialog.MarkGeneral()->click();
    EXPECT_TRUE(data.GeneralMark(1));
    EXPECT_EQ(dialog.Model().ImageOf(5), 2);
    EXPECT_EQ(dialog.Model().ImageOf(1), 3);
    EXPECT_EQ(data.GetPlayMode(), PlayWholeFile) << "marks leave the drawing alone";
}

TEST_F(ViewerTest, FileInformationListsTheHeader) {
    CKelvane* view = frame.OpenDocumentFile(File("shapes.emf", ShapesEmf()));
    ASSERT_TRUE(view);
    CFileInfoDlg dialog(view->GetDocument().Data(), &frame);
    QTreeWidget* list = dialog.List();
    ASSERT_EQ(list->topLevelItemCount(), 18);
    EXPECT_EQ(list->topLevelItem(17)->text(1), "EMF only");
    EXPECT_EQ(list->headerItem()->text(0), "Information describtion");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Kelvane tests");
    EXPECT_EQ(list->topLevelItem(6)->text(1), "0x464D4520");
    EXPECT_EQ(list->topLevelItem(9)->text(1), "7");
    EXPECT_EQ(dialog.Notes(), "");
}

} // namespace
} // namespace testing_metaview
