// "Vantorel.cfg" is a plain INI file the user may edit or share. Read through the program's
// own code (the players, the servers last called, the song list the music plays from), any
// bytes give names the program can keep, and rewriting one section leaves the others as
// they were.
#include "FuzzInput.h"
#include "InputFile.h"

#include "engine/Random.h"
#include "ui/Session.h"
#include "ui/TSongChoice.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;
using vantorel::fuzz::TInputFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TIniText ini(QString(), bytes);

    TPlayerNames names;
    ReadPlayers(ini, names);
    for (const QString& name : TPlayerNames::DefaultNames())
        Expect(names.Contains(name), "a default player went missing");
    for (const QString& name : names.Names())
        Expect(!name.isEmpty() && name.size() <= 50, "a player name the program cannot keep");

    const QStringList addresses = ReadRecentAddresses(ini);
    Expect(addresses.size() <= 5, "more servers than the five remembered");
    for (const QString& address : addresses)
        Expect(!address.isEmpty(), "an empty server address");

    // "Players" rewritten from the names read: read again it gives the same names, and every
    // other section keeps its lines.
    const QStringList connexion = ini.SectionLines(QStringLiteral("Connexion"));
    const QStringList songs = ini.SectionLines(QStringLiteral("Song"));
    ini.ReplaceSection(QStringLiteral("Players"), PlayersSection(names));
    TPlayerNames again;
    ReadPlayers(ini, again);
    Expect(again.Names() == names.Names(), "the players written do not read back");
    Expect(ini.SectionLines(QStringLiteral("Connexion")) == connexion,
           "rewriting the players changed the servers");
    Expect(ini.SectionLines(QStringLiteral("Song")) == songs,
           "rewriting the players changed the songs");

    // The song list as the background music reads it, every song there or none.
    if (size <= 4096) {
        static TInputFile file("settings.cfg");
        const QString path = file.Write(bytes);
        if (path.isEmpty()) return 0;
        {
            const QSettings settings(path, QSettings::IniFormat);
            for (const bool present : {true, false}) {
                int last = -1;
                RandSeed(static_cast<uint32_t>(size)); // the same input, the same choice
                const TSongSource source =
                    SettingsSongs(settings, [present](const QString&) { return present; });
                const TSongChoice choice = ChooseSong(source, size % 2 == 1, last);
                Expect(choice.Attempts <= kSongAttempts, "the music looked at too many songs");
                Expect(present || choice.Path.isEmpty(), "a missing song was chosen");
            }
        }
    }
    return 0;
}
