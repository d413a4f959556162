#pragma once

#include "catalog_app/frame/command_rules.h"

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;

/// Every command of the main window as a QAction with its caption, shortcuts, status
/// prompt and tool tip; the main frame connects them and puts them into menus and bars.
struct CFrameActions {
    explicit CFrameActions(QObject* parent);

    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* filePrint;
    QAction* filePrintPreview;
    QAction* filePrintSetup;
    QAction* fileImportCsv;
    QAction* fileExportCsv;
    QAction* fileExit;
    QList<QAction*> recentFiles;
    QAction* recentPlaceholder;

    QAction* editUndo;
    QAction* editRedo;
    QAction* editCut;
    QAction* editCopy;
    QAction* editPaste;

    QAction* mediaInsert;
    QAction* mediaDelete;
    QAction* mediaEdit;
    QAction* mediaRefresh;
    QAction* mediaImportAudio;

    QAction* trackAppend;
    QAction* trackInsert;
    QAction* trackDelete;
    QAction* trackEdit;
    QAction* reorderUp;
    QAction* reorderDown;

    QAction* interpreterEditList;
    QAction* interpreterClearUnused;
    QAction* settings;

    QAction* viewToolbar;
    QAction* viewStatusBar;
    QAction* viewSplit;

    QAction* helpIndex;
    QAction* helpAbout;

    QAction* search;
    /// Ctrl+F and the Find key: to the search field, its text selected.
    QAction* findText;
    QAction* nextPane;
    QAction* previousPane;

    /// The actions whose availability follows the command rules, with their command.
    QList<std::pair<QAction*, Command>> RuledActions() const;
};
