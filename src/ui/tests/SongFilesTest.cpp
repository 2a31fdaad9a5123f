// The program's own songs: each written file is a well-formed MIDI file a player can read
// to its end, and a first run's song list names them.
#include "UiTestSupport.h"

#include "tools/MidiSongs.h"
#include "ui/OptionsCommand.h"
#include "ui/Session.h"

#include <gtest/gtest.h>

#include <map>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

uint32_t Read(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | b.at(at + static_cast<size_t>(i));
    return value;
}

struct Walk {
    int notes = 0;
    int unbalanced = 0;
    double seconds = 0;
    bool ended = false;
    std::string problem;
};

// Reads the one track event by event, as a player does.
Walk WalkTrack(const std::vector<uint8_t>& file) {
    Walk walk;
    if (file.size() < 22 || Read(file, 0, 4) != 0x4D546864u || Read(file, 4, 4) != 6 ||
        Read(file, 8, 2) != 0 || Read(file, 10, 2) != 1 || Read(file, 14, 4) != 0x4D54726Bu) {
        walk.problem = "header";
        return walk;
    }
    const double division = Read(file, 12, 2);
    const size_t end = 22 + Read(file, 18, 4);
    if (end != file.size()) {
        walk.problem = "track length";
        return walk;
    }
    std::map<int, int> sounding;
    double tempo = 500000;
    size_t at = 22;
    while (at < end && !walk.ended) {
        uint32_t delta = 0;
        uint8_t byte;
        do {
            byte = file.at(at++);
            delta = delta << 7 | (byte & 0x7F);
        } while (byte & 0x80);
        walk.seconds += delta / division * tempo / 1e6;
        const uint8_t status = file.at(at++);
        if (status == 0xFF) {
            const uint8_t type = file.at(at++);
            const uint8_t length = file.at(at++);
            if (type == 0x51) tempo = Read(file, at, 3);
            if (type == 0x2F) walk.ended = true;
            at += length;
        } else if ((status & 0xF0) == 0xC0) {
            at += 1;
        } else if ((status & 0xE0) == 0x80) {
            const int key = (status & 0x0F) << 8 | file.at(at);
            if (file.at(at) > 127 || file.at(at + 1) > 127) walk.problem = "data byte";
            if ((status & 0xF0) == 0x90) {
                ++sounding[key];
                ++walk.notes;
            } else {
                --sounding[key];
            }
            at += 2;
        } else {
            walk.problem = "unexpected status";
            return walk;
        }
    }
    for (const auto& [key, count] : sounding)
        if (count != 0) ++walk.unbalanced;
    if (at != end) walk.problem = "bytes after the end of track";
    return walk;
}

// Guards the writer: header, track length, every note ended, the end-of-track event last,
// and songs long enough to be heard as songs.
TEST(SongFiles, WellFormedMidi) {
    const auto songs = songs::OwnSongs();
    ASSERT_EQ(songs.size(), 3u);
    for (const auto& song : songs) {
        SCOPED_TRACE(song.FileName);
        const Walk walk = WalkTrack(songs::MidiFile(song));
        EXPECT_EQ(walk.problem, "");
        EXPECT_TRUE(walk.ended);
        EXPECT_EQ(walk.unbalanced, 0);
        EXPECT_GT(walk.notes, 40);
        EXPECT_GT(walk.seconds, 20);
        EXPECT_LT(walk.seconds, 120);
    }
}

// Guards the first run: no "Song" section gets the program's songs; a list the user left,
// even empty, is kept.
TEST(SongFiles, FirstRunListNamesTheOwnSongs) {
    WindowFixture f;
    const QString path = f.window->SettingsPath;
    const QStringList own = {QStringLiteral("/usr/share/vantorel/music/vantorel-aube.mid"),
                             QStringLiteral("/usr/share/vantorel/music/vantorel-bise.mid")};
    SeedSongList(path, own);
    EXPECT_EQ(TIniText(path).SectionLines(QStringLiteral("Song")),
              (QStringList{"Nr_0001=" + own[0], "Nr_0002=" + own[1], QStringLiteral("Count=2")}));
    WriteSongList(path, {});
    SeedSongList(path, own);
    EXPECT_EQ(TIniText(path).SectionLines(QStringLiteral("Song")),
              QStringList{QStringLiteral("Count=0")});
}

} // namespace
