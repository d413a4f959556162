#pragma once

#include "catalog_app/settings/settings_page.h"

#include "labels/form_settings.h"

#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

/// "Text lengths": per media type, which placeholder texts are clipped and to how many
/// millimetres. Edits go to a working copy of the table that OK puts into the store.
class CPropLength : public CSettingsPage {
    Q_OBJECT
public:
    CPropLength(CFormSettings& settings, QWidget* parent = nullptr);

    void OnOK() override;
    /// "reset": the selected placeholder's flag and length become 0.
    void OnReset();

    QListWidget* TypeList() const { return m_pTypes; }
    QTreeWidget* PlaceholderList() const { return m_pList; }
    QCheckBox* ClipBox() const { return m_pClip; }
    QLineEdit* LengthField() const { return m_pLength; }
    QPushButton* SetButton() const { return m_pSet; }
    QPushButton* ResetButton() const { return m_pReset; }
    QPushButton* ResetAllButton() const { return m_pResetAll; }

protected:
    void OnInitDialog() override;

private:
    QLayout* CreateFields();
    void OnTypeChanged();
    void OnPlaceholderChanged();
    void OnSet();
    void OnResetAll();
    void ShowRow(int entry);
    TextLengths* Selected();

    CFormSettings& m_Settings;
    QListWidget* m_pTypes;
    QTreeWidget* m_pList;
    QCheckBox* m_pClip;
    QLineEdit* m_pLength;
    QPushButton* m_pSet;
    QPushButton* m_pReset;
    QPushButton* m_pResetAll;
    std::vector<TextLengths> m_Lengths; ///< the working copy, one record per type
    int m_nType = -1;                   ///< media type of the selected list-box item
    int m_nSelected = -1;               ///< selected placeholder row
};
