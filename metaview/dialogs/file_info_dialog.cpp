#include "metaview/dialogs/file_info_dialog.h"

#include "metaview/document/emf_data.h"
#include "metaview/document/file_info.h"
#include "metaview/document/load_notes.h"
#include "metaview/document/plus_inspection.h"

#include "emf/cp1252.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString FromAnsi(const std::string& text) {
    const std::u16string wide = emf::FromCp1252(text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

} // namespace

CFileInfoDlg::CFileInfoDlg(const CEMFData& metafile, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget), m_notes(new QLabel) {
    setWindowTitle(QStringLiteral("EMF File Information"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({QStringLiteral("Information describtion"), QStringLiteral("Value")});
    m_list->header()->setSectionsClickable(false);
    const int average = m_list->fontMetrics().averageCharWidth();
    m_list->setColumnWidth(0, 30 * average);
    m_list->setColumnWidth(1, 30 * average);
    for (const metaview::FileInfoRow& row :
         metaview::FileInformationRows(metafile.Header(), metafile.Description()))
        m_list->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(row.label), FromAnsi(row.value)}));
    if (metafile.HasPicture())
        for (const metaview::FileInfoRow& row : metaview::PlusInformationRows(metafile.Picture()))
            m_list->addTopLevelItem(new QTreeWidgetItem(
                {QString::fromStdString(row.label), QString::fromStdString(row.value)}));
    // Long labels and values (the two rectangles) get the room they need.
    for (int column : {0, 1}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, std::max(m_list->columnWidth(column), 30 * average));
    }

    const std::string notes =
        metafile.HasPicture() ? metaview::LoadNoteText(metafile.Picture().Notes()) : std::string();
    m_notes->setText(QString::fromStdString(notes).trimmed());
    m_notes->setWordWrap(true);
    m_notes->setVisible(!notes.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_notes);
    layout->addWidget(buttons);
    const int rowHeight = m_list->sizeHintForRow(0) > 0 ? m_list->sizeHintForRow(0) : 18;
    resize(m_list->columnWidth(0) + m_list->columnWidth(1) + 40,
           rowHeight * int(metaview::kFileInfoRowCount + 3) + 110 + (notes.empty() ? 0 : 40));
}

QString CFileInfoDlg::Notes() const {
    return m_notes->isHidden() ? QString() : m_notes->text();
}
