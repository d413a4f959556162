// Writes the sample catalogue shipped in examples/: real-looking media, tracks and
// interpreters made through the catalogue's own operations.
#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Album {
    const char* title1;
    const char* title2;
    int type;
    const char* interpreter;
    std::vector<std::pair<const char*, unsigned>> tracks;
};

const std::vector<Album> kAlbums = {
    {"Moonlight Sessions",
     "Live at the Harbour Club",
     0,
     "The Nightjar Quartet",
     {{"Harbour Lights", 512}, {"Blue Tide", 645}, {"Anchor Song", 428}, {"Low Water", 733}}},
    {"Autumn Roads",
     "",
     0,
     "Elena Marsh",
     {{"October", 331}, {"Roadside Flowers", 402}, {"Crossing the River", 415}, {"Home", 259}}},
    {"Mixtape 1994",
     "Side A and B",
     1,
     "Various",
     {{"Summer Rain", 345},
      {"Neon City", 412},
      {"Paper Planes", 318},
      {"Last Bus", 401},
      {"Kite", 256},
      {"Goodnight", 433}}},
    {"Piano Works",
     "Nocturnes and Etudes",
     0,
     "Jonas Weber",
     {{"Nocturne No. 1", 548}, {"Nocturne No. 2", 612}, {"Etude in C", 227}, {"Etude in G", 301}}},
    {"Caf\xE9 du Monde",
     "Chansons",
     4,
     "Am\xE9lie Durand",
     {{"La Rue", 312}, {"Le Caf\xE9", 245}, {"Minuit", 358}}},
    {"Road Trip",
     "MP3 collection",
     5,
     "Various",
     {{"Highway 9", 356},
      {"Desert Wind", 421},
      {"Motel Sign", 233},
      {"Dawn Drive", 510},
      {"Gas Station Blues", 347}}},
    {"Minidisc Demos",
     "Rehearsal room 2003",
     2,
     "Static Garden",
     {{"Untitled 1", 201}, {"Untitled 2", 315}, {"Feedback", 145}}},
    {"Symphony No. 5",
     "Concert recording",
     3,
     "City Philharmonic",
     {{"Allegro con brio", 734}, {"Andante con moto", 1002}, {"Scherzo", 521}, {"Finale", 1117}}},
    {"Children's Songs",
     "",
     1,
     "Tante Greta",
     {{"Morning Bells", 145}, {"The Little Train", 212}, {"Counting Stars", 158}}},
    {"Vinyl Classics",
     "Rock 1969-1975",
     4,
     "Various",
     {{"Thunder Valley", 455},
      {"Electric Sun", 612},
      {"Stone Garden", 503},
      {"Long Way Down", 821}}},
    {"Audiobook Extras", "Interviews", 6, "Marta Lind", {{"Part One", 1530}, {"Part Two", 1745}}},
    {"Northern Lights",
     "Ambient",
     0,
     "Aurora Field",
     {{"Polar Night", 912}, {"Ice Bridge", 745}, {"Snowfall", 603}, {"Midnight Sun", 1030}}},
};

// A second wave of media by the same interpreters, so the list is long enough to scroll.
void AddSeries(CCatalogue& catalogue, int count) {
    static const char* const words[] = {"Echoes", "Harvest",  "Silver", "Journey", "Window",
                                        "River",  "Lanterns", "Meadow", "Station", "Harbour"};
    for (int i = 0; i < count; ++i) {
        const std::string title = std::string(words[i % 10]) + " " + words[(i * 3 + 1) % 10];
        CMedia* media = catalogue.Media().AddMedia(title, "Volume " + std::to_string(i + 1), i % 7,
                                                   1104537600 + i * 2592000, {});
        const Album& artist = kAlbums[std::size_t(i) % kAlbums.size()];
        const auto interpreter =
            catalogue.Interpreters().FindOrAddInterpreter(artist.interpreter)->InterpreterIndex();
        for (int t = 0; t < 3 + i % 6; ++t) {
            // Between 2:00 and 5:59, written as minutes * 100 + seconds.
            const int seconds = 120 + (i * 37 + t * 53) % 240;
            media->AddTrack(
                std::string(words[(i + t) % 10]) + " (take " + std::to_string(t + 1) + ")",
                std::uint32_t(seconds / 60 * 100 + seconds % 60), interpreter, TRACK_APPEND);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_catalogue FILE\n");
        return 2;
    }
    CCatalogue catalogue;
    const std::string notes =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Recorded live "
        "on \\b 12 May 1998\\b0  at the Harbour Club.\\par Bought at the "
        "concert; signed sleeve.\\par}";
    std::int32_t created = 946728000; // 2000-01-01 12:00 UTC
    for (const Album& album : kAlbums) {
        CMedia* media = catalogue.Media().AddMedia(album.title1, album.title2, album.type, created,
                                                   &album == &kAlbums.front() ? notes : "");
        created += 86400 * 41;
        const auto interpreter =
            catalogue.Interpreters().FindOrAddInterpreter(album.interpreter)->InterpreterIndex();
        for (const auto& [title, length] : album.tracks)
            media->AddTrack(title, length, interpreter, TRACK_APPEND);
    }
    AddSeries(catalogue, 24);
    const catalog::CatalogueStatus status = catalog::SaveCatalogueFile(catalogue, argv[1]);
    if (!status.ok()) std::fprintf(stderr, "%s\n", status.Message().c_str());
    return status.ok() ? 0 : 1;
}
