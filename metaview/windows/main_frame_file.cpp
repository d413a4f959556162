// The document framework around the child windows: open, new, save, the recent-file list
// and dropped files.
#include "metaview/windows/main_frame.h"

#include "metaview/document/viewer_document.h"
#include "metaview/windows/child_frame.h"
#include "metaview/windows/emf_view.h"
#include "metaview/windows/viewer_prompts.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QSettings>

namespace {

std::filesystem::path FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void CMainFrame::connectFileActions() {
    const CViewerActions& a = m_Actions;
    connect(a.fileNew, &QAction::triggered, this, &CMainFrame::NewDocument);
    connect(a.fileOpen, &QAction::triggered, this, &CMainFrame::fileOpen);
    connect(a.fileClose, &QAction::triggered, this, [this] {
        if (metaview::ViewerDocument* doc = activeDocument()) closeDocument(*doc);
    });
    connect(a.fileSave, &QAction::triggered, this, &CMainFrame::fileSave);
    connect(a.fileSaveAs, &QAction::triggered, this, &CMainFrame::fileSaveAs);
    for (QAction* recent : a.recentFiles)
        connect(recent, &QAction::triggered, this, &CMainFrame::openRecentFile);
}

CKelvane* CMainFrame::OpenDocumentFile(const QString& path) {
    // The same path, byte for byte, is the same document; any other spelling is not.
    const std::string bytes = FilePath(path).string();
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window);
            child && FilePath(child->Document().PathName()).string() == bytes) {
            m_pMdiArea->setActiveSubWindow(child);
            return child->View();
        }
    auto* doc = new metaview::ViewerDocument(this);
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = doc->Doc().OnOpenDocument(FilePath(path), error);
    QApplication::restoreOverrideCursor();
    if (!opened) {
        delete doc;
        QSettings settings;
        m_Recent.RemoveAndStore(settings, path);
        updateRecentFileActions();
        // A file that cannot be read is not a file of the wrong format.
        const bool readable = QFileInfo(path).isFile() && QFileInfo(path).isReadable();
        m_Prompts.Inform(this,
                         readable ? QStringLiteral("Unexpected file format.")
                                  : QStringLiteral("Failed to open document."),
                         QString::fromStdString(error));
        return nullptr;
    }
    doc->SetPathName(path);
    rememberFile(path);
    CKelvane* view = addChild(*doc)->View();
    view->ComputeLayout();
    return view;
}

CKelvane* CMainFrame::NewDocument() {
    auto* doc = new metaview::ViewerDocument(this);
    doc->SetTitle(QStringLiteral("Untitled%1").arg(++m_nUntitled));
    return addChild(*doc)->View();
}

CKelvane* CMainFrame::NewWindow() {
    metaview::ViewerDocument* doc = activeDocument();
    return doc ? addChild(*doc)->View() : nullptr;
}

// Closing the document closes every window on it, after one question when it changed.
void CMainFrame::closeDocument(metaview::ViewerDocument& doc) {
    if (!SaveModified(doc)) return;
    m_bClosingAsked = true;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window); child && &child->Document() == &doc)
            child->close();
    m_bClosingAsked = false;
}

bool CMainFrame::SaveModified(metaview::ViewerDocument& doc) {
    if (!doc.IsModified()) return true;
    switch (m_Prompts.AskSaveChanges(this, doc.Title())) {
    case CViewerPrompts::Discard:
        return true;
    case CViewerPrompts::Cancel:
        return false;
    case CViewerPrompts::Save:
        break;
    }
    return saveDocument(doc);
}

bool CMainFrame::isLastWindow(const CChildFrame& child) const {
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* other = qobject_cast<CChildFrame*>(window);
            other && other != &child && &other->Document() == &child.Document())
            return false;
    return true;
}

// Each document once, in the order of its first window.
QList<metaview::ViewerDocument*> CMainFrame::openDocuments() const {
    QList<metaview::ViewerDocument*> docs;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<CChildFrame*>(window);
            child && !docs.contains(&child->Document()))
            docs.append(&child->Document());
    return docs;
}

// A child window closing by itself (its close box, the keyboard) is the document's last
// chance to be saved when it is the document's last window.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* child = qobject_cast<CChildFrame*>(watched);
    if (child && event->type() == QEvent::Close && !m_bClosingAsked && isLastWindow(*child) &&
        !SaveModified(child->Document())) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::fileOpen() {
    OpenDocumentFiles(m_Prompts.AskOpenPaths(this));
}

void CMainFrame::fileSave() {
    if (metaview::ViewerDocument* doc = activeDocument()) saveDocument(*doc);
}

// A document whose file is not an EMF goes through Save As, so that a WMF is never
// overwritten with EMF bytes under its old name.
bool CMainFrame::saveDocument(metaview::ViewerDocument& doc) {
    const std::string path = FilePath(doc.PathName()).string();
    return DoSave(doc, metaview::SaveNeedsPrompt(path) ? QString() : doc.PathName(), true);
}

void CMainFrame::fileSaveAs() {
    if (metaview::ViewerDocument* doc = activeDocument()) DoSave(*doc, {}, true);
}

bool CMainFrame::DoSave(metaview::ViewerDocument& doc, const QString& pathName, bool replace) {
    QString target = pathName;
    if (target.isEmpty()) {
        const std::string proposed = metaview::ProposeSaveName(FilePath(doc.PathName()).string(),
                                                               doc.Title().toStdString(), replace);
        if (doc.Doc().m_bAskSaveOption && !m_Prompts.AskSaveOption(this, doc.Doc())) return false;
        const QString chosen = m_Prompts.AskSavePath(this, QFile::decodeName(proposed.c_str()));
        if (chosen.isEmpty()) return false;
        target = QFile::decodeName(metaview::EmfSaveTarget(FilePath(chosen).string()).c_str());
        if (target != chosen && QFileInfo::exists(target) && !m_Prompts.AskReplace(this, target))
            return false;
    }
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The file is written beside its target and renamed over it only when complete, so a
    // failed save leaves no partial file and an old file untouched.
    const bool saved = doc.Doc().OnSaveDocument(FilePath(target), error);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        m_Prompts.Inform(this, QStringLiteral("Failed to save document."),
                         QString::fromStdString(error));
        return false;
    }
    if (replace) {
        doc.SetPathName(target);
        doc.SetModifiedFlag(false);
    }
    rememberFile(target);
    updateTitle();
    return true;
}

void CMainFrame::openRecentFile() {
    if (const auto* action = qobject_cast<QAction*>(sender()))
        OpenDocumentFile(action->data().toString());
}

// The stored list is changed where it stands, so files another running viewer added stay.
void CMainFrame::rememberFile(const QString& path) {
    QSettings settings;
    m_Recent.AddAndStore(settings, path);
    updateRecentFileActions();
}

void CMainFrame::refreshRecentFiles() {
    QSettings settings;
    m_Recent.Refresh(settings);
    updateRecentFileActions();
}

void CMainFrame::updateRecentFileActions() {
    // The list's place shows its placeholder, greyed, while it is empty.
    m_Recent.ShowIn(m_Actions.recentFiles, m_Actions.recentPlaceholder);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    OpenDocumentFiles(paths);
    event->acceptProposedAction();
}

int CMainFrame::OpenDocumentFiles(const QStringList& paths) {
    int opened = 0;
    for (const QString& path : paths)
        opened += OpenDocumentFile(path) ? 1 : 0;
    return opened;
}
