#include "catalog_app/frame/undo_history.h"

#include "catalog/melvara_doc.h"

#include <utility>
#include <vector>

// One step of the history; the edit was carried out before the step was pushed.
class CUndoHistory::Step : public QUndoCommand {
public:
    Step(CUndoHistory& history, std::unique_ptr<catalog::CatalogueEdit> edit, const QString& name)
        : QUndoCommand(name), m_History(history), m_pEdit(std::move(edit)) {}

    void undo() override {
        m_pEdit->Undo();
        emit m_History.Restored(m_pEdit->FocusMedia());
    }
    void redo() override {
        if (std::exchange(m_bDone, false)) return;
        m_pEdit->Redo();
        emit m_History.Restored(m_pEdit->FocusMedia());
    }
    std::size_t Bytes() const { return m_pEdit->Bytes(); }
    std::unique_ptr<catalog::CatalogueEdit> TakeEdit() { return std::move(m_pEdit); }

private:
    CUndoHistory& m_History;
    std::unique_ptr<catalog::CatalogueEdit> m_pEdit;
    bool m_bDone = true;
};

CUndoHistory::CUndoHistory(CMELVARADoc& doc, std::size_t byteLimit, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Stack(this), m_nByteLimit(byteLimit) {
    m_Stack.setUndoLimit(kStepLimit);
    connect(&m_Stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_Doc.SetModifiedFlag(!clean); });
    m_Doc.AddView(this);
    m_Doc.SetEditSink([this](std::unique_ptr<catalog::CatalogueEdit> edit, std::string name) {
        Push(std::move(edit), QString::fromStdString(name));
    });
}

CUndoHistory::~CUndoHistory() {
    m_Doc.SetEditSink(nullptr);
    m_Doc.RemoveView(this);
}

void CUndoHistory::OnUpdate(CDocView*, UpdateHint hint, CMedia*) {
    if (hint != HINT_NEW_CATALOGUE && hint != HINT_CATALOGUE_LOADED) return;
    const bool modified = m_Doc.IsModified();
    m_Stack.clear();
    // Media recovered from a damaged file are unsaved from the start: no undo makes them clean.
    if (modified) {
        m_Stack.resetClean();
        m_Doc.SetModifiedFlag(true);
    }
}

void CUndoHistory::Push(std::unique_ptr<catalog::CatalogueEdit> edit, const QString& name) {
    if (!edit || edit->IsEmpty()) return;
    m_Stack.push(new Step(*this, std::move(edit), name));
    if (Bytes() > m_nByteLimit) Trim();
}

std::size_t CUndoHistory::Bytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < m_Stack.count(); ++i)
        bytes += static_cast<const Step*>(m_Stack.command(i))->Bytes();
    return bytes;
}

// QUndoStack drops old steps only by count: over the byte limit, the newest steps that
// fit (at least the last one) move into a fresh history and the older ones go.
void CUndoHistory::Trim() {
    int first = m_Stack.count() - 1;
    std::size_t bytes = static_cast<const Step*>(m_Stack.command(first))->Bytes();
    while (first > 0) {
        const std::size_t more = static_cast<const Step*>(m_Stack.command(first - 1))->Bytes();
        if (bytes + more > m_nByteLimit) break;
        bytes += more;
        --first;
    }
    std::vector<std::pair<std::unique_ptr<catalog::CatalogueEdit>, QString>> kept;
    for (int i = first; i < m_Stack.count(); ++i) {
        auto* step = const_cast<Step*>(static_cast<const Step*>(m_Stack.command(i)));
        kept.emplace_back(step->TakeEdit(), step->text());
    }
    const int clean = m_Stack.cleanIndex() - first;
    m_Stack.clear();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (int(i) == clean) m_Stack.setClean();
        m_Stack.push(new Step(*this, std::move(kept[i].first), kept[i].second));
    }
    if (clean == int(kept.size()))
        m_Stack.setClean();
    else if (clean < 0 || clean > int(kept.size()))
        m_Stack.resetClean();
}
