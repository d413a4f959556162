#pragma once

#include "labels/form_settings.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

/// What "Label spacing values" ends with.
struct LabelSpacingValues {
    int column = 1;
    int row = 1;
    bool dontUseSpacing = false; ///< "Don't use spacing for this type of media." was ticked
};

/// "Label spacing values": the cell of the sheet the (first) label goes to.
class CLabelSpacingDlg : public QDialog {
    Q_OBJECT
public:
    /// The arrows run from 1 to the sheet's columns and rows; both fields start at 1.
    explicit CLabelSpacingDlg(const FormMargins& margins, QWidget* parent = nullptr);

    /// Closes with the values; a column or row outside 0 to 100 shows the standard message
    /// and keeps the dialog open.
    void accept() override;
    /// The values taken back on OK.
    const LabelSpacingValues& Values() const { return m_Values; }

    QSpinBox* ColumnField() const { return m_pColumn; }
    QSpinBox* RowField() const { return m_pRow; }
    QCheckBox* NoSpacingBox() const { return m_pNoSpacing; }

private:
    QSpinBox* m_pColumn;
    QSpinBox* m_pRow;
    QCheckBox* m_pNoSpacing;
    LabelSpacingValues m_Values;
};
