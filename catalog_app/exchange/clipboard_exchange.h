#pragma once
// The private blocks on the system clipboard, under the names a registered Windows
// clipboard format has in Qt, with a plain-text companion for every other program.

#include "catalog/file/clipboard_format.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QMimeData;

namespace clipboard {

inline const QString kMediaFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_MEDIA\"");
inline const QString kTrackFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_TRACK\"");
/// Every copied medium or track; the single formats above hold the current one only.
inline const QString kMediaListFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_MEDIA_LIST\"");
inline const QString kTrackListFormat =
    QStringLiteral("application/x-qt-windows-mime;value=\"KORVEL_MELVARA_TRACK_LIST\"");

/// Said in the status bar when a block on the clipboard cannot be read.
inline const QString kUnreadableMedia =
    QStringLiteral("The media on the clipboard cannot be read; nothing was pasted.");
inline const QString kUnreadableTrack =
    QStringLiteral("The track on the clipboard cannot be read; nothing was pasted.");

/// The block and its text (UTF-8) as the clipboard takes them.
QMimeData* MediaMimeData(const catalog::MediaClip& clip);
QMimeData* TrackMimeData(const catalog::TrackClip& clip);

/// Several media or tracks: the list format with all of them, the single format with
/// clips[current], and the text of all of them.
QMimeData* MediaMimeData(const std::vector<catalog::MediaClip>& clips, std::size_t current);
QMimeData* TrackMimeData(const std::vector<catalog::TrackClip>& clips, std::size_t current);

/// Replaces the clipboard's contents with the media or the tracks (see above).
void PutMedia(const std::vector<catalog::MediaClip>& clips, std::size_t current);
void PutTrack(const std::vector<catalog::TrackClip>& clips, std::size_t current);

/// Whether the clipboard offers media or tracks in either format (readable or not).
bool HasMedia();
bool HasTrack();

/// What the clipboard offers, in order: the list when there is one that can be read, else
/// the single block; nullopt when there is neither or it cannot be read.
std::optional<std::vector<catalog::MediaClip>> Media();
std::optional<std::vector<catalog::TrackClip>> Track();

} // namespace clipboard
