#pragma once

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
    /// Commands for the Enter, Insert and Delete keys (each may be nullptr).
    void SetKeyCommands(QAction* enter, QAction* insert, QAction* remove);

    /// The selected rows from the top down.
    std::vector<int> SelectedRows() const;
    /// Selects and focuses the row alone and scrolls it fully into view.
    void SelectRow(int row);

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

private:
    QMenu* m_pContextMenu = nullptr;
    QAction* m_pEnter = nullptr;
    QAction* m_pInsert = nullptr;
    QAction* m_pDelete = nullptr;
};
