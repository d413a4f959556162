#include "catalog_app/dialogs/prop_edit_page.h"

#include "catalog_app/ui/rich_text_bar.h"

#include "rtf/rtf.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <span>

CPropEdit::CPropEdit(QWidget* parent)
    : QWidget(parent), m_pEditor(new QTextEdit(this)),
      m_pFormatBar(new CRichTextBar(m_pEditor, this)) {
    auto* hint = new QLabel(
        QStringLiteral("This is an rich edit control. You can use it to store additional "
                       "information for this media.\nIt is recommended to use Wordpad as the "
                       "editor and simply paste the text into this window."),
        this);
    hint->setWordWrap(true);
    m_pEditor->setAcceptRichText(true);
    m_pEditor->setLineWrapMode(QTextEdit::NoWrap);
    m_pEditor->setToolTip(QStringLiteral("Tab types a tab here.\nCtrl+Tab moves on to the next "
                                         "field, Ctrl+Enter presses OK."));
    m_pEditor->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_pFormatBar);
    layout->addWidget(m_pEditor, 1);
}

bool CPropEdit::eventFilter(QObject* watched, QEvent* event) {
    // Tab belongs to the text, so Ctrl+Tab and Ctrl+Shift+Tab leave the field instead.
    if (watched == m_pEditor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            return focusNextPrevChild(key->key() == Qt::Key_Tab);
    }
    return QWidget::eventFilter(watched, event);
}

void CPropEdit::SetInformation(const std::string& rtf) {
    m_Start = rtf;
    m_pEditor->clear();
    if (!rtf.empty())
        rtf::Read(std::as_bytes(std::span(rtf.data(), rtf.size())), *m_pEditor->document());
    m_LoadedHtml = m_pEditor->document()->toHtml();
}

std::string CPropEdit::Information() const {
    const QTextDocument& doc = *m_pEditor->document();
    // Compared by content: a change that is undone again keeps the stored bytes as well.
    if (doc.toHtml() == m_LoadedHtml) return m_Start;
    if (doc.isEmpty()) return {};
    return rtf::Write(doc).toStdString();
}
