#pragma once
// The private blocks on the system clipboard, under the names a registered Windows
// clipboard format has in Qt, with a plain-text companion for every other program.

#include "catalog/file/clipboard_format.h"

#include <QString>

#include <optional>

class QMimeData;

namespace clipboard {

inline const QString kMediaFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_MEDIA\"");
inline const QString kTrackFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_TRACK\"");

/// Said in the status bar when a block on the clipboard cannot be read.
inline const QString kUnreadableMedia =
    QStringLiteral("The media on the clipboard cannot be read; nothing was pasted.");
inline const QString kUnreadableTrack =
    QStringLiteral("The track on the clipboard cannot be read; nothing was pasted.");

/// The block and its text (UTF-8) as the clipboard takes them.
QMimeData* MediaMimeData(const catalog::MediaClip& clip);
QMimeData* TrackMimeData(const catalog::TrackClip& clip);

/// Replaces the clipboard's contents with the medium or the track.
void PutMedia(const catalog::MediaClip& clip);
void PutTrack(const catalog::TrackClip& clip);

/// Whether the clipboard offers the format (readable or not).
bool HasMedia();
bool HasTrack();

/// The clipboard's block, read; nullopt when there is none or it cannot be read.
std::optional<catalog::MediaClip> Media();
std::optional<catalog::TrackClip> Track();

} // namespace clipboard
