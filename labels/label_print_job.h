#pragma once
// One print job: a label for each medium, each drawn with its own medium's form, into
// consecutive cells of one sheet. The menus' Print and Print Preview and the command line
// all print through it.

#include "labels/form_settings.h"
#include "labels/label_layout.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class CCatalogue;
class CMedia;
class CPrintForm;
class QPrinter;

namespace emf {
class DeviceContext;
}

/// Why a job cannot print: the medium whose form is missing (empty path) or does not open.
struct FormProblem {
    const CMedia* medium = nullptr;
    QString path;
};

class CLabelPrintJob {
public:
    CLabelPrintJob(const CFormSettings& settings, CCatalogue& catalogue);
    ~CLabelPrintJob();
    CLabelPrintJob(const CLabelPrintJob&) = delete;
    CLabelPrintJob& operator=(const CLabelPrintJob&) = delete;

    /// Loads the form of each medium's type (formPath for every medium when given), each
    /// file once. On a problem the job holds no labels and prints nothing.
    std::optional<FormProblem> LoadForms(const std::vector<const CMedia*>& media,
                                         const std::optional<QString>& formPath = std::nullopt);

    /// The sheet the labels are placed on; spacing disabled until set.
    void SetSheet(const FormMargins& sheet) { m_sheet = sheet; }
    const FormMargins& Sheet() const { return m_sheet; }
    /// Places the cells at a product's own numbers instead of the sheet's whole millimetres;
    /// columns, rows and spacing still come from the sheet.
    void SetFineSheet(const FineSheet& fine) { m_fine = fine; }
    /// The 1-based cell of the first label.
    void SetStartCell(std::int32_t column, std::int32_t row);

    std::size_t LabelCount() const { return m_labels.size(); }
    int PageCount() const;
    /// Why labels would print over each other: a form larger than a cell of the sheet;
    /// empty when every form fits.
    QString CellOverlapWarning() const;
    /// The PDF's title: the medium's first title line, "Labels" for several media.
    QString DocumentTitle() const;

    /// Reads the printer's metrics, binds and places each label and plays its form; false
    /// when the printer cannot be opened or written.
    bool Print(QPrinter& printer);

private:
    struct Label {
        const CMedia* medium;
        CPrintForm* form;
    };
    void PrintLabel(emf::DeviceContext& dc, const DeviceMetrics& device, const Label& label,
                    const LabelCell& cell);

    const CFormSettings& m_settings;
    CCatalogue& m_catalogue;
    std::map<QString, std::unique_ptr<CPrintForm>> m_forms;
    std::vector<Label> m_labels;
    FormMargins m_sheet;
    std::optional<FineSheet> m_fine;
    std::int32_t m_startColumn = 1, m_startRow = 1;
};
