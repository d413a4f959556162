#pragma once

#include "catalog/catalogue_edit.h"
#include "catalog/update_hint.h"

#include <QObject>
#include <QUndoStack>

#include <cstddef>
#include <memory>
#include <vector>

class CMELVARADoc;

/// The catalogue's undo history: every step the document commits, named for the Undo and
/// Redo captions. It holds at most kStepLimit steps and about kByteLimit bytes (the oldest
/// go first), is cleared by New and Open, and its clean state is the document's
/// unmodified state.
class CUndoHistory : public QObject, public CDocView {
    Q_OBJECT
public:
    static constexpr int kStepLimit = 200;
    static constexpr std::size_t kByteLimit = std::size_t(64) << 20;

    CUndoHistory(CMELVARADoc& doc, std::size_t byteLimit = kByteLimit, QObject* parent = nullptr);
    ~CUndoHistory() override;

    /// Takes a step that was carried out already.
    void Push(std::unique_ptr<catalog::CatalogueEdit> edit, const QString& name);
    /// The catalogue was saved: this is the unmodified state.
    void SetClean() { m_Stack.setClean(); }
    QUndoStack& Stack() { return m_Stack; }
    const QUndoStack& Stack() const { return m_Stack; }
    /// The memory the steps hold, about.
    std::size_t Bytes() const;

    void OnUpdate(CDocView* sender, UpdateHint hint, CMedia* record) override;

signals:
    /// A step was undone or redone; focus are the media it concerned (in the catalogue
    /// or not), for the panes to show again.
    void Restored(const std::vector<CMedia*>& focus);

private:
    class Step;
    void Trim();

    CMELVARADoc& m_Doc;
    QUndoStack m_Stack;
    std::size_t m_nByteLimit;
};
