// The main window's clock: the controller that plays for the computer, the start and the
// pause of games, the end of the intro and the background music.
#include "Sdimain.h"

#include "Connexion.h"
#include "Session.h"
#include "THeldClock.h"
#include "TSongChoice.h"
#include "ToolIcons.h"

#include "engine/Random.h"
#include "i18n/Translate.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
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
    ShowThinking();
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
    default:
        // The worker thinks while the window goes on; its move comes back as a queued call.
        if (thinking_.Active) {
            if (StillThinkingPosition()) break;
            // Something changed the game behind the commands' backs: ask again.
            CancelComputerMove();
        }
        StartComputerDecision();
        break;
    }
}

// The computer's thinking.

namespace {

// The rules an engine built from `a` plays by are those of `b`.
bool SameRules(const Tmodele& a, const Tmodele& b) {
    return a.SameAs(b) && a.MinDepth == b.MinDepth && a.MinPieces == b.MinPieces;
}

} // namespace

void TMainWindow::StartComputerDecision() {
    if (!Worker)
        Worker = std::make_unique<TComputerWorker>(
            [this](uint64_t generation, TMove move, const std::string& error) {
                ComputerMoveArrived(generation, move, error);
            },
            parts_.Decide);
    const Tjeu& live = *Game->Engine;
    const int side = Game->SideToMove;
    TDecisionRequest request;
    request.Ticket = GameGeneration;
    // One engine and table per game: bounds carry over between the decisions of a game
    // against a human, as they do in the live engine. The new-game commands say when a
    // game starts; a game engine or rules changed by another path are caught here.
    if (Game->Engine.get() != workerGameEngine_ || !workerModel_ ||
        !SameRules(*workerModel_, Game->Model)) {
        workerModel_ = std::make_shared<const Tmodele>(Game->Model);
        workerGameEngine_ = Game->Engine.get();
        request.NewGameModel = workerModel_;
    }
    request.WithTable = Game->Engine->Search.HashTable() != nullptr;
    request.ClearTable = Game->GameType == kComputerVsComputer;
    request.Board = live.LiveBoard;
    request.Reserve[0] = live.LiveReserve[0];
    request.Reserve[1] = live.LiveReserve[1];
    request.SideToMove = live.SideToMove;
    request.LastMove = live.LastMove;
    request.Loser = live.Loser;
    request.Level = Game->Players[static_cast<size_t>(side & 1)].Level;

    thinking_.Active = true;
    thinking_.Generation = GameGeneration;
    thinking_.StartTick = Now();
    thinking_.Engine = &live;
    thinking_.Board = live.LiveBoard;
    thinking_.Reserve[0] = live.LiveReserve[0];
    thinking_.Reserve[1] = live.LiveReserve[1];
    thinking_.Side = side;
    thinking_.MoveCount = Game->MoveCount;
    thinking_.ClickState = Game->ClickState;
    thinking_.GameType = Game->GameType;
    thinking_.Level = request.Level;
    Worker->Start(std::move(request));
    if (Jouermaintenant) Jouermaintenant->setEnabled(true);
    ShowThinking();
}

bool TMainWindow::StillThinkingPosition() const {
    const Tjeu& live = *Game->Engine;
    const int side = Game->SideToMove;
    return thinking_.Active && thinking_.Generation == GameGeneration &&
           Game->GameStatus == kComputerToAct && thinking_.Engine == &live &&
           thinking_.Board == live.LiveBoard && thinking_.Reserve[0] == live.LiveReserve[0] &&
           thinking_.Reserve[1] == live.LiveReserve[1] && thinking_.Side == side &&
           thinking_.MoveCount == Game->MoveCount && thinking_.ClickState == Game->ClickState &&
           thinking_.GameType == Game->GameType &&
           thinking_.Level == Game->Players[static_cast<size_t>(side & 1)].Level;
}

void TMainWindow::CancelComputerMove(bool newGame) {
    ++GameGeneration;
    if (newGame) workerModel_.reset();
    if (Worker) Worker->Abandon();
    if (thinking_.Active) EndThinking();
}

void TMainWindow::EndThinking() {
    thinking_.Active = false;
    if (Jouermaintenant) Jouermaintenant->setEnabled(false);
    // The game's own text comes back with the next refresh, which writes an empty panel.
    QLabel* panel = StatusPanels[0];
    if (panel && !thinking_.Text.isEmpty() && panel->text() == thinking_.Text) panel->clear();
    thinking_.Text.clear();
}

void TMainWindow::ShowThinking() {
    if (!thinking_.Active || !StatusPanels[0]) return;
    const int64_t seconds = std::max<int64_t>(0, Elapsed(Now(), thinking_.StartTick) / 1000);
    const QString text = tr("L'ordinateur réfléchit... %1 s").arg(seconds);
    if (StatusPanels[0]->text() == text) return;
    thinking_.Text = text;
    StatusPanels[0]->setText(text);
}

void TMainWindow::JouermaintenantClick() {
    if (thinking_.Active && Worker) Worker->PlayNow();
}

void TMainWindow::ComputerMoveArrived(uint64_t generation, TMove move, const std::string& error) {
    if (!thinking_.Active || generation != thinking_.Generation) return;
    const bool unchanged = StillThinkingPosition();
    EndThinking();
    // A changed game asks again on its next tick, if it is still the computer's turn.
    if (!unchanged || closed_ || ThemeId == kNoTheme || !CurrentView) return;
    ++GameGeneration;
    try {
        if (!error.empty()) throw std::runtime_error(error);
        FeedComputerMove(move);
    } catch (const std::exception& failure) {
        // As on the clock: what escapes the move (an illegal one) is shown, not thrown
        // through the event loop.
        ShowMessage(TMessageKind::Error, TrError(failure));
    }
    RefreshStatus();
}

void TMainWindow::FeedComputerMove(TMove move) {
    // As a human would click: the piece, its destination, the piece it takes. A placement,
    // no capture or a capture from the reserve is completed by the game.
    for (const int point :
         {static_cast<int>(move.From), static_cast<int>(move.To), static_cast<int>(move.Capture)})
        if (point >= 0) FeedClick(point);
}

void TMainWindow::BuildComputerCommands() {
    QMenu* game = MainMenus[2];
    Jouermaintenant =
        AddCommand(nullptr, QStringLiteral("Jouermaintenant"), tr("Jouer &maintenant"),
                   kPlayNowHelpContext, [this] { JouermaintenantClick(); });
    // Ctrl+M: free among the menus' keys and the board's.
    Jouermaintenant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    Jouermaintenant->setEnabled(false);
    if (game) game->insertAction(Coupprecedent, Jouermaintenant);
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
    CancelComputerMove(true);
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
    CancelComputerMove(true);
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
    CancelComputerMove(true);
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
    CancelComputerMove();
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
        TB_stop->setIcon(ToolIcon(TToolIcon::Continue));
        TB_stop->setToolTip(tr("Continue la partie"));
        TB_stop->setStatusTip(TB_stop->toolTip());
        if (TBfilm) TBfilm->setEnabled(Game->MoveCount >= 3);
    } else if (Game->GameStatus == kComputerToAct) {
        TB_stop->setIcon(ToolIcon(TToolIcon::Stop));
        TB_stop->setToolTip(tr("Arrête la partie en cours."));
        TB_stop->setStatusTip(TB_stop->toolTip());
        // A running game between computers cannot be replayed under its own feet.
        if (TBfilm) TBfilm->setEnabled(false);
    }
}

QString TMainWindow::Caption() const {
    return ShownTitle() + QStringLiteral(" : ") +
           QString::fromStdString(Game->Players[kWhite].Name) + tr(" (blancs) vs ") +
           QString::fromStdString(Game->Players[kBlack].Name) + tr(" (noirs).");
}

QString TMainWindow::ShownTitle() const {
    // A game never saved keeps its French title in its file; the window says it in words
    // of the player's language.
    if (Game->Title == texts::kUntitled) return TrMessage(texts::kUntitled);
    return QString::fromStdString(Game->Title);
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
    const TSongSource source = SettingsSongs(settings, fileExists);
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
