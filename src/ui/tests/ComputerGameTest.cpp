// Games between two computers: the loop that restarts them and the pause the user can
// make with the stop button, Esc, a key or a click.
#include "UiTestSupport.h"

#include "engine/Random.h"

#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

void StartComputerGame(WindowFixture& f, int waitForUser) {
    f.EndIntro();
    f.window->CvcWaitForUser = static_cast<uint8_t>(waitForUser);
    f.window->SetUpLocalGame(kComputerVsComputer, kWhite);
}

// Guards the five loop modes: mode 0 leaves a finished game alone, the others start the
// next one at once on a built-in board, with the theme rebuilt.
TEST(ComputerGame, LoopModesRestartAFinishedGame) {
    struct Case {
        int mode;
        bool restarts;
        bool boardKept;
        const char* fault;
    };
    const Case cases[] = {
        {0, false, true, "a game restarted without a loop"},
        {1, true, true, "the board or the restart lost in mode 1"},
        {2, true, true, "the board changed or no restart when only the theme is drawn"},
        {3, true, false, "no restart when board and theme are drawn"},
        {4, true, false, "no restart when the board is drawn"},
    };
    for (const Case& c : cases) {
        for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
            SCOPED_TRACE(c.fault);
            WindowFixture f;
            StartComputerGame(f, 0);
            f.window->CvcLoopMode = static_cast<uint8_t>(c.mode);
            f.StepAndAwait(); // one move, so that a restart shows
            ASSERT_EQ(f.Game().MoveCount, 1);
            f.Game().GameStatus = kDraw;
            f.Game().Model.Name = "Partie finie";
            RandSeed(seed);

            f.window->ControllerStep();

            if (!c.restarts) {
                EXPECT_EQ(f.Game().GameStatus, kDraw);
                EXPECT_EQ(f.Game().MoveCount, 1);
                continue;
            }
            EXPECT_EQ(f.Game().GameStatus, kComputerToAct);
            EXPECT_EQ(f.Game().MoveCount, 0);
            EXPECT_EQ(f.Game().GameType, kComputerVsComputer);
            const int theme = f.window->ThemeId;
            EXPECT_TRUE(theme == 1 || theme == 2 || theme == 6 || theme == 7 || theme == 8 ||
                        theme == 10 || theme == 13)
                << theme;
            EXPECT_TRUE(f.Game().Model.Kind == 0 || f.Game().Model.Kind == 1);
            if (c.boardKept) {
                EXPECT_EQ(f.Game().Model.Kind, 0); // the window's first board
            }
            EXPECT_NE(f.Game().Model.Name, "Partie finie"); // built anew from its number
            EXPECT_EQ(f.Game().InvariantProblem(), "");
        }
    }
}

// Guards a board of the library in a loop that keeps the board: it has no number to be
// rebuilt from and is played again as it is.
TEST(ComputerGame, LoopKeepsABoardThatIsNotBuiltIn) {
    WindowFixture f;
    StartComputerGame(f, 0);
    f.Game().Model.Reset(1);
    f.Game().Model.Kind = 37;
    f.Game().Model.Name = "Ma variante";
    f.Game().NewGame();
    f.window->CvcLoopMode = 1;
    f.Game().GameStatus = kWhiteWon;

    f.window->ControllerStep();

    EXPECT_EQ(f.Game().GameStatus, kComputerToAct);
    EXPECT_EQ(f.Game().Model.Kind, 37);
    EXPECT_EQ(f.Game().Model.Name, "Ma variante");
}

// Guards the pause and its ways out, in the order a user meets them.
TEST(ComputerGame, PauseAndResume) {
    WindowFixture f;
    StartComputerGame(f, 0);
    TMainWindow& w = *f.window;
    ASSERT_EQ(f.Game().GameStatus, kComputerToAct);
    EXPECT_TRUE(w.TB_stop->isVisible());

    w.FormKeyDown(Qt::Key_Escape);
    EXPECT_EQ(f.Game().GameStatus, kWaiting) << "Esc does not pause a running game";
    EXPECT_EQ(w.CvcWaitForUser, 1);
    EXPECT_EQ(f.Panel(0).toStdString(), "");
    w.HorlogeTimer();
    EXPECT_EQ(f.Game().MoveCount, 0) << "a paused game moves";
    EXPECT_EQ(f.Panel(0).toStdString(),
              "Appuyez sur une touche ou cliquez sur la jeu avec la souris pour lancer le jeu");

    w.FormKeyDown(Qt::Key_Escape);
    EXPECT_EQ(f.Game().GameStatus, kWaiting) << "Esc while paused must leave it paused";

    w.FormKeyDown(Qt::Key_A);
    EXPECT_EQ(f.Game().GameStatus, kComputerToAct) << "a key does not resume";

    w.TB_stopClick();
    EXPECT_EQ(f.Game().GameStatus, kWaiting) << "the stop button does not pause";
    w.TB_stopClick();
    EXPECT_EQ(f.Game().GameStatus, kComputerToAct) << "the stop button does not resume";

    w.TB_stopClick();
    w.GLSceneViewer1MouseDown(scene::TMouseButton::Left, scene::kLeft, 10, 10);
    EXPECT_EQ(f.Game().GameStatus, kComputerToAct) << "a click does not resume";

    w.GLSceneViewer1MouseDown(scene::TMouseButton::Left, scene::kLeft, 10, 10);
    EXPECT_EQ(f.Game().GameStatus, kComputerToAct);
    EXPECT_EQ(f.Game().MoveCount, 0) << "a click played in a computer game";
}

// Guards the stop button's presence: only a game between computers can be paused.
TEST(ComputerGame, StopButtonOnlyInComputerGames) {
    WindowFixture f;
    f.EndIntro();
    EXPECT_FALSE(f.window->TB_stop->isVisible());
    f.window->CvcWaitForUser = 1;
    f.window->SetUpLocalGame(kComputerVsComputer);
    EXPECT_TRUE(f.window->TB_stop->isVisible());
    EXPECT_EQ(f.window->TB_stop->toolTip().toStdString(), "Continue la partie");
    f.window->SetUpLocalGame(kHumanVsHuman);
    EXPECT_FALSE(f.window->TB_stop->isVisible());
}

} // namespace
