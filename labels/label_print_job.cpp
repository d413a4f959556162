#include "labels/label_print_job.h"

#include "labels/cell_overlap.h"
#include "labels/print_form.h"

#include "catalog/catalogue.h"
#include "catalog/cp1252.h"
#include "catalog/media_type.h"
#include "emf/player/device_context.h"
#include "emf/player/gdi_types.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace {

DeviceMetrics MetricsOf(const emf::DeviceContext& dc) {
    DeviceMetrics m;
    m.horzRes = dc.GetDeviceCaps(emf::HORZRES);
    m.vertRes = dc.GetDeviceCaps(emf::VERTRES);
    m.horzSize = dc.GetDeviceCaps(emf::HORZSIZE);
    m.vertSize = dc.GetDeviceCaps(emf::VERTSIZE);
    m.logPixelsX = dc.GetDeviceCaps(emf::LOGPIXELSX);
    m.logPixelsY = dc.GetDeviceCaps(emf::LOGPIXELSY);
    m.physicalOffsetX = dc.GetDeviceCaps(emf::PHYSICALOFFSETX);
    m.physicalOffsetY = dc.GetDeviceCaps(emf::PHYSICALOFFSETY);
    return m;
}

} // namespace

CLabelPrintJob::CLabelPrintJob(const CFormSettings& settings, CCatalogue& catalogue)
    : m_settings(settings), m_catalogue(catalogue) {}

CLabelPrintJob::~CLabelPrintJob() = default;

std::optional<FormProblem> CLabelPrintJob::LoadForms(const std::vector<const CMedia*>& media,
                                                     const std::optional<QString>& formPath) {
    m_labels.clear();
    std::vector<Label> labels;
    for (const CMedia* medium : media) {
        const int type = medium->MediaType();
        // A medium of a type the settings do not know (a damaged file) has no form.
        const std::optional<QString> path =
            formPath ? formPath
                     : (type >= 0 && type < m_settings.TypeCount() ? m_settings.FormPath(type)
                                                                   : std::nullopt);
        if (!path || path->isEmpty()) return FormProblem{medium, {}};
        auto& form = m_forms[*path];
        if (!form) {
            auto loaded = std::make_unique<CPrintForm>(m_settings);
            if (!loaded->LoadForm(QFile::encodeName(*path).toStdString())) {
                m_forms.erase(*path);
                return FormProblem{medium, *path};
            }
            form = std::move(loaded);
        }
        labels.push_back({medium, form.get()});
    }
    m_labels = std::move(labels);
    return std::nullopt;
}

void CLabelPrintJob::SetStartCell(std::int32_t column, std::int32_t row) {
    m_startColumn = column;
    m_startRow = row;
}

int CLabelPrintJob::PageCount() const {
    const auto cells = LabelCells(m_sheet, m_startColumn, m_startRow, m_labels.size());
    return cells.empty() ? 0 : cells.back().page + 1;
}

QString CLabelPrintJob::CellOverlapWarning() const {
    for (const Label& label : m_labels) {
        if (!label.form->Header()) continue;
        const emf::RectL& f = label.form->Header()->rclFrame;
        const int type = label.medium->MediaType();
        const QString name =
            type >= 0 && std::size_t(type) < catalog::MediaTypeNames.size()
                ? QString::fromLatin1(catalog::MediaTypeNames[std::size_t(type)].data(),
                                      qsizetype(catalog::MediaTypeNames[std::size_t(type)].size()))
                : QStringLiteral("label");
        const QString message =
            CellOverlapMessage(name, {f.left, f.top, f.right, f.bottom}, m_sheet);
        if (!message.isEmpty()) return message;
    }
    return {};
}

QString CLabelPrintJob::DocumentTitle() const {
    if (m_labels.size() != 1) return QStringLiteral("Labels");
    return QString::fromStdString(catalog::Cp1252ToUtf8(m_labels.front().medium->Title1()));
}

bool CLabelPrintJob::Print(QPrinter& printer) {
    printer.setDocName(DocumentTitle());
    printer.setCreator(QStringLiteral("Melvara"));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    {
        emf::DeviceContext dc(painter);
        const DeviceMetrics device = MetricsOf(dc);
        const auto cells = LabelCells(m_sheet, m_startColumn, m_startRow, m_labels.size());
        for (std::size_t i = 0; i < m_labels.size(); ++i) {
            if (i > 0 && cells[i].page != cells[i - 1].page && !printer.newPage()) return false;
            PrintLabel(dc, device, m_labels[i], cells[i]);
        }
    }
    return painter.end();
}

void CLabelPrintJob::PrintLabel(emf::DeviceContext& dc, const DeviceMetrics& device,
                                const Label& label, const LabelCell& cell) {
    const DevicePoint origin = m_fine && m_sheet.spacingEnabled
                                   ? FineCellOrigin(*m_fine, cell.column, cell.row, device)
                                   : StartCellOrigin(m_sheet, cell.column, cell.row, device);
    dc.SetViewportOrg(origin.x, origin.y);
    label.form->BindMedium(m_catalogue, label.medium);
    // A form without a header has no size: its label stays empty.
    if (!label.form->Header()) return;
    const emf::RectL& f = label.form->Header()->rclFrame;
    const DeviceRect r = FormDestination({f.left, f.top, f.right, f.bottom}, device);
    label.form->PlayForm(dc, QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}
