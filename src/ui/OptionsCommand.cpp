#include "OptionsCommand.h"

#include "Sdimain.h"
#include "Session.h"

#include "views/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vantorel {

namespace {

constexpr int kOptionsHelpContext = 135;
const QString kSongSection = QStringLiteral("Song");

} // namespace

void WriteSongList(const QString& settingsPath, const QStringList& songs) {
    TIniText ini(settingsPath);
    QStringList lines;
    int n = 0;
    for (QString path : songs) {
        path.replace(u'\r', u' ').replace(u'\n', u' ');
        const QString number = QStringLiteral("%1").arg(++n, 4, 16, QLatin1Char('0')).toUpper();
        lines << QStringLiteral("Nr_") + number + u'=' + path;
    }
    lines << QStringLiteral("Count=%1").arg(n);
    ini.ReplaceSection(kSongSection, lines);
    ini.Save();
}

QStringList OwnSongFiles() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {program.filePath(QStringLiteral("../share/vantorel/music")),
                                     program.filePath(QStringLiteral("music"))}) {
        const QDir folder(candidate);
        const QStringList names =
            folder.entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name);
        if (names.isEmpty()) continue;
        QStringList songs;
        for (const QString& name : names)
            songs << QDir::cleanPath(folder.absoluteFilePath(name));
        return songs;
    }
    return {};
}

void SeedSongList(const QString& settingsPath, const QStringList& songs) {
    if (songs.isEmpty()) return;
    if (!TIniText(settingsPath).SectionLines(kSongSection).isEmpty()) return;
    WriteSongList(settingsPath, songs);
}

void OptionsClick(TMainWindow& window, const TOptionsDialogFn& run) {
    if (window.CurrentView) window.CurrentView->StopAnimation();
    try {
        TOptionsSongs songs;
        songs.Stored = TIniText(window.SettingsPath).SectionLines(kSongSection);
        const QString settingsPath = window.SettingsPath;
        songs.Store = [settingsPath](const QStringList& list) {
            WriteSongList(settingsPath, list);
        };
        TOptions1 dialog(window.OptionsRecord, songs, &window);
        dialog.ShowHelp = [&window] { window.Help->ShowContext(kOptionsHelpContext); };
        const bool confirmed = run ? run(dialog) : dialog.exec() == QDialog::Accepted;
        if (!confirmed) return;
        SaveOptions(*window.UserStore, window.OptionsRecord);
        window.MediaPlayer1Notify();
    } catch (const std::exception& error) {
        window.Assistant->ReportError(2, error.what());
    }
}

} // namespace vantorel
