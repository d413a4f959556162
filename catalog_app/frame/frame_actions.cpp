#include "catalog_app/frame/frame_actions.h"

#include "catalog_app/frame/toolbar_icons.h"

#include <QAction>

namespace {

// A prompt holds the status bar text, a line feed and the tool tip.
QAction* MakeAction(QObject* parent, const QString& caption, const QString& prompt,
                    QList<QKeySequence> keys = {}) {
    auto* action = new QAction(caption, parent);
    const int split = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(split));
    if (split >= 0) action->setToolTip(prompt.mid(split + 1));
    action->setShortcuts(keys);
    return action;
}

QAction* MakeToggle(QObject* parent, const QString& caption, const QString& prompt) {
    QAction* action = MakeAction(parent, caption, prompt);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QKeySequence Key(QKeyCombination k) {
    return QKeySequence(k);
}

} // namespace

CFrameActions::CFrameActions(QObject* p)
    : fileNew(MakeAction(p, "&New", "Create a new document\nNew", {Key(Qt::CTRL | Qt::Key_N)})),
      fileOpen(MakeAction(p, "&Open...", "Open an existing document\nOpen",
                          {Key(Qt::CTRL | Qt::Key_O)})),
      fileSave(
          MakeAction(p, "&Save", "Save the active document\nSave", {Key(Qt::CTRL | Qt::Key_S)})),
      fileSaveAs(MakeAction(p, "Save &As...", "Save the active document with a new name\nSave As")),
      filePrint(MakeAction(p, "&Print...", "Print the label of the selected media\nPrint",
                           {Key(Qt::CTRL | Qt::Key_P)})),
      filePrintPreview(MakeAction(p, "Print Pre&view", "Display full pages\nPrint Preview")),
      filePrintSetup(
          MakeAction(p, "P&rint Setup...", "Change the printer and printing options\nPrint Setup")),
      fileImportCsv(MakeAction(p, "&Import CSV...",
                               "Add the media of a CSV file to the catalogue\nImport CSV")),
      fileExportCsv(
          MakeAction(p, "&Export as CSV...",
                     "Write the catalogue as a CSV file for spreadsheets\nExport as CSV")),
      fileExit(MakeAction(p, "E&xit", "Quit the application; prompts to save documents\nExit")),
      recentPlaceholder(MakeAction(p, "Recent File", "Open this document")),
      editUndo(MakeAction(p, "&Undo", "Undo the last action\nUndo",
                          {Key(Qt::CTRL | Qt::Key_Z), Key(Qt::ALT | Qt::Key_Backspace)})),
      editRedo(MakeAction(p, "&Redo", "Redo the previously undone action\nRedo",
                          {Key(Qt::CTRL | Qt::Key_Y), Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})),
      editCut(MakeAction(p, "Cu&t", "Cut the selection and put it on the Clipboard\nCut",
                         {Key(Qt::CTRL | Qt::Key_X), Key(Qt::SHIFT | Qt::Key_Delete)})),
      editCopy(MakeAction(p, "&Copy", "Copy the selection and put it on the Clipboard\nCopy",
                          {Key(Qt::CTRL | Qt::Key_C), Key(Qt::CTRL | Qt::Key_Insert)})),
      editPaste(MakeAction(p, "&Paste", "Insert Clipboard contents\nPaste",
                           {Key(Qt::CTRL | Qt::Key_V), Key(Qt::SHIFT | Qt::Key_Insert)})),
      mediaInsert(
          MakeAction(p, "Insert media", "Insert a new media into the catalogue\nInsert media")),
      mediaDelete(MakeAction(p, "Delete media", "Delete the selected media\nDelete media")),
      mediaEdit(MakeAction(p, "Edit media", "Edit the selected media\nEdit media")),
      mediaRefresh(
          MakeAction(p, "Refresh media list", "Refresh the media list\nRefresh media list")),
      mediaImportAudio(MakeAction(p, "Import audio files...",
                                  "Make a new media from the tags of audio files\nImport audio "
                                  "files")),
      trackAppend(
          MakeAction(p, "Append track", "Add new track to the selected media\nAdd new Track")),
      trackInsert(MakeAction(p, "Insert track",
                             "Insert a new track before the marked track\nInsert track")),
      trackDelete(MakeAction(p, "Delete track", "Delete the marked tracks\nDelete track")),
      trackEdit(MakeAction(p, "Edit track", "Edit the marked track\nEdit track")),
      reorderUp(MakeAction(p, "Reorder marked track - up", "Reorder marked item - up\nReorder up")),
      reorderDown(
          MakeAction(p, "Reorder marked track - down", "Reorder marked item - down\nReorder down")),
      interpreterEditList(MakeAction(p, "Edit List", "Edit the list of interpreters\nEdit List")),
      interpreterClearUnused(
          MakeAction(p, "Clear unused", "Clears unused interpreters from the list\nClear unused")),
      settings(MakeAction(p, "&Settings", "Change program settings\nSettings")),
      viewToolbar(MakeToggle(p, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar")),
      viewStatusBar(MakeToggle(p, "&Status Bar", "Show or hide the status bar\nToggle StatusBar")),
      viewSplit(MakeAction(p, "S&plit", "Split the active window into panes\nSplit")),
      helpIndex(MakeAction(p, "Help Index", "List Help topics\nHelp Index")),
      helpAbout(MakeAction(p, "&About MELVARA...",
                           "Display program information, version number and copyright\nAbout")),
      search(MakeAction(p, "Search", "Search the database for the given string.\nSearch database")),
      findText(MakeAction(p, "Find", "Type the text to search for\nFind",
                          QKeySequence::keyBindings(QKeySequence::Find) << Key(Qt::Key_Find))),
      nextPane(MakeAction(p, "Next Pane", "Switch to the next window pane\nNext Pane",
                          {Key(Qt::Key_F6)})),
      previousPane(MakeAction(p, "Prev Pane",
                              "Switch back to the previous window pane\nPrevious Pane",
                              {Key(Qt::SHIFT | Qt::Key_F6)})) {
    for (int i = 0; i < 4; ++i)
        recentFiles.append(MakeAction(p, QString(), "Open this document"));
    recentPlaceholder->setEnabled(false);
    SetToolbarIcons(*this);
}

QList<std::pair<QAction*, Command>> CFrameActions::RuledActions() const {
    return {{mediaInsert, Command::InsertMedia},
            {mediaDelete, Command::DeleteMedia},
            {mediaEdit, Command::EditMedia},
            {trackAppend, Command::AppendTrack},
            {trackInsert, Command::InsertTrack},
            {trackDelete, Command::DeleteTrack},
            {trackEdit, Command::EditTrack},
            {reorderUp, Command::ReorderUp},
            {reorderDown, Command::ReorderDown},
            {editCopy, Command::Copy},
            {editCut, Command::Cut},
            {editPaste, Command::Paste},
            {filePrint, Command::Print},
            {filePrintPreview, Command::PrintPreview},
            {viewSplit, Command::Split}};
}
