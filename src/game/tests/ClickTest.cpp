#include "GameTestSupport.h"

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::TestGame;

// Guards the basic turn cycle: one click places, the turn passes, the history records it.
TEST(Click, PlacementPassesTheTurnAndIsRecorded) {
    TestGame t;
    EXPECT_TRUE(t.Play({0}).empty());
    EXPECT_EQ(t.Engine().LiveBoard.substr(0, 3), "BLL");
    EXPECT_EQ(t.game->SideToMove, kBlack);
    EXPECT_EQ(t.game->MoveCount, 1);
    EXPECT_EQ(t.game->History[1].Move, (TMove{-1, 0, -2}));
    EXPECT_EQ(t.game->Pieces[kWhite][8].Point, 0); // the highest reserve record
    EXPECT_EQ(t.game->Highlight[0], 'D');
    EXPECT_EQ(t.game->GameStatus, kHumanToAct);
    EXPECT_TRUE(t.game->InvariantProblem().empty());
}

// Guards the capture step: a mill waits for the capture click, then plays all of it.
TEST(Click, MillAsksForTheCaptureThenPlaysIt) {
    TestGame t;
    t.Play({0, 9, 1, 10, 2});
    EXPECT_EQ(t.game->ClickState, kClickCapture);
    EXPECT_EQ(t.game->MoveCount, 4);
    t.Play({9});
    EXPECT_EQ(t.game->MoveCount, 5);
    EXPECT_EQ(t.game->History[5].Move, (TMove{-1, 2, 9}));
    EXPECT_EQ(t.Engine().LiveBoard[9], 'L');
    EXPECT_EQ(t.game->Highlight[9], 'P');
    EXPECT_TRUE(t.game->InvariantProblem().empty());
}

// Guards the refusal path: a click on an occupied point is rejected and the fourth one
// cancels the selection.
TEST(Click, RejectedClicksCountAndTheFourthCancels) {
    TestGame t;
    t.Play({0});
    t.Play({0, 0, 0});
    EXPECT_EQ(t.game->InvalidClicks, 3);
    t.Play({0});
    EXPECT_EQ(t.game->InvalidClicks, 0);
}

// Guards undo and redo in a game between two people.
TEST(History, UndoAndRedoWalkTheRecordedGame) {
    TestGame t;
    t.Play({0, 9, 1});
    t.game->Undo();
    EXPECT_EQ(t.game->MoveCount, 2);
    EXPECT_EQ(t.Engine().LiveBoard[1], 'L');
    EXPECT_EQ(t.game->SideToMove, kWhite);
    t.game->Redo();
    EXPECT_EQ(t.game->MoveCount, 3);
    EXPECT_EQ(t.Engine().LiveBoard[1], 'B');
}

TEST(Notation, MoveTextCases) {
    EXPECT_EQ(TPlateau::MoveText({-1, 4, -2}), "_ -> 5");
    EXPECT_EQ(TPlateau::MoveText({0, 1, 8}), "1 -> 2 x 9");
    EXPECT_EQ(TPlateau::MoveText(NoMove), "_ -> -1");
    EXPECT_EQ(TPlateau::MoveText({2, 3, -1}), "3 -> 4 x _ ");
}
