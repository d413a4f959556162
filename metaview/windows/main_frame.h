#pragma once
// Kelvane's main window: menus, toolbar and the child windows of the open documents.

#include "metaview/windows/viewer_actions.h"

#include "common/recent_files.h"

#include <QMainWindow>

#include <memory>

class CChildFrame;
class CKelvane;
class CViewerPrompts;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace metaview {
class ViewerDocument;
/// The name the bitmap export proposes: the picture's file with ".bmp" for its extension,
/// or the title of a document without a file.
QString BitmapName(const ViewerDocument& doc);
} // namespace metaview

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    /// prompts answers the window's questions; the program's own dialogs when nullptr.
    explicit CMainFrame(CViewerPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// Opens the file in a new child window, or activates the window of the open document
    /// with exactly this path. A file that does not open gives its message; nullptr then.
    CKelvane* OpenDocumentFile(const QString& path);
    /// Opens each file (dropped, chosen or named at start); how many opened.
    int OpenDocumentFiles(const QStringList& paths);
    /// File New: an empty document in a new child window.
    CKelvane* NewDocument();
    /// Window New Window: one more window on the active document.
    CKelvane* NewWindow();
    /// Saves the document (a plain Save when pathName is given); false when cancelled or
    /// failed, with nothing left behind of a failed Save As.
    bool DoSave(metaview::ViewerDocument& doc, const QString& pathName, bool replace);
    /// Before a changed document closes: asks whether to save it and saves it on Yes; false
    /// when the user cancels or the save fails, and the document must stay open.
    bool SaveModified(metaview::ViewerDocument& doc);

    CKelvane* ActiveView() const;
    QMdiArea* MdiArea() const { return m_pMdiArea; }
    const CViewerActions& Actions() const { return m_Actions; }
    const CRecentFileList& RecentFiles() const { return m_Recent; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    /// The menu bar shows the document menus (a document is active) or the short ones.
    bool DocumentMenusShown() const { return m_bDocumentMenus; }
    /// Sets every command's availability and check mark from the active view.
    void UpdateCommandUi();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    QMenu* createFileMenu(bool document);
    void createToolBar();
    void connectFileActions();
    void connectViewActions();
    void connectWindowActions();
    void readSettings();
    void writeSettings();
    void showMenus(bool document);

    CChildFrame* addChild(metaview::ViewerDocument& doc);
    void onChildActivated(QMdiSubWindow* window);
    void renumberWindows(metaview::ViewerDocument& doc);
    void releaseIfUnused(metaview::ViewerDocument* doc);
    metaview::ViewerDocument* activeDocument() const;
    void updateTitle();

    void closeDocument(metaview::ViewerDocument& doc);
    bool isLastWindow(const CChildFrame& child) const;
    QList<metaview::ViewerDocument*> openDocuments() const;

    void fileOpen();
    void fileSave();
    bool saveDocument(metaview::ViewerDocument& doc);
    void fileSaveAs();
    void openRecentFile();
    void rememberFile(const QString& path);
    void refreshRecentFiles();
    void updateRecentFileActions();
    void fillWindowMenu();
    void arrangeIcons();
    void cascadeWindows();
    void keepInside(QMdiSubWindow& window) const;
    /// The "Draw EMF+ records" option: every open picture is drawn again.
    void setDrawEmfPlus(bool on);
    void about();
    void showFileInfo();
    void saveBitmap();

    std::unique_ptr<CViewerPrompts> m_pOwnPrompts;
    CViewerPrompts& m_Prompts;
    CViewerActions m_Actions;
    CRecentFileList m_Recent;
    QMdiArea* m_pMdiArea;
    QToolBar* m_pToolBar = nullptr;
    QList<QMenu*> m_ShortMenus;
    QList<QMenu*> m_DocumentMenus;
    QMenu* m_pWindowMenu = nullptr;
    bool m_bDocumentMenus = false;
    int m_nUntitled = 0;
    /// Set while windows close whose documents were already asked about.
    bool m_bClosingAsked = false;
};
