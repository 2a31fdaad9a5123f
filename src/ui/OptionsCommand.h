#pragma once
// The command "Options...": the options dialog over the window's options record and the
// "Song" section of the settings file; confirmed, the options are saved and the music
// follows at once.
#include <QStringList>

#include <functional>

namespace vantorel {

class TMainWindow;
class TOptions1;

// Runs the dialog; true when it was confirmed. Empty: the dialog's own modal loop.
using TOptionsDialogFn = std::function<bool(TOptions1& dialog)>;

void OptionsClick(TMainWindow& window, const TOptionsDialogFn& run = {});

// The "Song" section rewritten: "Nr_0001"... in list order, then "Count".
void WriteSongList(const QString& settingsPath, const QStringList& songs);

// The songs that come with the program (installed, or beside it in the build tree).
QStringList OwnSongFiles();
// A settings file without a "Song" section gets the program's own songs, so that the
// music plays on a first run; a list the user made, even an empty one, stays.
void SeedSongList(const QString& settingsPath, const QStringList& songs);

} // namespace vantorel
