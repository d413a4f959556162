#pragma once

#include <QList>
#include <QTreeView>

#include <initializer_list>
#include <vector>

class QAction;
class QMenu;

/// The look and handling both catalogue lists share: report rows with grid lines, full-row
/// multi-selection, movable column headers, a context menu taken from the main menu, and
/// keys that trigger the main window's commands.
class CListPane : public QTreeView {
    Q_OBJECT
public:
    explicit CListPane(QWidget* parent = nullptr);

    /// The main menu's popup to show on a right click or the menu key.
    void SetContextMenu(QMenu* menu) { m_pContextMenu = menu; }
    /// Commands for the Enter, Insert and Delete keys (each may be nullptr); the Insert key
    /// triggers the first of its commands that is available.
    void SetKeyCommands(QAction* enter, QList<QAction*> insert, QAction* remove);

    /// The selected rows from the top down.
    std::vector<int> SelectedRows() const;
    /// Selects and focuses the row alone and scrolls it fully into view.
    void SelectRow(int row);
    /// The row the commands act on: the focused row when it is selected, else the topmost
    /// selected row; -1 when nothing is selected.
    int ActingRow() const;

signals:
    /// A double click anywhere in the list, on a row or not.
    void DoubleClicked();

protected:
    /// Sets each column's width to factor x header text width + extra, in the list's font,
    /// but never narrower than the sample text (the widest value the column shows).
    struct ColumnWidth {
        int factor;
        int extra;
        const char* sample = "";
    };
    void SetColumnWidths(std::initializer_list<ColumnWidth> widths);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    /// Called after every change of the selection or the focused row.
    virtual void OnSelectionStateChanged() {}

private:
    QMenu* m_pContextMenu = nullptr;
    QAction* m_pEnter = nullptr;
    QList<QAction*> m_Insert;
    QAction* m_pDelete = nullptr;
};
