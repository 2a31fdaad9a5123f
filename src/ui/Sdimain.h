#pragma once
// The main window. It owns the live game, the scene, the one board view and the options,
// and runs the game on its clock `Horloge`: on every idle tick the controller plays for the
// computer (its move fed to the game as point clicks, its dice, the pause after them), rolls
// the dice for a human, and restarts computer-against-computer games. It is the game's
// owner and the view's host.
#include "Assist.h"
#include "PlayerNames.h"
#include "TComputerWorker.h"
#include "THelp.h"
#include "TMusicPlayer.h"

#include "game/TGameOwner.h"
#include "game/TOptions.h"
#include "game/TPlateau.h"
#include "scene/TMaterialLibrary.h"
#include "scene/TScene.h"
#include "scene/TSceneViewer.h"
#include "scene/TSoundLibrary.h"
#include "views/TAnim.h"

#include <QMainWindow>
#include <QSlider>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace vantorel {

class TFConnexion;
class TFReseau;
class TFileModele;
class TLibrarySettings;
class TTempFile;
class TUserStore;

// The board's angle after a quarter-turn command: the next multiple of 45 degrees.
int NextQuarterAngle(double angle);

// A view and the theme id it really shows.
struct TBuiltView {
    std::unique_ptr<TAnim> View;
    int ThemeId = 1;
};
using TViewFactory =
    std::function<TBuiltView(int themeId, TPlateau& game, scene::TSceneViewer& viewer,
                             scene::TScene& scene, TViewHost& host)>;

// The theme table: 0 is the intro (the bare view); every theme, and any unknown id, is
// drawn by the 2D classic view, id 1, until the other themes exist.
TBuiltView BuildThemeView(int themeId, TPlateau& game, scene::TSceneViewer& viewer,
                          scene::TScene& scene, TViewHost& host);

enum class TMessageKind { Information, Question, Error };
// Shows a message; for a question, true means yes.
using TMessageBoxFn = std::function<bool(TMessageKind kind, const QString& text)>;
// The question before a running game is dropped: Yes, No (save it first) or Cancel.
enum class TAbandonAnswer { Yes, No, Cancel };
using TAbandonFn = std::function<TAbandonAnswer(const QString& text)>;
// The file dialogs: the chosen path, empty when cancelled.
using TFileDialogFn = std::function<QString(bool save, const QString& suggested)>;

// What the window takes from outside. Whatever is left empty is the real thing; tests
// give a clock, a seed, fakes for the sound, the music and the boxes, and never show the
// window.
struct TMainWindowParts {
    TPlateau::Clock Clock;
    std::function<void()> Reseed;
    std::unique_ptr<scene::TSoundSink> Sounds;
    std::unique_ptr<TMusicPlayer> Player;
    QString SettingsPath;
    // The per-user values (options, last board and theme); empty: the user's own store.
    QString UserStorePath;
    std::function<bool(const QString&)> FileExists;
    TMessageBoxFn MessageBox;
    TAbandonFn AskAbandon;
    TFileDialogFn FileDialog;
    // Runs the new-game dialog; true when it was confirmed.
    std::function<bool(TFConnexion& dialog)> RunNewGameDialog;
    std::unique_ptr<THelpRequests> Help;
    TViewFactory ViewFactory;
    // The computer's decision, run on the worker's thread; empty: the engine's.
    TDecideFn Decide;
    // The language of a first start ("FR" or "EN"); empty: the system's.
    QString SystemLanguage;
};

class TMainWindow : public QMainWindow, public TGameOwner, public TViewHost {
    Q_OBJECT
public:
    static constexpr uint8_t kNoTheme = 255;
    static constexpr int kIntroMs = 1000;
    static constexpr int kComputerDicePauseMs = 2000;
    static constexpr int kClockMs = 100;
    static constexpr int kWheelLimit = 80;
    static constexpr int kKeyZoom = 20;
    // The themes a computer-against-computer loop draws from.
    static constexpr std::array<int, 7> kThemeList = {1, 2, 6, 7, 8, 10, 13};

    explicit TMainWindow(TMainWindowParts parts = {}, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The clock and the controller.
    void HorlogeTimer();
    void ControllerStep();
    void RebuildView(int themeId);
    void MediaPlayer1Notify();
    // The end of the intro: the 2D theme and a game against the computer.
    void RestoreSession();
    // Opened after the intro; ignored when it is not a saved game or fails to load.
    void SetStartupFile(const QString& path) { StartupFile = path; }
    bool OpenSavedGame(const QString& path);

    // A new game through the new-game dialog: types 1 to 4 show only their page, 11 to 14
    // the page of that type among the others.
    void StartNewGame(int gameType);
    // A new local game (types 1, 2, 4) with default players, without the dialog, and its
    // entry status. `firstSide` −1 keeps the side the game drew; the human plays
    // `humanSide` against the computer.
    void SetUpLocalGame(int gameType, int firstSide = -1, int humanSide = kWhite);
    void TB_stopClick();
    void RefreshStopButton();
    // The computer's thinking on the worker: every command that changes the game calls
    // CancelComputerMove first, so that the decision under way is abandoned and its move,
    // if it still comes, is dropped. A new game also gives the worker a fresh engine.
    void CancelComputerMove(bool newGame = false);
    bool ComputerThinking() const { return thinking_.Active; }
    void JouermaintenantClick();
    QString Caption() const;
    QString ShownTitle() const;
    // The network window (SdimainNetwork.cpp): opened, or restarted, for a network game,
    // released when a local game is set up.
    void OpenNetworkWindow(int networkRole, const QString& serverAddress, quint16 port = 0);
    // A network game without the dialog (the command line's --serve and --call): this
    // machine's human plays white when serving.
    void StartNetworkGame(int networkRole, const QString& serverAddress, quint16 port);
    // Started once the intro is over, like a saved game named on the command line.
    void SetStartupNetwork(int networkRole, const QString& serverAddress, quint16 port) {
        StartupNetwork = {networkRole, serverAddress, port};
    }
    struct {
        int Role = 0;
        QString Address;
        quint16 Port = 0;
    } StartupNetwork;
    void CloseNetworkWindow();
    quint16 NetworkPort() const;
    void SendDiceToNetwork();
    TFReseau* Reseau = nullptr;

    // Input, as the viewer and the keyboard deliver it.
    void GLSceneViewer1MouseDown(scene::TMouseButton button, scene::TShiftState shift, int x,
                                 int y);
    void GLSceneViewer1MouseUp(scene::TMouseButton button, scene::TShiftState shift, int x, int y);
    void GLSceneViewer1MouseMove(scene::TShiftState shift, int x, int y);
    void GLSceneViewer1Wheel(int delta);
    void GLSceneViewer1FrameRendered();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The commands of the menus and tool bars.
    void NewGameItemClick();
    void NouveauJeuClick();
    void OuvrirClick();
    void FileSave1Execute(bool saveAs);
    void FileExit1Execute();
    void HelpAbout1Execute();
    void RotateClick();
    void NumeroterClick();
    void CoupprecedentClick();
    void CoupsuivantClick();
    void ProposernullClick();
    void ChooseTheme(int themeId);
    void ChooseLevel(int level);
    void AstuceClick();
    void RefreshThemeMenu();
    void RefreshLevelMenu(bool setComputerLevels = true);
    void RefreshOpponentMenu();
    void SetWhatsThisMode(bool on);
    // The language command (SdimainLanguage.cpp): "FR" or "EN", remembered, and every form
    // made again in it; the view is rebuilt in the same theme.
    void ChooseLanguage(const QString& code);
    // Replay.
    void RejouerClick();
    void TB_lireClick();
    void TB_lire_invClick();
    void TB_suspendreClick();
    void TB_avanceClick();
    void TB_retourClick();
    void TB_arreterClick();
    void RefreshFilmControls();
    void TB_filmChange(int position);

    // TGameOwner
    bool HasView() const override { return CurrentView != nullptr; }
    void RefreshView() override;
    void RedrawView() override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void HideDice() override;
    void StopAnimation() override;
    void SetMovePanel(int panel, const TText& text) override;
    void RefreshCommandStates() override;
    void RefreshStatus() override;
    void EnterReplay(int entryCount) override;
    void ResetReplayTrackBar(int entryCount) override;
    void LeaveReplay() override;
    int NetworkRole() const override;
    void SendMove(TMove move) override;
    void SendDrawOffer() override;
    void SendGameState() override;
    bool AskYesNo(const TText& question, int helpContext) override;
    void Inform(const TText& text, int helpContext) override;

    // TViewHost
    bool HasUsableView() const override { return ThemeId != kNoTheme; }
    const TOptions& Options() const override { return OptionsRecord; }
    const scene::TMaterialLibrary& Materials() const override { return GLMateriaux; }
    void Beep() override;
    void ReportClickError(const std::string& what) override;
    void SetStatusPanel(int panel, const std::string& text) override;
    void ProcessPendingEvents() override;

    // ThemeId read as the signed byte it is: 255 is −1, no usable view.
    int SignedThemeId() const { return static_cast<int8_t>(ThemeId); }
    QLabel* StatusPanel(int panel) const { return StatusPanels.at(static_cast<size_t>(panel)); }

    TOptions OptionsRecord;
    scene::TMaterialLibrary GLMateriaux;
    std::unique_ptr<TPlateau> Game;
    scene::TScene GLScene1;
    scene::TSceneViewer* GLSceneViewer1 = nullptr;
    std::unique_ptr<TAnim> CurrentView;
    std::unique_ptr<TAssistant> Assistant;
    std::unique_ptr<scene::TSoundSink> Sounds;
    std::unique_ptr<TMusicPlayer> MediaPlayer1;
    std::unique_ptr<THelpRequests> Help;
    TPlayerNames PlayerNames;
    std::unique_ptr<TUserStore> UserStore;
    std::unique_ptr<TTempFile> TempFile;
    std::unique_ptr<TFileModele> Library;
    QTimer Horloge;

    // The main menu, the tool bar and the pop-up menu of the board.
    QAction *NewGameItem = nullptr, *NouveauJeu = nullptr, *HvC = nullptr, *HvH = nullptr,
            *CvC = nullptr, *NetworkItem = nullptr, *Ouvrir = nullptr, *FileSave1 = nullptr,
            *FileSaveAs1 = nullptr, *Dfiniruntablier1 = nullptr, *FImprimer = nullptr,
            *Rejouer = nullptr, *FileExit1 = nullptr, *Copy_image = nullptr, *Copy_script = nullptr,
            *Inverserplateau = nullptr, *Numeroter = nullptr, *Niv_temps = nullptr,
            *Proposer_coup = nullptr, *Coupprecedent = nullptr, *Coupsuivant = nullptr,
            *Proposernull = nullptr, *OptionsItem = nullptr, *Sommaire = nullptr,
            *Questcequecest = nullptr, *Astuce = nullptr, *HelpAbout1 = nullptr,
            *Jouermaintenant = nullptr;
    std::array<QAction*, 7> ThemeItems{};
    std::array<QAction*, 8> LevelItems{};
    std::array<QMenu*, 4> MainMenus{};
    QMenu* PopupMenu = nullptr;
    QToolBar* ToolBar_defaut = nullptr;
    QAction *TB_exit = nullptr, *SBNumeroter = nullptr, *TBretourner = nullptr, *TB_prev = nullptr,
            *TB_next = nullptr, *TBfilm = nullptr, *TB_stop = nullptr, *TB_aide = nullptr;
    QToolButton* TB_zoomin = nullptr;
    QToolButton* TB_zoomout = nullptr;
    // Replay: its menu, its tool bar, the track bar over the recorded entries.
    QMenu* Menu_film = nullptr;
    QAction *Jouer = nullptr, *Arrter1 = nullptr, *Avancerapide1 = nullptr,
            *Retourrapide1 = nullptr;
    QToolBar* ToolBar_film = nullptr;
    QToolButton *TB_arreter = nullptr, *TB_retour = nullptr, *TB_lire_inv = nullptr,
                *TB_suspendre = nullptr, *TB_lire = nullptr, *TB_avance = nullptr;
    QSlider* TB_film = nullptr;
    QLabel* pos_film = nullptr;

    uint8_t ThemeId = kNoTheme;
    uint8_t LastThemeId = kNoTheme;
    uint32_t IntroStartTick = 0;
    uint32_t StepTick = 0;
    uint8_t CvcWaitForUser = 255;
    uint8_t CvcLoopMode = 0;
    bool MusicNextPending = false;
    int32_t LastSongIndex = -1;
    bool ZoomInHeld = false;
    bool ZoomOutHeld = false;
    bool NumbersShown = false;
    bool WhatsThisMode = false;
    QString LanguageCode = QStringLiteral("FR");
    int ViewerHelpContext = 150;
    QString SettingsPath;
    QString StartupFile;
    // Clicks the controller has fed to the game for the computer.
    int ControllerClicks = 0;
    // Made with the first decision; it thinks while the window goes on.
    std::unique_ptr<TComputerWorker> Worker;
    // Bumped by every change of the game: a move that was asked for under another
    // generation is stale.
    uint64_t GameGeneration = 0;

    // The stop button's own help, apart from the previous move's.
    static constexpr int kStopHelpContext = 143;
    static constexpr int kPlayNowHelpContext = 168;
    static constexpr int kLanguageHelpContext = 169;

    // The keys of the whole window pass here first: the help mode's, Tab's and the board's.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreateSession();
    void FormDestroySession();
    void BuildMaterials();
    void BuildMenus();
    void BuildStatusBar();
    void BuildToolBar();
    void BuildFilmControls();
    void StartLanguage();
    void RememberLanguage();
    void BuildLanguageMenu(QMenu* game);
    void RecheckLanguageItems();
    void RecreateForms();
    QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption, int helpContext,
                        std::function<void()> run);
    void NotAvailableYet();
    void EndDiceRoll();
    bool ViewCommandsAllowed() const;
    bool HistoryCommandsAllowed() const;
    bool CanGoBack() const;
    bool CanGoForward() const;
    bool ConfirmAbandon();
    QString AskFileName(bool save, const QString& suggested);
    bool SaveGameAs(bool askName);
    void ShowRandomTip();
    void LeaveWhatsThisFor(int helpContext);
    void ExplainBoard();
    bool IsBoardKey(int key, Qt::KeyboardModifiers modifiers) const;
    void MoveKeyboardCursorByTab(bool backward);
    void MoveKeyboardCursor(int step);
    void ClickKeyboardCursor();
    void SetReplayStatus(int status);
    void ShowReplayControls(bool on);
    uint32_t Now() const { return Game->Now(); }
    bool ViewerShown() const;
    void FeedClick(int point);
    void HumanStep();
    void ComputerStep();
    void StartComputerDecision();
    bool StillThinkingPosition() const;
    void ComputerMoveArrived(uint64_t generation, TMove move, const std::string& error);
    void FeedComputerMove(TMove move);
    void EndThinking();
    void ShowThinking();
    void BuildComputerCommands();
    void ComputerVsComputerLoop();
    void ReplayStep();
    // The game shows its history: paused, or playing forward or backward.
    bool InReplay() const;
    void RollThreeDice() { Game->RollDice(); }
    void PauseComputerGame();
    bool ResumeWaitingComputerGame();
    void SetFirstSide(int side);
    int ComputerLevel() const;
    void FormClose();
    bool ShowMessage(TMessageKind kind, const QString& text);

    TMainWindowParts parts_;
    std::unique_ptr<TLibrarySettings> LibraryPath;
    std::array<QLabel*, 3> StatusPanels{};
    bool restoring_ = false;
    // The decision under way and the position it was asked for.
    struct TThinking {
        bool Active = false;
        uint64_t Generation = 0;
        uint32_t StartTick = 0;
        const Tjeu* Engine = nullptr;
        std::string Board;
        int8_t Reserve[2] = {0, 0};
        int Side = 0, MoveCount = 0, ClickState = 0, GameType = 0, Level = 0;
        QString Text; // what the status panel shows of it
    } thinking_;
    // The engine the worker's last game was copied from, and its rules.
    const Tjeu* workerGameEngine_ = nullptr;
    std::shared_ptr<const Tmodele> workerModel_;
    const QKeyEvent* lastKey_ = nullptr;
    quint64 lastKeyTime_ = 0;
    bool closed_ = false;
};

} // namespace vantorel
