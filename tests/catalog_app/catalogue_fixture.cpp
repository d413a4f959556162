#include "catalogue_fixture.h"

#include "catalog/catalogue.h"

bool CFakePrompts::RunMediaSheet(QWidget*, CMediaSheetValues& values) {
    sheetsShown.push_back(values);
    return mediaSheet(values);
}

bool CFakePrompts::RunTrackDialog(QWidget*, CCatalogue&, CTrackDialogValues& values) {
    trackDialogsShown.push_back(values);
    return trackDialog(values);
}

bool CFakePrompts::Confirm(QWidget*, const QString&) {
    ++confirmations;
    return confirmAnswer;
}

CMedia* AddMedium(CCatalogue& catalogue, const std::string& title,
                  const std::vector<unsigned>& trackLengths) {
    CMedia* media = catalogue.Media().AddMedia(title, "", 0, 978307200, {});
    int n = 0;
    for (unsigned length : trackLengths)
        media->AddTrack("Track " + std::to_string(++n), length, 0, TRACK_APPEND);
    return media;
}

std::vector<unsigned> TrackIndexes(const CMedia& media) {
    std::vector<unsigned> indexes;
    for (const CTrack& track : media.Tracks())
        indexes.push_back(track.TrackIndex());
    return indexes;
}

std::vector<std::string> TrackTitles(const CMedia& media) {
    std::vector<std::string> titles;
    for (const CTrack& track : media.Tracks())
        titles.emplace_back(track.Title());
    return titles;
}
