#include "catalog/catalogue_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using catalog::CatalogueEdit;

namespace {

std::vector<std::byte> Bytes(const CCatalogue& catalogue) {
    std::vector<std::byte> out;
    catalogue.Save(out);
    return out;
}

// Gaps in both index ranges, information bytes, a length with seconds over 59, and a
// track that names a missing interpreter: everything undo must give back exactly.
void Fill(CCatalogue& catalogue) {
    CInterpreterList& names = catalogue.Interpreters();
    for (auto name : {"Ann", "Bob", "Cy", "Dee", "Ursula"})
        names.FindOrAddInterpreter(name);
    names.DeleteInterpreter(1);
    CMediaList& media = catalogue.Media();
    for (int i = 0; i < 5; ++i) {
        CMedia* m = media.AddMedia("Title " + std::to_string(i), i % 2 ? "second" : "", i % 7,
                                   1000000 + i, i == 3 ? std::string(300, 'r') : "");
        for (int t = 0; t <= i; ++t)
            m->AddTrack("Track " + std::to_string(t) + std::string(t * 9, 'x'), 445 + t * 45,
                        std::uint32_t(t % 4), TRACK_APPEND);
    }
    media.FindMedia(1)->AddTrack("long seconds", 90, 0, 1);
    media.DeleteMedia(2);
}

struct EditCase {
    const char* name;
    std::function<void(CatalogueEdit&, CCatalogue&)> run;
};

std::string CaseName(const testing::TestParamInfo<EditCase>& info) {
    return info.param.name;
}

CMedia& MediaNo(CCatalogue& c, std::uint32_t index) {
    return *c.Media().FindMedia(index);
}

const EditCase kCases[] = {
    {"InsertMedia",
     [](CatalogueEdit& e, CCatalogue&) { e.AddMedia("New", "Two", 2, 5, "{\\rtf}"); }},
    {"EditMedia",
     [](CatalogueEdit& e, CCatalogue& c) { e.EditMedia(MediaNo(c, 3), "A", "", 6, 77, ""); }},
    {"DeleteSeveralMedia",
     [](CatalogueEdit& e, CCatalogue& c) {
         std::vector<CMedia*> doomed{&MediaNo(c, 4), &MediaNo(c, 0), &MediaNo(c, 3)};
         e.DeleteMedia(doomed);
     }},
    {"MoveMediaIntoGap",
     [](CatalogueEdit& e, CCatalogue& c) { e.MoveMedia(MediaNo(c, 3), false); }},
    {"MoveMediaPastNeighbour",
     [](CatalogueEdit& e, CCatalogue& c) { e.MoveMedia(MediaNo(c, 0), true); }},
    {"MoveLastMediaBack",
     [](CatalogueEdit& e, CCatalogue& c) { e.MoveMedia(MediaNo(c, 4), true); }},
    {"AppendTrack",
     [](CatalogueEdit& e, CCatalogue& c) { e.AddTrack(MediaNo(c, 3), "t", 130, 2, TRACK_APPEND); }},
    {"InsertTrack",
     [](CatalogueEdit& e, CCatalogue& c) { e.AddTrack(MediaNo(c, 3), "t", 130, 7, 2); }},
    {"EditTrack",
     [](CatalogueEdit& e, CCatalogue& c) { e.EditTrack(MediaNo(c, 4), "changed", 1, 3, 2); }},
    {"DeleteTracks",
     [](CatalogueEdit& e, CCatalogue& c) {
         CMedia& m = MediaNo(c, 4);
         std::vector<const CTrack*> doomed{&*std::next(m.Tracks().begin()), &m.Tracks().back()};
         e.DeleteTracks(m, doomed);
     }},
    {"MoveTrack", [](CatalogueEdit& e, CCatalogue& c) { e.MoveTrack(MediaNo(c, 4), 3, true); }},
    {"RenameInterpreter", [](CatalogueEdit& e, CCatalogue&) { e.RenameInterpreter(2, " Zed "); }},
    {"DeleteInterpreter", [](CatalogueEdit& e, CCatalogue&) { e.DeleteInterpreter(0); }},
    {"AddInterpreterIntoGap", [](CatalogueEdit& e, CCatalogue&) { e.FindOrAddInterpreter("Eve"); }},
    {"ClearUnused", [](CatalogueEdit& e, CCatalogue&) { e.ClearUnusedInterpreters(); }},
    {"PasteLikeImport",
     [](CatalogueEdit& e, CCatalogue&) {
         CMedia* m = e.AddMedia("Imported", "", 5, 9, "");
         for (auto name : {"Fay", "ann", "Gus"})
             e.AddTrack(*m, name, 305, e.FindOrAddInterpreter(name)->InterpreterIndex(),
                        TRACK_APPEND);
     }},
    {"TrackEditsThenDeleteMedium",
     [](CatalogueEdit& e, CCatalogue& c) {
         CMedia& m = MediaNo(c, 1);
         e.AddTrack(m, "x", 5, 0, 1);
         e.EditTrack(m, "y", 6, 0, 2);
         CMedia* doomed = &m;
         e.DeleteMedia({&doomed, 1});
     }},
};

class EditUndoRedo : public testing::TestWithParam<EditCase> {};

TEST_P(EditUndoRedo, UndoGivesBackTheSameBytesAndRedoTheEditedOnes) {
    CCatalogue catalogue, untouched;
    Fill(catalogue);
    Fill(untouched);
    const auto before = Bytes(untouched);
    CatalogueEdit edit(catalogue);
    GetParam().run(edit, catalogue);
    const auto after = Bytes(catalogue);
    ASSERT_FALSE(edit.IsEmpty());
    ASSERT_NE(after, before);
    for (int round = 0; round < 2; ++round) {
        edit.Undo();
        EXPECT_EQ(Bytes(catalogue), before);
        edit.Redo();
        EXPECT_EQ(Bytes(catalogue), after);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EditUndoRedo, testing::ValuesIn(kCases), CaseName);

TEST(CatalogueEdit, AHistoryOfStepsUndoesInReverseAndRedoesForward) {
    CCatalogue catalogue;
    Fill(catalogue);
    std::vector<std::vector<std::byte>> states{Bytes(catalogue)};
    std::vector<std::unique_ptr<CatalogueEdit>> steps;
    for (const EditCase& c : kCases) {
        steps.push_back(std::make_unique<CatalogueEdit>(catalogue));
        c.run(*steps.back(), catalogue);
        states.push_back(Bytes(catalogue));
        if (catalogue.Media().Count() < 3) break;
    }
    for (std::size_t i = steps.size(); i-- > 0;) {
        steps[i]->Undo();
        ASSERT_EQ(Bytes(catalogue), states[i]) << "after undoing step " << i;
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i]->Redo();
        ASSERT_EQ(Bytes(catalogue), states[i + 1]) << "after redoing step " << i;
    }
}

TEST(CatalogueEdit, UndoneDeletionBringsBackTheSameRecordsAndIterationRestarts) {
    CCatalogue catalogue;
    Fill(catalogue);
    CMedia* kept = catalogue.Media().FindMedia(3);
    const MinSecLength total = kept->TotalLength();
    ASSERT_EQ(catalogue.Media().FirstMedia()->MediaIndex(), 0u);
    CatalogueEdit edit(catalogue);
    edit.DeleteMedia({&kept, 1});
    EXPECT_EQ(catalogue.Media().FindMedia(3), nullptr);
    EXPECT_EQ(edit.FocusMedia(), std::vector<CMedia*>{kept});
    EXPECT_GT(edit.Bytes(), 300u); // the information bytes it holds
    edit.Undo();
    EXPECT_EQ(catalogue.Media().FindMedia(3), kept);
    EXPECT_EQ(kept->TotalLength(), total);
    EXPECT_EQ(kept->TrackCount(), 4u);
    // A cursor left inside the step's own records must not walk on through them.
    EXPECT_EQ(catalogue.Media().NextMedia(), nullptr);
    EXPECT_EQ(catalogue.Media().FirstMedia()->MediaIndex(), 0u);
}

TEST(CatalogueEdit, OperationsThatFindNothingLogNothing) {
    CCatalogue catalogue;
    Fill(catalogue);
    CatalogueEdit edit(catalogue);
    EXPECT_EQ(edit.EditTrack(*catalogue.Media().FindMedia(0), "x", 1, 1, 9), nullptr);
    EXPECT_EQ(edit.RenameInterpreter(1, "gone"), nullptr);
    edit.DeleteInterpreter(1);
    edit.FindOrAddInterpreter("  ann ");
    edit.DeleteMedia({});
    EXPECT_TRUE(edit.IsEmpty());
}

TEST(CatalogueEdit, TracksOfAMediumAreSavedOncePerStep) {
    CCatalogue catalogue;
    Fill(catalogue);
    CMedia& m = *catalogue.Media().FindMedia(4);
    CatalogueEdit one(catalogue);
    one.EditTrack(m, "a", 1, 0, 1);
    const std::size_t single = one.Bytes();
    for (int i = 0; i < 50; ++i)
        one.MoveTrack(m, 2, true);
    EXPECT_EQ(one.Bytes(), single);
}

} // namespace
