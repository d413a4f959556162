#pragma once

#include <QDialog>

class CFormSettings;
class CPropLength;
class CPropMargin;
class CPropPath;
class QTabWidget;

/// The "Settings" sheet: "Paths", "Margins" and "Text lengths" over the print settings.
/// OK writes back every page that was shown, in page order, and stores what changed;
/// Cancel writes nothing.
class CSettingsSheet : public QDialog {
    Q_OBJECT
public:
    explicit CSettingsSheet(CFormSettings& settings, QWidget* parent = nullptr);

    void accept() override;

    QTabWidget* Pages() const { return m_pPages; }
    CPropPath* PathsPage() const { return m_pPaths; }
    CPropMargin* MarginPage() const { return m_pMargins; }
    CPropLength* LengthPage() const { return m_pLengths; }

private:
    CFormSettings& m_Settings;
    QTabWidget* m_pPages;
    CPropPath* m_pPaths;
    CPropMargin* m_pMargins;
    CPropLength* m_pLengths;
};
