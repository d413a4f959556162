#pragma once

#include "catalog_app/frame/command_rules.h"
#include "catalog_app/frame/frame_actions.h"
#include "catalog_app/frame/help_index.h"
#include "catalog_app/frame/undo_history.h"
#include "catalog_app/recovery/file_stamp.h"
#include "catalog_app/recovery/recovery_copy.h"

#include "common/recent_files.h"

#include "catalog/melvara_doc.h"

#include <QMainWindow>

#include <memory>

class CFormSettings;
class CHelpWindow;
class CMELVARAView;
class CMediaView;
class CPrintCommands;
class CPrompts;
class CRecoveryCopy;
class CSearchView;
class QLineEdit;
class QSplitter;
class QTimer;
class QToolBar;

/// Melvara's main window: menus, tool band, status bar and the three panes over the one
/// catalogue document; it routes commands to the pane the user worked in last.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    /// prompts answers the window's questions; the program's own dialogs when nullptr.
    explicit CMainFrame(CPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// File New without the save question; the catalogue is empty and untitled.
    void NewCatalogue();
    /// Opens the file like File Open (without the save question); a failed open shows the
    /// file format's message and leaves the catalogue untitled.
    bool OpenCatalogue(const QString& path);
    /// Saves to path; a failure shows the file format's message.
    bool SaveCatalogue(const QString& path);

    /// Where the run keeps a copy of unsaved changes (none: no copy is kept).
    void SetRecoveryCopy(CRecoveryCopy* recovery);
    /// Offers the newest copy that a run which did not close normally left behind.
    void OfferRecovery();
    /// Writes the recovery copy now when there are changes it does not hold yet.
    void WriteRecoveryCopy();

    /// The print settings of the run; print and settings commands need them.
    void SetFormSettings(CFormSettings* settings);
    CPrintCommands* PrintCommands() const { return m_pPrint.get(); }
    /// The media selected in the media pane, in list order.
    std::vector<const CMedia*> SelectedMedia() const;

    /// Adds the CSV file's media as one step and tells what was added, or shows the first
    /// bad line of a malformed file (then nothing changed). True when media were added.
    bool ImportCsv(const QString& path);
    /// Writes the catalogue as a CSV file; a failure shows its message.
    bool ExportCsv(const QString& path);
    /// Makes one medium from the audio files (and the audio files in the folders) after
    /// the media sheet, as one step; unreadable files are listed. True when it was added.
    bool ImportAudioFiles(const QStringList& paths);

    /// Selects the medium's row in the media pane (a search hit); nothing if none shows it.
    void SelectMedium(const CMedia* media);
    /// Selects the track's row in the track pane; nothing if none shows it.
    void SelectTrack(const CTrack* track);

    CMELVARADoc& Document() { return m_Doc; }
    const CFrameActions& Actions() const { return m_Actions; }
    CUndoHistory& History() { return m_History; }
    CMELVARAView* MediaPane() const { return m_pMediaView; }
    CMediaView* TrackPane() const { return m_pTrackView; }
    CSearchView* SearchPane() const { return m_pSearchView; }
    QSplitter* OuterSplitter() const { return m_pOuter; }
    QSplitter* InnerSplitter() const { return m_pInner; }
    ActivePane Active() const { return m_Active; }
    const CRecentFileList& RecentFiles() const { return m_Recent; }

    /// Sets every command's availability from the current state.
    void UpdateCommandUi();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createPanes();
    void createFileMenu();
    void createEditMenu();
    void createCatalogueMenus();
    void createViewAndHelpMenus();
    void createToolBars();
    void createStatusBar();
    void connectFileActions();
    void connectEditActions();
    void connectUndoActions();
    void connectImportActions();
    void connectPaneActions();
    void connectWindowActions();
    void connectPrintActions();
    void connectRecovery();
    void readSettings();
    void writeSettings();

    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void openRecentFile();
    bool maybeSave();
    void informCutShort();
    void rememberFile(const QString& path);
    void updateRecentFileActions();
    void refreshRecentFiles();
    QString documentTitle() const;
    void updateTitle();

    bool hasUnsavedChanges() const;
    void onCatalogueChanged();
    void updateRecoveryCopy();
    bool restore(const CRecoveryCopy::Orphan& orphan);
    void checkFileOnDisk();
    void bindFile(const QString& path);

    void paste();
    void editInterpreterList();
    /// The "Settings" sheet, its "Paths" page at a media type's row (none for -1).
    void editSettingsAt(int type);
    void showChangedCatalogue(const std::vector<CMedia*>& focus);
    void importCsv();
    void exportCsv();
    void importAudio();
    void about();
    void showHelp(const QString& indexPath);
    void activatePane(int step);
    void onFocusChanged(QWidget* old, QWidget* now);
    CommandState currentState() const;

    CMELVARADoc m_Doc;
    CUndoHistory m_History;
    std::unique_ptr<CPrompts> m_pOwnPrompts;
    CPrompts& m_Prompts;
    CFrameActions m_Actions;
    CRecentFileList m_Recent;
    CHelpIndex m_Help;
    CFormSettings* m_pFormSettings = nullptr;
    std::unique_ptr<CPrintCommands> m_pPrint;
    QSplitter* m_pOuter = nullptr;
    QSplitter* m_pInner = nullptr;
    CMELVARAView* m_pMediaView = nullptr;
    CMediaView* m_pTrackView = nullptr;
    CSearchView* m_pSearchView = nullptr;
    QToolBar* m_pMainToolBar = nullptr;
    QToolBar* m_pSearchBar = nullptr;
    QToolBar* m_pSearchToolBar = nullptr;
    QLineEdit* m_pSearchText = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pMediaMenu = nullptr;
    QMenu* m_pTrackMenu = nullptr;
    CHelpWindow* m_pHelpWindow = nullptr;
    CRecoveryCopy* m_pRecovery = nullptr;
    QTimer* m_pRecoveryTimer = nullptr;
    std::uint64_t m_nChanges = 0;
    std::uint64_t m_nCopiedChanges = 0;
    qint64 m_nRecoveryMs = -1;
    CFileStamp m_Stamp;
    bool m_bChangedOnDisk = false;
    ActivePane m_Active = ActivePane::Media;
    bool m_bPanesSized = false;
};
