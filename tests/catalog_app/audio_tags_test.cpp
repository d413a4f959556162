#include "audio_files.h"

#include "catalog_app/exchange/audio_tags.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

namespace fs = std::filesystem;

class AudioTags : public testing::Test {
protected:
    QTemporaryDir m_Dir;
    fs::path Path(const char* name) const { return fs::path(m_Dir.path().toStdString()) / name; }
};

TEST_F(AudioTags, TaggedWavAndFlacFilesGiveTheirTagsAndLength) {
    const fs::path wav = Path("02 second.wav"), flac = Path("01.flac");
    testaudio::WriteWav(wav, 2600);
    testaudio::WriteFlac(flac, 300);
    ASSERT_TRUE(testaudio::Tag(wav, {{"TITLE", "Second"},
                                     {"ARTIST", "Bj\xC3\xB6rk"},
                                     {"TRACKNUMBER", "2"},
                                     {"DISCNUMBER", "1/2"}}));
    ASSERT_TRUE(testaudio::Tag(flac, {{"ALBUM", "Silence"},
                                      {"ALBUMARTIST", "Various"},
                                      {"TITLE", "First"},
                                      {"TRACKNUMBER", "1"},
                                      {"DATE", "2003"}}));
    const auto second = audio::ReadAudioTags(wav);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->title, "Second");
    EXPECT_EQ(second->artist, "Bj\xC3\xB6rk");
    EXPECT_EQ(second->track, 2u);
    EXPECT_EQ(second->disc, 1u);
    EXPECT_EQ(second->seconds, 3u); // 2.6 s, rounded
    EXPECT_EQ(second->fileName, "02 second.wav");
    const auto first = audio::ReadAudioTags(flac);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->album, "Silence");
    EXPECT_EQ(first->albumArtist, "Various");
    EXPECT_EQ(first->year, 2003u);
    EXPECT_EQ(first->seconds, 0u);
}

TEST_F(AudioTags, AWavFileWithOnlyRiffInfoGivesItsTags) {
    const fs::path wav = Path("take.wav");
    testaudio::WriteWav(wav, 1000,
                        {{"INAM", "Morning"}, {"IART", "Ann"}, {"IPRD", "Demos"}, {"IPRT", "7"}});
    const auto tags = audio::ReadAudioTags(wav);
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->title, "Morning");
    EXPECT_EQ(tags->artist, "Ann");
    EXPECT_EQ(tags->album, "Demos");
    EXPECT_EQ(tags->track, 7u);
    EXPECT_EQ(tags->seconds, 1u);
}

TEST_F(AudioTags, UnreadableFilesAndOtherNamesAreTold) {
    std::ofstream(Path("broken.mp3")) << "not audio at all";
    EXPECT_FALSE(audio::ReadAudioTags(Path("broken.mp3")));
    EXPECT_FALSE(audio::ReadAudioTags(Path("missing.flac")));
    fs::create_directory(Path("CD2"));
    testaudio::WriteWav(Path("CD2") / "a.WAV", 100);
    std::ofstream(Path("notes.txt")) << "x";
    const auto files = audio::AudioFilesIn(Path(""));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].filename(), "a.WAV"); // "CD2/" sorts before "broken"
    EXPECT_EQ(files[1].filename(), "broken.mp3");
    EXPECT_TRUE(audio::IsAudioFileName("x.Opus"));
    EXPECT_FALSE(audio::IsAudioFileName("x.mp3.txt"));
}

} // namespace
