#pragma once
// Which background song plays next. The list lives in the settings file (section "Song":
// "Count", then "Nr_0001"...); the choice reads it through three small functions so that
// it can be exercised without files.
#include <QString>

#include <functional>

class QSettings;

namespace vantorel {

struct TSongSource {
    std::function<int()> Count;                      // songs in the list, 0 when none
    std::function<QString(int index)> Name;          // path of song `index` (1-based), or ""
    std::function<bool(const QString& path)> Exists; // the file is there
};

struct TSongChoice {
    QString Path;     // empty: nothing to play
    int Attempts = 0; // how many songs were looked at
};

inline constexpr int kSongAttempts = 10;

// The key of song `index`: "Nr_" and four upper-case hex digits.
QString SongKey(int index);

// The "Song" section of an open settings file ("Count", then each song's path), with
// `exists` to say whether a song's file is there. The settings must outlive the source.
TSongSource SettingsSongs(const QSettings& settings,
                          std::function<bool(const QString& path)> exists);

// Looks at up to ten songs and takes the first that exists. In order, a missing song sends
// the choice back to the first one; at random, the song that played last is not taken again
// when the list has others. `lastSongIndex` is the index (1-based) of the song last
// started, −1 for none; it is updated to the song chosen.
TSongChoice ChooseSong(const TSongSource& source, bool randomOrder, int& lastSongIndex);

} // namespace vantorel
