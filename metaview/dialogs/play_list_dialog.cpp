#include "metaview/dialogs/play_list_dialog.h"

#include "metaview/dialogs/play_list_model.h"
#include "metaview/document/viewer_document.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QGroupBox* ButtonGroup(const QString& title, QPushButton* mark, QPushButton* unmark) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(mark);
    layout->addWidget(unmark);
    return box;
}

} // namespace

CPlayListDlg::CPlayListDlg(metaview::ViewerDocument& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_model(new metaview::PlayListModel(doc.Data(), this)),
      m_list(new QTreeView), m_markGeneral(new QPushButton(QStringLiteral("mark selection"))),
      m_unmarkGeneral(new QPushButton(QStringLiteral("unmark selection"))),
      m_markPlaying(new QPushButton(QStringLiteral("mark selection"))),
      m_unmarkPlaying(new QPushButton(QStringLiteral("unmark selection"))) {
    setWindowTitle(QStringLiteral("List of EMF Entries"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    // Rows of one height let a list of a million records show at once.
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(QSize(32, 16));
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setStretchLastSection(false);
    const int average = m_list->fontMetrics().averageCharWidth();
    m_list->setColumnWidth(metaview::PlayListModel::IndexColumn, 10 * average + 40);
    // The longest type name fits, whatever the font's average character.
    const int longest =
        m_list->fontMetrics().horizontalAdvance(QStringLiteral("EMR_CREATEDIBPATTERNBRUSHPT"));
    m_list->setColumnWidth(metaview::PlayListModel::TypeColumn,
                           std::max(30 * average, longest + 16));
    m_list->setColumnWidth(metaview::PlayListModel::IdColumn, 5 * average);

    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* groups = new QHBoxLayout;
    groups->addWidget(
        ButtonGroup(QStringLiteral("General Marking"), m_markGeneral, m_unmarkGeneral));
    groups->addWidget(ButtonGroup(QStringLiteral("Playing"), m_markPlaying, m_unmarkPlaying));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(ok);
    layout->addLayout(groups);
    resize(m_list->columnWidth(0) + m_list->columnWidth(1) + m_list->columnWidth(2) + 50, 480);

    enableButtons(false);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { enableButtons(m_list->selectionModel()->hasSelection()); });
    connect(m_markGeneral, &QPushButton::clicked, this, [this] { markSelection(false, true); });
    connect(m_unmarkGeneral, &QPushButton::clicked, this, [this] { markSelection(false, false); });
    connect(m_markPlaying, &QPushButton::clicked, this, [this] { markSelection(true, true); });
    connect(m_unmarkPlaying, &QPushButton::clicked, this, [this] { markSelection(true, false); });
}

void CPlayListDlg::enableButtons(bool on) {
    for (QPushButton* button : {m_markGeneral, m_unmarkGeneral, m_markPlaying, m_unmarkPlaying})
        button->setEnabled(on);
}

void CPlayListDlg::markSelection(bool playing, bool on) {
    CEMFData& metafile = m_doc.Data();
    // By ranges: selecting a million rows must not make a million indexes.
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            playing ? metafile.SetPlayFlag(std::size_t(row), on)
                    : metafile.SetGeneralMark(std::size_t(row), on);
    if (playing) {
        metafile.SetPlayMode(PlayPlayList);
        m_doc.UpdateAllViews();
    }
    m_list->selectionModel()->clearSelection();
    m_model->Refresh();
    enableButtons(false);
}
