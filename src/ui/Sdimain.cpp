#include "Sdimain.h"

#include "Boxes.h"
#include "Session.h"
#include "SettingsFile.h"
#include "StatusPanels.h"
#include "THeldClock.h"
#include "WindowPlace.h"

#include "game/TFileModele.h"
#include "i18n/Translate.h"

#include "views/TPlateau3D_10.h"
#include "views/TPlateau3D_13.h"
#include "views/TPlateau3D_6.h"
#include "views/TPlateau3D_7.h"
#include "views/TPlateau3D_8.h"
#include "views/Tplateau2D_1.h"
#include "views/Tplateau2D_manu.h"
#include "views/WindowMaterials.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace vantorel {

TBuiltView BuildThemeView(int themeId, TPlateau& game, scene::TSceneViewer& viewer,
                          scene::TScene& scene, TViewHost& host) {
    if (themeId == 0) return {std::make_unique<TAnim>(game, viewer, scene, host), 0};
    if (themeId == 2) return {std::make_unique<Tplateau2D_manu>(game, viewer, scene, host), 2};
    if (themeId == 6) return {std::make_unique<TPlateau3D_6>(game, viewer, scene, host), 6};
    if (themeId == 7) return {std::make_unique<TPlateau3D_7>(game, viewer, scene, host), 7};
    if (themeId == 8) return {std::make_unique<TPlateau3D_8>(game, viewer, scene, host), 8};
    if (themeId == 10) return {std::make_unique<TPlateau3D_10>(game, viewer, scene, host), 10};
    if (themeId == 13) return {std::make_unique<TPlateau3D_13>(game, viewer, scene, host), 13};
    // Any other id (an old or damaged setting): the classic board.
    return {std::make_unique<Tplateau2D_1>(game, viewer, scene, host), 1};
}

TMainWindow::TMainWindow(TMainWindowParts parts, QWidget* parent)
    : QMainWindow(parent), parts_(std::move(parts)) {
    setWindowTitle(QStringLiteral("Vantorel"));
    BuildStatusBar();
    BuildMaterials();
    Assistant = std::make_unique<TAssistant>(*StatusPanels[0], this, [this](const QString& text) {
        ShowMessage(TMessageKind::Error, text);
    });

    if (parts_.Sounds) {
        Sounds = std::move(parts_.Sounds);
    } else {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/sons");
        QDir().mkpath(folder);
        Sounds = std::make_unique<scene::TSoundLibrary>(folder);
    }
    MediaPlayer1 = parts_.Player ? std::move(parts_.Player) : MakeMediaPlayer();
    MediaPlayer1->OnNotify = [this] { MediaPlayer1Notify(); };
    SettingsPath =
        parts_.SettingsPath.isEmpty() ? FindSettingsPath(SettingsFolders()) : parts_.SettingsPath;

    Game = std::make_unique<TPlateau>(0, true, this, parts_.Clock, parts_.Reseed);
    FormCreateSession();

    GLSceneViewer1 = new scene::TSceneViewer(this);
    GLSceneViewer1->SetScene(&GLScene1);
    GLSceneViewer1->SetCadencerEnabled(false);
    GLSceneViewer1->hide();
    setCentralWidget(GLSceneViewer1);
    connect(GLSceneViewer1, &scene::TSceneViewer::MouseDown, this,
            &TMainWindow::GLSceneViewer1MouseDown);
    connect(GLSceneViewer1, &scene::TSceneViewer::MouseUp, this,
            &TMainWindow::GLSceneViewer1MouseUp);
    connect(GLSceneViewer1, &scene::TSceneViewer::MouseMove, this,
            &TMainWindow::GLSceneViewer1MouseMove);
    connect(GLSceneViewer1, &scene::TSceneViewer::Wheel, this, &TMainWindow::GLSceneViewer1Wheel);
    connect(GLSceneViewer1, &scene::TSceneViewer::FrameRendered, this,
            &TMainWindow::GLSceneViewer1FrameRendered);

    Help = parts_.Help ? std::move(parts_.Help) : std::make_unique<THelpSystem>(this);
    StartLanguage();
    BuildToolBar();
    BuildMenus();
    BuildComputerCommands();
    // The window sees every key before its controls: the board's keys, Tab, the help mode.
    qApp->installEventFilter(this);

    Horloge.setInterval(kClockMs);
    connect(&Horloge, &QTimer::timeout, this, [this] {
        // What escapes a tick (an illegal move fed for the computer) is shown, not thrown
        // through the event loop; the clock waits while the box is open.
        try {
            HorlogeTimer();
        } catch (const std::exception& error) {
            ShowMessage(TMessageKind::Error, TrError(error));
        }
    });

    PlaceMainWindow(*this, *UserStore, StatusTextWidths(StatusPanels[0]->fontMetrics()).Status);
    RebuildView(0);
    RefreshLevelMenu();
    RefreshOpponentMenu();
    RefreshStopButton();
}

TMainWindow::~TMainWindow() {
    qApp->removeEventFilter(this);
    if (WhatsThisMode) QApplication::restoreOverrideCursor();
    FormClose();
    // Gone at once: a decision still running is abandoned and never delivered.
    Worker.reset();
    Horloge.stop();
    if (Game) {
        if (Game->ReplayMode) Game->EndReplay();
        Game->GameStatus = kClosing;
        if (CurrentView) CurrentView->StopAnimation();
    }
    ThemeId = kNoTheme;
    if (MediaPlayer1) {
        MediaPlayer1->OnNotify = nullptr;
        if (MediaPlayer1->IsOpen()) MediaPlayer1->Pause();
        MediaPlayer1->Close();
    }
    GLSceneViewer1->SetCadencerEnabled(false);
    GLSceneViewer1->setEnabled(false);
    // Written back at every exit; a failing disk costs the settings, never the exit.
    try {
        FormDestroySession();
    } catch (...) {
    }
    // The view empties the scene through the viewer: both must outlive it.
    CurrentView.reset();
    delete GLSceneViewer1;
    GLSceneViewer1 = nullptr;
}

void TMainWindow::BuildMaterials() {
    BuildWindowMaterials(GLMateriaux);
}

void TMainWindow::BuildStatusBar() {
    auto* panels = new TStatusPanels(this);
    statusBar()->addWidget(panels, 1);
    for (int k = 0; k < 3; ++k)
        StatusPanels[static_cast<size_t>(k)] = panels->Panel(k);
    new TStatusHints(*this, *StatusPanels[0]);
}

bool TMainWindow::ShowMessage(TMessageKind kind, const QString& text) {
    // The game must not move on under a box: the clock waits for the answer.
    const THeldClock held(Horloge);
    if (parts_.MessageBox) return parts_.MessageBox(kind, text);
    bool yes = false;
    const QString title = QStringLiteral("Vantorel");
    const bool question = kind == TMessageKind::Question;
    QMessageBox box(kind == TMessageKind::Information ? QMessageBox::Information
                    : question                        ? QMessageBox::Question
                                                      : QMessageBox::NoIcon,
                    title, text, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    this);
    WidenForTitle(box);
    yes = box.exec() == QMessageBox::Yes;
    return question && yes;
}

// The view.

void TMainWindow::RebuildView(int themeId) {
    CancelComputerMove();
    NumbersShown = false;
    LastThemeId = ThemeId;
    GLSceneViewer1->SetCamera(nullptr);
    GLSceneViewer1->setEnabled(false);
    ThemeId = kNoTheme;
    if (CurrentView) {
        CurrentView->StopAnimation();
        CurrentView.reset();
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    int built = 1;
    try {
        TBuiltView view = parts_.ViewFactory
                              ? parts_.ViewFactory(themeId, *Game, *GLSceneViewer1, GLScene1, *this)
                              : BuildThemeView(themeId, *Game, *GLSceneViewer1, GLScene1, *this);
        CurrentView = std::move(view.View);
        built = view.ThemeId;
    } catch (...) {
        // A theme that cannot be built (its textures, its context) gives way to the plain
        // board without textures; the option is kept for the next run.
        CurrentView.reset();
        OptionsRecord[TOptions::Textures] = 0;
    }
    if (!CurrentView) {
        CurrentView = std::make_unique<Tplateau2D_1>(*Game, *GLSceneViewer1, GLScene1, *this);
        built = 1;
    }

    ThemeId = static_cast<uint8_t>(built);
    ViewerHelpContext = 150 + built;
    if (built != 0)
        Game->HintsShown = false;
    else
        IntroStartTick = Now();

    GLSceneViewer1->SetCadencerEnabled(true);
    GLSceneViewer1->setEnabled(true);
    GLSceneViewer1->setVisible(true);
    QApplication::restoreOverrideCursor();
    Horloge.start();
    RefreshCommandStates();
}

bool TMainWindow::ViewerShown() const {
    // Hidden only when this window hid it: the window itself may not be on screen (tests).
    return !GLSceneViewer1->isHidden() && GLSceneViewer1->isEnabled();
}

// The game's requests.

void TMainWindow::RefreshView() {
    if (CurrentView) CurrentView->Refresh();
}

void TMainWindow::RedrawView() {
    if (GLSceneViewer1) GLSceneViewer1->RequestFrame();
}

void TMainWindow::StartDiceRoll() {
    if (CurrentView) CurrentView->StartDiceRoll();
}

void TMainWindow::StopDiceRoll() {
    if (CurrentView) CurrentView->StopDiceRoll();
}

void TMainWindow::HideDice() {
    if (CurrentView) CurrentView->HideDice();
}

void TMainWindow::StopAnimation() {
    if (CurrentView) CurrentView->StopAnimation();
}

void TMainWindow::SetMovePanel(int panel, const TText& text) {
    if (panel < 1 || panel > 2) return;
    StatusPanels[static_cast<size_t>(panel)]->setText(TrText(text));
}

void TMainWindow::RefreshStatus() {
    if (!Assistant || !Game) return;
    TStatusFacts facts;
    facts.ThemeId = SignedThemeId();
    facts.HasView = CurrentView != nullptr;
    if (CurrentView) {
        facts.Animating = CurrentView->IsAnimating();
        facts.DiceShown = CurrentView->DiceShown;
        facts.DiceSide = CurrentView->DiceSide;
    }
    Assistant->RefreshStatus(*Game, facts);
}

bool TMainWindow::AskYesNo(const TText& question, int) {
    return ShowMessage(TMessageKind::Question, TrText(question));
}

void TMainWindow::Inform(const TText& text, int) {
    ShowMessage(TMessageKind::Information, TrText(text));
}

// The view's requests.

void TMainWindow::Beep() {
    Assistant->Beep();
}

void TMainWindow::ReportClickError(const std::string& what) {
    Assistant->ReportError(8, what);
}

void TMainWindow::SetStatusPanel(int panel, const std::string& text) {
    if (panel < 0 || panel > 2) return;
    // The views write catalogue texts of their own (dice, waiting).
    StatusPanels[static_cast<size_t>(panel)]->setText(TrMessage(text));
}

void TMainWindow::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

// Mouse and keyboard.

void TMainWindow::GLSceneViewer1MouseDown(scene::TMouseButton button, scene::TShiftState shift,
                                          int x, int y) {
    if (WhatsThisMode) {
        ExplainBoard();
        return;
    }
    if (Game->GameStatus < 0 || ThemeId == kNoTheme) return;
    if (Game->GameType == kComputerVsComputer) {
        // The board only starts a waiting computer game; it takes no clicks of its own.
        ResumeWaitingComputerGame();
        return;
    }
    if (!ViewerShown() || SignedThemeId() < 1 || !CurrentView || CurrentView->IsAnimating() ||
        GLSceneViewer1->IsRendering())
        return;
    CurrentView->MouseDown(button, shift, x, y);
}

void TMainWindow::GLSceneViewer1MouseUp(scene::TMouseButton button, scene::TShiftState shift, int x,
                                        int y) {
    if (SignedThemeId() < 1 || !CurrentView || CurrentView->IsAnimating()) return;
    CurrentView->MouseUp(button, shift, x, y);
}

void TMainWindow::GLSceneViewer1MouseMove(scene::TShiftState shift, int x, int y) {
    ZoomInHeld = ZoomOutHeld = false;
    if (!ViewerShown() || SignedThemeId() < 1 || !CurrentView || CurrentView->IsAnimating() ||
        GLSceneViewer1->IsRendering())
        return;
    CurrentView->MouseMove(shift, x, y);
}

void TMainWindow::GLSceneViewer1Wheel(int delta) {
    if (Game->GameStatus < 0 || !ViewerShown() || SignedThemeId() < 1 || !CurrentView) return;
    CurrentView->Zoom(std::clamp(delta, -kWheelLimit, kWheelLimit));
}

void TMainWindow::GLSceneViewer1FrameRendered() {
    if (!CurrentView) return;
    const int event = CurrentView->PendingSound;
    if (event >= 1 && event <= TAnim::kSoundEvents && OptionsRecord[TOptions::SoundEffects] == 1) {
        const uint8_t slot = CurrentView->SoundSlot[static_cast<size_t>(event - 1)];
        if (slot != TAnim::kSilent && Sounds) Sounds->Play(slot);
    }
    CurrentView->PendingSound = -1;
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys reach the game through the window's filter, before any control sees them.
    QMainWindow::keyPressEvent(event);
}

void TMainWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (Game->GameStatus < 0 || ThemeId == kNoTheme) return;
    ResumeWaitingComputerGame();
    if (!ViewerShown() || !CurrentView) return;
    if (ThemeId == 0) {
        RestoreSession();
        return;
    }
    if (GLSceneViewer1->IsRendering()) return;

    const bool arrowsMoveCamera = OptionsRecord[TOptions::ArrowKeyCamera] == 1;
    bool idleArrow = false;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool keypad = modifiers & Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_S:
    case Qt::Key_F4:
        MoveKeyboardCursor(+1);
        break;
    case Qt::Key_P:
    case Qt::Key_F1:
        MoveKeyboardCursor(-1);
        break;
    case Qt::Key_4:
    case Qt::Key_6:
        if (keypad) MoveKeyboardCursor(key == Qt::Key_4 ? +1 : -1);
        break;
    case Qt::Key_Home:
        Game->KeyboardCursor = 0;
        break;
    case Qt::Key_End:
        Game->KeyboardCursor = Game->Model.PointCount() - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        ClickKeyboardCursor();
        break;
    case Qt::Key_Escape:
        if (Game->GameType == kComputerVsComputer && Game->GameStatus == kComputerToAct)
            PauseComputerGame();
        else
            Game->CancelSelection();
        break;
    case Qt::Key_PageUp:
        CurrentView->Zoom(kKeyZoom);
        break;
    case Qt::Key_PageDown:
        CurrentView->Zoom(-kKeyZoom);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        idleArrow = !arrowsMoveCamera;
        if (arrowsMoveCamera) CurrentView->RotationAngle += key == Qt::Key_Left ? -1 : 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        idleArrow = !arrowsMoveCamera;
        if (arrowsMoveCamera)
            if (scene::TCamera* camera = GLSceneViewer1->Camera())
                camera->SetPosition(camera->Position() +
                                    scene::Vec3(0, key == Qt::Key_Up ? 1 : -1, 0));
        break;
    case Qt::Key_F5:
        CurrentView->ResetScene();
        Game->HintsShown = false;
        Game->MarkMoveHints(Game->SideToMove);
        break;
    case Qt::Key_W:
    case Qt::Key_F8:
        if (ctrl) {
            CurrentView->ToggleWireframe();
            GLSceneViewer1->Step(0.0);
        }
        break;
    case Qt::Key_Z:
    case Qt::Key_F11:
        if (ctrl) CurrentView->ResetCamera();
        break;
    default:
        break;
    }

    // Any key stops a human's rolling dice. A computer game's dice are left alone: stopping
    // them would hand a paused or running computer game to a human who is not there.
    const bool humanTurn = Game->GameStatus == kWaiting || Game->GameStatus == kHumanToAct;
    if (!idleArrow && humanTurn && Game->GameType != kComputerVsComputer &&
        Game->ClickState == kClickStopDice) {
        try {
            Game->Click(0, kNoColour, -1);
        } catch (const Ecoup_imposible&) {
            Beep();
        } catch (const std::exception& error) {
            ReportClickError(error.what());
        }
    }
}

void TMainWindow::resizeEvent(QResizeEvent* event) {
    // The panels arrange themselves from the font's widths (StatusPanels.h).
    QMainWindow::resizeEvent(event);
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TMainWindow::FormClose() {
    if (closed_) return;
    closed_ = true;
    CancelComputerMove();
    Game->GameStatus = kClosing;
    if (SignedThemeId() > 0) LastThemeId = ThemeId;
    ThemeId = kNoTheme;
    Horloge.stop();
    if (CurrentView) CurrentView->StopAnimation();
    GLSceneViewer1->SetCadencerEnabled(false);
}

} // namespace vantorel
