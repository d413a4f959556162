#pragma once
// "EMF File Information": the description strings and the header fields of a picture.

#include <QDialog>

class CEMFData;
class QTreeWidget;
class QLabel;

class CFileInfoDlg : public QDialog {
    Q_OBJECT
public:
    CFileInfoDlg(const CEMFData& metafile, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    /// What reading noticed about a damaged file; empty for a sound one.
    QString Notes() const;

private:
    QTreeWidget* m_list;
    QLabel* m_notes;
};
