// The main window's clock: the controller that plays for the computer, the start and the
// pause of games, the end of the intro and the background music.
#include "Sdimain.h"

#include "Connexion.h"
#include "Session.h"
#include "THeldClock.h"
#include "TSongChoice.h"

#include "engine/Random.h"

#include <QAction>
#include <QFileInfo>
#include <QSettings>
#include <QStyle>
#include <QSysInfo>
#include <QToolButton>

#include <fstream>

namespace vantorel {

namespace {

// Differences of two ticks as the 64-bit values they are read as.
int64_t Elapsed(uint32_t now, uint32_t since) {
    return static_cast<int64_t>(now) - static_cast<int64_t>(since);
}

} // namespace

void TMainWindow::HorlogeTimer() {
    if (ThemeId == 0 && Elapsed(Now(), IntroStartTick) > kIntroMs) RestoreSession();
    if (!isEnabled() || SignedThemeId() < 1 || !CurrentView || !Assistant) return;

    RefreshStatus();
    if (Game->GameStatus > 0) Game->ClockTick();
    setWindowTitle(Caption());
    // One thing at a time: the move just played is shown before the next one is chosen.
    if (!CurrentView->IsAnimating() && !CurrentView->DiceShown && !GLSceneViewer1->IsRendering())
        ControllerStep();
    if (!CurrentView) return;

    if (MusicNextPending)
        MediaPlayer1Notify();
    else if (OptionsRecord[TOptions::Music] == 1 && MediaPlayer1->IsStoppedOrPaused())
        MusicNextPending = true;

    if (ZoomOutHeld)
        CurrentView->Zoom(CurrentView->ZoomStep);
    else if (ZoomInHeld)
        CurrentView->Zoom(-CurrentView->ZoomStep);
}

void TMainWindow::ControllerStep() {
    switch (Game->GameStatus) {
    case kWaiting:
    case kHumanToAct:
        HumanStep();
        break;
    case kComputerToAct:
        ComputerStep();
        break;
    case kReplayForward:
    case kReplayBackward:
        ReplayStep();
        break;
    case kWhiteWon:
    case kBlackWon:
    case kDraw:
        ComputerVsComputerLoop();
        break;
    default:
        break;
    }
}

void TMainWindow::HumanStep() {
    // A computer game waiting for its start is nobody's turn: its dice stay still too.
    if (Game->GameType == kComputerVsComputer) return;
    const int state = Game->ClickState;
    if (state == kClickDestination || state == kClickSelect || state == kClickCapture)
        Game->MarkMoveHints(Game->SideToMove);
    if (state == kClickRollDice) {
        // The serving machine throws for both sides of a network game; the caller waits.
        if (Game->GameType == kNetworkCaller) return;
        // The controller throws; the human stops the dice with the next click.
        RollThreeDice();
        SendDiceToNetwork();
        Game->Click(-1, kNoColour, -1);
    } else if (state == kClickDiceRemoval) {
        bool fromReserve = false;
        Game->MarkDiceRemovals(1 - Game->SideToMove, fromReserve);
        if (fromReserve) Game->Click(-1, kNoColour, -1);
    }
}

void TMainWindow::FeedClick(int point) {
    ++ControllerClicks;
    Game->Click(point, kNoColour, -1);
}

void TMainWindow::ComputerStep() {
    switch (Game->ClickState) {
    case kClickRollDice:
        RollThreeDice();
        FeedClick(0);
        break;
    case kClickStopDice:
        // The view has shown the roll; the result stays on screen for a while.
        Assistant->ShowDiceResult(*Game, 1);
        Game->ClickState = kClickComputerDice;
        StepTick = Now();
        break;
    case kClickDiceRemoval:
        FeedClick(Game->Engine->BestCapture(1 - Game->SideToMove));
        break;
    case kClickComputerDice:
        if (Elapsed(Now(), StepTick) > kComputerDicePauseMs) FeedClick(0);
        break;
    default: {
        const int side = Game->SideToMove;
        TMove move = NoMove;
        Game->Engine->ComputerMove(side, Game->Players[static_cast<size_t>(side)].Level, move);
        // As a human would click: the piece, its destination, the piece it takes. A
        // placement, no capture or a capture from the reserve is completed by the game.
        for (const int point : {static_cast<int>(move.From), static_cast<int>(move.To),
                                static_cast<int>(move.Capture)})
            if (point >= 0) FeedClick(point);
        break;
    }
    }
}

void TMainWindow::ComputerVsComputerLoop() {
    if (Game->GameType != kComputerVsComputer || CvcLoopMode < 1 || CvcLoopMode > 4) return;
    int kind = Game->Model.Kind;
    if (CvcLoopMode == 3 || CvcLoopMode == 4) {
        kind = static_cast<int>(RandomBelow(97) % 9);
        // Only the two built-in boards can be rebuilt from a number.
        if (kind > 1) kind = static_cast<int>(RandomBelow(2));
    }
    int theme = ThemeId;
    if (CvcLoopMode == 2 || CvcLoopMode == 3)
        theme = kThemeList[RandomBelow(97) % kThemeList.size()];
    // A board of the library has no number to be rebuilt from: it is played again as is.
    if (kind == 0 || kind == 1) {
        Game->Model.Reset(kind);
        // Reset keeps the capture-while-placing rule of the board before: after "Marelle
        // de 9" the other built-in board would be played without it.
        Game->Model.CaptureWhilePlacing = Tmodele(kind).CaptureWhilePlacing;
    }
    Game->NewGame();
    RebuildView(theme);
    Game->GameStatus = kComputerToAct;
}

// Starting, pausing and resuming games.

int TMainWindow::ComputerLevel() const {
    return OptionsRecord[TOptions::ComputerLevel];
}

void TMainWindow::SetFirstSide(int side) {
    Game->SideToMove = static_cast<int8_t>(side);
    Game->LastMover = 1 - side;
    Game->Engine->SideToMove = static_cast<uint8_t>(side);
    if (Game->KeepHistory && !Game->History.empty())
        Game->History[0].Side = static_cast<int8_t>(1 - side);
}

void TMainWindow::SetUpLocalGame(int gameType, int firstSide, int humanSide) {
    if (CurrentView) CurrentView->StopAnimation();
    Game->NewGame();
    if (CurrentView) CurrentView->Refresh();
    Game->GameType = static_cast<int8_t>(gameType);
    Game->GameStatus = kWaiting;
    SetFirstSide(firstSide == kWhite || firstSide == kBlack ? firstSide : Game->SideToMove);

    const auto player = [](const QString& name, uint8_t kind, int level) {
        return TPlayerRec{name.toStdString(), kind, "", level};
    };
    auto& players = Game->Players;
    const int level = ComputerLevel();
    switch (gameType) {
    case kHumanVsComputer: {
        const int human = humanSide == kBlack ? kBlack : kWhite;
        players[static_cast<size_t>(human)] = player(tr("Joueur"), TPlayerRec::Human, 0);
        players[static_cast<size_t>(1 - human)] =
            player(tr("Ordinateur"), TPlayerRec::Computer, level);
        Game->GameStatus =
            players[static_cast<size_t>(Game->SideToMove)].Kind == TPlayerRec::Computer
                ? kComputerToAct
                : kHumanToAct;
        break;
    }
    case kHumanVsHuman:
        players[kWhite] = player(tr("Joueur 1"), TPlayerRec::Human, 0);
        players[kBlack] = player(tr("Joueur 2"), TPlayerRec::Human, 0);
        Game->GameStatus = kWaiting;
        break;
    case kComputerVsComputer:
        players[kWhite] = player(tr("Ordinateur 1"), TPlayerRec::Computer, level);
        players[kBlack] = player(tr("Ordinateur 2"), TPlayerRec::Computer, level);
        Game->GameStatus = CvcWaitForUser == 1 ? kWaiting : kComputerToAct;
        break;
    default:
        break;
    }
    RefreshStopButton();
    RefreshStatus();
    setWindowTitle(Caption());
}

void TMainWindow::StartNewGame(int gameType) {
    EndDiceRoll();
    if (!ConfirmAbandon()) return;
    if (CurrentView) CurrentView->StopAnimation();
    // Mended: the game is reset only once the dialog is confirmed, so that Cancel changes
    // nothing, a finished game included; meanwhile the clock holds the old game still.
    const THeldClock held(Horloge);
    const uint8_t savedWait = CvcWaitForUser;
    const int8_t savedType = Game->GameType;
    CvcWaitForUser = 255;
    Game->GameType = static_cast<int8_t>(gameType % 10);

    bool accepted = false;
    bool computersChosen = false;
    try {
        TFConnexion dialog(this, *Game, PlayerNames, gameType, ReadRecentAddresses(SettingsPath),
                           QSysInfo::machineHostName());
        dialog.ShowContextPopup = [this](int context) { Help->ShowContextPopup(context); };
        dialog.ShowTopic = [this](const QString& keyword) { Help->ShowTopic(keyword); };
        accepted = parts_.RunNewGameDialog ? parts_.RunNewGameDialog(dialog)
                                           : dialog.exec() == QDialog::Accepted;
        if (accepted) {
            // The dialog wrote the players, the type and the side its dice chose.
            const int first = Game->SideToMove;
            // A replay in progress ends with the game it shows.
            if (InReplay()) Game->EndReplay();
            Game->NewGame();
            SetFirstSide(first);
            if (CurrentView) CurrentView->Refresh();
            if (dialog.ComputerLevel >= 0)
                OptionsRecord[TOptions::ComputerLevel] = dialog.ComputerLevel;
            switch (Game->GameType) {
            case kHumanVsComputer:
                Game->GameStatus = Game->Players[static_cast<size_t>(Game->SideToMove)].Kind ==
                                           TPlayerRec::Computer
                                       ? kComputerToAct
                                       : kHumanToAct;
                break;
            case kComputerVsComputer:
                CvcWaitForUser = static_cast<uint8_t>(dialog.CvcWaitForUser);
                CvcLoopMode = static_cast<uint8_t>(dialog.CvcLoopMode);
                Game->GameStatus = CvcWaitForUser == 1 ? kWaiting : kComputerToAct;
                computersChosen = true;
                break;
            case kNetworkServer:
            case kNetworkCaller:
                Game->GameStatus = kWaiting;
                OpenNetworkWindow(dialog.NetworkRole, dialog.ServerAddress);
                break;
            default:
                Game->GameStatus = kWaiting;
                break;
            }
            if (Game->GameType != kNetworkServer && Game->GameType != kNetworkCaller)
                CloseNetworkWindow();
        } else {
            CvcWaitForUser = savedWait;
            Game->GameType = savedType;
        }
    } catch (const std::exception& error) {
        CvcWaitForUser = savedWait;
        Game->GameType = savedType;
        Assistant->ReportError(2, error.what());
    }
    RefreshOpponentMenu();
    // Two computers keep the levels chosen for each of them; a cancelled dialog keeps all.
    RefreshLevelMenu(accepted && !computersChosen);
    RefreshStopButton();
    RefreshCommandStates();
    RefreshStatus();
    setWindowTitle(Caption());
}

void TMainWindow::PauseComputerGame() {
    Game->GameStatus = kWaiting;
    if (CurrentView) CurrentView->StopAnimation();
    CvcWaitForUser = 1;
    RefreshStopButton();
}

bool TMainWindow::ResumeWaitingComputerGame() {
    if (Game->GameType != kComputerVsComputer || Game->GameStatus != kWaiting ||
        CvcWaitForUser != 1)
        return false;
    Game->GameStatus = kComputerToAct;
    RefreshStopButton();
    return true;
}

void TMainWindow::TB_stopClick() {
    if (ThemeId == kNoTheme || Game->GameType != kComputerVsComputer) return;
    if (Game->GameStatus == kComputerToAct) {
        PauseComputerGame();
    } else if (Game->GameStatus == kWaiting) {
        Game->GameStatus = kComputerToAct;
        RefreshStopButton();
    }
}

void TMainWindow::RefreshStopButton() {
    if (!TB_stop) return;
    TB_stop->setVisible(Game->GameType == kComputerVsComputer);
    if (Game->GameType != kComputerVsComputer) {
        if (TBfilm) TBfilm->setEnabled(true);
        return;
    }
    if (Game->GameStatus == kWaiting) {
        TB_stop->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        TB_stop->setToolTip(tr("Continue la partie"));
        if (TBfilm) TBfilm->setEnabled(Game->MoveCount >= 3);
    } else if (Game->GameStatus == kComputerToAct) {
        TB_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
        TB_stop->setToolTip(tr("Arrête la partie en cours"));
        // A running game between computers cannot be replayed under its own feet.
        if (TBfilm) TBfilm->setEnabled(false);
    }
}

QString TMainWindow::Caption() const {
    return QString::fromStdString(Game->Title) + QStringLiteral(" : ") +
           QString::fromStdString(Game->Players[kWhite].Name) + tr(" (blancs) vs ") +
           QString::fromStdString(Game->Players[kBlack].Name) + tr(" (noirs).");
}

// The session.

void TMainWindow::MediaPlayer1Notify() {
    if (OptionsRecord[TOptions::Music] != 1) {
        MediaPlayer1->Close();
        MusicNextPending = false;
        LastSongIndex = -1;
        return;
    }
    MusicNextPending = false;
    if (MediaPlayer1->HasFile() && !MediaPlayer1->IsStoppedOrPaused()) return;
    if (MediaPlayer1->HasFile()) MediaPlayer1->Close();

    QSettings settings(SettingsPath, QSettings::IniFormat);
    const auto fileExists = parts_.FileExists ? parts_.FileExists : [](const QString& file) {
        return QFileInfo(file).isFile();
    };
    const TSongSource source{
        [&settings] { return settings.value(QStringLiteral("Song/Count"), 0).toInt(); },
        [&settings](int index) {
            return settings.value(QStringLiteral("Song/") + SongKey(index)).toString();
        },
        fileExists,
    };
    const TSongChoice choice =
        ChooseSong(source, OptionsRecord[TOptions::RandomMusic] == 1, LastSongIndex);
    if (choice.Path.isEmpty()) return;
    try {
        MediaPlayer1->Open(choice.Path);
        MediaPlayer1->Play();
        // Many songs were missing: look again once this one is under way.
        if (choice.Attempts > 3) MusicNextPending = true;
    } catch (...) {
        MusicNextPending = true;
    }
}

} // namespace vantorel
