#pragma once
// "Metafile Record": steps through the play list one record at a time, showing each
// record's parameters; "Play" adds the record to the picture in the views.

#include "metaview/document/emf_data.h"
#include "metaview/document/record_format.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace metaview {
class RecordStepper;
class ViewerDocument;
} // namespace metaview

class CRecordStepDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRecordStepDlg(metaview::ViewerDocument& doc, QWidget* parent = nullptr);
    /// Gives the document back its play flags and play mode from before the dialog.
    ~CRecordStepDlg() override;

    /// Draws the shown record and goes on to the next.
    void Play();
    /// Goes on to the next record, leaving the shown one undrawn.
    void Skip();
    /// Starts again at the first record with an empty picture.
    void Rewind();

    /// The position of the record shown, none while none is shown.
    std::optional<std::size_t> ShownPosition() const { return m_shown; }
    /// Whether the walk passed the last record.
    bool Finished() const { return m_finished; }
    QLabel* RecordField() const { return m_record; }
    QLabel* FunctionField() const { return m_function; }
    QLabel* SizeField() const { return m_size; }
    QListWidget* Parameters() const { return m_parameters; }
    QPushButton* PlayButton() const { return m_play; }
    QPushButton* SkipButton() const { return m_skip; }
    QRadioButton* FormButton(metaview::ParameterForm form) const;

protected:
    void done(int result) override;

private:
    void buildControls();
    void startWorker();
    void stopWorker();
    /// Runs on the user-interface thread for each record the worker waits at.
    void showRecord(unsigned run, std::size_t position, const emf::RecordView& record);
    void showFinished(unsigned run);
    void showParameters();
    void clearFields();
    metaview::ParameterForm checkedForm() const;

    metaview::ViewerDocument& m_doc;
    const CEMFData::Flags m_savedFlags;
    const PlayMode m_savedMode;
    std::unique_ptr<metaview::RecordStepper> m_stepper;
    /// Counts worker runs, so a display update of a stopped run is recognised and dropped.
    unsigned m_run = 0;
    std::optional<std::size_t> m_shown;
    std::optional<emf::RecordView> m_current;
    bool m_finished = false;

    QPushButton* m_play;
    QPushButton* m_skip;
    QPushButton* m_rewind;
    QPushButton* m_close;
    QLabel* m_record;
    QLabel* m_function;
    QLabel* m_size;
    QRadioButton* m_forms[3];
    QListWidget* m_parameters;
};
