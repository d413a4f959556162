#include "metaview/windows/main_frame.h"

#include "metaview/document/viewer_document.h"
#include "metaview/export/metafile_clipboard.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"
#include "metaview/windows/viewer_prompts.h"

#include "emf/player/device_context.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kAppTitle = QStringLiteral("Korvel-Software Kelvane");
const QString kGeometryKey = QStringLiteral("Window/Geometry");

} // namespace

CMainFrame::CMainFrame(CViewerPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_pOwnPrompts(prompts ? nullptr : new CViewerPrompts),
      m_Prompts(prompts ? *prompts : *m_pOwnPrompts), m_Actions(this),
      m_pMdiArea(new QMdiArea(this)) {
    // The toolbar pictures live in the library's resources, which a static library must
    // register itself.
    Q_INIT_RESOURCE(kelvane);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvane.png")));
    setCentralWidget(m_pMdiArea);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::onChildActivated);
    // Paste follows the clipboard, also for its shortcut while no menu is open.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandUi);
    createMenus();
    createToolBar();
    connectFileActions();
    connectViewActions();
    connectWindowActions();
    readSettings();
    setAcceptDrops(true);
    showMenus(false);
    updateTitle();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() {
    // The child windows go first, without telling this half-destroyed frame about it.
    m_pMdiArea->disconnect(this);
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        window->disconnect(this);
    delete m_pMdiArea;
}

QMenu* CMainFrame::createFileMenu(bool document) {
    const CViewerActions& a = m_Actions;
    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->addActions({a.fileNew, a.fileOpen});
    if (document) file->addActions({a.fileClose, a.fileSave, a.fileSaveAs, a.fileSaveBitmap});
    file->addSeparator();
    file->addAction(a.recentPlaceholder);
    file->addActions(a.recentFiles);
    file->addSeparator();
    file->addAction(a.fileQuit);
    // Another running viewer may have opened files since: the menu shows the stored list.
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::refreshRecentFiles);
    return file;
}

void CMainFrame::createMenus() {
    const CViewerActions& a = m_Actions;
    auto menu = [this](const char* title, QList<QAction*> actions) {
        auto* m = new QMenu(QString::fromUtf8(title), this);
        for (QAction* action : actions) {
            if (action)
                m->addAction(action);
            else
                m->addSeparator();
        }
        return m;
    };
    QMenu* view = menu("&View", {a.viewTaskbar});
    QMenu* help = menu("&?", {a.helpAbout});
    m_ShortMenus = {createFileMenu(false), view, help};
    m_DocumentMenus = {
        createFileMenu(true),
        menu("&Edit", {a.editPaste}),
        view,
        menu("&Play List", {a.viewPlayList, nullptr, a.clearPlayList, a.playNextRecord,
                            a.playCompleteFile, nullptr, a.playCurrentList}),
        menu("&Information", {a.showFileInfo}),
        menu("&Options", {a.fixedAspect, a.askSaveOption, nullptr, a.drawEmfPlus}),
        m_pWindowMenu = new QMenu(QStringLiteral("&Window"), this),
        help};
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    for (QMenu* m : m_ShortMenus + m_DocumentMenus) {
        // The prompts show as tips, since there is no status bar.
        m->setToolTipsVisible(true);
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
    }
    addActions({a.nextPane, a.previousPane, a.closeWindow});
}

void CMainFrame::createToolBar() {
    const CViewerActions& a = m_Actions;
    m_pToolBar = addToolBar(QStringLiteral("Toolbar"));
    m_pToolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(a.helpAbout);
    m_pToolBar->addSeparator();
    m_pToolBar->addActions({a.clearPlayList, a.playCompleteFile, a.playNextRecord});
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(a.playCurrentList);
    m_pToolBar->addSeparator();
    m_pToolBar->addActions({a.selectMode, a.zoomMode});
    connect(a.viewTaskbar, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, a.viewTaskbar, &QAction::setChecked);
}

void CMainFrame::showMenus(bool document) {
    m_bDocumentMenus = document;
    menuBar()->clear();
    for (QMenu* m : document ? m_DocumentMenus : m_ShortMenus)
        menuBar()->addMenu(m);
}

void CMainFrame::connectWindowActions() {
    const CViewerActions& a = m_Actions;
    connect(a.windowNew, &QAction::triggered, this, &CMainFrame::NewWindow);
    connect(a.windowCascade, &QAction::triggered, this, &CMainFrame::cascadeWindows);
    connect(a.windowTile, &QAction::triggered, m_pMdiArea, &QMdiArea::tileSubWindows);
    connect(a.windowArrange, &QAction::triggered, this, &CMainFrame::arrangeIcons);
    connect(a.closeWindow, &QAction::triggered, m_pMdiArea, &QMdiArea::closeActiveSubWindow);
    connect(a.nextPane, &QAction::triggered, m_pMdiArea, &QMdiArea::activateNextSubWindow);
    connect(a.previousPane, &QAction::triggered, m_pMdiArea, &QMdiArea::activatePreviousSubWindow);
    connect(a.helpAbout, &QAction::triggered, this, &CMainFrame::about);
    connect(a.fileQuit, &QAction::triggered, this, &QWidget::close);
}

// The window commands, then one entry per child window, the active one checked.
void CMainFrame::fillWindowMenu() {
    const CViewerActions& a = m_Actions;
    m_pWindowMenu->clear();
    m_pWindowMenu->addActions({a.windowNew, a.windowCascade, a.windowTile, a.windowArrange});
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    if (!windows.isEmpty()) m_pWindowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = m_pWindowMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()), this,
            [this, window] { m_pMdiArea->setActiveSubWindow(window); });
        entry->setCheckable(true);
        entry->setChecked(window == m_pMdiArea->activeSubWindow());
    }
}

void CMainFrame::setDrawEmfPlus(bool on) {
    if (on == emf::DrawsEmfPlusByDefault()) return;
    emf::SetDrawEmfPlusByDefault(on);
    QList<metaview::ViewerDocument*> done;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window);
            child && !done.contains(&child->Document())) {
            done.append(&child->Document());
            child->Document().UpdateAllViews();
        }
    writeSettings();
}

// Minimised windows go into a row along the bottom of the client area.
void CMainFrame::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(x, m_pMdiArea->viewport()->height() - window->height());
        x += window->width();
    }
}

CChildFrame* CMainFrame::addChild(metaview::ViewerDocument& doc) {
    auto* child = new CChildFrame(doc);
    child->setWindowIcon(windowIcon());
    child->installEventFilter(this);
    m_pMdiArea->addSubWindow(child);
    connect(child, &QObject::destroyed, this, [this, docPtr = &doc] { releaseIfUnused(docPtr); });
    connect(&doc, &metaview::ViewerDocument::TitleChanged, this, &CMainFrame::updateTitle,
            Qt::UniqueConnection);
    renumberWindows(doc);
    child->resize(m_pMdiArea->viewport()->size() * 2 / 3);
    child->show();
    keepInside(*child);
    return child;
}

// The area's own placement may put a window past its edges; it moves back in, shrinking
// only where it is larger than the area.
void CMainFrame::keepInside(QMdiSubWindow& window) const {
    const QSize area = m_pMdiArea->viewport()->size();
    const QSize size = window.size().boundedTo(area);
    window.resize(size);
    window.move(std::clamp(window.x(), 0, area.width() - size.width()),
                std::clamp(window.y(), 0, area.height() - size.height()));
}

// Each window two thirds of the area, one title bar lower and to the right of the last;
// the area's own cascade shrinks them to their smallest size.
void CMainFrame::cascadeWindows() {
    const QSize area = m_pMdiArea->viewport()->size();
    const QSize size = area * 2 / 3;
    const int step = std::max(16, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    QPoint at;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isMinimized()) continue;
        if (window->isMaximized()) window->showNormal();
        if (at.x() + size.width() > area.width() || at.y() + size.height() > area.height()) at = {};
        window->setGeometry(QRect(at, size));
        keepInside(*window);
        window->raise();
        at += QPoint(step, step);
    }
}

void CMainFrame::renumberWindows(metaview::ViewerDocument& doc) {
    QList<CChildFrame*> windows;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<CChildFrame*>(window); child && &child->Document() == &doc)
            windows.append(child);
    for (int i = 0; i < windows.size(); ++i)
        windows[i]->SetWindowNumber(windows.size() > 1 ? i + 1 : 0);
}

// A document lives as long as one of its windows.
void CMainFrame::releaseIfUnused(metaview::ViewerDocument* doc) {
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window); child && &child->Document() == doc) {
            renumberWindows(*doc);
            return;
        }
    doc->deleteLater();
}

CKelvane* CMainFrame::ActiveView() const {
    auto* child = qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
    return child ? child->View() : nullptr;
}

metaview::ViewerDocument* CMainFrame::activeDocument() const {
    CKelvane* view = ActiveView();
    return view ? &view->GetDocument() : nullptr;
}

void CMainFrame::onChildActivated(QMdiSubWindow*) {
    // With the last window closing, nothing is active any more.
    showMenus(ActiveView() != nullptr);
    updateTitle();
    UpdateCommandUi();
}

void CMainFrame::updateTitle() {
    const metaview::ViewerDocument* doc = activeDocument();
    // The modified mark as Qt draws "[*]", kept out of the title text the window menu shows.
    const QString mark = doc && doc->IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(doc ? kAppTitle + QStringLiteral(" - ") + doc->Title() + mark : kAppTitle);
}

void CMainFrame::UpdateCommandUi() {
    const CViewerActions& a = m_Actions;
    CKelvane* view = ActiveView();
    metaview::ViewerDocument* doc = activeDocument();
    const bool picture = doc && doc->Data().HasPicture();
    for (QAction* action : a.PictureActions())
        action->setEnabled(picture);
    for (QAction* action : {a.fileClose, a.fileSave, a.fileSaveAs, a.fileSaveBitmap, a.fixedAspect,
                            a.askSaveOption, a.windowNew})
        action->setEnabled(doc != nullptr);
    a.fixedAspect->setChecked(view && view->FixedAspect());
    a.askSaveOption->setChecked(doc && doc->Doc().m_bAskSaveOption);
    a.editPaste->setEnabled(doc && metaview::ClipboardHasMetafile());
    const bool zoomable = view && view->FixedAspect();
    a.zoomMode->setEnabled(zoomable);
    // A disabled button says why, and how to have it.
    const QString zoomTip = zoomable ? QStringLiteral("Zoom mode")
                                     : QStringLiteral("Zoom mode: turn on Options > Fixed "
                                                      "aspect ratio to zoom");
    a.zoomMode->setToolTip(zoomTip);
    a.zoomMode->setStatusTip(zoomTip);
    a.zoomMode->setChecked(g_bZoomMode);
    a.selectMode->setChecked(!g_bZoomMode);
}

void CMainFrame::readSettings() {
    QSettings settings;
    m_Recent.Read(settings);
    const bool plus = settings.value(QStringLiteral("Settings/Draw EMF+ records"), true).toBool();
    emf::SetDrawEmfPlusByDefault(plus);
    m_Actions.drawEmfPlus->setChecked(plus);
    updateRecentFileActions();
    if (restoreGeometry(settings.value(kGeometryKey).toByteArray())) return;
    // The first start: three quarters of the screen's work area, in its middle.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        resize(work.size() * 3 / 4);
        move(work.center() - rect().center());
    }
}

void CMainFrame::writeSettings() {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(QStringLiteral("Settings/Draw EMF+ records"), emf::DrawsEmfPlusByDefault());
}

// Quitting asks about every changed document first and closes nothing when one is kept.
void CMainFrame::closeEvent(QCloseEvent* event) {
    for (metaview::ViewerDocument* doc : openDocuments())
        if (!SaveModified(*doc)) {
            event->ignore();
            return;
        }
    writeSettings();
    m_bClosingAsked = true;
    m_pMdiArea->closeAllSubWindows();
    m_bClosingAsked = false;
    event->accept();
}
