#pragma once
// What the editing dialogs exchange with their callers: the catalogue's own bytes.

#include <QString>

#include <cstdint>
#include <string>

/// The "Media Information" sheet's values.
struct CMediaSheetValues {
    QString indexText;      ///< shown only
    QString totalText;      ///< shown only
    QString trackCountText; ///< shown only
    std::string title1;
    std::string title2;
    std::int32_t creationTime = 0;
    std::int32_t mediaType = 0;
    std::string information; ///< RTF bytes, empty when none
};

/// The "Track Information" dialog's values.
struct CTrackDialogValues {
    QString indexText; ///< shown only
    std::string title;
    std::uint32_t length = 0;      ///< minutes * 100 + seconds
    std::uint32_t interpreter = 0; ///< in: shown; out: chosen (found or added)
};
