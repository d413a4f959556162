#include "catalog/audio_medium.h"

#include <gtest/gtest.h>

using catalog::AudioFileTags;
using catalog::MediumFromAudioFiles;

namespace {

AudioFileTags File(std::string name, unsigned disc, unsigned track, std::string title = {}) {
    AudioFileTags file;
    file.fileName = std::move(name);
    file.folder = "Folder \xC3\xA9";
    file.disc = disc;
    file.track = track;
    file.title = std::move(title);
    file.seconds = 245;
    return file;
}

TEST(AudioMedium, TracksFollowDiscThenTrackThenFileName) {
    std::vector<AudioFileTags> files{File("b.flac", 2, 1, "Disc two"), File("z.mp3", 1, 2),
                                     File("a.ogg", 1, 2), File("x.wav", 1, 1, "Opening")};
    files[1].artist = "\xE2\x82\xAC Band";
    files[2].album = "Album";
    files[3].year = 1999;
    const catalog::NewMedium m = MediumFromAudioFiles(files, 42);
    EXPECT_EQ(m.title1, "Album");
    EXPECT_EQ(m.title2, "1999");
    EXPECT_EQ(m.mediaType, 5);
    EXPECT_EQ(m.creationTime, 42);
    ASSERT_EQ(m.tracks.size(), 4u);
    EXPECT_EQ(m.tracks[0].title, "Opening");
    EXPECT_EQ(m.tracks[1].title, "a"); // no title tag: the file name without extension
    EXPECT_EQ(m.tracks[2].title, "z");
    EXPECT_EQ(m.tracks[2].interpreter, "\x80 Band");
    EXPECT_EQ(m.tracks[3].title, "Disc two");
    EXPECT_EQ(m.tracks[3].length, 405u); // 245 s is 4:05
}

TEST(AudioMedium, AlbumArtistWinsOverYearAndFolderStandsInForAlbum) {
    std::vector<AudioFileTags> files{File("1.mp3", 0, 1), File("2.mp3", 0, 2)};
    files[0].year = 2001;
    files[1].albumArtist = "\xCE\xA9 Various";
    std::size_t replaced = 0;
    const catalog::NewMedium m = MediumFromAudioFiles(files, 0, &replaced);
    EXPECT_EQ(m.title1, "Folder \xE9");
    EXPECT_EQ(m.title2, "? Various");
    EXPECT_EQ(replaced, 1u);
    EXPECT_EQ(catalog::LengthFromSeconds(3600), 6000u);
}

} // namespace
