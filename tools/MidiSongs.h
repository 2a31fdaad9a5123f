#pragma once
// The program's own background songs, composed here as lists of notes and written as
// standard MIDI files (format 0, one track), so that music plays on a first run.
#include <cstdint>
#include <string>
#include <vector>

namespace vantorel::songs {

struct TNote {
    int Start = 0;  // in ticks from the song's start
    int Length = 0; // in ticks
    uint8_t Channel = 0;
    uint8_t Key = 60;
    uint8_t Velocity = 80;
};

struct TSong {
    std::string FileName;
    std::string Title;
    int MicrosecondsPerQuarter = 500000;
    std::vector<std::pair<uint8_t, uint8_t>> Programs; // channel, General MIDI program
    std::vector<TNote> Notes;
};

inline constexpr int kTicksPerQuarter = 480;

// The three songs shipped with the program.
std::vector<TSong> OwnSongs();

// The bytes of a format 0 file: header, tempo, title, programs, the notes' events in
// time order (a note's end before another's start at the same tick), end of track.
std::vector<uint8_t> MidiFile(const TSong& song);

} // namespace vantorel::songs
