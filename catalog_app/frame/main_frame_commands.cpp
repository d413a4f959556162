// Command routing: each command goes to the pane it concerns or to the document.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/dialogs/interpreter_list_dialog.h"
#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/clipboard_exchange.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/search_view.h"
#include "catalog_app/panes/track_list_view.h"
#include "catalog_app/ui/ui_text.h"

#include "common/about_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

void CMainFrame::connectFileActions() {
    const CFrameActions& a = m_Actions;
    connect(a.fileNew, &QAction::triggered, this, &CMainFrame::fileNew);
    connect(a.fileOpen, &QAction::triggered, this, &CMainFrame::fileOpen);
    connect(a.fileSave, &QAction::triggered, this, &CMainFrame::fileSave);
    connect(a.fileSaveAs, &QAction::triggered, this, &CMainFrame::fileSaveAs);
    connect(a.fileExit, &QAction::triggered, this, &QWidget::close);
    for (QAction* recent : a.recentFiles)
        connect(recent, &QAction::triggered, this, &CMainFrame::openRecentFile);
}

void CMainFrame::connectEditActions() {
    // Copy, Cut and Paste act on the active pane: media or tracks.
    connect(m_Actions.editCopy, &QAction::triggered, this, [this] {
        if (m_Active == ActivePane::Media) m_pMediaView->OnCopy();
        if (m_Active == ActivePane::Track) m_pTrackView->OnCopy();
    });
    connect(m_Actions.editCut, &QAction::triggered, this, [this] {
        if (m_Active == ActivePane::Media) m_pMediaView->OnCut();
        if (m_Active == ActivePane::Track) m_pTrackView->OnCut();
    });
    connect(m_Actions.editPaste, &QAction::triggered, this, &CMainFrame::paste);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandUi);
    // Reordering acts on the active pane: media in the media list, tracks in the track list.
    connect(m_Actions.reorderUp, &QAction::triggered, this, [this] {
        if (m_Active == ActivePane::Media) m_pMediaView->OnReorder(true);
        if (m_Active == ActivePane::Track) m_pTrackView->OnReorder(true);
    });
    connect(m_Actions.reorderDown, &QAction::triggered, this, [this] {
        if (m_Active == ActivePane::Media) m_pMediaView->OnReorder(false);
        if (m_Active == ActivePane::Track) m_pTrackView->OnReorder(false);
    });
}

void CMainFrame::connectPaneActions() {
    const CFrameActions& a = m_Actions;
    connect(a.mediaInsert, &QAction::triggered, m_pMediaView, &CMELVARAView::OnInsertMedia);
    connect(a.mediaDelete, &QAction::triggered, m_pMediaView, &CMELVARAView::OnDeleteMedia);
    connect(a.mediaEdit, &QAction::triggered, m_pMediaView, &CMELVARAView::OnEditMedia);
    connect(a.mediaRefresh, &QAction::triggered, this, [this] { m_Doc.OnRefreshMediaList(); });
    connect(a.trackAppend, &QAction::triggered, this, [this] { m_Doc.OnAppendTrack(); });
    connect(a.trackInsert, &QAction::triggered, m_pTrackView, &CMediaView::OnInsertTrack);
    connect(a.trackDelete, &QAction::triggered, m_pTrackView, &CMediaView::OnDeleteTrack);
    connect(a.trackEdit, &QAction::triggered, m_pTrackView, &CMediaView::OnEditTrack);
    connect(a.search, &QAction::triggered, this,
            [this] { statusBar()->showMessage(m_pSearchView->RunSearch(m_pSearchText->text())); });
    connect(a.interpreterEditList, &QAction::triggered, this, &CMainFrame::editInterpreterList);
    connect(a.interpreterClearUnused, &QAction::triggered, this, [this] {
        m_Doc.OnClearUnused();
        UpdateCommandUi();
    });
}

void CMainFrame::connectWindowActions() {
    const CFrameActions& a = m_Actions;
    connect(a.viewToolbar, &QAction::toggled, this, [this](bool visible) {
        for (QToolBar* bar : {m_pMainToolBar, m_pSearchBar, m_pSearchToolBar})
            bar->setVisible(visible);
    });
    connect(a.viewStatusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(a.helpIndex, &QAction::triggered, this, [this] { m_Help.Open(); });
    connect(a.helpAbout, &QAction::triggered, this, &CMainFrame::about);
    connect(a.nextPane, &QAction::triggered, this, [this] { activatePane(1); });
    connect(a.previousPane, &QAction::triggered, this, [this] { activatePane(-1); });
    // Commands nobody handles yet are unavailable.
    for (QAction* idle : {a.filePrintSetup, a.settings})
        idle->setEnabled(false);
}

void CMainFrame::paste() {
    if (m_Active == ActivePane::Media && !m_pMediaView->OnPaste())
        statusBar()->showMessage(clipboard::kUnreadableMedia);
    if (m_Active == ActivePane::Track && !m_pTrackView->OnPaste())
        statusBar()->showMessage(clipboard::kUnreadableTrack);
}

void CMainFrame::editInterpreterList() {
    CInterpreterListDlg dialog(m_Doc, m_Prompts, this);
    dialog.exec();
    UpdateCommandUi();
}

void CMainFrame::about() {
    CAboutBox box(QStringLiteral("About Korvel-Software Melvara"),
                  QStringLiteral("Korvel-Software Melvara, file version %1.%2.%3.%4\n"
                                 "Product version %5.%6.%7.%8"),
                  this);
    box.exec();
}
