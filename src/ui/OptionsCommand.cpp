#include "OptionsCommand.h"

#include "Sdimain.h"
#include "Session.h"

#include "views/Options.h"

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
