// The document framework around the catalogue: new, open, save, the save question and
// the recent file list.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/dialogs/prompts.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kFilter = QStringLiteral("Melvara Files (*.mvr);;All Files (*)");

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void CMainFrame::NewCatalogue() {
    m_Doc.OnNewDocument();
    bindFile({});
    updateTitle();
    UpdateCommandUi();
    updateRecoveryCopy();
}

bool CMainFrame::OpenCatalogue(const QString& path) {
    const catalog::CatalogueStatus status = m_Doc.OnOpenDocument(FilePath(path));
    bindFile(status.ok() ? path : QString());
    updateTitle();
    UpdateCommandUi();
    // Recovered media are copied before the messages wait for the user.
    updateRecoveryCopy();
    if (!status.ok()) {
        m_Prompts.Inform(this, QString::fromStdString(status.Message()));
        if (status.cause == catalog::CauseEndOfFile) informCutShort();
        return false;
    }
    rememberFile(path);
    return true;
}

void CMainFrame::informCutShort() {
    m_Prompts.Inform(this, QStringLiteral("The file ends early: %1 media could be read and are "
                                          "shown now.\nUse Save As to keep "
                                          "them in a new file; the damaged file stays as it is.")
                               .arg(m_Doc.Catalogue().Media().Count()));
}

bool CMainFrame::SaveCatalogue(const QString& path) {
    const catalog::CatalogueStatus status = m_Doc.OnSaveDocument(FilePath(path));
    if (!status.ok()) {
        m_Prompts.Inform(this, QString::fromStdString(status.Message()));
        return false;
    }
    m_History.SetClean();
    bindFile(path);
    rememberFile(path);
    updateTitle();
    UpdateCommandUi();
    updateRecoveryCopy();
    return true;
}

void CMainFrame::fileNew() {
    if (maybeSave()) NewCatalogue();
}

void CMainFrame::fileOpen() {
    if (!maybeSave()) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), {}, kFilter);
    if (!path.isEmpty()) OpenCatalogue(path);
}

bool CMainFrame::fileSave() {
    if (m_Doc.GetPathName().empty()) return fileSaveAs();
    if (m_Stamp.ChangedOnDisk()) {
        // Another window or program saved the file since: never replace its work unasked.
        switch (m_Prompts.AskToOverwriteChanged(this, documentTitle())) {
        case CPrompts::ChangedAnswer::Overwrite:
            break;
        case CPrompts::ChangedAnswer::SaveAs:
            return fileSaveAs();
        case CPrompts::ChangedAnswer::Cancel:
            return false;
        }
    }
    return SaveCatalogue(QFile::decodeName(m_Doc.GetPathName().c_str()));
}

bool CMainFrame::fileSaveAs() {
    const QString proposed = m_Doc.GetPathName().empty()
                                 ? QStringLiteral("MELVA.mvr")
                                 : QFile::decodeName(m_Doc.GetPathName().c_str());
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), proposed, kFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".mvr");
    return SaveCatalogue(path);
}

void CMainFrame::openRecentFile() {
    const auto* action = qobject_cast<QAction*>(sender());
    if (!action || !maybeSave()) return;
    const QString path = action->data().toString();
    if (!OpenCatalogue(path) && !QFileInfo::exists(path)) {
        // A file that has gone away leaves the list.
        QSettings settings;
        m_Recent.RemoveAndStore(settings, path);
        updateRecentFileActions();
    }
}

bool CMainFrame::maybeSave() {
    if (!m_Doc.IsModified()) return true;
    switch (m_Prompts.AskToSave(this, documentTitle())) {
    case CPrompts::SaveAnswer::Save:
        return fileSave();
    case CPrompts::SaveAnswer::Discard:
        return true;
    default:
        return false;
    }
}

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

QString CMainFrame::documentTitle() const {
    const std::string name = m_Doc.GetTitle();
    return name.empty() ? QStringLiteral("Untitled") : QFile::decodeName(name.c_str());
}

void CMainFrame::updateTitle() {
    const QString onDisk = m_bChangedOnDisk ? QStringLiteral(" (changed on disk)") : QString();
    setWindowTitle(QStringLiteral("%1[*]%2 - Melvara").arg(documentTitle(), onDisk));
    setWindowModified(m_Doc.IsModified());
}
