#include "catalog/new_media.h"

namespace catalog {

ImportCounts AddNewMedia(CatalogueEdit& edit, std::span<const NewMedium> media) {
    ImportCounts counts;
    const std::size_t interpretersBefore = edit.Catalogue().Interpreters().Count();
    for (const NewMedium& medium : media) {
        CMedia* added = edit.AddMedia(medium.title1, medium.title2, medium.mediaType,
                                      medium.creationTime, medium.information);
        for (const NewTrack& track : medium.tracks)
            edit.AddTrack(*added, track.title, track.length, edit.InterpreterFor(track.interpreter),
                          TRACK_APPEND);
        ++counts.media;
        counts.tracks += medium.tracks.size();
    }
    counts.interpreters = edit.Catalogue().Interpreters().Count() - interpretersBefore;
    return counts;
}

} // namespace catalog
