#pragma once

#include "catalog_app/settings/settings_page.h"

class CFormSettings;
class QLineEdit;
class QPushButton;
class QTreeWidget;

/// "Paths": the print form of each media type.
class CPropPath : public CSettingsPage {
    Q_OBJECT
public:
    CPropPath(CFormSettings& settings, QWidget* parent = nullptr);

    /// Each row's path, trimmed, becomes its type's form path; empty means no form.
    void OnOK() override;

    QTreeWidget* List() const { return m_pList; }
    QLineEdit* PathEdit() const { return m_pPath; }
    QPushButton* SetButton() const { return m_pSet; }
    QPushButton* DeleteButton() const { return m_pDelete; }

protected:
    void OnInitDialog() override;

private:
    void OnSelectionChanged();
    void OnBrowse();
    void OnSet();
    void OnDelete();

    CFormSettings& m_Settings;
    QTreeWidget* m_pList;
    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    QPushButton* m_pSet;
    QPushButton* m_pDelete;
    int m_nSelected = -1;
    QString m_SelectedPath;
};
