#pragma once

#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/ui/dialog_values.h"

#include "catalog/melvara_doc.h"

#include <functional>
#include <string>
#include <vector>

/// Answers the panes' questions without windows and records what was asked.
class CFakePrompts : public CPrompts {
public:
    std::function<bool(CMediaSheetValues&)> mediaSheet = [](CMediaSheetValues&) { return true; };
    std::function<bool(CTrackDialogValues&)> trackDialog = [](CTrackDialogValues&) { return true; };
    bool confirmAnswer = true;
    SaveAnswer saveAnswer = SaveAnswer::Discard;

    int confirmations = 0;
    std::vector<QString> messages;
    std::vector<CMediaSheetValues> sheetsShown;
    std::vector<CTrackDialogValues> trackDialogsShown;

    bool RunMediaSheet(QWidget*, CMediaSheetValues& values) override;
    bool RunTrackDialog(QWidget*, CCatalogue& catalogue, CTrackDialogValues& values) override;
    bool Confirm(QWidget*, const QString&) override;
    void Inform(QWidget*, const QString& message) override { messages.push_back(message); }
    SaveAnswer AskToSave(QWidget*, const QString&) override { return saveAnswer; }
    ChangedAnswer changedAnswer = ChangedAnswer::Cancel;
    int changedQuestions = 0;
    ChangedAnswer AskToOverwriteChanged(QWidget*, const QString&) override {
        ++changedQuestions;
        return changedAnswer;
    }
    RestoreAnswer restoreAnswer = RestoreAnswer::Later;
    std::vector<QString> restoreOffers;
    RestoreAnswer AskToRestore(QWidget*, const QString& source, const QDateTime&) override {
        restoreOffers.push_back(source);
        return restoreAnswer;
    }
};

/// Adds a medium with the given titles and tracks of the given lengths (interpreter 0).
CMedia* AddMedium(CCatalogue& catalogue, const std::string& title,
                  const std::vector<unsigned>& trackLengths = {});
/// The track indexes of a medium in list order.
std::vector<unsigned> TrackIndexes(const CMedia& media);
/// The track titles of a medium in list order.
std::vector<std::string> TrackTitles(const CMedia& media);
