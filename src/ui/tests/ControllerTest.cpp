// The controller on the clock: entry statuses, the computer's moves fed as clicks, its dice
// and the pause after them, the removal a triple grants.
#include "UiTestSupport.h"

#include <QToolButton>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::Board;
using vantorel::testing::WindowFixture;

namespace {

// Guards the entry status of each kind of game: a computer that moves first must be
// asked at once, a computer game waits only when told to.
TEST(Controller, EntryStatusOfANewGame) {
    struct Case {
        int type;
        int first;
        int waitForUser;
        int status;
        const char* fault;
    };
    const Case cases[] = {
        {kHumanVsComputer, kWhite, 0, kHumanToAct, "the human's first move not awaited"},
        {kHumanVsComputer, kBlack, 0, kComputerToAct, "the computer's first move not asked"},
        {kHumanVsHuman, kBlack, 0, kWaiting, "a game between humans not waiting"},
        {kComputerVsComputer, kWhite, 1, kWaiting, "a computer game not waiting for the user"},
        {kComputerVsComputer, kWhite, 0, kComputerToAct, "a computer game not started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        WindowFixture f;
        f.EndIntro();
        f.window->CvcWaitForUser = static_cast<uint8_t>(c.waitForUser);
        f.window->SetUpLocalGame(c.type, c.first, kWhite);
        EXPECT_EQ(f.Game().GameStatus, c.status);
        EXPECT_EQ(f.Game().SideToMove, c.first);
        EXPECT_EQ(f.Game().MoveCount, 0);
        EXPECT_EQ(f.Game().InvariantProblem(), "");
    }
}

// Guards the first tick of a game the computer opens: it plays at once, with the one click
// of a placement, and hands the turn to the human.
TEST(Controller, ComputerThatMovesFirstPlaysOnTheFirstIdleTick) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    ASSERT_EQ(f.Game().GameStatus, kComputerToAct);

    f.window->HorlogeTimer();
    f.AwaitComputer();

    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.window->ControllerClicks, 1);
    EXPECT_EQ(f.Game().Engine->LiveReserve[kBlack], 8);
    EXPECT_EQ(f.Game().GameStatus, kHumanToAct);
    EXPECT_EQ(f.Game().SideToMove, kWhite);
}

// Guards the tick's patience: while the view shows a move or the dice the computer waits.
TEST(Controller, BusyViewHoldsTheComputerBack) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    f.window->CurrentView->SetAnimating(true);
    f.window->HorlogeTimer();
    EXPECT_EQ(f.Game().MoveCount, 0);

    f.ViewIdle();
    f.window->CurrentView->DiceShown = true;
    f.window->HorlogeTimer();
    EXPECT_EQ(f.Game().MoveCount, 0);

    f.ViewIdle();
    f.window->HorlogeTimer();
    f.AwaitComputer();
    EXPECT_EQ(f.Game().MoveCount, 1);
}

// Guards the translation of the computer's move into clicks: each of From, To and Capture
// that names a point is one click, in that order; the rest the game completes itself.
TEST(Controller, ComputerMoveIsFedAsThePointClicksAHumanWouldMake) {
    struct Case {
        std::string board;
        int reserveWhite, reserveBlack;
        int clicks;
        bool placement;
        const char* fault;
    };
    // Black closes the mill 0-1-2 in both positions and wins by it: white is left with two.
    const Case cases[] = {
        {Board({9, 4}, {0, 1}), 1, 5, 2, true, "a placement that captures is not To, Capture"},
        {Board({9, 4, 11}, {0, 1, 3}), 0, 0, 3, false,
         "a move that captures is not From, To, Capture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        WindowFixture f;
        f.StartNineMensMorris(kBlack);
        f.SetPosition(c.board, c.reserveWhite, c.reserveBlack, kBlack);
        ASSERT_EQ(f.Game().ClickState, c.placement ? kClickDestination : kClickSelect);

        f.StepAndAwait();

        const TMove move = f.Game().Engine->LastMove;
        EXPECT_EQ(f.window->ControllerClicks, c.clicks);
        EXPECT_EQ(move.To, 2);
        EXPECT_EQ(move.From, c.placement ? -1 : 3);
        EXPECT_GE(move.Capture, 0);
        EXPECT_EQ(f.Game().MoveCount, 1);
        EXPECT_EQ(f.Game().GameStatus, kBlackWon);
    }
}

// Guards the computer's roll: the result is shown, then the game waits two seconds of the
// clock before it stops the dice, then the computer moves.
TEST(Controller, ComputerDiceAreShownThenTheGameGoesOnAfterThePause) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack, true);
    ASSERT_EQ(f.Game().ClickState, kClickRollDice);

    f.window->ControllerStep(); // the roll
    EXPECT_EQ(f.Game().ClickState, kClickStopDice);
    EXPECT_TRUE(f.window->CurrentView->DiceShown);
    f.ViewIdle();
    f.Game().Dice[1].Value = 2;
    f.Game().Dice[2].Value = 3;
    f.Game().Dice[3].Value = 5;

    f.window->ControllerStep();
    EXPECT_EQ(f.Game().ClickState, kClickComputerDice);
    EXPECT_EQ(f.Panel(0).toStdString(), "Résultat des dés : 2-3-5. Patientez...");

    const int clicks = f.window->ControllerClicks;
    f.now += TMainWindow::kComputerDicePauseMs;
    f.window->ControllerStep(); // exactly the pause: not yet
    EXPECT_EQ(f.Game().ClickState, kClickComputerDice);
    EXPECT_EQ(f.window->ControllerClicks, clicks);

    f.now += 1;
    f.window->ControllerStep();
    EXPECT_EQ(f.Game().ClickState, kClickDestination);
    EXPECT_EQ(f.Game().MoveCount, 0);

    f.StepAndAwait();
    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.Game().GameStatus, kHumanToAct);
}

// Guards the triple: with the victim's pieces all in reserve, one leaves the reserve
// without a click, whether the human or the computer threw it.
TEST(Controller, TripleTakesAPieceFromTheReserveWithoutAClick) {
    struct Case {
        int mover;
        const char* fault;
    };
    const Case cases[] = {
        {kWhite, "the human's triple waits for a click that cannot come"},
        {kBlack, "the computer's triple is not carried out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        WindowFixture f;
        f.StartNineMensMorris(c.mover, true);
        const int victim = 1 - c.mover;
        if (c.mover == kWhite) {
            f.window->ControllerStep(); // the controller throws for the human
            ASSERT_EQ(f.Game().ClickState, kClickStopDice);
            for (int d = 1; d <= 3; ++d)
                f.Game().Dice[static_cast<size_t>(d)].Value = 4;
            f.Game().Click(0); // the human stops the dice
        } else {
            f.window->ControllerStep();
            f.ViewIdle();
            for (int d = 1; d <= 3; ++d)
                f.Game().Dice[static_cast<size_t>(d)].Value = 6;
            f.window->ControllerStep();
            f.now += TMainWindow::kComputerDicePauseMs + 1;
            f.window->ControllerStep();
        }
        ASSERT_EQ(f.Game().ClickState, kClickDiceRemoval);

        f.window->ControllerStep();

        EXPECT_EQ(f.Game().Engine->LiveReserve[victim], 8);
        EXPECT_EQ(f.Game().Engine->LiveReserve[c.mover], 9);
        EXPECT_EQ(f.Game().ClickState, kClickDestination);
        EXPECT_EQ(f.Game().SideToMove, c.mover);
    }
}

} // namespace

namespace {

// Guards the replay steps: one entry per MaxAnimMs, forward to the last one and back to
// the first, each end pausing the replay and releasing its play button.
TEST(Controller, ReplayStepsToEachEndAndPauses) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite, kWhite);
    for (int point : {0, 3, 1, 4, 9, 10})
        f.Game().Click(point);
    f.ViewIdle();
    ASSERT_GE(f.Game().MoveCount, 5);
    f.Game().StartReplay();
    ASSERT_EQ(f.Game().GameStatus, kReplayPaused);
    QSlider& film = *f.window->TB_film;
    ASSERT_GT(film.maximum(), 2);

    f.window->TB_lireClick();
    ASSERT_EQ(f.Game().GameStatus, kReplayForward);
    f.window->ControllerStep();
    EXPECT_EQ(film.value(), 0); // not before MaxAnimMs
    const int step = f.window->OptionsRecord[TOptions::MaxAnimMs];
    for (int k = 0; k <= film.maximum() + 1; ++k) {
        f.now += static_cast<uint32_t>(step);
        f.window->ControllerStep();
        f.ViewIdle();
    }
    EXPECT_EQ(film.value(), film.maximum());
    EXPECT_EQ(f.Game().GameStatus, kReplayPaused);
    EXPECT_FALSE(f.window->TB_lire->isChecked());
    EXPECT_EQ(f.Game().ReplayPosition, film.maximum());

    f.window->TB_lire_invClick();
    for (int k = 0; k <= film.maximum() + 1; ++k) {
        f.now += static_cast<uint32_t>(step);
        f.window->ControllerStep();
        f.ViewIdle();
    }
    EXPECT_EQ(film.value(), 0);
    EXPECT_EQ(f.Game().GameStatus, kReplayPaused);
    EXPECT_FALSE(f.window->TB_lire_inv->isChecked());
}

} // namespace
