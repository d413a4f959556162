#pragma once

#include <QTreeWidget>

#include <cstdint>

class CInterpreter;
class CInterpreterList;

/// One row of an interpreter list: "%06d" of the index and the name. It keeps the index
/// by value, so it can still be applied after its record went; sorting compares the
/// records' stored names, not a pending new name shown in the row.
class CInterpreterItem : public QTreeWidgetItem {
public:
    explicit CInterpreterItem(const CInterpreter& interpreter);

    std::uint32_t InterpreterIndex() const { return m_nIndex; }
    QString NameText() const { return text(1); }
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    const CInterpreter& m_Interpreter;
    std::uint32_t m_nIndex;
};

/// The two-column interpreter list both interpreter dialogs show: one row selected at
/// most, sorted ascending by the clicked column.
class CInterpreterTable : public QTreeWidget {
    Q_OBJECT
public:
    explicit CInterpreterTable(QWidget* parent = nullptr);

    /// One row per interpreter, in list order.
    void Fill(const CInterpreterList& interpreters);
    CInterpreterItem* Row(int row) const;
    /// The row of the selected item, or -1.
    int SelectedRow() const;
};
