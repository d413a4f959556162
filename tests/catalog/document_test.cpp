#include "temp_folder.h"

#include "catalog/melvara_doc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::ElementsAre;

namespace {

// Records the hints it receives.
class RecordingView : public CDocView {
public:
    void OnUpdate(CDocView*, UpdateHint hint, CMedia*) override { hints.push_back(hint); }
    std::vector<int> hints;
};

class Document : public ::testing::Test {
protected:
    Document() {
        doc.AddView(&view);
        doc.AddView(&other);
    }
    CMedia* AddAndSelect() {
        CMedia* media = doc.Catalogue().Media().AddMedia("m", "", 0, 0, {});
        doc.SetCurrentMedia(media, 0);
        return media;
    }
    CMELVARADoc doc;
    RecordingView view, other;
    TempFolder folder;
};

constexpr DocCommand kNeedMedium[] = {
    DocCommand::DeleteMedia, DocCommand::EditMedia,    DocCommand::AppendTrack,
    DocCommand::Print,       DocCommand::PrintPreview, DocCommand::ReorderDown,
    DocCommand::ReorderUp,   DocCommand::Copy,         DocCommand::Cut};

TEST_F(Document, CommandsNeedingAMediumFollowTheCurrentRow) {
    for (DocCommand command : kNeedMedium)
        EXPECT_FALSE(doc.IsCommandEnabled(command));
    EXPECT_TRUE(doc.IsCommandEnabled(DocCommand::ClearUnused));
    AddAndSelect();
    for (DocCommand command : kNeedMedium)
        EXPECT_TRUE(doc.IsCommandEnabled(command));
    ASSERT_TRUE(doc.OnNewDocument());
    for (DocCommand command : kNeedMedium)
        EXPECT_FALSE(doc.IsCommandEnabled(command));
}

TEST_F(Document, UpdateSkipsTheSender) {
    doc.UpdateAllViews(&view, HINT_MEDIA_ADDED);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_THAT(other.hints, ElementsAre(HINT_MEDIA_ADDED));
    doc.RemoveView(&other);
    doc.UpdateAllViews(nullptr, HINT_CURRENT_MEDIA);
    EXPECT_THAT(other.hints, ElementsAre(HINT_MEDIA_ADDED));
}

TEST_F(Document, AppendTrackNeedsACurrentMedium) {
    doc.OnAppendTrack();
    EXPECT_TRUE(view.hints.empty());
    AddAndSelect();
    doc.OnAppendTrack();
    doc.OnRefreshMediaList();
    EXPECT_THAT(view.hints, ElementsAre(HINT_APPEND_TRACK, HINT_REFRESH_MEDIA));
}

TEST_F(Document, NewDocumentReplacesEverything) {
    AddAndSelect();
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.Catalogue().Media().Count(), 0u);
    EXPECT_EQ(doc.CurrentMedia(), nullptr);
    EXPECT_EQ(doc.CurrentRow(), -1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_THAT(view.hints, ElementsAre(HINT_NEW_CATALOGUE));
}

TEST_F(Document, SaveAndOpenBindTheFile) {
    AddAndSelect();
    doc.SetModifiedFlag();
    const std::string path = folder.File("music.mvr");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "music.mvr");

    CMELVARADoc reopened;
    reopened.AddView(&view);
    ASSERT_TRUE(reopened.OnOpenDocument(path).ok());
    EXPECT_EQ(reopened.GetPathName(), path);
    EXPECT_EQ(reopened.Catalogue().Media().Count(), 1u);
    EXPECT_THAT(view.hints, ElementsAre(HINT_CATALOGUE_LOADED));
}

// An unreadable file must not become the target of the next Save.
TEST_F(Document, FailedOpenLeavesTheDocumentUntitled) {
    const std::string path = folder.File("notes.mvr");
    WriteFile(path, "shopping list");
    ASSERT_TRUE(doc.OnSaveDocument(folder.File("earlier.mvr")).ok());
    catalog::CatalogueStatus status = doc.OnOpenDocument(path);
    EXPECT_EQ(status.Message(), "Invalid file! This is no Melvara file!");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "");
    EXPECT_FALSE(doc.IsModified()); // nothing was recovered
    EXPECT_THAT(view.hints, ElementsAre(HINT_CATALOGUE_LOADED));
    EXPECT_EQ(ReadFile(path), "shopping list");
}

TEST_F(Document, MediaRecoveredFromACutFileAreUnsaved) {
    AddAndSelect();
    AddAndSelect();
    const std::string path = folder.File("whole.mvr");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());
    const std::string bytes = ReadFile(path);
    const std::string cut = folder.File("cut.mvr");
    WriteFile(cut, bytes.substr(0, bytes.size() - 3));
    CMELVARADoc damaged;
    EXPECT_FALSE(damaged.OnOpenDocument(cut).ok());
    EXPECT_NE(damaged.Catalogue().Media().Count(), 0u);
    EXPECT_TRUE(damaged.IsModified());
    EXPECT_EQ(damaged.GetPathName(), "");
}

TEST_F(Document, FailedSaveKeepsTheDocumentModifiedAndBound) {
    const std::string path = folder.File("kept.mvr");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(folder.File("missing/x.mvr")).ok());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
}

TEST_F(Document, ClearUnusedRemovesInterpretersNoTrackRefersTo) {
    CInterpreterList& names = doc.Catalogue().Interpreters();
    for (auto name : {"a", "b", "c", "d"})
        names.FindOrAddInterpreter(name);
    CMedia* media = AddAndSelect();
    media->AddTrack("t", 0, 1, TRACK_APPEND);
    media->AddTrack("u", 0, 3, TRACK_APPEND);
    media->AddTrack("v", 0, 9, TRACK_APPEND);
    EXPECT_EQ(doc.OnClearUnused(), 2u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(names.Count(), 2u);
    EXPECT_EQ(names.FindInterpreter(1)->Name(), "b");
    EXPECT_EQ(names.FindInterpreter(3)->Name(), "d");

    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.OnClearUnused(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

// A view that drops another during an update must not make the document call it.
class RemovingView : public CDocView {
public:
    RemovingView(CMELVARADoc& doc, CDocView& victim) : m_Doc(doc), m_Victim(victim) {}
    void OnUpdate(CDocView*, UpdateHint, CMedia*) override { m_Doc.RemoveView(&m_Victim); }

private:
    CMELVARADoc& m_Doc;
    CDocView& m_Victim;
};

TEST(DocumentViews, ViewRemovedDuringAnUpdateIsNotCalled) {
    CMELVARADoc doc;
    RecordingView victim;
    RemovingView remover(doc, victim);
    doc.AddView(&remover);
    doc.AddView(&victim);
    doc.UpdateAllViews(nullptr, HINT_REFRESH_MEDIA);
    EXPECT_TRUE(victim.hints.empty());
}

} // namespace
