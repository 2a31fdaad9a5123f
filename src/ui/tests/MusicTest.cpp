// The background music: which song comes next, and what the window does with the player.
#include "UiTestSupport.h"

#include "ui/TSongChoice.h"

#include "engine/Random.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// A song list: paths "s1".."sN", of which `missing` do not exist.
struct FakeSongs {
    int count = 0;
    std::set<int> missing;
    int reads = 0;

    TSongSource Source() {
        return {[this] {
                    ++reads;
                    return count;
                },
                [](int index) { return QStringLiteral("s%1").arg(index); },
                [this](const QString& path) { return !missing.count(path.mid(1).toInt()); }};
    }
};

int Chosen(const TSongChoice& choice) {
    return choice.Path.isEmpty() ? 0 : choice.Path.mid(1).toInt();
}

TEST(SongChoice, KeyIsFourUpperCaseHexDigits) {
    EXPECT_EQ(SongKey(1).toStdString(), "Nr_0001");
    EXPECT_EQ(SongKey(171).toStdString(), "Nr_00AB");
}

// Guards an empty list: one look, nothing chosen, no song remembered.
TEST(SongChoice, EmptyListChoosesNothing) {
    FakeSongs songs;
    int last = 3;
    const TSongChoice choice = ChooseSong(songs.Source(), false, last);
    EXPECT_TRUE(choice.Path.isEmpty());
    EXPECT_EQ(choice.Attempts, 1);
    EXPECT_EQ(last, -1);
}

// Guards a one-song list: it plays again and again, in either order.
TEST(SongChoice, OneSongRepeats) {
    for (bool random : {false, true}) {
        FakeSongs songs;
        songs.count = 1;
        int last = -1;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(Chosen(ChooseSong(songs.Source(), random, last)), 1);
        EXPECT_EQ(last, 1);
    }
}

// Guards the order: songs one after the other, back to the first after the last, and
// back to the first when the next one is missing.
TEST(SongChoice, SequentialOrderAndAMissingSong) {
    FakeSongs songs;
    songs.count = 3;
    int last = -1;
    std::vector<int> heard;
    for (int k = 0; k < 4; ++k)
        heard.push_back(Chosen(ChooseSong(songs.Source(), false, last)));
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 3, 1}));

    songs.missing = {2};
    last = 1;
    const TSongChoice choice = ChooseSong(songs.Source(), false, last);
    EXPECT_EQ(Chosen(choice), 1);
    EXPECT_EQ(choice.Attempts, 2);
    EXPECT_EQ(last, 1);
}

// Guards the random order: never the same song twice in a row, and every song heard.
TEST(SongChoice, RandomOrderNeverRepeatsTheLastSong) {
    RandSeed(5);
    FakeSongs songs;
    songs.count = 3;
    songs.missing = {};
    int last = -1, previous = -1;
    std::map<int, int> heard;
    for (int k = 0; k < 200; ++k) {
        const int song = Chosen(ChooseSong(songs.Source(), true, last));
        ASSERT_NE(song, previous) << k;
        ++heard[song];
        previous = song;
    }
    EXPECT_EQ(heard.size(), 3u);
}

// Guards the bound on the search: ten looks at most, then nothing.
TEST(SongChoice, AllMissingGivesUpAfterTenAttempts) {
    FakeSongs songs;
    songs.count = 4;
    songs.missing = {1, 2, 3, 4};
    int last = -1;
    const TSongChoice choice = ChooseSong(songs.Source(), false, last);
    EXPECT_TRUE(choice.Path.isEmpty());
    EXPECT_EQ(choice.Attempts, kSongAttempts);
    EXPECT_EQ(last, 1);
}

// The settings file of the fixture with a song list; the songs that exist are real files.
void WriteSongs(WindowFixture& f, int count, const std::set<int>& existing) {
    QSettings settings(f.window->SettingsPath, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Song/Count"), count);
    for (int index = 1; index <= count; ++index) {
        const QString path = f.folder.filePath(QStringLiteral("chanson%1.wav").arg(index));
        settings.setValue(QStringLiteral("Song/") + SongKey(index), path);
        if (existing.count(index)) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    settings.sync();
}

// Guards the player's handling: a song from the list is opened and played, a playing song
// is left alone, the end of a song brings the next one within two ticks, and switching the
// music off closes the player and forgets the song.
TEST(Music, NotifyPlaysTheSongsOfTheSettingsFile) {
    WindowFixture f;
    f.EndIntro();
    WriteSongs(f, 3, {2, 3});
    TMainWindow& w = *f.window;

    w.LastSongIndex = 1;
    w.MediaPlayer1Notify();
    ASSERT_EQ(f.player->opened.size(), 1u);
    EXPECT_TRUE(f.player->opened[0].endsWith(QStringLiteral("chanson2.wav")));
    EXPECT_TRUE(f.player->playing);
    EXPECT_EQ(w.LastSongIndex, 2);

    w.MediaPlayer1Notify();
    w.HorlogeTimer();
    EXPECT_EQ(f.player->opened.size(), 1u) << "a playing song was replaced";

    f.player->playing = false;
    w.HorlogeTimer();
    EXPECT_TRUE(w.MusicNextPending);
    w.HorlogeTimer();
    ASSERT_EQ(f.player->opened.size(), 2u);
    EXPECT_TRUE(f.player->opened[1].endsWith(QStringLiteral("chanson3.wav")));

    w.OptionsRecord[TOptions::Music] = 0;
    w.MediaPlayer1Notify();
    EXPECT_FALSE(f.player->HasFile());
    EXPECT_EQ(w.LastSongIndex, -1);
    EXPECT_FALSE(w.MusicNextPending);
}

// Guards an empty list: the player stays closed and the clock stops asking.
TEST(Music, EmptyListLeavesThePlayerClosed) {
    WindowFixture f;
    f.EndIntro();
    WriteSongs(f, 0, {});
    f.window->MusicNextPending = true;
    for (int tick = 0; tick < 3; ++tick)
        f.window->HorlogeTimer();
    EXPECT_TRUE(f.player->opened.empty());
    EXPECT_FALSE(f.window->MusicNextPending);
    EXPECT_EQ(f.window->LastSongIndex, -1);
}

} // namespace
