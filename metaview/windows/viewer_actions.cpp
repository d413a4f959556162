#include "metaview/windows/viewer_actions.h"

#include "metaview/ui/viewer_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>

namespace {

using metaview::MakeViewerIcon;
using metaview::ViewerIcon;

// A prompt holds the fly-by text, a line feed and the tool tip. There is no status bar, so
// the tip shows both where the platform shows tips: over toolbar buttons and menu items.
QAction* MakeAction(QObject* parent, const QString& caption, const QString& prompt,
                    QKeySequence key = {}) {
    auto* action = new QAction(caption, parent);
    const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
    const QString flyBy = prompt.left(split);
    const QString tip = split < 0 ? QString() : prompt.mid(split + 1);
    action->setStatusTip(flyBy);
    action->setToolTip(tip.isEmpty() || tip == flyBy ? flyBy : tip + QLatin1Char('\n') + flyBy);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

QAction* MakeCheckable(QObject* parent, const QString& caption, const QString& prompt,
                       bool checked) {
    QAction* action = MakeAction(parent, caption, prompt);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QIcon Shared(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

} // namespace

CViewerActions::CViewerActions(QObject* p)
    : fileNew(MakeAction(p, "&New", "Create a new document\nNew")),
      fileOpen(MakeAction(p, "&Open...\tStrg+O", "Open an existing document\nOpen",
                          QKeySequence(Qt::CTRL | Qt::Key_O))),
      fileClose(MakeAction(p, "&Close", "Close the active document\nClose")),
      fileSave(MakeAction(p, "Save", "Save the active document\nSave",
                          QKeySequence(Qt::CTRL | Qt::Key_S))),
      fileSaveAs(MakeAction(p, "&Save as..", "Save the active document with a new name\nSave As")),
      fileSaveBitmap(MakeAction(p, "Save as bitmap...",
                                "Save the file as a bitmap file.\nSave as a bitmap file")),
      recentPlaceholder(MakeAction(p, "Last file", "Opens this document.")),
      fileQuit(MakeAction(p, "&Quit", "Quit the application.\nQuit")),
      editPaste(MakeAction(p, "Paste", "Insert Clipboard contents\nPaste",
                           QKeySequence(Qt::CTRL | Qt::Key_V))),
      viewTaskbar(
          MakeCheckable(p, "&Taskbar", "Switches the Taskbar on and off.\nTaskbar on/off", true)),
      viewPlayList(MakeAction(p, "View play list", "View the current play list.\nView play list",
                              QKeySequence(Qt::CTRL | Qt::Key_L))),
      clearPlayList(
          MakeAction(p, "Clear play list",
                     "Clears the current metafile play list and the screen .\nClear play list")),
      playNextRecord(
          MakeAction(p, "Play next record in list",
                     "Play the next metafile record in the play list.\nPlay next record in list")),
      playCompleteFile(
          MakeAction(p, "Play complete file", "Play the complete metafile.\nPlay complete file")),
      playCurrentList(MakeAction(p, "Play current list",
                                 "Play the current play list in detail.\nPlay current list")),
      showFileInfo(MakeAction(p, "&Show file info",
                              "Shows detailed file information.\nShow file info",
                              QKeySequence(Qt::CTRL | Qt::Key_I))),
      fixedAspect(MakeCheckable(
          p, "Fixed aspect ratio",
          "Keep the original aspect ratio during window resizing.\nKeep original aspect ratio",
          false)),
      askSaveOption(MakeCheckable(p, "Show the \"Save As\" option dialog",
                                  "Show the save as option dialog for this document.", true)),
      drawEmfPlus(MakeCheckable(p, "Draw EMF+ records",
                                "Draw pictures holding EMF+ records from those records; off draws "
                                "their EMF records.\nDraw EMF+ records",
                                true)),
      windowNew(
          MakeAction(p, "New &Window", "Opens a new window for the active document.\nNew window")),
      windowCascade(
          MakeAction(p, "&Cascade Windows", "Arrange windows so they overlap\nCascade Windows")),
      windowTile(
          MakeAction(p, "&Tile Windows", "Arrange windows as non-overlapping tiles\nTile Windows")),
      windowArrange(MakeAction(p, "&Arrange symbols",
                               "Arrange icons at the bottom of the window\nArrange Icons")),
      helpAbout(MakeAction(p, "&About Kelvane",
                           "Display program information, version number and copyright\nAbout")),
      selectMode(MakeCheckable(p, "Select mode", "Select mode", true)),
      zoomMode(MakeCheckable(p, "Zoom mode", "Zoom mode", false)),
      closeWindow(MakeAction(p, "Close Window", "Close the active window\nClose Window")),
      nextPane(MakeAction(p, "Next Pane", "Switch to the next window pane\nNext Pane",
                          QKeySequence(Qt::Key_F6))),
      previousPane(MakeAction(p, "Prev Pane",
                              "Switch back to the previous window pane\nPrevious Pane",
                              QKeySequence(Qt::SHIFT | Qt::Key_F6))) {
    for (int i = 0; i < 4; ++i)
        recentFiles.append(MakeAction(p, QString(), "Opens this document."));
    recentPlaceholder->setEnabled(false);
    closeWindow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    fileNew->setIcon(Shared("new"));
    fileOpen->setIcon(Shared("open"));
    fileSave->setIcon(Shared("save"));
    helpAbout->setIcon(Shared("about"));
    clearPlayList->setIcon(MakeViewerIcon(ViewerIcon::ClearPlayList));
    playCompleteFile->setIcon(MakeViewerIcon(ViewerIcon::PlayComplete));
    playNextRecord->setIcon(MakeViewerIcon(ViewerIcon::PlayNext));
    playCurrentList->setIcon(MakeViewerIcon(ViewerIcon::PlayCurrentList));
    selectMode->setIcon(MakeViewerIcon(ViewerIcon::Select));
    zoomMode->setIcon(MakeViewerIcon(ViewerIcon::Zoom));
    auto* modes = new QActionGroup(p);
    modes->addAction(selectMode);
    modes->addAction(zoomMode);
}

QList<QAction*> CViewerActions::PictureActions() const {
    return {viewPlayList,     clearPlayList,   playNextRecord,
            playCompleteFile, playCurrentList, showFileInfo};
}
