#pragma once

#include "catalog_app/ui/dialog_values.h"

#include <QDialog>

class CAnsiLineEdit;
class CCatalogue;
class CInterpreterTable;
class QLabel;
class QLineEdit;
class QPushButton;

/// The "Track Information" dialog: title, record length and interpreter of one track.
/// The interpreter is typed or picked; OK adds a name the list does not know yet.
class CTrackInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr std::uint32_t kMaxLength = 99959; // 999:59

    explicit CTrackInfoDlg(CCatalogue& catalogue, QWidget* parent = nullptr);

    /// Fills the controls; the name edit shows the interpreter with the given index.
    void SetValues(const CTrackDialogValues& values);
    /// What the dialog ended with (valid after accept()).
    const CTrackDialogValues& Values() const { return m_Values; }

    /// Checks the length, finds or adds the interpreter and closes; a bad length (out of
    /// range, or seconds of 60 and more typed in) shows a message and keeps the dialog
    /// open without touching the catalogue.
    void accept() override;

    CInterpreterTable* Picker() const { return m_pPicker; }
    CAnsiLineEdit* TitleEdit() const { return m_pTitle; }
    QLineEdit* LengthEdit() const { return m_pLength; }
    CAnsiLineEdit* NameEdit() const { return m_pName; }
    QPushButton* PickButton() const { return m_pPick; }

private:
    QLayout* CreateFields();
    QLayout* CreatePicker();
    void OnPickChanged();
    void OnPick();
    /// Why the length text cannot be taken; empty when it can.
    QString LengthProblem(const QString& text) const;

    CCatalogue& m_Catalogue;
    QLabel* m_pIndex;
    CAnsiLineEdit* m_pTitle;
    QLineEdit* m_pLength;
    CInterpreterTable* m_pPicker;
    QPushButton* m_pPick;
    CAnsiLineEdit* m_pName;
    QString m_PickedName;
    int m_nPickedRow = -1;
    CTrackDialogValues m_Values;
};
