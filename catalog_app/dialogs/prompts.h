#pragma once

#include <QDateTime>
#include <QString>

class CCatalogue;
class QWidget;
struct CMediaSheetValues;
struct CTrackDialogValues;

/// The modal questions and messages of the main window and its panes. The program
/// answers with real dialogs; tests answer without a window.
class CPrompts {
public:
    virtual ~CPrompts() = default;
    /// Runs the "Media Information" sheet; false on Cancel.
    virtual bool RunMediaSheet(QWidget* parent, CMediaSheetValues& values) = 0;
    /// Runs the "Track Information" dialog on the catalogue's interpreters; false on Cancel.
    virtual bool RunTrackDialog(QWidget* parent, CCatalogue& catalogue,
                                CTrackDialogValues& values) = 0;
    /// Asks a Yes/No question; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& question) = 0;
    /// Shows a message with an OK button.
    virtual void Inform(QWidget* parent, const QString& message) = 0;
    /// Shows good news with an OK button (no warning sign).
    virtual void Tell(QWidget* parent, const QString& message) { Inform(parent, message); }
    /// Shows the no-form message with OK and a button that leads to the form paths; true
    /// when that button was chosen.
    virtual bool InformNoForm(QWidget* parent, const QString& message) {
        Inform(parent, message);
        return false;
    }

    enum class SaveAnswer { Save, Discard, Cancel };
    /// Asks whether to save the changes of the named catalogue.
    virtual SaveAnswer AskToSave(QWidget* parent, const QString& title) = 0;

    enum class ChangedAnswer { Overwrite, SaveAs, Cancel };
    /// Asks what to do with a file that another window or program wrote since it was
    /// opened or saved here; the careful answer, Cancel, unless told otherwise.
    virtual ChangedAnswer AskToOverwriteChanged(QWidget*, const QString&) {
        return ChangedAnswer::Cancel;
    }

    enum class RestoreAnswer { Restore, Discard, Later };
    /// Offers the recovery copy of the named file (empty: an untitled catalogue), written
    /// at the given time; the careful answer, Later, keeps it unless told otherwise.
    virtual RestoreAnswer AskToRestore(QWidget*, const QString&, const QDateTime&) {
        return RestoreAnswer::Later;
    }
};

/// The prompts as the program shows them.
class CDialogPrompts : public CPrompts {
public:
    bool RunMediaSheet(QWidget* parent, CMediaSheetValues& values) override;
    bool RunTrackDialog(QWidget* parent, CCatalogue& catalogue,
                        CTrackDialogValues& values) override;
    bool Confirm(QWidget* parent, const QString& question) override;
    void Inform(QWidget* parent, const QString& message) override;
    void Tell(QWidget* parent, const QString& message) override;
    bool InformNoForm(QWidget* parent, const QString& message) override;
    SaveAnswer AskToSave(QWidget* parent, const QString& title) override;
    ChangedAnswer AskToOverwriteChanged(QWidget* parent, const QString& title) override;
    RestoreAnswer AskToRestore(QWidget* parent, const QString& source,
                               const QDateTime& written) override;
};
