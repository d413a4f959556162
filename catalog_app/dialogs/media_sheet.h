#pragma once

#include "catalog_app/ui/dialog_values.h"

#include <QDialog>

class CPropEdit;
class CPropMedia;
class QTabWidget;

/// The "Media Information" property sheet: a general page and an information page.
class CMediaSheet : public QDialog {
    Q_OBJECT
public:
    explicit CMediaSheet(QWidget* parent = nullptr);

    void SetValues(const CMediaSheetValues& values);
    /// The start values with what the user can change read back from both pages.
    CMediaSheetValues Values() const;

    CPropMedia* GeneralPage() const { return m_pGeneral; }
    CPropEdit* InformationPage() const { return m_pInformation; }
    QTabWidget* Pages() const { return m_pPages; }

private:
    QTabWidget* m_pPages;
    CPropMedia* m_pGeneral;
    CPropEdit* m_pInformation;
    CMediaSheetValues m_Start;
};
