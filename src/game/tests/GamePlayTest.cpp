// Whole games played by clicks, the way the views and the controller drive the game, and
// the corners of the click state machine.
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace vantorel;
using vantorel::testing::Board;
using vantorel::testing::TestGame;

namespace {

// Makes `board` the starting position and shows it as a history move does.
void StartFrom(TestGame& t, const std::string& board, int reserveWhite, int reserveBlack,
               int toMove) {
    THistoryEntry& start = t.game->History[0];
    start.Position = board;
    start.ReserveWhite = static_cast<int8_t>(reserveWhite);
    start.ReserveBlack = static_cast<int8_t>(reserveBlack);
    start.Side = static_cast<int8_t>(1 - toMove);
    t.game->GoToEntry(0);
    ASSERT_EQ(t.Engine().LiveBoard, board);
}

// A new game of the (possibly changed) variant with `first` to begin.
void Restart(TestGame& t, int first) {
    t.game->NewGame();
    t.game->LastMover = 1 - first;
    t.game->SideToMove = static_cast<int8_t>(first);
    t.game->Engine->SideToMove = static_cast<uint8_t>(first);
    t.game->History[0].Side = static_cast<int8_t>(1 - first);
}

std::vector<int> ClicksFor(TMove move) {
    std::vector<int> clicks;
    if (move.From >= 0) clicks.push_back(move.From);
    clicks.push_back(move.To);
    if (move.Capture >= 0) clicks.push_back(move.Capture);
    return clicks;
}

// What the views would show wrongly: a record that disagrees with the engine's position.
std::string RecordsProblem(TestGame& t) {
    const Tjeu& engine = t.Engine();
    for (int side = 0; side < 2; ++side) {
        const char mine = side == kWhite ? 'B' : 'N';
        int inReserve = 0;
        std::string shown(engine.LiveBoard.size(), 'L');
        for (const auto& record : t.game->Pieces[side]) {
            inReserve += record.State == TPieceRec::InReserve;
            if (record.State == TPieceRec::OnBoard || record.State == TPieceRec::Selected)
                shown[static_cast<size_t>(record.Point)] = mine;
        }
        for (size_t p = 0; p < shown.size(); ++p)
            if ((engine.LiveBoard[p] == mine) != (shown[p] == mine))
                return "side " + std::to_string(side) + ": record on point " + std::to_string(p) +
                       " disagrees";
        if (inReserve != engine.LiveReserve[side])
            return "side " + std::to_string(side) + ": " + std::to_string(inReserve) +
                   " reserve records for " + std::to_string(engine.LiveReserve[side]) + " pieces";
    }
    return {};
}

// Clicks one point at a time; every move must be accepted and leave a sound game.
::testing::AssertionResult PlayChecked(TestGame& t, const std::vector<int>& clicks) {
    for (size_t k = 0; k < clicks.size(); ++k) {
        const auto errors = t.Play({clicks[k]});
        if (!errors.empty())
            return ::testing::AssertionFailure()
                   << "click " << k << " on " << clicks[k] << ": " << errors[0];
        std::string problem = t.game->InvariantProblem();
        // Between the clicks of one move the records run ahead of the position.
        if (problem.empty() && t.game->PendingMove == NoMove) problem = RecordsProblem(t);
        if (!problem.empty())
            return ::testing::AssertionFailure() << "after click " << k << ": " << problem;
    }
    return ::testing::AssertionSuccess();
}

// The engine's first-level choice for the side to move, played as clicks.
::testing::AssertionResult PlayEngineMove(TestGame& t, uint32_t seed) {
    TMove move = NoMove;
    t.Engine().ComputerMove(t.game->SideToMove, 0, move,
                            seed + static_cast<uint32_t>(t.game->MoveCount));
    if (move.To < 0) return ::testing::AssertionFailure() << "no move at " << t.game->MoveCount;
    return PlayChecked(t, ClicksFor(move));
}

// Replays the recorded moves on a fresh game: the history must describe the game played.
void ExpectHistoryReplays(const TPlateau& played) {
    TestGame fresh;
    fresh.game->Model.Assign(played.Model);
    Restart(fresh, 1 - played.History[0].Side);
    const int entries = played.RecordedEntries();
    ASSERT_GE(entries, 2);
    for (int k = 1; k < entries; ++k) {
        const THistoryEntry& entry = played.History[static_cast<size_t>(k)];
        ASSERT_NO_THROW(fresh.game->ExecuteMove(entry.Side, entry.Move)) << "move " << k;
        ASSERT_EQ(fresh.Engine().LiveBoard, entry.Position) << "move " << k;
        ASSERT_EQ(fresh.Engine().LiveReserve[kWhite], entry.ReserveWhite) << "move " << k;
        ASSERT_EQ(fresh.Engine().LiveReserve[kBlack], entry.ReserveBlack) << "move " << k;
    }
}

int OnBoard(const TPlateau& game, int side) {
    int count = 0;
    for (const auto& record : game.Pieces[side])
        count += record.State == TPieceRec::OnBoard;
    return count;
}

} // namespace

// Guards the whole road of a game between two people: placing with a capture, moving,
// jumping with three pieces, and the win when a side falls to two. The same clicks give
// the win to whichever side began.
TEST(GamePlay, ScriptedGameBetweenTwoPeopleEndsInAWin) {
    struct Case {
        int first;
        int8_t status;
    };
    for (const Case c : {Case{kWhite, kWhiteWon}, Case{kBlack, kBlackWon}}) {
        SCOPED_TRACE(c.first);
        TestGame t;
        t.game->Model.PiecesPerSide[0] = t.game->Model.PiecesPerSide[1] = 4;
        Restart(t, c.first);
        // Placing: a mill on 0-1-2 takes 8; moving: 2 -> 3; the loser, down to three
        // pieces, jumps 11 -> 20; 3 -> 2 closes the mill again and takes 9.
        ASSERT_TRUE(PlayChecked(t, {0, 8, 1, 9, 2, 8, 10, 5, 11, 2, 3, 11, 20, 3, 2, 9}));
        EXPECT_EQ(t.game->GameStatus, c.status);
        EXPECT_EQ(t.game->MoveCount, 11);
        EXPECT_EQ(t.game->History[11].Move, (TMove{3, 2, 9}));
        EXPECT_EQ(t.game->History[11].Status, c.status);
        EXPECT_EQ(t.game->History[10].Move, (TMove{11, 20, -2}));
        EXPECT_EQ(OnBoard(*t.game, 1 - c.first), 2);
        EXPECT_EQ(t.game->Highlight[9], 'P');
        ExpectHistoryReplays(*t.game);

        // A finished game takes no further move.
        const std::string board = t.Engine().LiveBoard;
        t.Play({10, 4, 13});
        EXPECT_EQ(t.Engine().LiveBoard, board);
        EXPECT_EQ(t.game->MoveCount, 11);
        EXPECT_EQ(t.game->GameStatus, c.status);
    }
}

// Guards the controller's loop against the computer: the status alternates between the
// human (1) and the computer (2), every move the computer chooses is accepted as clicks,
// and the game reaches an end (the draw question is answered yes).
TEST(GamePlay, HumanAgainstComputerAtTheFirstLevel) {
    for (uint32_t seed : {7u, 19u}) {
        SCOPED_TRACE(seed);
        TestGame t(1, kWhite, kHumanVsComputer, seed);
        t.owner.answerYes = true;
        while (t.game->GameStatus < kWhiteWon && t.game->MoveCount < 600) {
            const bool computer = t.game->GameStatus == kComputerToAct;
            ASSERT_EQ(t.game->SideToMove, computer ? kBlack : kWhite);
            ASSERT_TRUE(PlayEngineMove(t, seed));
            if (t.game->GameStatus < kWhiteWon) {
                ASSERT_EQ(t.game->GameStatus, computer ? kHumanToAct : kComputerToAct);
            }
        }
        EXPECT_GE(t.game->GameStatus, kWhiteWon);
        ExpectHistoryReplays(*t.game);
    }
}

// Guards a game the computer plays against itself to the end on both built-in boards:
// no move of its own is refused and the game is decided or drawn.
TEST(GamePlay, ComputerAgainstComputerReachesAnEnd) {
    struct Case {
        int kind;
        uint32_t seed;
    };
    for (const Case c : {Case{1, 3}, Case{1, 11}, Case{0, 5}, Case{0, 23}}) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " seed " << c.seed);
        TestGame t(c.kind, kWhite, kComputerVsComputer, c.seed);
        t.game->Players[kWhite].Kind = TPlayerRec::Computer;
        t.game->GameStatus = kComputerToAct;
        while (t.game->GameStatus == kComputerToAct && t.game->MoveCount < 600)
            ASSERT_TRUE(PlayEngineMove(t, c.seed));
        EXPECT_GE(t.game->GameStatus, kWhiteWon);
        EXPECT_EQ(t.owner.asked, 0); // the computer never asks about a draw
        ExpectHistoryReplays(*t.game);
    }
}

// Guards the choice of the record for a placement: a reserve piece dragged onto the point
// is placed itself; anything else places the mover's highest reserve record.
TEST(GamePlay, DraggedReservePieceChoosesTheRecord) {
    struct Case {
        int colour;
        int index;
        size_t placed;
        const char* fault;
    };
    const Case cases[] = {
        {kWhite, 3, 3, "the dragged record ignored"},
        {kBlack, 3, 8, "the opponent's record placed"},
        {kWhite, 9, 8, "an index past the records used"},
        {kNoColour, -1, 8, "a plain click not taking the highest record"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t;
        t.game->Click(4, c.colour, c.index);
        EXPECT_EQ(t.game->MoveCount, 1);
        for (size_t k = 0; k < 9; ++k) {
            EXPECT_EQ(t.game->Pieces[kWhite][k].State,
                      k == c.placed ? TPieceRec::OnBoard : TPieceRec::InReserve)
                << k;
            EXPECT_EQ(t.game->Pieces[kBlack][k].State, TPieceRec::InReserve) << k;
        }
        EXPECT_EQ(t.game->Pieces[kWhite][c.placed].Point, 4);
    }
}

// Guards the way out of a history move into the moving phase: the destination state with
// nothing selected rejects clicks, and the fourth rejection leads to selecting.
TEST(GamePlay, FourthRejectedClickAfterAHistoryMoveSwitchesToSelecting) {
    TestGame t;
    StartFrom(t, Board({0, 4, 12, 20}, {6, 10, 16, 22}), 0, 0, kWhite);
    ASSERT_EQ(t.game->ClickState, kClickDestination);
    t.Play({1, 1, 1});
    EXPECT_EQ(t.game->InvalidClicks, 3);
    EXPECT_EQ(t.game->ClickState, kClickDestination);
    t.Play({1});
    EXPECT_EQ(t.game->InvalidClicks, 0);
    EXPECT_EQ(t.game->ClickState, kClickSelect);
    EXPECT_EQ(t.game->MoveCount, 0);

    ASSERT_TRUE(PlayChecked(t, {0}));
    EXPECT_EQ(t.game->ClickState, kClickDestination);
    EXPECT_EQ(t.game->PendingMove, (TMove{0, -1, -2}));
    EXPECT_EQ(t.game->Highlight[0], 'S');
    ASSERT_TRUE(PlayChecked(t, {1}));
    EXPECT_EQ(t.game->MoveCount, 1);
    EXPECT_EQ(t.game->History[1].Move, (TMove{0, 1, -2}));
}

// Guards the ways a selection is abandoned and the one that is not: every cancel puts the
// records back in line with the unchanged position.
TEST(GamePlay, CancellingASelection) {
    struct Case {
        std::string board;
        int reserveWhite;
        std::vector<int> clicks;
        int8_t clickState;
        const char* fault;
    };
    const std::string moving = Board({0, 1, 3, 12}, {6, 10, 16, 22});
    const Case cases[] = {
        {Board({0, 4, 12, 20}, {6, 10, 16, 22}),
         0,
         {0, 0},
         kClickSelect,
         "clicking the selected piece again keeps it selected"},
        {moving, 0, {3, 2, 3}, kClickSelect, "clicking the origin while capturing does not cancel"},
        {moving,
         0,
         {3, 2, 2},
         kClickSelect,
         "clicking the destination while capturing does not cancel"},
        {moving, 0, {3, 2, 12}, kClickCapture, "clicking another own piece cancels the capture"},
        {Board({0, 1}, {8}),
         7,
         {2, 2},
         kClickDestination,
         "clicking the placed piece while capturing does not cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t;
        StartFrom(t, c.board, c.reserveWhite, 8, kWhite);
        if (c.reserveWhite == 0) t.game->CancelSelection(); // the Esc key: ready to select
        t.Play(c.clicks);
        EXPECT_EQ(t.game->ClickState, c.clickState);
        EXPECT_EQ(t.Engine().LiveBoard, c.board);
        EXPECT_EQ(t.game->MoveCount, 0);
        EXPECT_EQ(OnBoard(*t.game, kWhite), std::count(c.board.begin(), c.board.end(), 'B'));
        if (c.clickState == kClickCapture) continue;
        EXPECT_EQ(t.game->PendingMove, NoMove);
        EXPECT_EQ(t.game->InvalidClicks, 0);
        for (const auto& record : t.game->Pieces[kWhite]) {
            if (record.State == TPieceRec::OnBoard) {
                EXPECT_EQ(c.board[static_cast<size_t>(record.Point)], 'B') << int(record.Point);
            }
        }
    }
}

// Guards the capture-kind decision on a placement that closes a mill: with every opponent
// piece on the board in a mill, a reserve piece is taken at once under capture rules 1 to
// 3, nothing under rule 0, and a free opponent piece still asks for the capture click.
// The piece taken from the reserve must leave the reserve the views show, as a dice
// removal from the reserve does.
TEST(GamePlay, MillAgainstPiecesAllInMillsTakesFromTheReserve) {
    struct Case {
        int captureRule;
        std::initializer_list<int> black;
        int8_t capture;      // of the recorded move; 99: still waiting for the capture
        int8_t blackReserve; // afterwards
    };
    const Case cases[] = {
        {1, {8, 9, 10}, kReserveCapture, 5}, {2, {8, 9, 10}, kReserveCapture, 5},
        {3, {8, 9, 10}, kReserveCapture, 5}, {0, {8, 9, 10}, kNoCapture, 6},
        {1, {8, 9, 10, 20}, 99, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "rule " << c.captureRule << ", " << c.black.size() << " black pieces");
        TestGame t;
        t.game->Model.CaptureRule = c.captureRule;
        Restart(t, kWhite);
        StartFrom(t, Board({0, 1}, c.black), 7, 6, kWhite);
        ASSERT_TRUE(t.Play({2}).empty());
        EXPECT_EQ(t.Engine().LiveReserve[kBlack], c.blackReserve);
        EXPECT_EQ(t.game->InvariantProblem(), "");
        if (c.capture == 99) {
            EXPECT_EQ(t.game->ClickState, kClickCapture);
            EXPECT_EQ(t.game->MoveCount, 0);
            continue;
        }
        EXPECT_EQ(t.game->MoveCount, 1);
        EXPECT_EQ(t.game->History[1].Move, (TMove{-1, 2, c.capture}));
        EXPECT_EQ(t.game->SideToMove, kBlack);
        EXPECT_EQ(t.game->ClickState, kClickDestination);
        EXPECT_EQ(RecordsProblem(t), "");
    }
}

// Guards the network guard: only the side this machine plays may click, and a click of
// the other side (or of an observer) is not even counted as rejected.
TEST(GamePlay, NetworkGameIgnoresClicksForTheOtherMachine) {
    struct Case {
        int type;
        int role;
        int toMove;
        bool allowed;
        const char* fault;
    };
    const Case cases[] = {
        {kNetworkServer, 1, kWhite, true, "the server cannot play its own side"},
        {kNetworkServer, 1, kBlack, false, "the server plays the caller's side"},
        {kNetworkServer, -1, kWhite, false, "a server without a caller plays"},
        {kNetworkCaller, 2, kBlack, true, "the caller cannot play its own side"},
        {kNetworkCaller, 2, kWhite, false, "the caller plays the server's side"},
        {kNetworkCaller, 1, kBlack, false, "an observer plays"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t(1, c.toMove, c.type);
        t.owner.role = c.role;
        t.game->Players[kWhite].Kind = TPlayerRec::Server;
        t.game->Players[kBlack].Kind = TPlayerRec::Caller;
        t.Play({30}); // off the board: rejected when the click is taken at all
        EXPECT_EQ(t.game->InvalidClicks, c.allowed ? 1 : 0);
        t.Play({0});
        EXPECT_EQ(t.game->MoveCount, c.allowed ? 1 : 0);
        EXPECT_EQ(t.Engine().LiveBoard[0], c.allowed ? "BN"[c.toMove] : 'L');
        EXPECT_EQ(t.owner.sentMoves.size(), c.allowed ? 1u : 0u);
    }
}

// Guards the rebuilding of the piece records from a position: pieces go to the highest
// free records in point order, the reserve keeps the lowest, the rest are captured.
TEST(GamePlay, SyncPiecesRebuildsTheRecords) {
    TestGame t;
    t.Engine().LiveBoard = Board({2, 5}, {});
    t.Engine().LiveReserve[kWhite] = 4;
    EXPECT_EQ(t.game->SyncPieces(), 5); // two placed, three marked captured
    const auto& white = t.game->Pieces[kWhite];
    EXPECT_EQ(white[8].State, TPieceRec::OnBoard);
    EXPECT_EQ(white[8].Point, 2);
    EXPECT_EQ(white[7].State, TPieceRec::OnBoard);
    EXPECT_EQ(white[7].Point, 5);
    for (size_t k = 0; k <= 3; ++k)
        EXPECT_EQ(white[k].State, TPieceRec::InReserve) << k;
    for (size_t k = 4; k <= 6; ++k)
        EXPECT_EQ(white[k].State, TPieceRec::Captured) << k;
    for (const auto& record : t.game->Pieces[kBlack])
        EXPECT_EQ(record.State, TPieceRec::InReserve);
    EXPECT_EQ(t.game->PendingMove, NoMove);
}

// Guards the refusal of an illegal move: the message names the check code and the move,
// and the selection, the records, the position and the history are as before.
TEST(GamePlay, RefusedMoveLeavesTheGameAsItWas) {
    TestGame t;
    const std::string board = Board({0, 4, 12, 20}, {6, 10, 16, 22});
    StartFrom(t, board, 0, 0, kWhite);
    t.game->CancelSelection();
    const auto errors = t.Play({0, 3}); // 0 and 3 are not linked
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Coup impossible. Erreur n° Erreur 99. (1 -> 4)");
    EXPECT_EQ(t.Engine().LiveBoard, board);
    EXPECT_EQ(t.game->MoveCount, 0);
    EXPECT_TRUE(t.game->History[1].Empty());
    EXPECT_EQ(t.game->ClickState, kClickSelect);
    EXPECT_EQ(t.game->SideToMove, kWhite);
    ASSERT_NE(t.game->Pieces[kWhite][8].Point, 3);
    for (const auto& record : t.game->Pieces[kWhite]) {
        if (record.State == TPieceRec::OnBoard) {
            EXPECT_EQ(board[static_cast<size_t>(record.Point)], 'B');
        }
    }
}
