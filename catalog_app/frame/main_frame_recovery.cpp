// Keeping unsaved work: the recovery copy of a catalogue with unsaved changes, the offer
// to restore one after a crash, and a catalogue file that changed on disk meanwhile.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/dialogs/prompts.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int kRecoveryIntervalMs = 2 * 60 * 1000;
// A copy written quicker than this is written after every step; slower ones wait for
// the timer, so that editing a large catalogue never stalls.
constexpr qint64 kCheapCopyMs = 40;
constexpr std::size_t kCheapMediaCount = 5000;

} // namespace

void CMainFrame::connectRecovery() {
    m_pRecoveryTimer = new QTimer(this);
    m_pRecoveryTimer->setInterval(kRecoveryIntervalMs);
    connect(m_pRecoveryTimer, &QTimer::timeout, this, &CMainFrame::WriteRecoveryCopy);
    QUndoStack& stack = m_History.Stack();
    connect(&stack, &QUndoStack::indexChanged, this, &CMainFrame::onCatalogueChanged);
}

void CMainFrame::SetRecoveryCopy(CRecoveryCopy* recovery) {
    m_pRecovery = recovery;
    if (recovery)
        m_pRecoveryTimer->start();
    else
        m_pRecoveryTimer->stop();
    updateRecoveryCopy();
}

bool CMainFrame::hasUnsavedChanges() const {
    // The document's flag follows the history's clean state, but only after the step has
    // been announced; recovered media leave the history never clean.
    return !m_History.Stack().isClean();
}

void CMainFrame::onCatalogueChanged() {
    ++m_nChanges;
    if (!m_pRecovery) return;
    if (!hasUnsavedChanges()) return m_pRecovery->Discard();
    const bool cheap = m_nRecoveryMs >= 0 ? m_nRecoveryMs < kCheapCopyMs
                                          : m_Doc.Catalogue().Media().Count() < kCheapMediaCount;
    if (cheap) WriteRecoveryCopy();
}

void CMainFrame::WriteRecoveryCopy() {
    if (!m_pRecovery || !hasUnsavedChanges()) return;
    if (m_pRecovery->HasCopy() && m_nCopiedChanges == m_nChanges) return;
    QElapsedTimer clock;
    clock.start();
    if (m_pRecovery->Write(m_Doc.Catalogue(), QFile::decodeName(m_Doc.GetPathName().c_str())))
        m_nCopiedChanges = m_nChanges;
    m_nRecoveryMs = clock.elapsed();
}

// After New, Open and Save: a copy for unsaved changes (recovered media), none otherwise.
void CMainFrame::updateRecoveryCopy() {
    if (!m_pRecovery) return;
    ++m_nChanges;
    if (hasUnsavedChanges())
        WriteRecoveryCopy();
    else
        m_pRecovery->Discard();
}

void CMainFrame::OfferRecovery() {
    if (!m_pRecovery) return;
    for (const CRecoveryCopy::Orphan& orphan : m_pRecovery->Orphans()) {
        const QString source = orphan.sourcePath;
        switch (m_Prompts.AskToRestore(this, source, orphan.written)) {
        case CPrompts::RestoreAnswer::Restore:
            if (restore(orphan)) CRecoveryCopy::Remove(orphan);
            return;
        case CPrompts::RestoreAnswer::Discard:
            CRecoveryCopy::Remove(orphan);
            break;
        case CPrompts::RestoreAnswer::Later:
            return;
        }
    }
}

bool CMainFrame::restore(const CRecoveryCopy::Orphan& orphan) {
    const catalog::CatalogueStatus status =
        m_Doc.OnOpenDocument(QFile::encodeName(orphan.copyPath).toStdString());
    if (!status.ok()) {
        m_Prompts.Inform(this, QString::fromStdString(status.Message()));
        NewCatalogue();
        return false;
    }
    // The restored catalogue belongs to its file again and holds unsaved changes.
    m_Doc.SetPathName(QFile::encodeName(orphan.sourcePath).toStdString());
    m_Doc.SetModifiedFlag(true);
    m_History.Stack().resetClean();
    bindFile(orphan.sourcePath);
    updateTitle();
    UpdateCommandUi();
    updateRecoveryCopy();
    return m_pRecovery->HasCopy();
}

void CMainFrame::bindFile(const QString& path) {
    m_Stamp.Take(path);
    m_bChangedOnDisk = false;
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) checkFileOnDisk();
}

void CMainFrame::checkFileOnDisk() {
    const bool changed = m_Stamp.ChangedOnDisk();
    if (changed == m_bChangedOnDisk) return;
    m_bChangedOnDisk = changed;
    updateTitle();
    if (changed)
        statusBar()->showMessage(
            QStringLiteral("%1 was changed on disk by another window or program.")
                .arg(QFileInfo(m_Stamp.Path()).fileName()));
}
