#include "catalog_app/dialogs/prompts.h"

#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/track_info_dialog.h"

#include "catalog_app/ui/ui_text.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

bool CDialogPrompts::RunMediaSheet(QWidget* parent, CMediaSheetValues& values) {
    CMediaSheet sheet(parent);
    sheet.SetValues(values);
    if (sheet.exec() == QDialog::Rejected) return false;
    values = sheet.Values();
    return true;
}

bool CDialogPrompts::RunTrackDialog(QWidget* parent, CCatalogue& catalogue,
                                    CTrackDialogValues& values) {
    CTrackInfoDlg dialog(catalogue, parent);
    dialog.SetValues(values);
    if (dialog.exec() == QDialog::Rejected) return false;
    values = dialog.Values();
    return true;
}

bool CDialogPrompts::Confirm(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, ui::kMessageTitle, question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CDialogPrompts::Inform(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, ui::kMessageTitle, message);
}

bool CDialogPrompts::InformNoForm(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, ui::kMessageTitle, message, QMessageBox::Ok, parent);
    QPushButton* choose =
        box.addButton(QStringLiteral("Choose a print form..."), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == choose;
}

void CDialogPrompts::Tell(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, ui::kMessageTitle, message);
}

CPrompts::SaveAnswer CDialogPrompts::AskToSave(QWidget* parent, const QString& title) {
    switch (QMessageBox::question(parent, ui::kMessageTitle,
                                  QStringLiteral("Save changes to %1?").arg(title),
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

CPrompts::ChangedAnswer CDialogPrompts::AskToOverwriteChanged(QWidget* parent,
                                                              const QString& title) {
    QMessageBox box(QMessageBox::Warning, ui::kMessageTitle,
                    QStringLiteral("%1 was changed on disk by another window or program since "
                                   "it was opened or saved here.\n\nOverwrite it with this "
                                   "catalogue?")
                        .arg(title),
                    QMessageBox::Cancel, parent);
    QPushButton* overwrite = box.addButton(QStringLiteral("&Overwrite"), QMessageBox::AcceptRole);
    QPushButton* saveAs = box.addButton(QStringLiteral("Save &As..."), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == overwrite) return ChangedAnswer::Overwrite;
    if (box.clickedButton() == saveAs) return ChangedAnswer::SaveAs;
    return ChangedAnswer::Cancel;
}

CPrompts::RestoreAnswer CDialogPrompts::AskToRestore(QWidget* parent, const QString& source,
                                                     const QDateTime& written) {
    const QString what = source.isEmpty() ? QStringLiteral("an untitled catalogue")
                                          : QStringLiteral("\"%1\"").arg(source);
    QMessageBox box(QMessageBox::Question, ui::kMessageTitle,
                    QStringLiteral("Melvara was not closed normally last time. A recovery copy "
                                   "of %1 with its unsaved changes was written on %2.\n\n"
                                   "Restore it?")
                        .arg(what, QLocale().toString(written, QLocale::LongFormat)),
                    QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(QStringLiteral("&Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore) return RestoreAnswer::Restore;
    if (box.clickedButton() == discard) return RestoreAnswer::Discard;
    return RestoreAnswer::Later;
}
