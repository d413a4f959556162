#pragma once

#include "catalog_app/settings/settings_page.h"

#include "labels/form_settings.h"

#include <array>
#include <vector>

namespace sheets {
class SheetDatabase;
struct SheetTemplate;
} // namespace sheets

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

/// "Margins": where the labels of each media type sit on a sheet. Edits go to a working
/// copy of the margins table that OK puts into the store.
class CPropMargin : public CSettingsPage {
    Q_OBJECT
public:
    CPropMargin(CFormSettings& settings, QWidget* parent = nullptr);

    void OnOK() override;
    /// "reset": the selected record becomes 0, 0, 0, 0, 1, 1, spacing off.
    void OnReset();

    QTreeWidget* List() const { return m_pList; }
    /// Left margin, top margin, horizontal and vertical spacing, columns, rows.
    QLineEdit* Field(int i) const { return m_Fields[i]; }
    QCheckBox* SpacingBox() const { return m_pSpacing; }
    QPushButton* SetButton() const { return m_pSet; }
    QPushButton* ResetButton() const { return m_pReset; }
    QPushButton* ProductButton() const { return m_pProduct; }
    /// What the page says about the selected type: a chosen product's rounding, a form
    /// larger than one cell.
    QLabel* NoteLabel() const { return m_pNote; }

    /// The products "Sheet product..." lists (tests give their own; else gLabels' folders).
    void SetProductDatabase(const sheets::SheetDatabase* db);
    /// Takes a product's layout for the selected type, as "set" takes the fields.
    void ApplyProduct(const sheets::SheetTemplate& product);

protected:
    void OnInitDialog() override;

private:
    QLayout* CreateFields();
    void OnSelectionChanged();
    void OnSet();
    void ShowRow(int type);
    void OnProduct();
    /// Where no products are installed, the button says how to get them.
    void DescribeProductButton();
    const sheets::SheetDatabase& Products() const;
    QString OverlapNote() const;

    CFormSettings& m_Settings;
    QTreeWidget* m_pList;
    std::array<QLineEdit*, 6> m_Fields;
    QCheckBox* m_pSpacing;
    QPushButton* m_pSet;
    QPushButton* m_pReset;
    QPushButton* m_pProduct;
    QLabel* m_pNote;
    const sheets::SheetDatabase* m_pProducts = nullptr;
    std::vector<FormMargins> m_Margins; ///< the working copy, one record per type
    int m_nSelected = -1;
};
