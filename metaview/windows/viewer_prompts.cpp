#include "metaview/windows/viewer_prompts.h"

#include "metaview/dialogs/save_option_dialog.h"
#include "metaview/document/emf_doc.h"
#include "metaview/document/emf_doc_template.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// "Metafiles (*.EMF; *.WMF)" over ".EMF;*.WMF": both extensions in either case, since
// files from Windows come with both.
QString Filter() {
    return QStringLiteral("%1 (*.emf *.EMF *.wmf *.WMF);;All Files (*)")
        .arg(QString::fromStdString(CEMFDocTemplate::GetDocString(CEMFDocTemplate::filterName))
                 .section(QLatin1Char(' '), 0, 0));
}

} // namespace

void CViewerPrompts::Inform(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvel-Software Kelvane"), text,
                    QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

bool CViewerPrompts::AskSaveOption(QWidget* parent, CEMFDoc& doc) {
    CSaveOptionDlg dialog(parent);
    dialog.m_nOption = doc.m_bSaveCopy;
    if (dialog.exec() != QDialog::Accepted) return false;
    doc.m_bSaveCopy = dialog.m_nOption;
    doc.m_bAskSaveOption = dialog.m_bAskAgain;
    return true;
}

QString CViewerPrompts::AskSavePath(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), proposed, Filter());
}

bool CViewerPrompts::AskReplace(QWidget* parent, const QString& path) {
    return QMessageBox::question(
               parent, QStringLiteral("Korvel-Software Kelvane"),
               QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path)) ==
           QMessageBox::Yes;
}

CViewerPrompts::SaveChoice CViewerPrompts::AskSaveChanges(QWidget* parent, const QString& title) {
    const auto answer = QMessageBox::question(
        parent, QStringLiteral("Korvel-Software Kelvane"),
        QStringLiteral("Save changes to %1?").arg(title),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save ? Save : answer == QMessageBox::Discard ? Discard : Cancel;
}

QStringList CViewerPrompts::AskOpenPaths(QWidget* parent) {
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Open"), {}, Filter());
}
