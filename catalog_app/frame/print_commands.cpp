#include "catalog_app/frame/print_commands.h"

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/dialogs/spacing_dialog.h"
#include "labels/form_settings.h"
#include "labels/label_print_job.h"

#include "catalog/media.h"

#include <QLabel>
#include <QLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

const QString kNoForm =
    QStringLiteral("No valid printer form found for this type of media!\nCheck the file and "
                   "path name given in the settings\nfor this type of media.");

} // namespace

CPrintCommands::CPrintCommands(CFormSettings& settings, CPrompts& prompts)
    : m_settings(settings), m_prompts(prompts),
      m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

CPrintCommands::~CPrintCommands() = default;

std::unique_ptr<CLabelPrintJob>
CPrintCommands::PrepareJob(QWidget* parent, CCatalogue& catalogue, const CMedia* current,
                           const std::vector<const CMedia*>& selected) {
    if (!current) {
        m_prompts.Inform(parent, kNoForm);
        return nullptr;
    }
    // A form or margins set in another window count from its next job on.
    m_settings.RefreshFormSettings();
    auto job = std::make_unique<CLabelPrintJob>(m_settings, catalogue);
    if (const auto problem =
            job->LoadForms(selected.size() > 1 ? selected : std::vector{current})) {
        if (m_prompts.InformNoForm(parent, kNoForm) && m_openPaths)
            m_openPaths(problem->medium->MediaType());
        return nullptr;
    }
    // Every form loaded, so the current medium's type is one the settings know.
    if (!TakeStartCell(parent, current->MediaType(), *job)) return nullptr;
    return job;
}

bool CPrintCommands::TakeStartCell(QWidget* parent, int type, CLabelPrintJob& job) {
    FormMargins sheet = m_settings.Margins(type);
    // Every job asks again, from cell 1/1.
    LabelSpacingValues values;
    if (sheet.spacingEnabled) {
        if (!AskStartCell(parent, sheet, values)) return false;
        if (values.dontUseSpacing) {
            // As the box says: this job and the type's later ones print without spacing,
            // until the "Margins" page enables it again.
            sheet.spacingEnabled = 0;
            std::vector<FormMargins> table = m_settings.CopyMargins();
            table[type].spacingEnabled = 0;
            m_settings.ReplaceMargins(table);
            m_settings.WriteChangedSettings();
        }
    }
    job.SetSheet(sheet);
    job.SetStartCell(values.column, values.row);
    return true;
}

void CPrintCommands::OnFilePrint(QWidget* parent, CCatalogue& catalogue, const CMedia* current,
                                 const std::vector<const CMedia*>& selected) {
    const auto job = PrepareJob(parent, catalogue, current, selected);
    if (!job || !AskPrinter(parent, *m_pPrinter)) return;
    if (!job->Print(*m_pPrinter))
        m_prompts.Inform(parent, QStringLiteral("The label could not be printed:\nthe printer "
                                                "or the output file cannot be written."));
}

void CPrintCommands::OnFilePrintPreview(QWidget* parent, CCatalogue& catalogue,
                                        const CMedia* current,
                                        const std::vector<const CMedia*>& selected) {
    if (const auto job = PrepareJob(parent, catalogue, current, selected))
        ShowPreview(parent, *m_pPrinter, *job);
}

void CPrintCommands::OnFilePrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(m_pPrinter.get(), parent);
    dialog.exec();
}

bool CPrintCommands::AskStartCell(QWidget* parent, const FormMargins& margins,
                                  LabelSpacingValues& values) {
    CLabelSpacingDlg dialog(margins, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.Values();
    return true;
}

bool CPrintCommands::AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // The job decides its pages; there is no range to choose from.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

void CPrintCommands::ShowPreview(QWidget* parent, QPrinter& printer, CLabelPrintJob& job) {
    QPrintPreviewDialog preview(&printer, parent);
    // Its own default size shows a page too small to read a label.
    if (parent) preview.resize(parent->window()->size().expandedTo(QSize(800, 700)));
    if (const QString warning = job.CellOverlapWarning(); !warning.isEmpty() && preview.layout()) {
        auto* note = new QLabel(warning, &preview);
        note->setWordWrap(true);
        note->setContentsMargins(8, 4, 8, 4);
        note->setObjectName(QStringLiteral("cellOverlapWarning"));
        preview.layout()->addWidget(note);
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* target) { job.Print(*target); });
    preview.exec();
}
