// What the window remembers between runs: the known players, the options, the last board
// and theme, read at start and written back at a clean exit; the end of the intro; and the
// saved game named on the command line.
#include "Sdimain.h"

#include "OptionsCommand.h"
#include "Session.h"
#include "WindowPlace.h"

#include "game/TFileModele.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <fstream>

namespace vantorel {

namespace {

// The variant library's path is kept with the other per-user values.
class TLibraryPath : public TLibrarySettings {
public:
    explicit TLibraryPath(TUserStore& store) : store_(store) {}
    std::filesystem::path StoredPath() const override {
        return store_.Read(QStringLiteral("Modele"), QStringLiteral("Variant"), {}).toStdString();
    }
    void StorePath(const std::filesystem::path& path) override {
        store_.Write(QStringLiteral("Modele"), QStringLiteral("Variant"),
                     QString::fromStdString(path.string()));
    }

private:
    TUserStore& store_;
};

// Where "Vantorel.tev" is looked for when no path was remembered: the current folder, then
// the library installed with the program (beside it, or in its data folder).
QString LibraryFolder() {
    const QString name = QString::fromLatin1(TFileModele::kDefaultName);
    const QString program = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {QDir::currentPath(), program, program + QStringLiteral("/../share/vantorel")}) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + name)) return QDir(folder).absolutePath();
    }
    return QDir::currentPath();
}

} // namespace

void TMainWindow::FormCreateSession() {
    UserStore = std::make_unique<TUserStore>(parts_.UserStorePath);
    TempFile = std::make_unique<TTempFile>();
    ReadPlayers(SettingsPath, PlayerNames);
    SeedSongList(SettingsPath, OwnSongFiles());
    LoadOptions(*UserStore, OptionsRecord);
    // Taken and cleared at once: a run that dies starts the next one on the plain board.
    const TTablier board = TakeStoredVariant(*UserStore);
    LibraryPath = std::make_unique<TLibraryPath>(*UserStore);
    Library = std::make_unique<TFileModele>(*LibraryPath, LibraryFolder().toStdString());
    if (board.Kind != 0 || board.Day != 0 || board.Month != 0 || board.Year != 0) {
        if (std::optional<Tmodele> found =
                Library->Find(board.Kind, board.Day, board.Month, board.Year)) {
            Game->Model.Assign(*found);
            Game->NewGame();
        }
    }
}

void TMainWindow::FormDestroySession() {
    if (!UserStore) return;
    RememberWindowPlace(*this, *UserStore);
    // The language of this run, the system's too: the next start speaks it.
    RememberLanguage();
    WritePlayers(SettingsPath, PlayerNames);
    const Tmodele& model = Game->Model;
    QString human;
    for (const TPlayerRec& player : Game->Players)
        if (human.isEmpty() && player.Kind == TPlayerRec::Human)
            human = QString::fromStdString(player.Name);
    // Closed during the intro there is no theme to remember: the stored one stays.
    const int theme = LastThemeId > 0 && LastThemeId != kNoTheme ? LastThemeId : -1;
    WriteSession(*UserStore, {model.Kind, model.Day, model.Month, model.Year}, theme, human,
                 OptionsRecord);
    TempFile.reset();
}

void TMainWindow::RestoreSession() {
    if (ThemeId != 0 || restoring_) return;
    restoring_ = true;
    // Written back as 1 at once, like the board: a run that dies starts on the flat board.
    const int theme = UserStore ? TakeStoredTheme(*UserStore) : 1;
    ProcessPendingEvents();
    RebuildView(theme);
    RefreshThemeMenu();
    SetUpLocalGame(kHumanVsComputer, -1, kWhite);
    // The first game is the game object's own, white against the computer; the human takes
    // the name last played under, once one was typed.
    const QString remembered =
        UserStore ? UserStore->Read(QStringLiteral("Joueur"), {}).trimmed().left(50) : QString();
    Game->Players[kWhite].Name =
        remembered.isEmpty() ? std::string(texts::kDefaultWhiteName) : remembered.toStdString();
    Game->Players[kBlack].Name = texts::kDefaultBlackName;
    setWindowTitle(Caption());
    if (!StartupFile.isEmpty()) OpenSavedGame(StartupFile);
    if (StartupNetwork.Role != 0)
        StartNetworkGame(StartupNetwork.Role, StartupNetwork.Address, StartupNetwork.Port);
    if (OptionsRecord[TOptions::Music] == 1) MusicNextPending = true;
    if (OptionsRecord[TOptions::TipOfTheDay] == 1) ShowRandomTip();
    restoring_ = false;
}

bool TMainWindow::OpenSavedGame(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.suffix().toUpper() != QStringLiteral("VTL")) return false;
    const QString fullPath = info.absoluteFilePath();
    CancelComputerMove(true);
    const int theme = SignedThemeId() >= 1 ? ThemeId : 1;
    if (CurrentView) CurrentView->StopAnimation();
    ThemeId = kNoTheme;
    bool loaded = false;
    try {
        std::ifstream stream(fullPath.toLocal8Bit().toStdString(), std::ios::binary);
        if (stream) {
            Game->LoadGame(stream);
            Game->Title = fullPath.toStdString();
            loaded = true;
        }
    } catch (const std::exception&) {
        // A file that is not a saved game of ours is ignored; the game is as it was.
    }
    // The loaded game may be played on another board: the view is built anew either way.
    RebuildView(theme);
    RefreshStopButton();
    RefreshOpponentMenu();
    return loaded;
}

} // namespace vantorel
