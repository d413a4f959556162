#pragma once

#include "catalog_app/settings/settings_page.h"

class CCatalogue;
class CFormPreview;
class CFormSettings;
class CMedia;
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
    QPushButton* InstalledButton() const { return m_pInstalled; }
    CFormPreview* Preview() const { return m_pPreview; }

    /// The medium the preview fills the form with (the current one), none for placeholders.
    void SetPreviewMedium(CCatalogue* catalogue, const CMedia* medium);
    /// Selects the row of a media type, as a click on it would.
    void SelectType(int type);

protected:
    void OnInitDialog() override;

private:
    void OnSelectionChanged();
    void OnBrowse();
    void OnSet();
    void OnDelete();
    void OnInstalled();
    QLayout* CreateButtons();

    CFormSettings& m_Settings;
    QTreeWidget* m_pList;
    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    QPushButton* m_pSet;
    QPushButton* m_pDelete;
    QPushButton* m_pInstalled;
    CFormPreview* m_pPreview;
    int m_nSelected = -1;
    QString m_SelectedPath;
};
