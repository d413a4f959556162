#include "metaview/document/archive.h"
#include "metaview/document/emf_doc.h"
#include "metaview/document/emf_doc_template.h"

#include "test_files.h"

#include <gtest/gtest.h>

namespace {

using metaview::ProposeSaveName;
using testing_metaview::ReadAll;
using testing_metaview::ScratchDir;
using testing_metaview::ShapesEmf;
using testing_metaview::WriteAll;

TEST(SaveName, ExtensionBecomesEmfInTheFileNameOnly) {
    EXPECT_EQ(ProposeSaveName("C:\\pictures.2001\\title.wmf", "title.wmf", true),
              "C:\\pictures.2001\\title.EMF");
    EXPECT_EQ(ProposeSaveName("/home/u/pictures.2001/title", "title", true),
              "/home/u/pictures.2001/title.EMF");
    EXPECT_EQ(ProposeSaveName("/home/u/a.b.emf", "a.b.emf", false), "/home/u/a.b.EMF");
    EXPECT_EQ(ProposeSaveName("drawing", "drawing", true), "drawing.EMF");
}

TEST(SaveName, UntitledDocumentsStartFromTheirTitle) {
    EXPECT_EQ(ProposeSaveName("", "Untitled1", true), "Untitled1.EMF");
    EXPECT_EQ(ProposeSaveName("", "My picture#2", true), "My.EMF");
    EXPECT_EQ(ProposeSaveName("", "a;b", true), "a.EMF");
    EXPECT_EQ(ProposeSaveName("", "", true), ".EMF");
}

// A plain Save would otherwise write EMF bytes over the WMF the document came from.
TEST(SaveName, OnlyEmfFilesAreSavedWithoutThePrompt) {
    EXPECT_FALSE(metaview::SaveNeedsPrompt("/p/title.emf"));
    EXPECT_FALSE(metaview::SaveNeedsPrompt("C:\\p\\TITLE.EMF"));
    EXPECT_TRUE(metaview::SaveNeedsPrompt("/p/title.wmf"));
    EXPECT_TRUE(metaview::SaveNeedsPrompt("/p.emf/title"));
    EXPECT_TRUE(metaview::SaveNeedsPrompt(""));
}

TEST(DocTemplate, FilterExtensionGetsItsWildcard) {
    EXPECT_EQ(CEMFDocTemplate::GetDocString(CEMFDocTemplate::filterExt), ".EMF;*.WMF");
    EXPECT_EQ(CEMFDocTemplate::GetDocString(CEMFDocTemplate::windowTitle), "");
    EXPECT_EQ(CEMFDocTemplate::GetDocString(CEMFDocTemplate::docName), "Untitled");
    EXPECT_EQ(CEMFDocTemplate::GetDocString(CEMFDocTemplate::filterName),
              "Metafiles (*.EMF; *.WMF)");
    EXPECT_EQ(CEMFDocTemplate::GetDocString(CEMFDocTemplate::regFileTypeName), "EMF Document");
    EXPECT_EQ(metaview::InsertFilterWildcard(".EMF"), ".EMF");
    EXPECT_EQ(metaview::InsertFilterWildcard("a;b;c"), "a;*b;c");
}

TEST(DocTemplate, ExactPathIsAlreadyOpenOtherCaseIsANewDocument) {
    const std::vector<std::string> open = {"/p/one.emf", "/p/Two.wmf"};
    const auto same = CEMFDocTemplate::MatchDocType("/p/Two.wmf", open);
    EXPECT_EQ(same.confidence, CEMFDocTemplate::yesAlreadyOpen);
    EXPECT_EQ(same.document, 1);
    const auto other = CEMFDocTemplate::MatchDocType("/p/TWO.wmf", open);
    EXPECT_EQ(other.confidence, CEMFDocTemplate::yesAttemptNative);
    EXPECT_EQ(other.document, -1);
}

TEST(DocTemplate, ExtensionDecidesNativeOrForeign) {
    using T = CEMFDocTemplate;
    EXPECT_EQ(T::MatchDocType("a.EmF", {}).confidence, T::yesAttemptNative);
    EXPECT_EQ(T::MatchDocType("a.wmf", {}).confidence, T::yesAttemptNative);
    EXPECT_EQ(T::MatchDocType("a.png", {}).confidence, T::yesAttemptForeign);
    EXPECT_EQ(T::MatchDocType("noextension", {}).confidence, T::yesAttemptForeign);
    EXPECT_EQ(T::MatchDocType("a.emf.bak", {}).confidence, T::yesAttemptForeign);
}

TEST(Document, OpensAndSavesBothWays) {
    ScratchDir dir;
    WriteAll(dir / "in.emf", ShapesEmf());
    CEMFDoc doc;
    std::string error;
    ASSERT_TRUE(doc.OnOpenDocument(dir / "in.emf", error)) << error;
    EXPECT_TRUE(doc.m_bSaveCopy);
    EXPECT_TRUE(doc.m_bAskSaveOption);
    ASSERT_TRUE(doc.OnSaveDocument(dir / "copy.emf", error)) << error;
    EXPECT_EQ(ReadAll(dir / "copy.emf"), ShapesEmf());
    doc.m_bSaveCopy = false;
    doc.Data().ClearPlayFlags();
    ASSERT_TRUE(doc.OnSaveDocument(dir / "seen.emf", error)) << error;
    EXPECT_LT(ReadAll(dir / "seen.emf").size(), ShapesEmf().size());
}

TEST(Document, OpenFailuresNameTheFile) {
    ScratchDir dir;
    CEMFDoc doc;
    std::string error;
    EXPECT_FALSE(doc.OnOpenDocument(dir / "missing.emf", error));
    EXPECT_NE(error.find("missing.emf"), std::string::npos) << error;
    WriteAll(dir / "text.emf", {std::byte{'h'}, std::byte{'i'}, std::byte{'!'}, std::byte{'!'}});
    EXPECT_FALSE(doc.OnOpenDocument(dir / "text.emf", error));
    EXPECT_NE(error.find("text.emf"), std::string::npos) << error;
    EXPECT_FALSE(doc.OnOpenDocument(dir.path(), error)) << "a folder is no metafile";
    EXPECT_FALSE(doc.Data().HasPicture());
}

TEST(Document, FailedSaveLeavesTheOldFileAndNoLeftovers) {
    ScratchDir dir;
    const std::vector<std::byte> old = {std::byte{1}, std::byte{2}, std::byte{3}};
    WriteAll(dir / "old.emf", old);
    CEMFDoc empty; // nothing to save
    std::string error;
    EXPECT_FALSE(empty.OnSaveDocument(dir / "old.emf", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(dir / "old.emf"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    CEMFDoc doc;
    WriteAll(dir / "in.emf", ShapesEmf());
    ASSERT_TRUE(doc.OnOpenDocument(dir / "in.emf", error)) << error;
    EXPECT_FALSE(doc.OnSaveDocument(dir / "no-such-folder" / "out.emf", error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
    ScratchDir dir;
    const std::vector<std::byte> old = {std::byte{9}};
    WriteAll(dir / "f", old);
    const std::vector<std::byte> fresh = {std::byte{1}, std::byte{2}};
    {
        metaview::AtomicFile file(dir / "f");
        ASSERT_TRUE(file.Write(fresh));
        EXPECT_EQ(ReadAll(dir / "f"), old) << "not before the commit";
    }
    EXPECT_EQ(ReadAll(dir / "f"), old) << "abandoned writes change nothing";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    metaview::AtomicFile file(dir / "f");
    ASSERT_TRUE(file.Write(fresh));
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(ReadAll(dir / "f"), fresh);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    ScratchDir dir;
    WriteAll(dir / "f", {std::byte{0}});
    namespace fs = std::filesystem;
    fs::permissions(dir / "f", fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read);
    metaview::AtomicFile file(dir / "f");
    ASSERT_TRUE(file.Write(std::vector<std::byte>(4)));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(fs::status(dir / "f").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

} // namespace
