#pragma once
// The questions and messages of the viewer's windows, behind one interface so that tests
// can answer them without a modal dialog.

#include <QString>

class CEMFDoc;
class QWidget;

class CViewerPrompts {
public:
    enum SaveChoice { Save, Discard, Cancel };

    virtual ~CViewerPrompts() = default;
    /// A message box titled "Korvel-Software Kelvane"; details go below the text.
    virtual void Inform(QWidget* parent, const QString& text, const QString& details = {});
    /// The "Save as" option dialog for doc; false on Cancel, otherwise doc takes the
    /// chosen option and the "ask again" box.
    virtual bool AskSaveOption(QWidget* parent, CEMFDoc& doc);
    /// The save-file prompt with a proposed name; empty on Cancel.
    virtual QString AskSavePath(QWidget* parent, const QString& proposed);
    /// Asks whether an existing file may be replaced; the file prompt asked only about the
    /// name the user typed, not the one it became.
    virtual bool AskReplace(QWidget* parent, const QString& path);
    /// Asks whether a changed document is saved before it closes.
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& title);
    /// The open-file prompt; empty on Cancel.
    virtual QStringList AskOpenPaths(QWidget* parent);
};
