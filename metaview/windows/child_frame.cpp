#include "metaview/windows/child_frame.h"

#include "metaview/document/load_notes.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

CChildFrame::CChildFrame(metaview::ViewerDocument& doc, QWidget* parent)
    : QMdiSubWindow(parent), m_view(new CKelvane(doc)), m_note(new QLabel) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_note->setWordWrap(true);
    m_note->setContentsMargins(6, 3, 6, 3);
    m_note->setStyleSheet(QStringLiteral("background: #FFF4C0; color: #503000;"));
    layout->addWidget(m_note);
    layout->addWidget(m_view, 1);
    setWidget(content);
    releaseCloseKeys();
    connect(&doc, &metaview::ViewerDocument::TitleChanged, this, &CChildFrame::updateCaption);
    connect(&doc, &metaview::ViewerDocument::Updated, this, [this](bool replaced) {
        if (replaced) updateNote();
    });
    updateCaption();
    updateNote();
}

// The main window's Close Window command owns Ctrl+W and Ctrl+F4 on every platform; the
// window's own menu takes some of them on some platforms, where two owners would make each
// key do nothing.
void CChildFrame::releaseCloseKeys() {
    QMenu* menu = systemMenu();
    if (!menu) return;
    const QList<QKeySequence> taken{QKeySequence(Qt::CTRL | Qt::Key_W),
                                    QKeySequence(Qt::CTRL | Qt::Key_F4)};
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        keys.removeIf([&](const QKeySequence& key) { return taken.contains(key); });
        if (keys.size() != action->shortcuts().size()) action->setShortcuts(keys);
    }
}

metaview::ViewerDocument& CChildFrame::Document() const {
    return m_view->GetDocument();
}

QString CChildFrame::Note() const {
    return m_note->isHidden() ? QString() : m_note->text();
}

void CChildFrame::SetWindowNumber(int number) {
    m_number = number;
    updateCaption();
}

void CChildFrame::updateCaption() {
    const QString title = Document().Title();
    const QString mark = Document().IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(m_number > 0 ? QStringLiteral("%1:%2%3").arg(title).arg(m_number).arg(mark)
                                : title + mark);
}

void CChildFrame::updateNote() {
    const CEMFData& metafile = Document().Data();
    const std::string note =
        metafile.HasPicture() ? metaview::LoadNoteText(metafile.Picture().Notes()) : std::string();
    m_note->setText(QString::fromStdString(note).trimmed());
    m_note->setVisible(!note.empty());
}
