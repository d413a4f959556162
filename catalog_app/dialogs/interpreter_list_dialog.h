#pragma once

#include <QDialog>

class CAnsiLineEdit;
class CInterpreterTable;
class CMELVARADoc;
class CPrompts;
class QPushButton;

/// The "Interpreter List" dialog: renames and deletes interpreters. Changes are only
/// marked on the rows and reach the catalogue on OK.
class CInterpreterListDlg : public QDialog {
    Q_OBJECT
public:
    /// The row marks, in the order of their images.
    enum RowMark { Unchanged = 0, Deleted = 1, Renamed = 2 };

    CInterpreterListDlg(CMELVARADoc& doc, CPrompts& prompts, QWidget* parent = nullptr);

    /// Marks the row deleted (its name shows empty); a later mark replaces an earlier one.
    void MarkDeleted(int row);
    /// Marks the row renamed to name.
    void MarkRenamed(int row, const QString& name);
    RowMark MarkOf(int row) const;
    /// Deletes and renames as marked; the document is marked modified if anything was.
    void accept() override;

    CInterpreterTable* List() const { return m_pList; }
    CAnsiLineEdit* NameEdit() const { return m_pName; }
    QPushButton* SetButton() const { return m_pSet; }
    QPushButton* DeleteButton() const { return m_pDelete; }

private:
    void SetMark(int row, RowMark mark);
    void OnSelectionChanged();
    void OnHeaderClicked();
    void OnSet();
    void OnDelete();

    CMELVARADoc& m_Doc;
    CPrompts& m_Prompts;
    CInterpreterTable* m_pList;
    CAnsiLineEdit* m_pName;
    QPushButton* m_pSet;
    QPushButton* m_pDelete;
    int m_nSelectedRow = -1;
};
