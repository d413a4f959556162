#include "catalogue_fixture.h"

#include "catalog_app/cli/search_command.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/search_view.h"
#include "catalog_app/panes/track_list_view.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// Records how many rows the pane showed when its message came.
class CWatchingPrompts : public CFakePrompts {
public:
    const CSearchView* view = nullptr;
    int rowsAtMessage = -1;
    void Inform(QWidget* parent, const QString& message) override {
        rowsAtMessage = view->Model().rowCount();
        CFakePrompts::Inform(parent, message);
    }
};

class SearchPane : public ::testing::Test {
protected:
    CMELVARADoc doc;
    CWatchingPrompts prompts;
    CSearchView view{doc, prompts};
    QAbstractItemModelTester tester{const_cast<CSearchResultsModel*>(&view.Model()),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal};
    void SetUp() override { prompts.view = &view; }
    CCatalogue& catalogue() { return doc.Catalogue(); }
};

TEST_F(SearchPane, MediumHitsComeFirstThenTrackHitsWithTheirMediumsColumns) {
    catalogue().Interpreters().FindOrAddInterpreter("Golden Boys");
    CMedia* plain = AddMedium(catalogue(), "Plain", {130, 445});
    plain->EditTrack("Gold dust", 175, 9, 2);                 // interpreter 9 does not exist
    plain->SetData("Plain", "Line two", 4, 3, 978350400, {}); // 2001-01-01, noon UTC
    AddMedium(catalogue(), "Gold Collection", {100});         // its tracks are not examined
    view.RunSearch(QStringLiteral("GOLD"));
    const CSearchResultsModel& m = view.Model();
    ASSERT_EQ(m.rowCount(), 3);
    EXPECT_EQ(Cell(m, 0, 1), QStringLiteral("Gold Collection"));
    EXPECT_EQ(m.TrackAt(0), nullptr);
    for (int column = 6; column < 10; ++column)
        EXPECT_TRUE(Cell(m, 0, column).isEmpty()) << column;
    // Both tracks of Plain: one by its interpreter's name, one by its title.
    const QStringList first = {"000004", "Plain",  "Line two", "3:45", "2001-01-01",
                               "DVD",    "000001", "Track 1",  "1:30", "Golden Boys"};
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(Cell(m, 1, column), first[column]) << column;
    EXPECT_EQ(Cell(m, 2, 7), QStringLiteral("Gold dust"));
    EXPECT_EQ(Cell(m, 2, 8), QStringLiteral("1:75"));
    EXPECT_EQ(Cell(m, 2, 9), QStringLiteral("No Name"));
    EXPECT_EQ(m.MediaAt(2), plain);
    EXPECT_NE(m.data(m.index(0, 0), Qt::DecorationRole).value<QIcon>().cacheKey(),
              m.data(m.index(1, 0), Qt::DecorationRole).value<QIcon>().cacheKey());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SearchPane, ExactlyAThousandAndTwentyFourMediaShowTheMessageBeforeTheList) {
    CMedia* early = AddMedium(catalogue(), "Early", {100, 100});
    early->EditTrack("hit one", 100, 0, 1);
    early->EditTrack("hit two", 100, 0, 2);
    for (int i = 0; i < 1025; ++i)
        AddMedium(catalogue(), "hit " + std::to_string(i));
    view.RunSearch(QStringLiteral("hit"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0],
              QStringLiteral("ATTENTION:\nBe informed that the search has found at leased 1026 "
                             "entries.\nSearch has stopped at that point, so it might be that "
                             "there\nare further results. You should therefor modify your "
                             "search\nmask."));
    EXPECT_EQ(prompts.rowsAtMessage, 0);
    EXPECT_EQ(view.Model().rowCount(), 1026);
    EXPECT_EQ(Cell(view.Model(), 1023, 1), QStringLiteral("hit 1023"));
    EXPECT_EQ(Cell(view.Model(), 1025, 7), QStringLiteral("hit two"));
}

TEST_F(SearchPane, AnEmptyTextListsEveryTitledMediumAndTheMatchingTracksOfTheOthers) {
    AddMedium(catalogue(), "Titled", {100});
    catalogue().Media().AddMedia("", "", 0, 0, {})->AddTrack("Untitled's track", 1, 0, 1);
    catalogue().Media().AddMedia("", "", 0, 0, {})->AddTrack("", 1, 5, 1);
    view.RunSearch(QString());
    ASSERT_EQ(view.Model().rowCount(), 2);
    EXPECT_EQ(Cell(view.Model(), 1, 7), QStringLiteral("Untitled's track"));
}

TEST_F(SearchPane, OnlyTheHintsThatMayRemoveRecordsEmptyTheList) {
    AddMedium(catalogue(), "Hit");
    for (UpdateHint kept : {HINT_MEDIA_ADDED, HINT_CURRENT_MEDIA, HINT_REFRESH_MEDIA}) {
        view.RunSearch(QStringLiteral("hit"));
        doc.UpdateAllViews(nullptr, kept);
        EXPECT_EQ(view.Model().rowCount(), 1) << kept;
    }
    for (UpdateHint emptying :
         {HINT_MEDIA_DELETED, HINT_NEW_CATALOGUE, HINT_CATALOGUE_LOADED, HINT_MEDIA_SORTED}) {
        view.RunSearch(QStringLiteral("hit"));
        ASSERT_EQ(view.Model().rowCount(), 1);
        doc.UpdateAllViews(nullptr, emptying);
        EXPECT_EQ(view.Model().rowCount(), 0) << emptying;
    }
}

// QTest's double click lacks the first click a user makes.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

TEST(SearchInTheMainWindow, DoubleClickSelectsTheMediumThenItsTrack) {
    CFakePrompts prompts;
    CMainFrame frame(&prompts);
    frame.resize(1000, 700);
    frame.show();
    CCatalogue& catalogue = frame.Document().Catalogue();
    CMedia* other = AddMedium(catalogue, "Other", {100, 100});
    CMedia* target = AddMedium(catalogue, "Target", {100, 200, 300});
    target->EditTrack("needle", 300, 0, 3);
    frame.Document().OnRefreshMediaList();
    auto* search = frame.findChild<QLineEdit*>();
    ASSERT_NE(search, nullptr);
    QTest::keyClicks(search, QStringLiteral("needle"));
    EXPECT_EQ(frame.SearchPane()->Model().rowCount(), 0); // typing alone searches nothing
    QTest::keyClick(search, Qt::Key_Return);
    ASSERT_EQ(frame.SearchPane()->Model().rowCount(), 1);

    QWidget* rows = frame.SearchPane()->viewport();
    DoubleClick(rows, QPoint(5, rows->height() - 3)); // below the last row
    QApplication::processEvents();
    EXPECT_EQ(frame.Document().CurrentMedia(), nullptr);

    const QRect hit = frame.SearchPane()->visualRect(frame.SearchPane()->Model().index(0, 1));
    DoubleClick(rows, hit.center());
    EXPECT_EQ(frame.Document().CurrentMedia(), nullptr); // posted, not yet handled
    QApplication::processEvents();
    EXPECT_EQ(frame.Document().CurrentMedia(), target);
    ASSERT_NE(frame.TrackPane()->CurrentTrack(), nullptr);
    EXPECT_EQ(frame.TrackPane()->CurrentTrack()->Title(), "needle");
    EXPECT_EQ(frame.TrackPane()->CurrentRow(), 2);
    EXPECT_TRUE(frame.TrackPane()->hasFocus());

    // Without the mouse: the hit under the cursor is chosen with Enter.
    frame.SelectMedium(other);
    ASSERT_EQ(frame.Document().CurrentMedia(), other);
    frame.SearchPane()->setFocus();
    frame.SearchPane()->SelectRow(0);
    QTest::keyClick(frame.SearchPane(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(frame.Document().CurrentMedia(), target);
    EXPECT_EQ(frame.TrackPane()->CurrentRow(), 2);
}

class SearchCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::ostringstream out, err;
    QString Write(const CCatalogue& catalogue) {
        const QString path = dir.filePath(QStringLiteral("c.mvr"));
        EXPECT_TRUE(catalog::SaveCatalogueFile(catalogue, path.toStdString()).ok());
        return path;
    }
};

TEST_F(SearchCommand, PrintsThePanesRowsInUtf8) {
    CCatalogue catalogue;
    catalogue.Interpreters().FindOrAddInterpreter("Bj\xF6rk");
    const std::int32_t noon = 978350400; // 2001-01-01 in every time zone's local time
    catalogue.Media().AddMedia("Caf\xE9", "", 0, noon, {})->AddTrack("Caf\xE9 track", 100, 0, 1);
    catalogue.Media().AddMedia("Other", "", 0, noon, {})->AddTrack("caf\xC9 song", 345, 0, 1);
    const QString path = Write(catalogue);
    EXPECT_EQ(RunSearchCommand(QStringLiteral("café"), path, out, err), 0);
    EXPECT_EQ(out.str(), "000000\tCafé\t\t1:00\t2001-01-01\tCD\t\t\t\t\n"
                         "000001\tOther\t\t3:45\t2001-01-01\tCD\t000001\tcafÉ song\t3:45\tBjörk\n");
    EXPECT_TRUE(err.str().empty());
    // A character no stored text can hold finds nothing, not the '?' it would become.
    catalogue.Media().AddMedia("What?", "", 0, noon, {});
    std::ostringstream none;
    EXPECT_EQ(RunSearchCommand(QStringLiteral("t\u65E5"), Write(catalogue), none, err), 0);
    EXPECT_EQ(none.str(), "");
}

TEST_F(SearchCommand, TheCapacityMessageGoesToErrAndAFailedOpenEndsWithOne) {
    CCatalogue catalogue;
    for (int i = 0; i < 1024; ++i)
        AddMedium(catalogue, "x");
    EXPECT_EQ(RunSearchCommand(QStringLiteral("x"), Write(catalogue), out, err), 0);
    const std::string rows = out.str();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 1024);
    EXPECT_NE(err.str().find("at leased 1024 entries"), std::string::npos);

    std::ostringstream failure;
    EXPECT_EQ(RunSearchCommand(QStringLiteral("x"), dir.filePath(QStringLiteral("missing.mvr")),
                               out, failure),
              1);
    const std::string message = failure.str();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    EXPECT_NE(message.find("while reading"), std::string::npos);
}

} // namespace
