#include "catalog/clipboard_paste.h"

#include "catalog/catalogue.h"

namespace catalog {

std::uint32_t InterpreterForPaste(CInterpreterList& interpreters, std::string_view name) {
    name = name.substr(0, name.find('\0'));
    if (name.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos) return NO_INTERPRETER;
    return interpreters.FindOrAddInterpreter(name)->InterpreterIndex();
}

CMedia* PasteMedia(CCatalogue& catalogue, const MediaClip& clip) {
    CMedia* media = catalogue.Media().AddMedia(clip.title1, clip.title2, clip.mediaType,
                                               clip.creationTime, clip.information);
    if (!media) return nullptr;
    for (const TrackClip& track : clip.tracks)
        PasteTrack(catalogue, *media, track, TRACK_APPEND);
    return media;
}

CTrack* PasteTrack(CCatalogue& catalogue, CMedia& media, const TrackClip& clip,
                   std::uint32_t position) {
    const std::uint32_t interpreter =
        InterpreterForPaste(catalogue.Interpreters(), clip.interpreter);
    return media.AddTrack(clip.title, clip.length, interpreter, position);
}

} // namespace catalog
