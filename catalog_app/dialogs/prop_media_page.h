#pragma once

#include <QWidget>

#include <cstdint>

class CAnsiLineEdit;
class QComboBox;
class QDateEdit;
class QLabel;
struct CMediaSheetValues;

/// The "General Information" page: titles, creation date, media type and a read-only
/// summary of index, total length and track count.
class CPropMedia : public QWidget {
    Q_OBJECT
public:
    explicit CPropMedia(QWidget* parent = nullptr);

    /// Shows the values (the media type box lists the seven media types).
    void SetValues(const CMediaSheetValues& values);
    /// Reads back titles, creation time (picked date, the start value's time of day) and
    /// media type into values.
    void GetValues(CMediaSheetValues& values) const;

private:
    QLayout* CreateSummary();

    QDateEdit* m_pCreated;
    QLabel* m_pIndex;
    CAnsiLineEdit* m_pTitle1;
    CAnsiLineEdit* m_pTitle2;
    QLabel* m_pTotal;
    QLabel* m_pTrackCount;
    QComboBox* m_pMediaType;
    std::int32_t m_nStartTime = 0;
};
