#pragma once
// Print, Print Preview and Print Setup of the main window.

#include <functional>
#include <memory>
#include <vector>

class CCatalogue;
class CFormSettings;
class CLabelPrintJob;
class CMedia;
class CPrompts;
class QPrinter;
class QWidget;
struct FormMargins;
struct LabelSpacingValues;

/// The print commands over one printer for the program's run, so the choices made in
/// Print Setup and the print dialog hold for later jobs.
class CPrintCommands {
public:
    CPrintCommands(CFormSettings& settings, CPrompts& prompts);
    virtual ~CPrintCommands();
    CPrintCommands(const CPrintCommands&) = delete;
    CPrintCommands& operator=(const CPrintCommands&) = delete;

    /// Prints a label of the current medium, or one of each selected medium when several
    /// are selected (in list order), on the sheet of the current medium's type.
    void OnFilePrint(QWidget* parent, CCatalogue& catalogue, const CMedia* current,
                     const std::vector<const CMedia*>& selected);
    /// Shows the pages the same job would print.
    void OnFilePrintPreview(QWidget* parent, CCatalogue& catalogue, const CMedia* current,
                            const std::vector<const CMedia*>& selected);
    /// The page setup dialog over the printer.
    void OnFilePrintSetup(QWidget* parent);

    QPrinter& Printer() { return *m_pPrinter; }
    /// What the no-form message's button does: open the form paths at a media type.
    void SetOpenPaths(std::function<void(int type)> open) { m_openPaths = std::move(open); }

protected:
    /// Runs "Label spacing values"; false on Cancel.
    virtual bool AskStartCell(QWidget* parent, const FormMargins& margins,
                              LabelSpacingValues& values);
    /// Runs the print dialog; false on Cancel.
    virtual bool AskPrinter(QWidget* parent, QPrinter& printer);
    /// Runs the preview dialog, which asks the job to draw its pages.
    virtual void ShowPreview(QWidget* parent, QPrinter& printer, CLabelPrintJob& job);

private:
    /// Loads the forms and asks for the start cell; none when the job stops.
    std::unique_ptr<CLabelPrintJob> PrepareJob(QWidget* parent, CCatalogue& catalogue,
                                               const CMedia* current,
                                               const std::vector<const CMedia*>& selected);
    bool TakeStartCell(QWidget* parent, int type, CLabelPrintJob& job);

    CFormSettings& m_settings;
    CPrompts& m_prompts;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::function<void(int type)> m_openPaths;
};
