#include "catalog/file/clipboard_paste.h"

#include "catalog/catalogue_edit.h"

namespace catalog {

CMedia* PasteMedia(CatalogueEdit& edit, const MediaClip& clip) {
    CMedia* media = edit.AddMedia(clip.title1, clip.title2, clip.mediaType, clip.creationTime,
                                  clip.information);
    for (const TrackClip& track : clip.tracks)
        PasteTrack(edit, *media, track, TRACK_APPEND);
    return media;
}

CTrack* PasteTrack(CatalogueEdit& edit, CMedia& media, const TrackClip& clip,
                   std::uint32_t position) {
    const std::uint32_t interpreter = edit.InterpreterFor(clip.interpreter);
    return edit.AddTrack(media, clip.title, clip.length, interpreter, position);
}

} // namespace catalog
