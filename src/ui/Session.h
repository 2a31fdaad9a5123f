#pragma once
// What the program keeps between runs. The settings file "Vantorel.cfg" is a plain INI
// file shared with the user (known players, songs, servers last called); the per-user
// store keeps the options, the last board, the last theme and the last player's name.
#include "PlayerNames.h"

#include "game/TOptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QSettings;
class QTemporaryFile;

namespace vantorel {

// An INI file read as raw lines, so that a value keeps whatever it holds ("a=b" included)
// and the lines of the other sections are written back byte for byte, line ends included.
// Section and key names are compared exactly: "players" is not "Players".
class TIniText {
public:
    // Beyond this the file is not ours: it reads as empty and is never rewritten.
    static constexpr qint64 kLargestFile = 8 * 1024 * 1024;

    // A missing or unreadable file is empty.
    explicit TIniText(const QString& path);
    // The text of a file already read, to be saved at `path`.
    TIniText(const QString& path, const QByteArray& bytes);

    // The "key=value" lines of a section (every section of that name), in file order, line
    // ends and ";" comments left out.
    QStringList SectionLines(const QString& section) const;
    // The trimmed text after the first "=" of the section's first line with that key (the
    // key trimmed); empty when there is none.
    QString Value(const QString& section, const QString& key) const;
    // The section's lines replaced where it first appears (later sections of that name
    // dropped); appended at the end when absent.
    void ReplaceSection(const QString& section, const QStringList& lines);
    // Written whole beside the file and renamed over it, the modification time kept. False
    // when not written, always so for a file that exists but could not be read.
    bool Save() const;

private:
    void SetBytes(const QByteArray& bytes);

    QString path_;
    bool writable_ = true;
    std::vector<QByteArray> lines_; // each with its line end, the last one maybe without
};

// Every name of "Players" (the text after the last "=", at most 50 characters), then the
// default names.
void ReadPlayers(const QString& settingsPath, TPlayerNames& names);
void ReadPlayers(const TIniText& settings, TPlayerNames& names);
// "Players" rewritten in list order as Nr_0000, Nr_0001, ...; other sections untouched.
void WritePlayers(const QString& settingsPath, const TPlayerNames& names);
// The lines WritePlayers writes.
QStringList PlayersSection(const TPlayerNames& names);
// The servers last called (IP_01..IP_05 of "Connexion"), most recent first; blank values
// are skipped.
QStringList ReadRecentAddresses(const QString& settingsPath);
QStringList ReadRecentAddresses(const TIniText& settings);

// The per-user store: sections of string values. Errors read as the fallback and writes
// that fail are dropped: settings never stop the program.
class TUserStore {
public:
    // An explicit INI file (tests), or the user's own store.
    explicit TUserStore(const QString& path = {});
    ~TUserStore();

    // In the section "Interface".
    QString Read(const QString& name, const QString& fallback) const;
    void Write(const QString& name, const QString& value);
    // In another section (the variant library's folder lives under "Modele").
    QString Read(const QString& section, const QString& name, const QString& fallback) const;
    void Write(const QString& section, const QString& name, const QString& value);
    void Sync();

private:
    std::unique_ptr<QSettings> settings_;
};

// The identity of a board: its kind and its date.
struct TTablier {
    int32_t Kind = 0;
    uint16_t Day = 0;
    uint16_t Month = 0;
    uint16_t Year = 0;
};
// "KKKKKK;DD;M;YYYY" in upper-case hex, each field at least that wide. A negative kind (a
// board of the user's own) is written as its 32 bits and reads back the same.
QString FormatTablier(int32_t kind, uint16_t day, uint16_t month, uint16_t year);
inline QString FormatTablier(const TTablier& board) {
    return FormatTablier(board.Kind, board.Day, board.Month, board.Year);
}
// Fields taken from the front, separated by ";": hexadecimal, 0 when unreadable or too
// large for the field.
TTablier ParseTablier(QString text);

// The options of "Default"; anything unreadable gives the defaults.
void LoadOptions(const TUserStore& store, TOptions& options);
// The checksum brought up to date, then the record written as text.
void SaveOptions(TUserStore& store, TOptions& options);
// The last board, cleared as soon as it is read: a run that dies starts on the plain one.
TTablier TakeStoredVariant(TUserStore& store);
// The last theme (6 when none, 1 when unreadable or out of 1..255), "1" written back at
// once for the same reason.
int TakeStoredTheme(TUserStore& store);
// The stored theme's text as a theme id: a decimal 1..255, else 1.
int ParseTheme(const QString& text);
// A clean exit: the board, the theme (unless negative), the first human player's name
// (unless empty) and the options, then everything flushed.
void WriteSession(TUserStore& store, const TTablier& board, int themeId, const QString& joueur,
                  TOptions& options);

// A unique empty file in the temporary folder, "VTL" first, removed with the object. It is
// left closed so that others can write it by its path.
class TTempFile {
public:
    TTempFile();
    ~TTempFile();
    // Empty when no file could be made.
    QString Path() const;

private:
    std::unique_ptr<QTemporaryFile> file_;
};

} // namespace vantorel
