// The main window's menus, tool band and status bar.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/track_list_view.h"
#include "catalog_app/ui/ansi_line_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

void CMainFrame::createFileMenu() {
    const CFrameActions& a = m_Actions;
    m_pFileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_pFileMenu->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
    m_pFileMenu->addSeparator();
    m_pFileMenu->addActions({a.fileImportCsv, a.fileExportCsv});
    m_pFileMenu->addSeparator();
    m_pFileMenu->addActions({a.filePrint, a.filePrintPreview, a.filePrintSetup});
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(a.recentPlaceholder);
    m_pFileMenu->addActions(a.recentFiles);
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(a.fileExit);
    // Another window may have opened files since.
    connect(m_pFileMenu, &QMenu::aboutToShow, this, &CMainFrame::refreshRecentFiles);
}

void CMainFrame::createEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addActions({m_Actions.editUndo, m_Actions.editRedo});
    edit->addSeparator();
    edit->addActions({m_Actions.editCut, m_Actions.editCopy, m_Actions.editPaste});
}

void CMainFrame::createCatalogueMenus() {
    const CFrameActions& a = m_Actions;
    m_pMediaMenu = menuBar()->addMenu(QStringLiteral("&Media"));
    m_pMediaMenu->addActions({a.mediaInsert, a.mediaDelete, a.mediaEdit, a.mediaImportAudio});
    m_pMediaMenu->addSeparator();
    m_pMediaMenu->addAction(a.mediaRefresh);
    m_pTrackMenu = menuBar()->addMenu(QStringLiteral("&Track"));
    m_pTrackMenu->addActions({a.trackAppend, a.trackInsert, a.trackDelete, a.trackEdit});
    m_pTrackMenu->addSeparator();
    m_pTrackMenu->addActions({a.reorderUp, a.reorderDown});
    QMenu* interpreter = menuBar()->addMenu(QStringLiteral("&Interpreter"));
    interpreter->addActions({a.interpreterEditList, a.interpreterClearUnused});
    menuBar()->addAction(a.settings);
    m_pMediaView->SetContextMenu(m_pMediaMenu);
    m_pTrackView->SetContextMenu(m_pTrackMenu);
    m_pMediaView->SetKeyCommands(a.mediaEdit, {a.mediaInsert}, a.mediaDelete);
    // Without a track to insert before, the Insert key appends (an empty list, say).
    m_pTrackView->SetKeyCommands(a.trackEdit, {a.trackInsert, a.trackAppend}, a.trackDelete);
}

void CMainFrame::createViewAndHelpMenus() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addActions({m_Actions.viewToolbar, m_Actions.viewStatusBar, m_Actions.viewSplit});
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(m_Actions.helpIndex);
    help->addSeparator();
    help->addAction(m_Actions.helpAbout);
    // Availability is worked out just before a menu opens, as well as on every change.
    for (QAction* menu : menuBar()->actions())
        if (menu->menu())
            connect(menu->menu(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
    addActions({m_Actions.nextPane, m_Actions.previousPane});
}

void CMainFrame::createToolBars() {
    const CFrameActions& a = m_Actions;
    m_pMainToolBar = addToolBar(QStringLiteral("Toolbar"));
    m_pMainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_pMainToolBar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addActions({a.editCut, a.editCopy, a.editPaste});
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addActions({a.editUndo, a.editRedo});
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addActions({a.mediaRefresh, a.mediaInsert, a.trackAppend});
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addActions({a.reorderDown, a.reorderUp});
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addAction(a.filePrint);
    m_pMainToolBar->addSeparator();
    m_pMainToolBar->addAction(a.helpAbout);

    m_pSearchBar = addToolBar(QStringLiteral("Search text"));
    m_pSearchBar->setObjectName(QStringLiteral("SearchBar"));
    // Shows what is searched for: characters the catalogue cannot hold turn into '?'.
    m_pSearchText = new CAnsiLineEdit(m_pSearchBar);
    m_pSearchText->setPlaceholderText(QStringLiteral("Search"));
    m_pSearchText->setFixedWidth(220);
    m_pSearchBar->addWidget(m_pSearchText);
    connect(m_pSearchText, &QLineEdit::returnPressed, a.search, &QAction::trigger);
    addAction(a.findText);
    connect(a.findText, &QAction::triggered, this, [this] {
        m_pSearchText->setFocus(Qt::ShortcutFocusReason);
        m_pSearchText->selectAll();
    });

    m_pSearchToolBar = addToolBar(QStringLiteral("Search"));
    m_pSearchToolBar->setObjectName(QStringLiteral("SearchToolBar"));
    m_pSearchToolBar->addAction(a.search);
    for (QToolBar* bar : {m_pMainToolBar, m_pSearchBar, m_pSearchToolBar})
        bar->setIconSize(QSize(16, 16));
}

void CMainFrame::createStatusBar() {
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator), statusBar());
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
    // The message pane shows "Ready" whenever nothing else is to be said.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty()) statusBar()->showMessage(QStringLiteral("Ready"));
    });
    statusBar()->showMessage(QStringLiteral("Ready"));
}
