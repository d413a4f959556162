// Media from outside: CSV files both ways, and a new medium from audio files' tags.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/audio_import.h"
#include "catalog_app/exchange/csv_exchange.h"
#include "catalog_app/ui/dialog_values.h"

#include "catalog/new_media.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

namespace {

const QString kCsvFilter = QStringLiteral("CSV Files (*.csv);;All Files (*)");

} // namespace

void CMainFrame::connectImportActions() {
    connect(m_Actions.fileImportCsv, &QAction::triggered, this, &CMainFrame::importCsv);
    connect(m_Actions.fileExportCsv, &QAction::triggered, this, &CMainFrame::exportCsv);
    connect(m_Actions.mediaImportAudio, &QAction::triggered, this, &CMainFrame::importAudio);
}

void CMainFrame::importCsv() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import CSV"), {}, kCsvFilter);
    if (!path.isEmpty()) ImportCsv(path);
}

void CMainFrame::exportCsv() {
    const QString name =
        m_Doc.GetPathName().empty()
            ? QStringLiteral("MELVA.csv")
            : QFileInfo(QFile::decodeName(m_Doc.GetPathName().c_str())).completeBaseName() +
                  QStringLiteral(".csv");
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export as CSV"), name, kCsvFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    ExportCsv(path);
}

void CMainFrame::importAudio() {
    const QStringList paths = audio::PickAudioFiles(this);
    if (!paths.isEmpty()) ImportAudioFiles(paths);
}

bool CMainFrame::ImportCsv(const QString& path) {
    const csv::ImportOutcome outcome = csv::ImportFile(m_Doc, path);
    if (outcome.imported) {
        showChangedCatalogue({outcome.last});
        m_Prompts.Tell(this, outcome.message);
    } else {
        m_Prompts.Inform(this, outcome.message);
    }
    return outcome.imported;
}

bool CMainFrame::ExportCsv(const QString& path) {
    const QString error = csv::ExportFile(m_Doc.Catalogue(), path);
    if (!error.isEmpty()) {
        m_Prompts.Inform(this, error);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("%1 media exported to %2")
                                 .arg(m_Doc.Catalogue().Media().Count())
                                 .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool CMainFrame::ImportAudioFiles(const QStringList& paths) {
    const audio::ChosenFiles chosen = audio::ReadChosen(paths);
    const QString unreadable = chosen.unreadable.join(QLatin1Char('\n'));
    if (chosen.tags.empty()) {
        m_Prompts.Inform(this, QStringLiteral("None of the chosen files could be read as "
                                              "audio.\n\n%1")
                                   .arg(unreadable));
        return false;
    }
    std::size_t replaced = 0;
    catalog::NewMedium medium = catalog::MediumFromAudioFiles(
        chosen.tags, std::int32_t(QDateTime::currentSecsSinceEpoch()), &replaced);
    // The sheet shows the index the medium is about to get.
    CMediaSheetValues values =
        audio::SheetValuesOf(medium, m_Doc.Catalogue().Media().FreeMediaIndex());
    if (!m_Prompts.RunMediaSheet(this, values)) return false;
    audio::TakeSheetValues(values, medium);
    auto edit = std::make_unique<catalog::CatalogueEdit>(m_Doc.Catalogue());
    catalog::AddNewMedia(*edit, {&medium, 1});
    const std::vector<CMedia*> added = edit->FocusMedia();
    m_Doc.CommitEdit(std::move(edit), "Import audio files");
    showChangedCatalogue(added);
    QStringList notes;
    if (replaced != 0)
        notes << QStringLiteral("%1 texts held characters that a catalogue cannot store; they "
                                "show \"?\" instead.")
                     .arg(replaced);
    if (!chosen.unreadable.isEmpty())
        notes << QStringLiteral("These files could not be read and were left out:\n%1")
                     .arg(unreadable);
    if (!notes.isEmpty()) m_Prompts.Inform(this, notes.join(QStringLiteral("\n\n")));
    return true;
}
