#include "MidiSongs.h"

#include <algorithm>
#include <tuple>

namespace vantorel::songs {

namespace {

constexpr int Q = kTicksPerQuarter;

// A melody line: keys (0 a rest) and lengths in eighths, played legato on one channel.
void Line(TSong& song, uint8_t channel, int start, const std::vector<std::pair<int, int>>& notes,
          uint8_t velocity) {
    int at = start;
    for (const auto& [key, eighths] : notes) {
        const int length = eighths * Q / 2;
        if (key > 0)
            song.Notes.push_back(
                {at, length - Q / 16, channel, static_cast<uint8_t>(key), velocity});
        at += length;
    }
}

// Chords held a bar each (four quarters), the three keys together.
void Chords(TSong& song, uint8_t channel, int start, const std::vector<std::vector<int>>& bars,
            uint8_t velocity, int repeat = 1) {
    int at = start;
    for (int r = 0; r < repeat; ++r)
        for (const auto& bar : bars) {
            for (int key : bar)
                song.Notes.push_back(
                    {at, 4 * Q - Q / 8, channel, static_cast<uint8_t>(key), velocity});
            at += 4 * Q;
        }
}

// A plucked bass: the root on each beat one and three.
void Bass(TSong& song, uint8_t channel, int start, const std::vector<int>& roots, int repeat) {
    int at = start;
    for (int r = 0; r < repeat; ++r)
        for (int root : roots) {
            for (int beat : {0, 2})
                song.Notes.push_back(
                    {at + beat * Q, Q + Q / 2, channel, static_cast<uint8_t>(root), 70});
            at += 4 * Q;
        }
}

TSong Aube() {
    // "L'aube sur le moulin": a slow tune in D major over a guitar, flute on top.
    TSong song{
        "vantorel-aube.mid", "L'aube sur le moulin", 666667, {{0, 73}, {1, 24}, {2, 32}}, {}};
    const std::vector<std::pair<int, int>> phrase = {
        {74, 2}, {76, 2}, {78, 3}, {76, 1}, {74, 4}, {71, 2}, {73, 2}, {74, 2},
        {76, 2}, {78, 6}, {0, 2},  {81, 2}, {79, 2}, {78, 2}, {76, 2}, {74, 3},
        {73, 1}, {71, 4}, {69, 2}, {71, 2}, {73, 2}, {76, 2}, {74, 8}};
    Line(song, 0, 0, phrase, 84);
    Line(song, 0, 16 * Q, phrase, 88);
    const std::vector<std::vector<int>> bars = {{62, 66, 69}, {59, 62, 66}, {55, 59, 62},
                                                {57, 61, 64}, {62, 66, 69}, {59, 62, 66},
                                                {55, 59, 64}, {57, 62, 66}};
    Chords(song, 1, 0, bars, 60, 1);
    Bass(song, 2, 0, {38, 35, 31, 33, 38, 35, 31, 33}, 1);
    return song;
}

TSong Bise() {
    // "La bise": a brisk jig-like tune in E minor on a fiddle, with pizzicato strings.
    TSong song{"vantorel-bise.mid", "La bise", 400000, {{0, 40}, {1, 45}, {2, 33}}, {}};
    const std::vector<std::pair<int, int>> a = {
        {76, 1}, {79, 1}, {83, 1}, {81, 1}, {79, 1}, {78, 1}, {76, 2}, {71, 1}, {74, 1},
        {76, 1}, {78, 1}, {79, 2}, {78, 2}, {76, 1}, {79, 1}, {83, 1}, {86, 1}, {84, 1},
        {83, 1}, {81, 2}, {79, 1}, {78, 1}, {76, 1}, {74, 1}, {76, 4}};
    for (int r = 0; r < 3; ++r)
        Line(song, 0, r * 16 * Q, a, static_cast<uint8_t>(80 + 6 * r));
    const std::vector<std::vector<int>> bars = {
        {64, 67, 71}, {62, 66, 69}, {60, 64, 67}, {59, 63, 66}};
    Chords(song, 1, 0, bars, 55, 3);
    Bass(song, 2, 0, {40, 38, 36, 35}, 3);
    return song;
}

TSong Veillee() {
    // "Veillée": a waltz-like lullaby in F major, piano and cello.
    TSong song{"vantorel-veillee.mid", "Veillée", 750000, {{0, 0}, {1, 42}, {2, 48}}, {}};
    const std::vector<std::pair<int, int>> tune = {
        {72, 4}, {77, 2}, {76, 2}, {74, 4}, {72, 4}, {70, 2}, {69, 2}, {67, 4}, {65, 4},
        {67, 2}, {69, 2}, {70, 2}, {72, 2}, {74, 4}, {72, 8}, {0, 4},  {69, 2}, {70, 2},
        {72, 4}, {77, 4}, {76, 2}, {74, 2}, {72, 4}, {70, 2}, {69, 2}, {67, 4}, {65, 8}};
    // Twice through, the second time a little louder.
    for (int r = 0; r < 2; ++r) {
        const int at = r * 48 * Q;
        Line(song, 0, at, tune, static_cast<uint8_t>(70 + 8 * r));
        Line(song, 2, at, {{53, 8}, {58, 8}, {60, 8}, {53, 8}, {50, 8}, {58, 8}, {60, 8}, {53, 8}},
             58);
        Chords(song, 1, at + 32 * Q, {{57, 60, 65}, {58, 62, 65}, {57, 60, 65}}, 40, 1);
    }
    return song;
}

void Put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift : {24, 16, 8, 0})
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// A variable-length quantity: seven bits a byte, the high bit on every byte but the last.
void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (n > 1)
        out.push_back(static_cast<uint8_t>(bytes[--n] | 0x80));
    out.push_back(bytes[0]);
}

} // namespace

std::vector<TSong> OwnSongs() {
    return {Aube(), Bise(), Veillee()};
}

std::vector<uint8_t> MidiFile(const TSong& song) {
    // Events as (tick, order, bytes): at the same tick, note ends (order 0) come first.
    struct Event {
        int Tick;
        int Order;
        std::vector<uint8_t> Bytes;
    };
    std::vector<Event> events;
    for (const TNote& n : song.Notes) {
        events.push_back(
            {n.Start, 1, {static_cast<uint8_t>(0x90 | (n.Channel & 0x0F)), n.Key, n.Velocity}});
        events.push_back(
            {n.Start + n.Length, 0, {static_cast<uint8_t>(0x80 | (n.Channel & 0x0F)), n.Key, 0}});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.Tick, a.Order) < std::tie(b.Tick, b.Order);
    });

    std::vector<uint8_t> track;
    // Tempo and title at tick 0.
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    track.push_back(static_cast<uint8_t>(song.MicrosecondsPerQuarter >> 16));
    track.push_back(static_cast<uint8_t>(song.MicrosecondsPerQuarter >> 8));
    track.push_back(static_cast<uint8_t>(song.MicrosecondsPerQuarter));
    track.insert(track.end(), {0x00, 0xFF, 0x03});
    PutVarLen(track, static_cast<uint32_t>(song.Title.size()));
    track.insert(track.end(), song.Title.begin(), song.Title.end());
    for (const auto& [channel, program] : song.Programs)
        track.insert(track.end(), {0x00, static_cast<uint8_t>(0xC0 | (channel & 0x0F)), program});
    int now = 0;
    for (const Event& e : events) {
        PutVarLen(track, static_cast<uint32_t>(e.Tick - now));
        now = e.Tick;
        track.insert(track.end(), e.Bytes.begin(), e.Bytes.end());
    }
    // A bar of silence before the end, so that the last notes ring out.
    PutVarLen(track, 4 * kTicksPerQuarter);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
    Put32(file, 6);
    Put16(file, 0); // format 0
    Put16(file, 1); // one track
    Put16(file, kTicksPerQuarter);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    Put32(file, static_cast<uint32_t>(track.size()));
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

} // namespace vantorel::songs
