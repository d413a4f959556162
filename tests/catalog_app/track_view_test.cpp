#include "catalogue_fixture.h"

#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"

#include <gtest/gtest.h>

namespace {

class TrackViewTest : public ::testing::Test {
protected:
    TrackViewTest() {
        doc.OnNewDocument();
        medium = AddMedium(doc.Catalogue(), "M", {100, 200, 300, 400, 500});
        doc.UpdateAllViews(nullptr, HINT_REFRESH_MEDIA);
        media.SelectRow(0);
    }
    void Select(std::initializer_list<int> rows) {
        tracks.clearSelection();
        for (int row : rows)
            tracks.selectionModel()->select(tracks.model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
    }

    CMELVARADoc doc;
    CFakePrompts prompts;
    CMELVARAView media{doc, prompts};
    CMediaView tracks{doc, prompts};
    CMedia* medium = nullptr;
};

TEST_F(TrackViewTest, AppendOffersTheNextIndexAndAddsTheLastRow) {
    prompts.trackDialog = [](CTrackDialogValues& v) {
        v.length = 175;
        return true;
    };
    doc.OnAppendTrack();
    ASSERT_EQ(prompts.trackDialogsShown.size(), 1u);
    EXPECT_EQ(prompts.trackDialogsShown[0].indexText, QStringLiteral("000006"));
    EXPECT_EQ(prompts.trackDialogsShown[0].title, "New Track");
    EXPECT_EQ(tracks.Model().rowCount(), 6);
    EXPECT_EQ(tracks.Model().TrackAt(5)->TrackIndex(), 6u);
    // 175 counts as 2:15 in the total: 15:00 + 2:15.
    EXPECT_EQ(medium->TotalLength(), 1715u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TrackViewTest, InsertBeforeTheCurrentTrackRenumbersTheRest) {
    tracks.SelectRow(2);
    prompts.trackDialog = [](CTrackDialogValues& v) {
        v.title = "Inserted";
        return true;
    };
    tracks.OnInsertTrack();
    EXPECT_EQ(prompts.trackDialogsShown[0].indexText, QStringLiteral("000003"));
    EXPECT_EQ(TrackTitles(*medium)[2], "Inserted");
    EXPECT_EQ(TrackTitles(*medium)[3], "Track 3");
    EXPECT_EQ(TrackIndexes(*medium), (std::vector<unsigned>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tracks.Model().rowCount(), 6);
}

TEST_F(TrackViewTest, InsertWithTheFirstTrackSelectedPutsTheNewOneFirst) {
    tracks.SelectRow(0);
    tracks.OnInsertTrack();
    EXPECT_EQ(prompts.trackDialogsShown[0].indexText, QStringLiteral("000001"));
    EXPECT_EQ(TrackTitles(*medium)[0], "New Track");
}

TEST_F(TrackViewTest, DeletingTracksTwoAndFourLeavesThreeNumberedInOrder) {
    Select({1, 3});
    tracks.OnDeleteTrack();
    EXPECT_EQ(TrackTitles(*medium), (std::vector<std::string>{"Track 1", "Track 3", "Track 5"}));
    EXPECT_EQ(TrackIndexes(*medium), (std::vector<unsigned>{1, 2, 3}));
    EXPECT_EQ(medium->TotalLength(), 900u);
    EXPECT_FALSE(tracks.HasCurrentTrack());
    EXPECT_EQ(tracks.Model().rowCount(), 3);
}

TEST_F(TrackViewTest, EditChangesTheTrackInPlace) {
    tracks.SelectRow(1);
    prompts.trackDialog = [](CTrackDialogValues& v) {
        v.title = "Edited";
        v.length = 1;
        return true;
    };
    tracks.OnEditTrack();
    EXPECT_EQ(prompts.trackDialogsShown[0].indexText, QStringLiteral("000002"));
    EXPECT_EQ(prompts.trackDialogsShown[0].title, "Track 2");
    EXPECT_EQ(prompts.trackDialogsShown[0].length, 200u);
    EXPECT_EQ(TrackTitles(*medium)[1], "Edited");
    EXPECT_EQ(tracks.CurrentRow(), 1);
    EXPECT_EQ(medium->TotalLength(), 1301u);
}

TEST_F(TrackViewTest, ReorderStopsAtBothEnds) {
    tracks.SelectRow(0);
    tracks.OnReorder(true);
    tracks.SelectRow(4);
    tracks.OnReorder(false);
    EXPECT_EQ(TrackTitles(*medium)[0], "Track 1");
    EXPECT_EQ(TrackTitles(*medium)[4], "Track 5");
    EXPECT_FALSE(doc.IsModified());

    tracks.SelectRow(2);
    tracks.OnReorder(true);
    EXPECT_EQ(TrackTitles(*medium)[1], "Track 3");
    EXPECT_EQ(TrackIndexes(*medium), (std::vector<unsigned>{1, 2, 3, 4, 5}));
    EXPECT_EQ(tracks.CurrentRow(), 1);
    EXPECT_EQ(tracks.CurrentTrack()->Title(), "Track 3");
}

TEST_F(TrackViewTest, TheLastChosenInterpreterIsOfferedNextInAnyMedium) {
    EXPECT_EQ(doc.Catalogue().Interpreters().Count(), 0u);
    prompts.trackDialog = [](CTrackDialogValues& v) {
        v.interpreter = 4;
        return true;
    };
    doc.OnAppendTrack();
    AddMedium(doc.Catalogue(), "Other");
    doc.OnRefreshMediaList();
    media.SelectRow(0);
    doc.OnAppendTrack();
    ASSERT_EQ(prompts.trackDialogsShown.size(), 2u);
    EXPECT_EQ(prompts.trackDialogsShown[0].interpreter, 0u);
    EXPECT_EQ(prompts.trackDialogsShown[1].interpreter, 4u);
}

TEST_F(TrackViewTest, CommandsWithoutAMediumOrTrackDoNothing) {
    tracks.OnEditTrack();
    tracks.OnReorder(false);
    media.clearSelection();
    doc.OnAppendTrack();
    tracks.OnInsertTrack();
    EXPECT_TRUE(prompts.trackDialogsShown.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(TrackViewTest, TrackChangesShowInTheMediaTotalAtOnce) {
    QObject::connect(&tracks, &CMediaView::TracksChanged, &media, &CMELVARAView::RefreshMedia);
    const QModelIndex total = media.model()->index(0, CMediaListModel::TotalColumn);
    EXPECT_EQ(total.data().toString(), QStringLiteral("15:00"));
    int changes = 0;
    QObject::connect(media.model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    Select({0});
    tracks.OnDeleteTrack();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(total.data().toString(), QStringLiteral("14:00"));
}

} // namespace
