#include "catalog_app/dialogs/prompts.h"

#include "catalog_app/dialogs/media_sheet.h"
#include "catalog_app/dialogs/track_info_dialog.h"

#include "catalog_app/ui/ui_text.h"

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
