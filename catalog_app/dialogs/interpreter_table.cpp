#include "catalog_app/dialogs/interpreter_table.h"

#include "catalog_app/ui/list_compare.h"
#include "catalog_app/ui/ui_text.h"

#include "catalog/interpreter_list.h"

#include <QHeaderView>

CInterpreterItem::CInterpreterItem(const CInterpreter& interpreter)
    : m_Interpreter(interpreter), m_nIndex(interpreter.InterpreterIndex()) {
    setText(0, ui::FormatIndex(m_nIndex));
    setText(1, ui::FromAnsi(interpreter.Name()));
}

bool CInterpreterItem::operator<(const QTreeWidgetItem& other) const {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const auto& that = static_cast<const CInterpreterItem&>(other);
    return SortsBefore(m_Interpreter, that.m_Interpreter, column, CompareInterpreters);
}

CInterpreterTable::CInterpreterTable(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(SingleSelection);
    setHeaderLabels({QStringLiteral("Index"), QStringLiteral("Name")});
    // The index column also holds the row mark image of the interpreter list.
    const QFontMetrics metrics = fontMetrics();
    setColumnWidth(0, std::max(2 * metrics.horizontalAdvance(QStringLiteral("Index")),
                               metrics.horizontalAdvance(QStringLiteral("000000")) + 44));
    setColumnWidth(1, 8 * metrics.horizontalAdvance(QStringLiteral("Name")));
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortItems(column, Qt::AscendingOrder); });
}

void CInterpreterTable::Fill(const CInterpreterList& interpreters) {
    clear();
    QList<QTreeWidgetItem*> rows;
    for (const CInterpreter& interpreter : interpreters)
        rows.append(new CInterpreterItem(interpreter));
    addTopLevelItems(rows);
}

CInterpreterItem* CInterpreterTable::Row(int row) const {
    return static_cast<CInterpreterItem*>(topLevelItem(row));
}

int CInterpreterTable::SelectedRow() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}
