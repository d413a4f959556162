#include "catalog_app/frame/main_frame.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/clipboard_exchange.h"
#include "catalog_app/frame/help_window.h"
#include "catalog_app/frame/print_commands.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/panes/search_view.h"
#include "catalog_app/panes/track_list_view.h"
#include "catalog_app/recovery/recovery_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMimeData>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>

// The pictures are compiled into this library, which a static link would otherwise drop.
static void InitResources() {
    Q_INIT_RESOURCE(melvara);
}

CMainFrame::CMainFrame(CPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_History(m_Doc), m_pOwnPrompts(prompts ? nullptr : new CDialogPrompts),
      m_Prompts(prompts ? *prompts : *m_pOwnPrompts), m_Actions(this),
      m_Help(CHelpIndex::DefaultFolders(), [this](const QString& page) { showHelp(page); }) {
    InitResources();
    createPanes();
    createFileMenu();
    createEditMenu();
    createCatalogueMenus();
    createViewAndHelpMenus();
    createToolBars();
    createStatusBar();
    connectFileActions();
    connectEditActions();
    connectUndoActions();
    connectImportActions();
    connectPaneActions();
    connectWindowActions();
    connectPrintActions();
    connectRecovery();
    readSettings();
    setWindowIcon(QIcon(QStringLiteral(":/icons/melvara.png")));
    setAcceptDrops(true);
    NewCatalogue();
}

CMainFrame::~CMainFrame() {
    // Nothing may reach this frame's slots once its panes are gone; the undo stack, for one,
    // signals a change of its clean state while the history is destroyed, after the panes.
    disconnect(qApp, nullptr, this, nullptr);
    QGuiApplication::clipboard()->disconnect(this);
    m_History.Stack().disconnect(this);
    m_History.disconnect(this);
    // The panes observe the document and use the prompts: they go before both.
    delete takeCentralWidget();
}

void CMainFrame::createPanes() {
    m_pOuter = new QSplitter(Qt::Vertical, this);
    m_pInner = new QSplitter(Qt::Horizontal, m_pOuter);
    m_pMediaView = new CMELVARAView(m_Doc, m_Prompts, m_pInner);
    m_pTrackView = new CMediaView(m_Doc, m_Prompts, m_pInner);
    m_pSearchView = new CSearchView(m_Doc, m_Prompts, m_pOuter);
    m_pOuter->setChildrenCollapsible(false);
    m_pInner->setChildrenCollapsible(false);
    setCentralWidget(m_pOuter);
    connect(m_pMediaView, &CMELVARAView::StateChanged, this, &CMainFrame::UpdateCommandUi);
    connect(m_pTrackView, &CMediaView::StateChanged, this, &CMainFrame::UpdateCommandUi);
    connect(m_pTrackView, &CMediaView::TracksChanged, m_pMediaView, &CMELVARAView::RefreshMedia);
    connect(m_pSearchView, &CSearchView::SelectMediumRequested, this, &CMainFrame::SelectMedium);
    connect(m_pSearchView, &CSearchView::SelectTrackRequested, this, &CMainFrame::SelectTrack);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::onFocusChanged);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_bPanesSized) return;
    // Two thirds and one third of the client area, as the panes are first shown.
    m_bPanesSized = true;
    const int w = m_pOuter->width();
    const int h = m_pOuter->height();
    m_pOuter->setSizes({2 * h / 3, h / 3});
    m_pInner->setSizes({2 * w / 3, w / 3});
}

void CMainFrame::onFocusChanged(QWidget*, QWidget* now) {
    const std::pair<QWidget*, ActivePane> panes[] = {{m_pMediaView, ActivePane::Media},
                                                     {m_pTrackView, ActivePane::Track},
                                                     {m_pSearchView, ActivePane::Search}};
    for (const auto& [pane, which] : panes) {
        if (now && (now == pane || pane->isAncestorOf(now))) {
            m_Active = which;
            UpdateCommandUi();
        }
    }
}

void CMainFrame::activatePane(int step) {
    const QList<QWidget*> panes = {m_pMediaView, m_pTrackView, m_pSearchView};
    const int current = int(m_Active);
    panes[(current + step + panes.size()) % panes.size()]->setFocus(Qt::ShortcutFocusReason);
}

CommandState CMainFrame::currentState() const {
    CommandState state;
    state.pane = m_Active;
    state.hasCurrentMedium = m_Doc.CurrentRow() != -1;
    state.hasCurrentTrack = m_pTrackView->HasCurrentTrack();
    state.clipboardHasMedia = clipboard::HasMedia();
    state.clipboardHasTrack = clipboard::HasTrack();
    return state;
}

void CMainFrame::UpdateCommandUi() {
    const CommandState state = currentState();
    for (const auto& [action, command] : m_Actions.RuledActions()) {
        // Printing is handled once the run's print settings are known.
        const bool handled =
            m_pPrint || (command != Command::Print && command != Command::PrintPreview);
        action->setEnabled(handled && IsCommandAvailable(command, state));
    }
    setWindowModified(m_Doc.IsModified());
}

void CMainFrame::SelectMedium(const CMedia* media) {
    m_pMediaView->SelectMedium(media);
}

void CMainFrame::SelectTrack(const CTrack* track) {
    m_pTrackView->SelectTrack(track);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) return event->ignore();
    writeSettings();
    // A normal close: whatever was unsaved was saved or dropped on purpose.
    if (m_pRecovery) m_pRecovery->Discard();
    if (m_pHelpWindow) m_pHelpWindow->close();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    activateWindow();
    if (maybeSave()) OpenCatalogue(urls.first().toLocalFile());
}

void CMainFrame::readSettings() {
    QSettings settings;
    m_Recent.Read(settings);
    updateRecentFileActions();
    const QByteArray geometry = settings.value(QStringLiteral("Window/Geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) resize(960, 640);
}

void CMainFrame::writeSettings() {
    // The recent file list is stored whenever it changes, merged with other windows' files.
    QSettings settings;
    settings.setValue(QStringLiteral("Window/Geometry"), saveGeometry());
}

void CMainFrame::showHelp(const QString& indexPath) {
    if (!m_pHelpWindow) m_pHelpWindow = new CHelpWindow(indexPath, this);
    // On the screen that shows the main window, never partly beyond its edges.
    m_pHelpWindow->ShowOver(*this);
}
