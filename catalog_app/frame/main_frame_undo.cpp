// Undo and Redo: the history's steps, their names in the captions, and the panes shown
// again after a step went back or forth.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/panes/media_list_view.h"

#include <QAction>
#include <QApplication>

namespace {

// "&Undo" alone, or "&Undo Delete media" with the step's name.
void NameAction(QAction* action, const QString& verb, const QString& step) {
    action->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    QString tip = action->text();
    action->setToolTip(tip.remove(QLatin1Char('&')));
}

} // namespace

void CMainFrame::connectUndoActions() {
    const CFrameActions& a = m_Actions;
    QUndoStack& stack = m_History.Stack();
    connect(a.editUndo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(a.editRedo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, a.editUndo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, a.editRedo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this,
            [a](const QString& step) { NameAction(a.editUndo, QStringLiteral("&Undo"), step); });
    connect(&stack, &QUndoStack::redoTextChanged, this,
            [a](const QString& step) { NameAction(a.editRedo, QStringLiteral("&Redo"), step); });
    connect(&stack, &QUndoStack::cleanChanged, this, &CMainFrame::UpdateCommandUi);
    connect(&m_History, &CUndoHistory::Restored, this, &CMainFrame::showChangedCatalogue);
    a.editUndo->setEnabled(false);
    a.editRedo->setEnabled(false);
}

// Records may have come or gone (an undo, redo or import): every pane drops its references
// as after a deletion, then the media the step concerned are selected, where they are.
void CMainFrame::showChangedCatalogue(const std::vector<CMedia*>& focus) {
    QWidget* focused = QApplication::focusWidget();
    m_Doc.ClearCurrentMedia();
    m_Doc.UpdateAllViews(nullptr, HINT_MEDIA_DELETED);
    m_pMediaView->SelectMedia(focus);
    if (focused) focused->setFocus(Qt::OtherFocusReason);
    UpdateCommandUi();
}
