#include "metaview/dialogs/record_step_dialog.h"

#include "metaview/document/emr_type_table.h"
#include "metaview/document/plus_inspection.h"
#include "metaview/document/record_stepper.h"
#include "metaview/document/viewer_document.h"

#include "emf/cp1252.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel* ValueField() {
    auto* field = new QLabel;
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setTextFormat(Qt::PlainText);
    field->setMinimumWidth(
        field->fontMetrics().horizontalAdvance(QStringLiteral("EMR_CREATEDIBPATTERNBRUSHPT")) + 12);
    return field;
}

// A parameter line for the list: ANSI text, with its tabs expanded to stops twelve
// characters apart, as wide as the longest decimal value and its gap.
constexpr qsizetype kTabStop = 12;

QString ParameterLine(const std::string& text) {
    const std::u16string wide = emf::FromCp1252(text);
    QString line;
    for (char16_t c : wide) {
        if (c == u'\t')
            line += QString(kTabStop - line.size() % kTabStop, QLatin1Char(' '));
        else
            line += QChar(c);
    }
    return line;
}

} // namespace

CRecordStepDlg::CRecordStepDlg(metaview::ViewerDocument& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_savedFlags(doc.Data().CopyPlayFlags()),
      m_savedMode(doc.Data().GetPlayMode()) {
    setWindowTitle(QStringLiteral("Metafile Record"));
    buildControls();
    doc.Data().SetPlayMode(PlayStepping);
    doc.Data().ClearPlayFlags();
    doc.UpdateAllViews();
    m_forms[0]->setChecked(true);
    metaview::RecordStepper::Callbacks callbacks;
    // The worker only queues its updates; it never waits for this thread.
    callbacks.show = [this](std::size_t position, const emf::RecordView& record) {
        const unsigned run = m_run;
        QMetaObject::invokeMethod(
            this, [this, run, position, record] { showRecord(run, position, record); },
            Qt::QueuedConnection);
    };
    callbacks.finished = [this] {
        const unsigned run = m_run;
        QMetaObject::invokeMethod(
            this, [this, run] { showFinished(run); }, Qt::QueuedConnection);
    };
    m_stepper = std::make_unique<metaview::RecordStepper>(doc.Data().Picture(), m_savedFlags,
                                                          std::move(callbacks));
    startWorker();
}

CRecordStepDlg::~CRecordStepDlg() {
    stopWorker();
    m_doc.Data().RestorePlayFlags(m_savedFlags);
    m_doc.Data().SetPlayMode(m_savedMode);
    m_doc.UpdateAllViews();
}

void CRecordStepDlg::buildControls() {
    m_play = new QPushButton(QStringLiteral("Play"));
    m_skip = new QPushButton(QStringLiteral("Skip"));
    m_rewind = new QPushButton(QStringLiteral("Rewind"));
    m_close = new QPushButton(QStringLiteral("Close"));
    m_play->setDefault(true);
    m_record = ValueField();
    m_function = ValueField();
    m_size = ValueField();
    m_parameters = new QListWidget;
    m_parameters->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Four decimal columns fit beside the scroll bar, the longest form.
    const int columns = QFontMetrics(m_parameters->font())
                            .horizontalAdvance(QString(4 * kTabStop, QLatin1Char('8')));
    m_parameters->setMinimumSize(columns + 2 * m_parameters->frameWidth() + 8 +
                                     style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                                 160);

    auto* fields = new QGridLayout;
    const char* labels[] = {"Record #", "Function :", "Size :"};
    QLabel* values[] = {m_record, m_function, m_size};
    for (int i = 0; i < 3; ++i) {
        fields->addWidget(new QLabel(QString::fromLatin1(labels[i])), i, 0);
        fields->addWidget(values[i], i, 1);
    }
    auto* forms = new QHBoxLayout;
    forms->addWidget(new QLabel(QStringLiteral("Parameters:")));
    auto* group = new QButtonGroup(this);
    const char* formNames[] = {"Hex", "Dec", "Char"};
    for (int i = 0; i < 3; ++i) {
        m_forms[i] = new QRadioButton(QString::fromLatin1(formNames[i]));
        group->addButton(m_forms[i]);
        forms->addWidget(m_forms[i]);
        connect(m_forms[i], &QRadioButton::clicked, this, &CRecordStepDlg::showParameters);
    }
    forms->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(forms);
    left->addWidget(m_parameters, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_play, m_skip, m_rewind, m_close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_play, &QPushButton::clicked, this, &CRecordStepDlg::Play);
    connect(m_skip, &QPushButton::clicked, this, &CRecordStepDlg::Skip);
    connect(m_rewind, &QPushButton::clicked, this, &CRecordStepDlg::Rewind);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton* CRecordStepDlg::FormButton(metaview::ParameterForm form) const {
    return m_forms[static_cast<int>(form)];
}

metaview::ParameterForm CRecordStepDlg::checkedForm() const {
    for (int i = 0; i < 3; ++i)
        if (m_forms[i]->isChecked()) return static_cast<metaview::ParameterForm>(i);
    return metaview::ParameterForm::Hex;
}

void CRecordStepDlg::startWorker() {
    ++m_run;
    m_finished = false;
    m_play->setEnabled(true);
    m_skip->setEnabled(true);
    clearFields();
    m_stepper->Start();
}

void CRecordStepDlg::stopWorker() {
    m_stepper->Stop();
    m_shown.reset();
    m_current.reset();
}

void CRecordStepDlg::Play() {
    // Between a step and the next record shown there is nothing to play.
    if (!m_shown) return;
    m_doc.Data().SetPlayFlag(*m_shown, true);
    m_doc.UpdateAllViews();
    Skip();
}

void CRecordStepDlg::Skip() {
    if (!m_shown) return;
    m_shown.reset();
    m_stepper->Signal();
}

void CRecordStepDlg::Rewind() {
    stopWorker();
    m_doc.Data().ClearPlayFlags();
    m_doc.UpdateAllViews();
    // Unlike a finished walk, the new one can be stepped again.
    startWorker();
}

void CRecordStepDlg::done(int result) {
    stopWorker();
    QDialog::done(result);
}

void CRecordStepDlg::showRecord(unsigned run, std::size_t position, const emf::RecordView& record) {
    if (run != m_run) return;
    m_shown = position;
    m_current = record;
    m_record->setText(QString::number(position));
    m_size->setText(QString::number(record.size));
    const auto& entries = m_doc.Data().Entries();
    const std::string name = position < entries.size()
                                 ? metaview::EntryTypeName(entries[position])
                                 : std::string(metaview::EMRTypeName(record.type));
    m_function->setText(QString::fromLatin1(name.data(), qsizetype(name.size())));
    showParameters();
}

void CRecordStepDlg::showFinished(unsigned run) {
    if (run != m_run) return;
    m_finished = true;
    m_play->setEnabled(false);
    m_skip->setEnabled(false);
}

void CRecordStepDlg::showParameters() {
    if (!m_current) return;
    std::vector<std::string> lines;
    FormatRecordParameters(m_current->data, checkedForm(), lines);
    m_parameters->setUpdatesEnabled(false);
    m_parameters->clear();
    for (const std::string& line : lines)
        m_parameters->addItem(ParameterLine(line));
    m_parameters->setUpdatesEnabled(true);
}

void CRecordStepDlg::clearFields() {
    for (QLabel* field : {m_record, m_function, m_size})
        field->clear();
    m_parameters->clear();
}
