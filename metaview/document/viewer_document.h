#pragma once
// One open metafile document in the viewer's windows: the document with its path and
// title, and the notice its views repaint on.

#include "metaview/document/emf_doc.h"

#include <QObject>
#include <QString>

#include <cstdint>

namespace metaview {

class ViewerDocument : public QObject {
    Q_OBJECT
public:
    explicit ViewerDocument(QObject* parent = nullptr) : QObject(parent) {}

    CEMFDoc& Doc() { return m_doc; }
    CEMFData& Data() { return m_doc.Data(); }
    const CEMFData& Data() const { return m_doc.Data(); }

    /// The file the document was opened from or saved to; empty for a new document.
    const QString& PathName() const { return m_path; }
    /// The name shown in window captions: the file name, or "Untitled1" for a new one.
    const QString& Title() const { return m_title; }
    void SetPathName(const QString& path);
    void SetTitle(const QString& title) { m_title = title; }

    /// Whether the picture differs from its file (a paste); captions mark it and closing
    /// asks to save.
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    /// Grows with every change of what the views draw, so a view knows its picture is old.
    std::uint64_t Version() const { return m_version; }

    /// Every view repaints; with pictureReplaced they also lay the picture out again.
    void UpdateAllViews(bool pictureReplaced = false);

signals:
    void Updated(bool pictureReplaced);
    /// The title or the modified mark changed.
    void TitleChanged();

private:
    CEMFDoc m_doc;
    QString m_path;
    QString m_title;
    std::uint64_t m_version = 0;
    bool m_modified = false;
};

} // namespace metaview
