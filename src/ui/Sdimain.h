#pragma once
// The main window. It owns the live game, the scene, the one board view and the options,
// and runs the game on its clock `Horloge`: on every idle tick the controller plays for the
// computer (its move fed to the game as point clicks, its dice, the pause after them), rolls
// the dice for a human, and restarts computer-against-computer games. It is the game's
// owner and the view's host.
#include "Assist.h"
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
class QToolBar;
class QToolButton;

namespace vantorel {

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

// What the window takes from outside. Whatever is left empty is the real thing; tests
// give a clock, a seed, fakes for the sound, the music and the boxes, and never show the
// window.
struct TMainWindowParts {
    TPlateau::Clock Clock;
    std::function<void()> Reseed;
    std::unique_ptr<scene::TSoundSink> Sounds;
    std::unique_ptr<TMusicPlayer> Player;
    QString SettingsPath;
    std::function<bool(const QString&)> FileExists;
    TMessageBoxFn MessageBox;
    TViewFactory ViewFactory;
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

    // A new local game (types 1, 2, 4) with its entry status. `firstSide` −1 keeps the
    // side the game drew; the human plays `humanSide` against the computer.
    void StartNewGame(int gameType, int firstSide = -1, int humanSide = kWhite);
    void TB_stopClick();
    void RefreshStopButton();
    QString Caption() const;

    // Input, as the viewer and the keyboard deliver it.
    void GLSceneViewer1MouseDown(scene::TMouseButton button, scene::TShiftState shift, int x,
                                 int y);
    void GLSceneViewer1MouseUp(scene::TMouseButton button, scene::TShiftState shift, int x, int y);
    void GLSceneViewer1MouseMove(scene::TShiftState shift, int x, int y);
    void GLSceneViewer1Wheel(int delta);
    void GLSceneViewer1FrameRendered();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // TGameOwner
    bool HasView() const override { return CurrentView != nullptr; }
    void RefreshView() override;
    void RedrawView() override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void HideDice() override;
    void StopAnimation() override;
    void SetMovePanel(int panel, const std::string& text) override;
    void RefreshCommandStates() override;
    void RefreshStatus() override;
    void EnterReplay(int entryCount) override;
    void ResetReplayTrackBar(int entryCount) override;
    void LeaveReplay() override;
    int NetworkRole() const override { return -1; }
    void SendMove(TMove) override {}
    void SendDrawOffer() override {}
    void SendGameState() override {}
    bool AskYesNo(const std::string& question, int helpContext) override;
    void Inform(const std::string& text, int helpContext) override;

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
    QTimer Horloge;
    QAction* TB_stop = nullptr;
    QToolButton* TB_zoomin = nullptr;
    QToolButton* TB_zoomout = nullptr;
    // Replay: the track bar over the recorded entries and the two play buttons; the
    // replay tool bar that shows them comes with the replay commands.
    QSlider* TB_film = nullptr;
    QToolButton* TB_lire = nullptr;
    QToolButton* TB_lire_inv = nullptr;

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
    int ViewerHelpContext = 150;
    QString SettingsPath;
    QString StartupFile;
    // Clicks the controller has fed to the game for the computer.
    int ControllerClicks = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMaterials();
    void BuildMenus();
    void BuildStatusBar();
    void BuildToolBar();
    uint32_t Now() const { return Game->Now(); }
    bool ViewerShown() const;
    void FeedClick(int point);
    void HumanStep();
    void ComputerStep();
    void ComputerVsComputerLoop();
    void ReplayStep();
    void TB_filmChange(int position);
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
    std::array<QLabel*, 3> StatusPanels{};
    QActionGroup* loopModes_ = nullptr;
    bool restoring_ = false;
    bool closed_ = false;
};

} // namespace vantorel
