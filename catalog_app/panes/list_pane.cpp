#include "catalog_app/panes/list_pane.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Report lists show grid lines between their cells.
class CGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

CListPane::CListPane(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setItemDelegate(new CGridDelegate(this));
    header()->setSectionsMovable(true);
    header()->setStretchLastSection(false);
    header()->setSortIndicatorShown(false);
}

void CListPane::SetKeyCommands(QAction* enter, QList<QAction*> insert, QAction* remove) {
    m_pEnter = enter;
    m_Insert = std::move(insert);
    m_pDelete = remove;
}

void CListPane::SetColumnWidths(std::initializer_list<ColumnWidth> widths) {
    int column = 0;
    for (const ColumnWidth& w : widths) {
        const QString text = model()->headerData(column, Qt::Horizontal).toString();
        const int wanted = w.factor * fontMetrics().horizontalAdvance(text) + w.extra;
        // The style pads cells more than the native list did: keep values and header whole.
        const int sample = fontMetrics().horizontalAdvance(QString::fromLatin1(w.sample)) + 16;
        setColumnWidth(column, std::max({wanted, sample, header()->sectionSizeHint(column)}));
        ++column;
    }
}

std::vector<int> CListPane::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CListPane::SelectRow(int row) {
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index, EnsureVisible);
}

int CListPane::ActingRow() const {
    const QModelIndex focused = currentIndex();
    if (focused.isValid() && selectionModel()->isRowSelected(focused.row())) return focused.row();
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void CListPane::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    OnSelectionStateChanged();
}

void CListPane::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    OnSelectionStateChanged();
}

void CListPane::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_pContextMenu) return;
    setFocus(Qt::PopupFocusReason);
    m_pContextMenu->exec(event->globalPos());
}

void CListPane::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    emit DoubleClicked();
}

void CListPane::keyPressEvent(QKeyEvent* event) {
    QAction* command = nullptr;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) command = m_pEnter;
        if (event->key() == Qt::Key_Insert) {
            const auto available = std::ranges::find_if(m_Insert, &QAction::isEnabled);
            command = available == m_Insert.end() ? m_Insert.value(0) : *available;
        }
        if (event->key() == Qt::Key_Delete) command = m_pDelete;
    }
    if (!command) return QTreeView::keyPressEvent(event);
    if (command->isEnabled()) command->trigger();
    event->accept();
}
