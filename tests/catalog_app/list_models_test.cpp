#include "catalogue_fixture.h"

#include "catalog_app/panes/media_list_model.h"
#include "catalog_app/panes/track_list_model.h"

#include "catalog/catalogue.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>

#include <gtest/gtest.h>

namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

class MediaListModelTest : public ::testing::Test {
protected:
    CCatalogue catalogue;
    CMediaListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(MediaListModelTest, ShowsTheListReversedWithItsFormats) {
    CMedia* first = AddMedium(catalogue, "Alpha", {130});
    AddMedium(catalogue, "Beta", {7});
    first->SetData("Alpha", "Second line", 0, 99, 978307200, {});
    model.Refill(catalogue.Media());
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Cell(model, 0, CMediaListModel::Title1Column), QStringLiteral("Beta"));
    EXPECT_EQ(Cell(model, 0, CMediaListModel::IndexColumn), QStringLiteral("000001"));
    EXPECT_EQ(Cell(model, 0, CMediaListModel::TotalColumn), QStringLiteral("0:07"));
    EXPECT_EQ(Cell(model, 1, CMediaListModel::TotalColumn), QStringLiteral("1:30"));
    EXPECT_EQ(Cell(model, 0, CMediaListModel::TypeColumn), QStringLiteral("CD"));
    // A damaged type number still shows something.
    EXPECT_EQ(Cell(model, 1, CMediaListModel::TypeColumn), QStringLiteral("(99)"));
    EXPECT_EQ(Cell(model, 1, CMediaListModel::Title2Column), QStringLiteral("Second line"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole),
              model.headerData(2, Qt::Horizontal, Qt::DisplayRole));
}

TEST_F(MediaListModelTest, TextsAreDecodedFromTheCodePage) {
    AddMedium(catalogue, "Caf\xE9 \x80");
    model.Refill(catalogue.Media());
    EXPECT_EQ(Cell(model, 0, 1), QStringLiteral("Café €"));
}

TEST_F(MediaListModelTest, SortingByTitleIgnoresCaseAndMovesOnlyRows) {
    CMedia* b = AddMedium(catalogue, "beta");
    CMedia* a1 = AddMedium(catalogue, "ALPHA");
    CMedia* a2 = AddMedium(catalogue, "alpha");
    model.Refill(catalogue.Media()); // rows: a2, a1, b
    model.Sort(CMediaListModel::Title1Column);
    // Equal titles keep their order; beta comes last.
    EXPECT_EQ(model.MediaAt(0), a2);
    EXPECT_EQ(model.MediaAt(1), a1);
    EXPECT_EQ(model.MediaAt(2), b);
    EXPECT_EQ(&*catalogue.Media().begin(), b); // the catalogue keeps its order
}

TEST_F(MediaListModelTest, SortingByTotalUsesTheStoredNumberAndKeepsSelections) {
    CMedia* slow = AddMedium(catalogue, "x", {205});
    CMedia* fast = AddMedium(catalogue, "y", {130});
    CMedia* none = AddMedium(catalogue, "z");
    model.Refill(catalogue.Media()); // rows: none, fast, slow
    QItemSelectionModel selection(&model);
    selection.select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    model.Sort(CMediaListModel::TotalColumn);
    EXPECT_EQ(model.MediaAt(0), none);
    EXPECT_EQ(model.MediaAt(1), fast);
    EXPECT_EQ(model.MediaAt(2), slow);
    ASSERT_EQ(selection.selectedRows().size(), 1);
    EXPECT_EQ(model.MediaAt(selection.selectedRows().first().row()), slow);
}

TEST_F(MediaListModelTest, SortingEveryColumnIsAscending) {
    for (int i = 0; i < 6; ++i)
        catalogue.Media().AddMedia("T" + std::to_string(5 - i), "U" + std::to_string(i % 2), i % 3,
                                   1000 * (i % 4), {});
    model.Refill(catalogue.Media());
    for (int column = 0; column < CMediaListModel::kColumnCount; ++column) {
        model.Sort(column);
        for (int row = 1; row < model.rowCount(); ++row)
            EXPECT_LE(Cell(model, row - 1, column), Cell(model, row, column)) << column;
    }
}

TEST_F(MediaListModelTest, RowsAreInsertedAndFoundByRecord) {
    CMedia* a = AddMedium(catalogue, "a");
    model.Refill(catalogue.Media());
    CMedia* b = AddMedium(catalogue, "b");
    model.InsertRow(0, b);
    EXPECT_EQ(model.RowOf(b), 0);
    EXPECT_EQ(model.RowOf(a), 1);
    EXPECT_EQ(model.RowOf(nullptr), -1);
    EXPECT_EQ(model.MediaAt(5), nullptr);
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(TrackListModel, TracksInOrderWithInterpreterNames) {
    CCatalogue catalogue;
    CTrackListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    catalogue.Interpreters().FindOrAddInterpreter("Nina");
    CMedia* media = AddMedium(catalogue, "m", {345, 175});
    media->EditTrack("Gone", 175, 7, 2);
    model.Refill(*media, catalogue.Interpreters());
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Cell(model, 0, CTrackListModel::IndexColumn), QStringLiteral("000001"));
    EXPECT_EQ(Cell(model, 0, CTrackListModel::TotalColumn), QStringLiteral("3:45"));
    EXPECT_EQ(Cell(model, 0, CTrackListModel::InterpreterColumn), QStringLiteral("Nina"));
    // Seconds are not normalised per track, and a missing interpreter has no name.
    EXPECT_EQ(Cell(model, 1, CTrackListModel::TotalColumn), QStringLiteral("1:75"));
    EXPECT_EQ(Cell(model, 1, CTrackListModel::InterpreterColumn), QStringLiteral("No Name"));
    const CTrack* added = media->AddTrack("New", 0, 0, TRACK_APPEND);
    model.AppendRow(added);
    EXPECT_EQ(model.RowOf(added), 2);
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
