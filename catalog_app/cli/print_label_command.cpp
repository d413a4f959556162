#include "catalog_app/cli/print_label_command.h"

#include "catalog_app/ui/ui_text.h"
#include "labels/form_settings.h"
#include "labels/label_print_job.h"
#include "labels/sheets/sheet_database.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>
#include <limits>
#include <sys/stat.h>

namespace {

std::optional<std::uint32_t> ParseDecimal(const QString& text, std::uint32_t max) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > max) return std::nullopt;
    }
    return std::uint32_t(value);
}

// What the job prints and on which sheet, from the request's texts.
struct LabelPlan {
    std::vector<IndexRange> media;
    std::optional<FormMargins> sheet;
    std::optional<FineSheet> fine; ///< a product's own numbers, finer than sheet's
    std::int32_t column = 1, row = 1;
    QPageSize paper;
};

std::optional<QPageSize> PaperNamed(const QString& name) {
    if (name.isEmpty())
        return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                             ? QPageSize::Letter
                             : QPageSize::A4);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (QPageSize::key(size).compare(name, Qt::CaseInsensitive) == 0 ||
            QPageSize::name(size).compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(size);
    }
    return std::nullopt;
}

// The product's paper when it is a known size, so its cells land where the sheet has them.
std::optional<QPageSize> ProductPaper(const sheets::SheetTemplate& s) {
    if (s.paperWidth <= 0 || s.paperHeight <= 0) return std::nullopt;
    return QPageSize(QSizeF(s.paperWidth, s.paperHeight), QPageSize::Millimeter, s.paper,
                     QPageSize::FuzzyMatch);
}

QString TakeProduct(const LabelRequest& request, const QStringList& folders, LabelPlan& plan) {
    if (!request.margins.isEmpty())
        return QStringLiteral("--sheet and --margins both place the labels; give one of them");
    sheets::SheetDatabase db;
    db.Load(folders);
    if (db.IsEmpty()) return QStringLiteral("--sheet: ") + sheets::MissingDatabaseHint();
    const sheets::SheetTemplate* product = db.Find(request.sheet);
    if (!product)
        return QStringLiteral("--sheet %1: no such label sheet product (see --list-sheets)")
            .arg(request.sheet);
    plan.sheet = sheets::ToFormMargins(*product);
    const auto mm100 = [](double mm) { return std::llround(mm * 100); };
    plan.fine = FineSheet{mm100(product->left), mm100(product->top),
                          mm100(product->horizontalPitch), mm100(product->verticalPitch)};
    if (request.paper.isEmpty())
        if (const auto paper = ProductPaper(*product)) plan.paper = *paper;
    return {};
}

QString ReadPlan(const LabelRequest& request, const QStringList& folders, LabelPlan& plan) {
    const auto media = ParseMediaList(request.media);
    if (!media)
        return QStringLiteral("--media %1: expected indexes like 3,5,10-12").arg(request.media);
    plan.media = *media;
    if (!request.margins.isEmpty()) {
        const auto m = ParseNumbers(request.margins, 6);
        if (!m || (*m)[4] < 1 || (*m)[5] < 1)
            return QStringLiteral("--margins %1: expected six whole numbers L,T,H,V,C,R "
                                  "with at least one column and row")
                .arg(request.margins);
        plan.sheet = FormMargins{(*m)[0], (*m)[1], (*m)[2], (*m)[3], (*m)[4], (*m)[5], 1};
    }
    if (!request.cell.isEmpty()) {
        const auto c = ParseNumbers(request.cell, 2);
        if (!c || (*c)[0] < 1 || (*c)[1] < 1)
            return QStringLiteral("--cell %1: expected column and row from 1 on, like 2,3")
                .arg(request.cell);
        plan.column = (*c)[0];
        plan.row = (*c)[1];
    }
    const auto paper = PaperNamed(request.paper);
    if (!paper) return QStringLiteral("--paper %1: unknown paper size").arg(request.paper);
    plan.paper = *paper;
    if (!request.sheet.isEmpty()) return TakeProduct(request, folders, plan);
    return {};
}

// The media in the order asked for; stops at the first index the catalogue lacks, so a
// huge range costs no more than the catalogue holds.
QString FindMedia(CCatalogue& catalogue, const std::vector<IndexRange>& ranges,
                  std::vector<const CMedia*>& media) {
    for (const IndexRange& range : ranges) {
        for (std::uint64_t i = range.first; i <= range.last; ++i) {
            const CMedia* medium = catalogue.Media().FindMedia(std::uint32_t(i));
            if (!medium) return QStringLiteral("medium %1 is not in the catalogue").arg(i);
            media.push_back(medium);
        }
    }
    return {};
}

QString DescribeProblem(const FormProblem& problem) {
    if (problem.path.isEmpty())
        return QStringLiteral("medium %1 (%2) has no print form; set one in Settings or use --form")
            .arg(problem.medium->MediaIndex())
            .arg(ui::MediaTypeName(problem.medium->MediaType()));
    return QStringLiteral("%1: cannot open the print form").arg(problem.path);
}

// The start cell must lie on the sheet, as the spacing dialog's ranges keep it there.
QString CheckCell(const LabelPlan& plan, const FormMargins& sheet) {
    if (!sheet.spacingEnabled ||
        (plan.column <= std::max(1, sheet.columns) && plan.row <= std::max(1, sheet.rows)))
        return {};
    return QStringLiteral("--cell %1,%2: the sheet has %3 columns and %4 rows")
        .arg(plan.column)
        .arg(plan.row)
        .arg(sheet.columns)
        .arg(sheet.rows);
}

// The PDF is written beside its destination and renamed over it only when complete.
QString WritePdf(CLabelPrintJob& job, const QPageSize& paper, const QString& out) {
    const QFileInfo target(out);
    QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".melvara-XXXXXX.pdf")));
    if (!temporary.open())
        return QStringLiteral("%1: cannot write: %2").arg(out, temporary.errorString());
    temporary.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    // A PDF page has no unprintable border: the paper edge is the printable area's.
    printer.setPageSize(paper);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setCreator(QStringLiteral("Melvara"));
    if (!job.Print(printer)) return QStringLiteral("%1: cannot write").arg(out);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(temporary.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(out).constData()) != 0)
        return QStringLiteral("%1: cannot write").arg(out);
    temporary.setAutoRemove(false);
    return {};
}

} // namespace

std::optional<std::vector<IndexRange>> ParseMediaList(const QString& text) {
    std::vector<IndexRange> ranges;
    const std::uint32_t max = std::numeric_limits<std::uint32_t>::max();
    for (const QString& item : text.split(QLatin1Char(','))) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const auto first = ParseDecimal(dash < 0 ? item : item.left(dash), max);
        const auto last = dash < 0 ? first : ParseDecimal(item.mid(dash + 1), max);
        if (!first || !last || *last < *first) return std::nullopt;
        ranges.push_back({*first, *last});
    }
    return ranges;
}

std::optional<std::vector<std::int32_t>> ParseNumbers(const QString& text, int count) {
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != count) return std::nullopt;
    std::vector<std::int32_t> numbers;
    for (const QString& item : items) {
        const auto n = ParseDecimal(item, std::numeric_limits<std::int32_t>::max());
        if (!n) return std::nullopt;
        numbers.push_back(std::int32_t(*n));
    }
    return numbers;
}

QString PrintLabelCommand(const LabelRequest& request, const CFormSettings& settings,
                          const QStringList& sheetFolders) {
    LabelPlan plan;
    if (QString error = ReadPlan(request, sheetFolders, plan); !error.isEmpty()) return error;
    CCatalogue catalogue;
    const catalog::CatalogueStatus status =
        catalog::LoadCatalogueFile(catalogue, QFile::encodeName(request.catalogue).toStdString());
    if (!status.ok())
        return QStringLiteral("%1: %2").arg(
            request.catalogue, QString::fromStdString(status.Message()).replace('\n', ' '));
    std::vector<const CMedia*> media;
    if (QString error = FindMedia(catalogue, plan.media, media); !error.isEmpty()) return error;
    CLabelPrintJob job(settings, catalogue);
    const auto form = request.form.isEmpty() ? std::nullopt : std::optional(request.form);
    if (const auto problem = job.LoadForms(media, form)) return DescribeProblem(*problem);
    const int type = media.front()->MediaType();
    const FormMargins sheet =
        plan.sheet
            ? *plan.sheet
            : (type >= 0 && type < settings.TypeCount() ? settings.Margins(type) : FormMargins{});
    if (QString error = CheckCell(plan, sheet); !error.isEmpty()) return error;
    job.SetSheet(sheet);
    if (plan.fine) job.SetFineSheet(*plan.fine);
    job.SetStartCell(plan.column, plan.row);
    return WritePdf(job, plan.paper, request.pdf);
}
