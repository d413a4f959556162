#pragma once
// "List of EMF Entries": every record with its flags; marks and unmarks selected records
// in the play list or the general marking.

#include <QDialog>

class QPushButton;
class QTreeView;

namespace metaview {
class PlayListModel;
class ViewerDocument;
} // namespace metaview

class CPlayListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlayListDlg(metaview::ViewerDocument& doc, QWidget* parent = nullptr);

    QTreeView* List() const { return m_list; }
    metaview::PlayListModel& Model() const { return *m_model; }
    QPushButton* MarkGeneral() const { return m_markGeneral; }
    QPushButton* UnmarkGeneral() const { return m_unmarkGeneral; }
    QPushButton* MarkPlaying() const { return m_markPlaying; }
    QPushButton* UnmarkPlaying() const { return m_unmarkPlaying; }

private:
    /// Sets or clears the play flag (playing) or the general mark of every selected row.
    void markSelection(bool playing, bool on);
    void enableButtons(bool on);

    metaview::ViewerDocument& m_doc;
    metaview::PlayListModel* m_model;
    QTreeView* m_list;
    QPushButton* m_markGeneral;
    QPushButton* m_unmarkGeneral;
    QPushButton* m_markPlaying;
    QPushButton* m_unmarkPlaying;
};
