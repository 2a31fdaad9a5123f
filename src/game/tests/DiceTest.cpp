// The dice variant: rolling and stopping the dice by clicks, the removal a triple grants,
// and how it is recorded and written.
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantorel;
using vantorel::testing::TestGame;

namespace {

// A new dice game with `first` to begin.
void UseDice(TestGame& t, int first, int piecesPerSide = 9) {
    t.game->Model.DiceRule = 1;
    t.game->Model.PiecesPerSide[0] = t.game->Model.PiecesPerSide[1] = piecesPerSide;
    t.game->NewGame();
    t.game->LastMover = 1 - first;
    t.game->SideToMove = static_cast<int8_t>(first);
    t.game->Engine->SideToMove = static_cast<uint8_t>(first);
    t.game->History[0].Side = static_cast<int8_t>(1 - first);
}

// The roll click, the dice made to show a, b, c, and the stop click. The point of a dice
// click does not matter.
void Roll(TestGame& t, int a, int b, int c) {
    t.Play({0});
    t.game->Dice[1].Value = static_cast<int8_t>(a);
    t.game->Dice[2].Value = static_cast<int8_t>(b);
    t.game->Dice[3].Value = static_cast<int8_t>(c);
    t.Play({0});
}

// A plain roll and a placement on `point`.
void PlaceAfterRoll(TestGame& t, int point) {
    Roll(t, 1, 2, 3);
    ASSERT_EQ(t.game->ClickState, kClickDestination);
    ASSERT_TRUE(t.Play({point}).empty());
}

int Total(TestGame& t, int side) {
    const char mine = side == kWhite ? 'B' : 'N';
    const std::string& board = t.Engine().LiveBoard;
    return t.Engine().LiveReserve[side] +
           static_cast<int>(std::count(board.begin(), board.end(), mine));
}

} // namespace

// Guards the start of a dice game: the first roll moves the waiting game on, the owner's
// view is told to roll and to stop, and the move that follows records its dice.
TEST(Dice, FirstRollStartsTheGameAndTheMoveKeepsItsDice) {
    TestGame t;
    UseDice(t, kWhite);
    ASSERT_EQ(t.game->ClickState, kClickRollDice);
    ASSERT_EQ(t.game->GameStatus, kWaiting);
    t.game->RollDice(); // the controller throws, the click shows the roll
    t.Play({5});
    EXPECT_EQ(t.game->ClickState, kClickStopDice);
    EXPECT_EQ(t.game->GameStatus, kHumanToAct);
    ASSERT_FALSE(t.owner.calls.empty());
    EXPECT_EQ(t.owner.calls.back(), "StartDiceRoll");
    for (int d = 1; d <= 3; ++d) {
        EXPECT_GE(t.game->Dice[static_cast<size_t>(d)].Value, 1);
        EXPECT_LE(t.game->Dice[static_cast<size_t>(d)].Value, 6);
    }
    t.game->Dice[1].Value = 1;
    t.game->Dice[2].Value = 5;
    t.game->Dice[3].Value = 5;
    t.Play({5});
    EXPECT_EQ(t.owner.calls.back(), "StopDiceRoll");
    EXPECT_EQ(t.game->ClickState, kClickDestination);
    EXPECT_EQ(t.game->MoveCount, 0); // neither dice click is a move

    ASSERT_TRUE(t.Play({5}).empty());
    EXPECT_EQ(t.game->History[1].DiceValues, (std::array<int8_t, 3>{1, 5, 5}));
    EXPECT_EQ(t.game->Dice[1].Value, -1);          // spent with the move
    EXPECT_EQ(t.game->ClickState, kClickRollDice); // black rolls next
}

// Guards the stop click in both of its states (the player's roll and the computer's dice
// on show): a triple leads to the removal, anything else to the placement.
TEST(Dice, StopClickLeadsToTheRemovalOnlyOnATriple) {
    struct Case {
        int8_t state;
        int a, b, c;
        int8_t next;
    };
    const Case cases[] = {
        {kClickStopDice, 1, 2, 3, kClickDestination},
        {kClickStopDice, 4, 4, 4, kClickDiceRemoval},
        {kClickStopDice, 4, 4, 5, kClickDestination},
        {kClickComputerDice, 2, 5, 5, kClickDestination},
        {kClickComputerDice, 6, 6, 6, kClickDiceRemoval},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.state) << ": " << c.a << c.b << c.c);
        TestGame t;
        UseDice(t, kWhite);
        t.game->ClickState = c.state;
        t.game->Dice[1].Value = static_cast<int8_t>(c.a);
        t.game->Dice[2].Value = static_cast<int8_t>(c.b);
        t.game->Dice[3].Value = static_cast<int8_t>(c.c);
        t.Play({0});
        EXPECT_EQ(t.game->ClickState, c.next);
        EXPECT_EQ(t.owner.calls.back(), "StopDiceRoll");
        if (c.next == kClickDestination) {
            EXPECT_EQ(t.game->GameStatus, kHumanToAct);
        }
    }
}

// Guards the removal state: a click where the victim has no piece does nothing at all,
// however often, and never falls back to placing.
TEST(Dice, ClickOnAnEmptyPointAfterATripleIsNotCounted) {
    TestGame t;
    UseDice(t, kWhite);
    PlaceAfterRoll(t, 0);
    PlaceAfterRoll(t, 9);
    Roll(t, 4, 4, 4);
    ASSERT_EQ(t.game->ClickState, kClickDiceRemoval);
    const std::string board = t.Engine().LiveBoard;
    t.Play({1, 2, 3, 4, 5, 0, 30});
    EXPECT_EQ(t.game->ClickState, kClickDiceRemoval);
    EXPECT_EQ(t.game->InvalidClicks, 0);
    EXPECT_EQ(t.Engine().LiveBoard, board);
    EXPECT_EQ(t.game->MoveCount, 2);
    EXPECT_EQ(t.game->Pieces[kWhite][8].State, TPieceRec::OnBoard); // the mover's own piece
}

// Guards the removal after a triple: it takes from the victim only, a board piece or a
// reserve piece as the engine allows, and a refused one restores the click state and the
// record it had marked.
TEST(Dice, TripleRemovesOneOfTheVictimsPieces) {
    struct Case {
        int first;
        bool opening; // each side has placed one piece before the triple
        int point;
        bool accepted;
        const char* fault;
    };
    const Case cases[] = {
        {kWhite, true, 9, true, "a board piece not removed"},
        {kWhite, false, -1, true, "a reserve piece taken from the wrong side"},
        {kBlack, false, -1, true, "a reserve piece taken from the wrong side (black moving)"},
        {kBlack, true, 0, true, "a board piece not removed (black moving)"},
        {kWhite, true, -1, false, "the reserve used while a board piece is free"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t;
        UseDice(t, c.first);
        const int mover = c.first;
        const int victim = 1 - mover;
        if (c.opening) {
            PlaceAfterRoll(t, mover == kWhite ? 0 : 9);
            PlaceAfterRoll(t, mover == kWhite ? 9 : 0);
        }
        Roll(t, 4, 4, 4);
        ASSERT_EQ(t.game->ClickState, kClickDiceRemoval);
        const int moverTotal = Total(t, mover);
        const int victimTotal = Total(t, victim);
        const int victimReserve = t.Engine().LiveReserve[victim];
        const auto victimRecords = t.game->Pieces[victim];
        t.Play({c.point});

        EXPECT_EQ(Total(t, mover), moverTotal);
        EXPECT_EQ(Total(t, victim), victimTotal - (c.accepted ? 1 : 0));
        if (!c.accepted) {
            EXPECT_EQ(t.game->ClickState, kClickDiceRemoval);
            for (size_t k = 0; k < victimRecords.size(); ++k) {
                EXPECT_EQ(t.game->Pieces[victim][k].State, victimRecords[k].State) << k;
                EXPECT_EQ(t.game->Pieces[victim][k].Point, victimRecords[k].Point) << k;
            }
            continue;
        }
        EXPECT_EQ(t.game->ClickState, kClickDestination);
        EXPECT_EQ(t.game->SideToMove, mover); // the mover still has the move the dice began
        EXPECT_EQ(t.game->GameStatus, kHumanToAct);
        int captured = 0;
        for (const auto& record : t.game->Pieces[victim])
            captured += record.State == TPieceRec::Captured;
        EXPECT_EQ(captured, 1);
        if (c.point >= 0) {
            EXPECT_EQ(t.Engine().LiveBoard[static_cast<size_t>(c.point)], 'L');
            EXPECT_EQ(t.game->Highlight[static_cast<size_t>(c.point)], 'P');
        } else {
            EXPECT_EQ(t.Engine().LiveReserve[victim], victimReserve - 1);
        }
    }
}

// Guards the record of a removal: the entry of the move the dice belonged to keeps the
// removed point, its dice and the move itself, and prints the triple mark.
TEST(Dice, MoveAfterARemovalKeepsTheRemovedPoint) {
    TestGame t;
    UseDice(t, kWhite);
    PlaceAfterRoll(t, 0);
    PlaceAfterRoll(t, 9);
    Roll(t, 4, 4, 4);
    t.Play({9});
    EXPECT_EQ(t.game->MoveCount, 2); // the removal is not a move of its own
    EXPECT_EQ(t.game->History[3].Move, (TMove{-2, -2, 9}));
    EXPECT_EQ(t.game->History[3].RemovedPoint, 9);

    ASSERT_TRUE(t.Play({1}).empty());
    const THistoryEntry& entry = t.game->History[3];
    EXPECT_EQ(t.game->MoveCount, 3);
    EXPECT_EQ(entry.Move, (TMove{-1, 1, -2}));
    EXPECT_EQ(entry.RemovedPoint, 9);
    EXPECT_EQ(entry.Side, kWhite);
    EXPECT_EQ(entry.DiceValues, (std::array<int8_t, 3>{4, 4, 4}));
    EXPECT_EQ(entry.Position.substr(0, 10), "BBLLLLLLLL");
    EXPECT_EQ(entry.ReserveBlack, 8);
    EXPECT_NE(t.game->EntryText(entry).find("(4-4-4)* _ |  _ -> 2"), std::string::npos);
    EXPECT_TRUE(t.game->History[4].Empty());
    EXPECT_EQ(t.game->History[2].RemovedPoint, 0); // a move without dice removal
}

// Guards the end of the game by a removal: a victim left with two pieces has lost, at
// once, whichever side it is and wherever the piece came from.
TEST(Dice, TripleThatLeavesTwoPiecesEndsTheGame) {
    struct Case {
        int first;
        bool fromBoard;
        int8_t status;
    };
    const Case cases[] = {
        {kWhite, false, kWhiteWon},
        {kBlack, false, kBlackWon},
        {kWhite, true, kWhiteWon},
        {kBlack, true, kBlackWon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "first " << c.first << " board " << c.fromBoard);
        TestGame t;
        UseDice(t, c.first, 3);
        int point = -1;
        if (c.fromBoard) {
            PlaceAfterRoll(t, 0);
            PlaceAfterRoll(t, 9);
            point = 9;
        }
        Roll(t, 3, 3, 3);
        t.Play({point});
        EXPECT_EQ(Total(t, 1 - c.first), 2);
        EXPECT_EQ(t.game->GameStatus, c.status);
    }
}

// Guards the notation of the dice in an entry: the three values when all were rolled, the
// triple mark only for a triple.
TEST(Dice, EntryTextShowsTheDice) {
    struct Case {
        std::array<int8_t, 3> dice;
        int8_t removed;
        const char* text;
    };
    const Case cases[] = {
        {{2, 2, 2}, -1, "00:00:00 Blanc : (2-2-2)* _ |  _ -> 5"},
        {{2, 2, 2}, 6, "00:00:00 Blanc : (2-2-2)* _ |  _ -> 5"},
        {{1, 2, 3}, 0, "00:00:00 Blanc : (1-2-3) |  _ -> 5"},
        {{2, 2, 5}, 0, "00:00:00 Blanc : (2-2-5) |  _ -> 5"},
        {{-1, -1, -1}, 0, "00:00:00 Blanc :  _ -> 5"},
        {{2, 2, -1}, 0, "00:00:00 Blanc :  _ -> 5"},
    };
    TestGame t;
    for (const Case& c : cases) {
        THistoryEntry entry;
        entry.Side = kWhite;
        entry.Move = {-1, 4, -2};
        entry.DiceValues = c.dice;
        entry.RemovedPoint = c.removed;
        EXPECT_EQ(t.game->EntryText(entry), c.text);
    }
}

// Guards the network guard around the dice: rolling is allowed whoever is to move, the
// removal is not.
TEST(Dice, NetworkGuardSparesTheRollButNotTheRemoval) {
    TestGame t(1, kBlack, kNetworkServer);
    t.owner.role = 1;
    t.game->Players[kWhite].Kind = TPlayerRec::Server;
    t.game->Players[kBlack].Kind = TPlayerRec::Caller;
    UseDice(t, kBlack);
    Roll(t, 5, 5, 5);
    EXPECT_EQ(t.game->ClickState, kClickDiceRemoval);
    t.Play({-1});
    EXPECT_EQ(t.Engine().LiveReserve[kWhite], 9);
    EXPECT_EQ(t.game->ClickState, kClickDiceRemoval);
}
