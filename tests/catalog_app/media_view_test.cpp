#include "catalogue_fixture.h"

#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"

#include <QHeaderView>

#include <gtest/gtest.h>

namespace {

class MediaViewTest : public ::testing::Test {
protected:
    MediaViewTest() { doc.OnNewDocument(); }

    void Load(std::initializer_list<const char*> titles) {
        for (const char* title : titles)
            AddMedium(doc.Catalogue(), title, {100, 200});
        doc.UpdateAllViews(nullptr, HINT_REFRESH_MEDIA);
    }
    CMedia* RowMedia(int row) const { return media.Model().MediaAt(row); }
    void Select(std::initializer_list<int> rows) {
        media.clearSelection();
        for (int row : rows)
            media.selectionModel()->select(media.model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    CMELVARADoc doc;
    CFakePrompts prompts;
    CMELVARAView media{doc, prompts};
    CMediaView tracks{doc, prompts};
};

TEST_F(MediaViewTest, InsertOffersANewMediumAndPutsItOnTop) {
    Load({"Old"});
    prompts.mediaSheet = [](CMediaSheetValues& v) {
        v.title1 = "Fresh";
        return true;
    };
    media.OnInsertMedia();
    ASSERT_EQ(prompts.sheetsShown.size(), 1u);
    const CMediaSheetValues& offered = prompts.sheetsShown[0];
    EXPECT_EQ(offered.indexText, QStringLiteral("000001")); // the index it then gets
    EXPECT_EQ(offered.totalText, QStringLiteral("0:00"));
    EXPECT_EQ(offered.trackCountText, QStringLiteral("0"));
    EXPECT_EQ(offered.title1, "New Media Line 1");
    EXPECT_EQ(offered.title2, "New Media Line 2");
    EXPECT_EQ(offered.mediaType, 2);
    EXPECT_EQ(RowMedia(0)->Title1(), "Fresh");
    EXPECT_EQ(RowMedia(0)->MediaIndex(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.CurrentRow(), -1);
}

TEST_F(MediaViewTest, CancelledSheetChangesNothing) {
    prompts.mediaSheet = [](CMediaSheetValues&) { return false; };
    media.OnInsertMedia();
    EXPECT_EQ(doc.Catalogue().Media().Count(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(MediaViewTest, SelectingARowMakesItCurrentAndFillsTheTrackList) {
    Load({"A", "B"});
    media.SelectRow(1);
    EXPECT_EQ(doc.CurrentMedia(), RowMedia(1));
    EXPECT_EQ(doc.CurrentRow(), 1);
    EXPECT_EQ(doc.CurrentMedia()->Title1(), "A");
    EXPECT_EQ(tracks.Model().rowCount(), 2);
    media.clearSelection();
    EXPECT_EQ(doc.CurrentRow(), -1);
    EXPECT_EQ(tracks.Model().rowCount(), 0);
}

TEST_F(MediaViewTest, SortingClearsTheCurrentMediumAndEmptiesTheTrackList) {
    Load({"a", "b"}); // rows: b, a
    media.SelectRow(0);
    ASSERT_EQ(tracks.Model().rowCount(), 2);
    emit media.header()->sectionClicked(CMediaListModel::Title1Column);
    EXPECT_EQ(RowMedia(0)->Title1(), "a");
    EXPECT_EQ(doc.CurrentRow(), -1);
    EXPECT_EQ(tracks.Model().rowCount(), 0);
    // Refresh undoes the sort.
    doc.OnRefreshMediaList();
    EXPECT_EQ(RowMedia(0)->Title1(), "b");
    EXPECT_EQ(RowMedia(1)->Title1(), "a");
}

TEST_F(MediaViewTest, DeleteRemovesEverySelectedMediumAfterOneQuestion) {
    Load({"A", "B", "C"});
    Select({0, 2});
    media.OnDeleteMedia();
    EXPECT_EQ(prompts.confirmations, 1);
    ASSERT_EQ(doc.Catalogue().Media().Count(), 1u);
    EXPECT_EQ(doc.Catalogue().Media().begin()->Title1(), "B");
    EXPECT_EQ(media.Model().rowCount(), 1);
    EXPECT_EQ(tracks.Model().rowCount(), 0);
    EXPECT_EQ(doc.CurrentRow(), -1);
}

TEST_F(MediaViewTest, DeleteAnsweredNoLeavesEverything) {
    Load({"A", "B"});
    Select({0});
    prompts.confirmAnswer = false;
    media.OnDeleteMedia();
    EXPECT_EQ(doc.Catalogue().Media().Count(), 2u);
    EXPECT_EQ(media.Model().rowCount(), 2);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(MediaViewTest, EditKeepsTheRowAndIndex) {
    Load({"A", "B"});
    media.SelectRow(1);
    prompts.mediaSheet = [](CMediaSheetValues& v) {
        v.title2 = "Changed";
        return true;
    };
    media.OnEditMedia();
    EXPECT_EQ(prompts.sheetsShown[0].indexText, QStringLiteral("000000"));
    EXPECT_EQ(prompts.sheetsShown[0].totalText, QStringLiteral("3:00"));
    EXPECT_EQ(prompts.sheetsShown[0].trackCountText, QStringLiteral("2"));
    EXPECT_EQ(RowMedia(1)->Title2(), "Changed");
    EXPECT_EQ(RowMedia(1)->MediaIndex(), 0u);
    EXPECT_EQ(doc.CurrentRow(), 1);
}

TEST_F(MediaViewTest, EditWithoutACurrentMediumDoesNothing) {
    Load({"A"});
    media.OnEditMedia();
    media.OnReorder(true);
    EXPECT_TRUE(prompts.sheetsShown.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(MediaViewTest, ReorderMovesIndexesAndKeepsTheMediumSelected) {
    Load({"A", "B", "C"}); // rows: C(2), B(1), A(0)
    CMedia* top = RowMedia(0);
    media.SelectRow(0);
    media.OnReorder(true); // the highest index has no neighbour: it only takes index 3
    EXPECT_EQ(top->MediaIndex(), 3u);
    EXPECT_EQ(RowMedia(0), top);
    EXPECT_EQ(doc.CurrentMedia(), top);

    CMedia* bottom = RowMedia(2);
    media.SelectRow(2);
    media.OnReorder(false); // index 0 cannot move toward the front
    EXPECT_EQ(bottom->MediaIndex(), 0u);

    CMedia* middle = RowMedia(1);
    media.SelectRow(1);
    media.OnReorder(false); // B(1) exchanges with A(0)
    EXPECT_EQ(middle->MediaIndex(), 0u);
    EXPECT_EQ(RowMedia(2), middle);
    EXPECT_EQ(doc.CurrentMedia(), middle);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MediaViewTest, SelectRequestForAMissingRecordSelectsNothing) {
    Load({"A"});
    CMedia other;
    media.SelectMedium(&other);
    EXPECT_EQ(doc.CurrentRow(), -1);
    media.SelectMedium(RowMedia(0));
    EXPECT_EQ(doc.CurrentRow(), 0);
}

TEST_F(MediaViewTest, ANewCatalogueEmptiesBothLists) {
    Load({"A"});
    media.SelectRow(0);
    doc.OnNewDocument();
    EXPECT_EQ(media.Model().rowCount(), 0);
    EXPECT_EQ(tracks.Model().rowCount(), 0);
}

} // namespace
