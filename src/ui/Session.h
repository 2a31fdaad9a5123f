#pragma once
// What the program keeps between runs. The settings file "Vantorel.cfg" is a plain INI
// file shared with the user (known players, songs, servers last called); the per-user
// store keeps the options, the last board, the last theme and the last player's name.
#include "PlayerNames.h"

#include "game/TOptions.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QSettings;
class QTemporaryFile;

namespace vantorel {

// An INI file read as text lines, so that a value keeps whatever it holds ("a=b" included)
// and the lines of other sections come back exactly as they were.
class TIniText {
public:
    // A missing or unreadable file is empty.
    explicit TIniText(const QString& path);

    // The "key=value" lines of a section (names compared exactly), in file order.
    QStringList SectionLines(const QString& section) const;
    // The section's lines replaced (appended when the section is absent).
    void ReplaceSection(const QString& section, const QStringList& lines);
    // Written whole beside the file and renamed over it; the modification time is kept
    // when the file had one. False when it could not be written.
    bool Save() const;

private:
    QString path_;
    std::vector<QString> lines_;
};

// Every name of "Players" (the text after the last "=", at most 50 characters), then the
// default names.
void ReadPlayers(const QString& settingsPath, TPlayerNames& names);
// "Players" rewritten in list order as Nr_0000, Nr_0001, ...; other sections untouched.
void WritePlayers(const QString& settingsPath, const TPlayerNames& names);
// The servers last called, most recent first; blank values are skipped.
QStringList ReadRecentAddresses(const QString& settingsPath);

// The per-user store: sections of string values. Errors read as the fallback and writes
// that fail are dropped: settings never stop the program.
class TUserStore {
public:
    // An explicit file (tests), or the user's own store.
    explicit TUserStore(const QString& path = {});
    ~TUserStore();

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
QString FormatTablier(const TTablier& board);
// Fields taken from the front, separated by ";": hexadecimal, 0 when unreadable.
TTablier ParseTablier(QString text);

// The options of "Interface/Default"; anything unreadable gives the defaults.
void LoadOptions(const TUserStore& store, TOptions& options);
void SaveOptions(TUserStore& store, TOptions& options);
// The last board, cleared as soon as it is read: a run that dies starts on the plain one.
TTablier TakeStoredVariant(TUserStore& store);
// The last theme (6 when none), "1" written back at once for the same reason.
int TakeStoredTheme(TUserStore& store);
// A clean exit: the board, the theme (unless negative), the first human player's name
// (unless empty) and the options.
void WriteSession(TUserStore& store, const TTablier& board, int themeId, const QString& player,
                  TOptions& options);

// A unique empty file in the temporary folder, "VTL" first, removed with the object.
class TTempFile {
public:
    TTempFile();
    ~TTempFile();
    QString Path() const;

private:
    std::unique_ptr<QTemporaryFile> file_;
};

} // namespace vantorel
