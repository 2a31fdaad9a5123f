#include "TSongChoice.h"

#include "engine/Random.h"

#include <QSettings>

namespace vantorel {

QString SongKey(int index) {
    return QStringLiteral("Nr_") + QString::number(index, 16).toUpper().rightJustified(4, '0');
}

TSongSource SettingsSongs(const QSettings& settings,
                          std::function<bool(const QString& path)> exists) {
    return {
        [&settings] { return settings.value(QStringLiteral("Song/Count"), 0).toInt(); },
        [&settings](int index) {
            return settings.value(QStringLiteral("Song/") + SongKey(index)).toString();
        },
        std::move(exists),
    };
}

TSongChoice ChooseSong(const TSongSource& source, bool randomOrder, int& lastSongIndex) {
    TSongChoice choice;
    // The song heard last, kept apart from the running index: the index is dropped after
    // every attempt (so a gap in the list starts the order again at 1), while the song
    // must not come back straight away at random however many attempts are made.
    const int played = lastSongIndex;
    int index = 0;
    while (choice.Attempts < kSongAttempts) {
        ++choice.Attempts;
        const int count = source.Count();
        if (count < 1) {
            lastSongIndex = -1;
            return {QString(), choice.Attempts};
        }
        if (count == 1) {
            index = 1;
            lastSongIndex = -1;
        } else if (randomOrder) {
            index = static_cast<int>(RandomBelow(static_cast<uint32_t>(count))) + 1;
        } else {
            index = lastSongIndex > 0 ? lastSongIndex + 1 : 1;
        }
        if (index > count) index = 1;
        lastSongIndex = -1;

        const QString name = source.Name(index);
        const bool repeated = randomOrder && count > 1 && index == played;
        if (name > QStringLiteral(" ") && !repeated && source.Exists(name)) {
            lastSongIndex = index;
            choice.Path = name;
            return choice;
        }
    }
    lastSongIndex = index;
    return choice;
}

} // namespace vantorel
