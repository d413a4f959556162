#include "catalogue_fixture.h"

#include "catalog_app/dialogs/interpreter_list_dialog.h"
#include "catalog_app/dialogs/interpreter_table.h"
#include "catalog_app/ui/ansi_line_edit.h"

#include "catalog/catalogue.h"

#include <QHeaderView>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class InterpreterListTest : public ::testing::Test {
protected:
    InterpreterListTest() {
        doc.OnNewDocument();
        for (const char* name : {"n0", "n1", "n2", "n3", "n4", "n5"})
            doc.Catalogue().Interpreters().FindOrAddInterpreter(name);
    }
    const CInterpreter* Find(unsigned index) {
        return doc.Catalogue().Interpreters().FindInterpreter(index);
    }

    CMELVARADoc doc;
    CFakePrompts prompts;
};

TEST_F(InterpreterListTest, DeleteAndRenameReachTheCatalogueOnlyOnOk) {
    CInterpreterListDlg dialog(doc, prompts);
    dialog.MarkDeleted(2);
    dialog.MarkRenamed(5, QStringLiteral("Five"));
    EXPECT_EQ(dialog.List()->Row(2)->NameText(), QString());
    EXPECT_NE(Find(2), nullptr);
    dialog.accept();
    EXPECT_EQ(Find(2), nullptr);
    EXPECT_EQ(Find(5)->Name(), "Five");
    EXPECT_EQ(doc.Catalogue().Interpreters().Count(), 5u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(InterpreterListTest, CancelAndUnmarkedOkChangeNothing) {
    {
        CInterpreterListDlg dialog(doc, prompts);
        dialog.MarkDeleted(2);
        dialog.reject();
    }
    CInterpreterListDlg dialog(doc, prompts);
    dialog.accept();
    EXPECT_NE(Find(2), nullptr);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(InterpreterListTest, TheLaterMarkWins) {
    CInterpreterListDlg dialog(doc, prompts);
    dialog.MarkDeleted(1);
    dialog.MarkRenamed(1, QStringLiteral("Kept"));
    EXPECT_EQ(dialog.MarkOf(1), CInterpreterListDlg::Renamed);
    dialog.accept();
    EXPECT_EQ(Find(1)->Name(), "Kept");
}

TEST_F(InterpreterListTest, SetAsksFirstAndNoLeavesTheRow) {
    CInterpreterListDlg dialog(doc, prompts);
    dialog.List()->topLevelItem(3)->setSelected(true);
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("n3"));
    dialog.NameEdit()->setText(QStringLiteral("Renamed"));
    prompts.confirmAnswer = false;
    dialog.SetButton()->click();
    EXPECT_EQ(dialog.MarkOf(3), CInterpreterListDlg::Unchanged);
    prompts.confirmAnswer = true;
    dialog.SetButton()->click();
    EXPECT_EQ(dialog.MarkOf(3), CInterpreterListDlg::Renamed);
    EXPECT_EQ(dialog.List()->Row(3)->NameText(), QStringLiteral("Renamed"));
    EXPECT_EQ(prompts.confirmations, 2);
}

TEST_F(InterpreterListTest, SetAndDeleteWaitForARow) {
    CInterpreterListDlg dialog(doc, prompts);
    EXPECT_FALSE(dialog.SetButton()->isEnabled());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    dialog.List()->topLevelItem(2)->setSelected(true);
    EXPECT_TRUE(dialog.SetButton()->isEnabled());
    EXPECT_TRUE(dialog.DeleteButton()->isEnabled());
}

TEST_F(InterpreterListTest, SortingByNameAfterSetUsesTheOldNameAndDropsTheSelection) {
    CInterpreterListDlg dialog(doc, prompts);
    dialog.MarkRenamed(0, QStringLiteral("zzz"));
    dialog.List()->topLevelItem(4)->setSelected(true);
    emit dialog.List()->header()->sectionClicked(1);
    dialog.List()->sortItems(1, Qt::AscendingOrder);
    EXPECT_EQ(dialog.List()->Row(0)->NameText(), QStringLiteral("zzz")); // still sorted as n0
    EXPECT_FALSE(dialog.SetButton()->isEnabled());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    // With nothing selected the buttons ask and change nothing.
    dialog.MarkDeleted(-1);
    dialog.accept();
    EXPECT_EQ(Find(0)->Name(), "zzz");
    EXPECT_EQ(doc.Catalogue().Interpreters().Count(), 6u);
}

} // namespace
