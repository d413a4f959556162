#pragma once
// A main window with scripted answers to its questions, and pictures to open in it.

#include "metaview/test_files.h"
#include "metaview/windows/main_frame.h"
#include "metaview/windows/viewer_prompts.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace testing_metaview {

/// Answers the window's questions from its members and records its messages.
class ScriptedPrompts : public CViewerPrompts {
public:
    void Inform(QWidget*, const QString& text, const QString& details) override {
        messages.append(text + QLatin1Char('|') + details);
    }
    bool AskSaveOption(QWidget*, CEMFDoc& doc) override;
    QString AskSavePath(QWidget*, const QString& proposed) override {
        proposedNames.append(proposed);
        return savePath;
    }
    QStringList AskOpenPaths(QWidget*) override { return openPaths; }
    bool AskReplace(QWidget*, const QString& path) override {
        replaceAsked.append(path);
        return replaceAnswer;
    }
    SaveChoice AskSaveChanges(QWidget*, const QString& title) override {
        savePromptTitles.append(title);
        return saveChangesAnswer;
    }

    QStringList messages;
    QStringList proposedNames;
    QString savePath;
    QStringList openPaths;
    int optionAsked = 0;
    bool optionAnswer = true;   ///< OK (true) or Cancel
    bool saveCopyChoice = true; ///< the option chosen on OK
    QStringList replaceAsked;
    bool replaceAnswer = false;
    QStringList savePromptTitles;
    SaveChoice saveChangesAnswer = Cancel;
};

class ViewerTest : public ::testing::Test {
protected:
    ViewerTest();
    /// A file of the scratch folder with the bytes written to it.
    QString File(const std::string& name, const std::vector<std::byte>& bytes) const;

    ScratchDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame{&prompts};
};

} // namespace testing_metaview
