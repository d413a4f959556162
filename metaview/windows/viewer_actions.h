#pragma once
// Every command of the viewer's main window as a QAction with its caption, shortcut and
// prompt; the main frame connects them and puts them into menus and the toolbar.

#include <QList>

class QAction;
class QObject;

struct CViewerActions {
    explicit CViewerActions(QObject* parent);

    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileClose;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* fileSaveBitmap;
    QAction* recentPlaceholder;
    QList<QAction*> recentFiles;
    QAction* fileQuit;

    QAction* editPaste;
    QAction* viewTaskbar;

    QAction* viewPlayList;
    QAction* clearPlayList;
    QAction* playNextRecord;
    QAction* playCompleteFile;
    QAction* playCurrentList;

    QAction* showFileInfo;
    QAction* fixedAspect;
    QAction* askSaveOption;
    QAction* drawEmfPlus;

    QAction* windowNew;
    QAction* windowCascade;
    QAction* windowTile;
    QAction* windowArrange;

    QAction* helpAbout;

    QAction* selectMode;
    QAction* zoomMode;
    QAction* closeWindow; ///< the active child window only, by keyboard
    QAction* nextPane;
    QAction* previousPane;

    /// The commands that need a document with a picture.
    QList<QAction*> PictureActions() const;
};
