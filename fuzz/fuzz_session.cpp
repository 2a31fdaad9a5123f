// The per-user store keeps the session between runs: the options ("Default"), the last board
// ("Tablier"), the last theme and the last player's name. It is a file of the user's, so the
// input is taken as that whole file, read and written back through the program's own
// functions, and the values alone through their parsers.
#include "FuzzInput.h"
#include "InputFile.h"

#include "ui/Session.h"

#include <QByteArray>
#include <QString>

using namespace vantorel;
using vantorel::fuzz::Expect;
using vantorel::fuzz::TInputFile;

namespace {

bool SameBoard(const TTablier& a, const TTablier& b) {
    return a.Kind == b.Kind && a.Day == b.Day && a.Month == b.Month && a.Year == b.Year;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The bytes as one value: Latin-1 keeps every byte a character.
    const QString text = QString::fromLatin1(bytes);

    const TTablier board = ParseTablier(text);
    Expect(SameBoard(ParseTablier(FormatTablier(board)), board), "a board does not read back");
    const int theme = ParseTheme(text);
    Expect(theme >= 1 && theme <= 255, "a theme outside 1..255");

    if (size > 4096) return 0;
    static TInputFile file("store.ini");
    const QString path = file.Write(bytes);
    if (path.isEmpty()) return 0;
    TTablier stored;
    int storedTheme = 0;
    QString joueur;
    {
        TUserStore store(path);
        TOptions options;
        LoadOptions(store, options);
        Expect(options[TOptions::OptionsChecksum] == options.Checksum(),
               "options taken without their checksum");
        stored = TakeStoredVariant(store);
        storedTheme = TakeStoredTheme(store);
        Expect(storedTheme >= 1 && storedTheme <= 255, "a stored theme outside 1..255");
        joueur = store.Read(QStringLiteral("Joueur"), QString());
        // What a clean exit writes ...
        WriteSession(store, stored, storedTheme, joueur, options);
    }
    {
        // ... the next start reads.
        const TUserStore store(path);
        TOptions reread;
        LoadOptions(store, reread);
        Expect(reread[TOptions::OptionsChecksum] == reread.Checksum(),
               "options written do not read back with their checksum");
        Expect(SameBoard(ParseTablier(store.Read(QStringLiteral("Tablier"), QString())), stored),
               "the board written does not read back");
        Expect(ParseTheme(store.Read(QStringLiteral("Theme"), QString())) == storedTheme,
               "the theme written does not read back");
        if (!joueur.isEmpty())
            Expect(store.Read(QStringLiteral("Joueur"), QString()) == joueur,
                   "the player's name written does not read back");
    }
    return 0;
}
