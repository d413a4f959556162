#pragma once

#include <QWidget>

class CCatalogue;
class CFormSettings;
class CMedia;
class QLabel;
class QScrollArea;

/// A print form drawn at its true size on the screen, filled with a medium's data when one
/// is given, with its size in millimetres underneath.
class CFormPreview : public QWidget {
    Q_OBJECT
public:
    explicit CFormPreview(const CFormSettings& settings, QWidget* parent = nullptr);

    /// The medium the form is filled with; none shows the placeholders.
    void SetMedium(CCatalogue* catalogue, const CMedia* medium);
    /// Shows the form at path; an empty or unreadable path says so instead.
    void ShowForm(const QString& path);

    QLabel* Picture() const { return m_pPicture; }
    QLabel* SizeLabel() const { return m_pSize; }

private:
    const CFormSettings& m_settings;
    CCatalogue* m_pCatalogue = nullptr;
    const CMedia* m_pMedium = nullptr;
    QScrollArea* m_pScroll;
    QLabel* m_pPicture;
    QLabel* m_pSize;
    QString m_path;
};
