#include "catalog_app/dialogs/prop_media_page.h"

#include "catalog_app/ui/ansi_line_edit.h"
#include "catalog_app/ui/dialog_values.h"
#include "catalog_app/ui/ui_text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <limits>

namespace {

QLabel* MakeReadOnlyField(QWidget* parent) {
    auto* field = new QLabel(parent);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setAlignment(Qt::AlignCenter);
    field->setMinimumWidth(90);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

// The stored time is a signed 32-bit count of seconds: offer only dates it can hold.
QDate FirstDate() {
    return QDateTime::fromSecsSinceEpoch(std::numeric_limits<std::int32_t>::min())
        .date()
        .addDays(1);
}
QDate LastDate() {
    return QDateTime::fromSecsSinceEpoch(std::numeric_limits<std::int32_t>::max())
        .date()
        .addDays(-1);
}

} // namespace

CPropMedia::CPropMedia(QWidget* parent)
    : QWidget(parent), m_pCreated(new QDateEdit(this)), m_pIndex(MakeReadOnlyField(this)),
      m_pTitle1(new CAnsiLineEdit(this)), m_pTitle2(new CAnsiLineEdit(this)),
      m_pTotal(MakeReadOnlyField(this)), m_pTrackCount(MakeReadOnlyField(this)),
      m_pMediaType(new QComboBox(this)) {
    m_pCreated->setCalendarPopup(true);
    m_pCreated->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_pCreated->setDateRange(FirstDate(), LastDate());
    m_pMediaType->addItems(ui::MediaTypeNames());
    m_pTitle1->setMinimumWidth(280);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Media &title [1]:"), m_pTitle1);
    form->addRow(QStringLiteral("Media title [&2]:"), m_pTitle2);
    form->addRow(QStringLiteral("&Creation time:"), m_pCreated);
    form->addRow(QStringLiteral("Media t&ype:"), m_pMediaType);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(CreateSummary());
    layout->addStretch();
    // Tab goes down the fields as they are shown, not in the order they were made. The
    // proxy first: it moves the first title in the chain.
    setFocusProxy(m_pTitle1);
    setTabOrder(m_pTitle1, m_pTitle2);
    setTabOrder(m_pTitle2, m_pCreated);
    setTabOrder(m_pCreated, m_pMediaType);
}

QLayout* CPropMedia::CreateSummary() {
    auto* group = new QGroupBox(QStringLiteral("Supplementary information"), this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Media index:"), m_pIndex);
    form->addRow(QStringLiteral("Total record length:"), m_pTotal);
    form->addRow(QStringLiteral("Number of tracks:"), m_pTrackCount);
    auto* row = new QHBoxLayout;
    row->addWidget(group);
    row->addStretch();
    return row;
}

void CPropMedia::SetValues(const CMediaSheetValues& values) {
    m_nStartTime = values.creationTime;
    m_pCreated->setDate(QDateTime::fromSecsSinceEpoch(values.creationTime).date());
    m_pIndex->setText(values.indexText);
    m_pTitle1->setText(ui::FromAnsi(values.title1));
    m_pTitle1->selectAll();
    m_pTitle2->setText(ui::FromAnsi(values.title2));
    m_pTotal->setText(values.totalText);
    m_pTrackCount->setText(values.trackCountText);
    // A damaged file's type outside the list selects nothing.
    const bool known = values.mediaType >= 0 && values.mediaType < m_pMediaType->count();
    m_pMediaType->setCurrentIndex(known ? values.mediaType : -1);
}

void CPropMedia::GetValues(CMediaSheetValues& values) const {
    values.title1 = ui::ToAnsi(m_pTitle1->text());
    values.title2 = ui::ToAnsi(m_pTitle2->text());
    const QDateTime start = QDateTime::fromSecsSinceEpoch(m_nStartTime);
    const QDateTime picked(m_pCreated->date(), start.time());
    const qint64 seconds = picked.toSecsSinceEpoch();
    values.creationTime =
        std::int32_t(std::clamp<qint64>(seconds, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max()));
    // An untouched box keeps a damaged type as it was.
    if (m_pMediaType->currentIndex() >= 0) values.mediaType = m_pMediaType->currentIndex();
}
