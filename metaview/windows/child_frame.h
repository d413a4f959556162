#pragma once
// The child window of one view: the view, and above it a note when the file was damaged.

#include <QMdiSubWindow>

class CKelvane;
class QLabel;

namespace metaview {
class ViewerDocument;
}

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    /// number is the window's place among the document's windows (0 when it is the only
    /// one); it shows in the caption as ":2".
    CChildFrame(metaview::ViewerDocument& doc, QWidget* parent = nullptr);

    CKelvane* View() const { return m_view; }
    metaview::ViewerDocument& Document() const;
    /// The note about a damaged file shown above the view; empty when none is shown.
    QString Note() const;
    /// Caption "title" or "title:n" for the n-th of several windows of the document, with
    /// "*" after it while the document is modified.
    void SetWindowNumber(int number);

private:
    void releaseCloseKeys();
    void updateCaption();
    void updateNote();

    CKelvane* m_view;
    QLabel* m_note;
    int m_number = 0;
};
