#pragma once
// Choosing audio files (or a folder of them) and reading what a new medium needs.

#include "catalog/audio_medium.h"

#include <QStringList>

#include <cstdint>

#include <vector>

class QWidget;
struct CMediaSheetValues;

namespace audio {

struct ChosenFiles {
    std::vector<catalog::AudioFileTags> tags; ///< the files that could be read
    QStringList unreadable;                   ///< the ones that could not
};

/// Reads the files, and the audio files inside the folders, in the order given.
ChosenFiles ReadChosen(const QStringList& paths);

/// Asks for audio files; "Whole folder" takes the folder shown instead. Empty on Cancel.
QStringList PickAudioFiles(QWidget* parent);

/// The "Media Information" sheet's values for the medium about to be added.
CMediaSheetValues SheetValuesOf(const catalog::NewMedium& medium, std::uint32_t mediaIndex);

/// The sheet's values back into the medium (titles, type, date, information).
void TakeSheetValues(const CMediaSheetValues& values, catalog::NewMedium& medium);

} // namespace audio
