// Reading the history: undo and redo, cutting off the moves after a new one, the notation
// of the entries, the last-move panels, the game script and the replay.
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantorel;
using vantorel::testing::TestGame;

namespace {

// Ten placements, white on 0 1 3 8 11 and black on 4 5 12 13 20: no mill anywhere.
const std::vector<int> kTenPlacements = {0, 4, 1, 5, 3, 12, 8, 13, 11, 20};

std::vector<int> FirstPlacements(int count) {
    return {kTenPlacements.begin(), kTenPlacements.begin() + count};
}

// The position shown is entry `index`, with the side after its mover to play.
void ExpectShowing(TestGame& t, int index) {
    const THistoryEntry& entry = t.game->History[static_cast<size_t>(index)];
    EXPECT_EQ(t.game->MoveCount, index);
    EXPECT_EQ(t.Engine().LiveBoard, entry.Position);
    EXPECT_EQ(t.Engine().LiveReserve[kWhite], entry.ReserveWhite);
    EXPECT_EQ(t.Engine().LiveReserve[kBlack], entry.ReserveBlack);
    EXPECT_EQ(t.game->SideToMove, 1 - entry.Side);
    EXPECT_TRUE(t.game->InvariantProblem().empty());
}

// `text` padded with spaces to the 49 columns of white's side of the script.
std::string WhiteColumn(const std::string& text) {
    return text + std::string(49 - text.size(), ' ');
}

struct Snapshot {
    uint8_t state;
    int8_t point;
    int8_t previous;
    int32_t stamp;
    bool operator==(const Snapshot&) const = default;
};

std::vector<Snapshot> Records(const TPlateau& game) {
    std::vector<Snapshot> records;
    for (const auto& side : game.Pieces)
        for (const auto& r : side)
            records.push_back({r.State, r.Point, r.PreviousPoint, r.Stamp});
    return records;
}

size_t Differences(const std::vector<Snapshot>& a, const std::vector<Snapshot>& b) {
    size_t count = 0;
    for (size_t k = 0; k < a.size(); ++k)
        count += !(a[k] == b[k]);
    return count;
}

} // namespace

// Guards undo and redo for every game type: back to the same player's turn against the
// computer, one move between two people, none in the other types, and nothing outside the
// recorded game.
TEST(History, UndoAndRedoByGameType) {
    struct Case {
        int type;
        int played;
        const char* commands; // U undo, R redo
        int shown;
        const char* fault;
    };
    const Case cases[] = {
        {kHumanVsComputer, 10, "U", 8, "undo against the computer not back to the human's turn"},
        {kHumanVsComputer, 10, "UR", 10, "redo against the computer not two moves on"},
        {kHumanVsComputer, 10, "UUUUUU", 0, "undo against the computer past the start"},
        {kHumanVsComputer, 1, "U", 1, "undo against the computer to before the human's move"},
        {kHumanVsComputer, 9, "R", 9, "redo past the last entry"},
        {kNetworkServer, 10, "U", 8, "the serving machine undoes like against the computer"},
        {kHumanVsHuman, 1, "U", 0, "undo between people not back to the start"},
        {kHumanVsHuman, 10, "UUR", 9, "undo and redo between people not one move each"},
        {kHumanVsHuman, 10, "R", 10, "redo beyond the end"},
        {kComputerVsComputer, 10, "U", 10, "undo between computers"},
        {kNetworkCaller, 10, "UR", 10, "undo by the calling machine"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t;
        ASSERT_TRUE(t.Play(FirstPlacements(c.played)).empty());
        t.game->GameType = static_cast<int8_t>(c.type);
        for (const char* command = c.commands; *command; ++command) {
            t.game->InvalidClicks = 2;
            *command == 'U' ? t.game->Undo() : t.game->Redo();
            EXPECT_EQ(t.game->InvalidClicks, 0);
        }
        ExpectShowing(t, c.shown);
        if (c.shown != c.played) {
            EXPECT_EQ(t.game->LastMover, t.game->History[static_cast<size_t>(c.shown)].Side);
        }
        EXPECT_EQ(t.game->ClickState, kClickDestination);
        EXPECT_EQ(t.game->RecordedEntries(), c.played + 1); // looking never changes the record
    }
}

// Guards the cut after going back: a new move empties the entry that followed, so the old
// continuation can no longer be redone.
TEST(History, MoveAfterGoingBackCutsOffTheRest) {
    TestGame t;
    ASSERT_TRUE(t.Play(kTenPlacements).empty());
    for (int k = 0; k < 4; ++k)
        t.game->Undo();
    ExpectShowing(t, 6);
    ASSERT_TRUE(t.Play({23}).empty());
    EXPECT_EQ(t.game->MoveCount, 7);
    EXPECT_EQ(t.game->History[7].Move, (TMove{-1, 23, -2}));
    EXPECT_TRUE(t.game->History[8].Empty());
    EXPECT_EQ(t.game->RecordedEntries(), 8);
    t.game->Redo();
    EXPECT_EQ(t.game->MoveCount, 7);
}

namespace {

// Eleven moves on four pieces a side: the side that begins closes 0-1-2 taking 8, moves 2 ->
// 3, and after the other side's jump 11 -> 20 closes the mill again with 3 -> 2 taking 9:
// two pieces left, the side that began has won.
const std::vector<int> kWinningGame = {0, 8, 1, 9, 2, 8, 10, 5, 11, 2, 3, 11, 20, 3, 2, 9};

// A finished game of `type` that `first` began; against the computer the human plays
// `human`.
void PlayToTheEnd(TestGame& t, int type, int first, int human) {
    t.game->Model.PiecesPerSide[0] = t.game->Model.PiecesPerSide[1] = 4;
    t.game->GameType = static_cast<int8_t>(type);
    t.game->NewGame();
    t.game->LastMover = 1 - first;
    t.game->SideToMove = static_cast<int8_t>(first);
    t.game->Engine->SideToMove = static_cast<uint8_t>(first);
    t.game->History[0].Side = static_cast<int8_t>(1 - first);
    t.game->Players[static_cast<size_t>(human)].Kind = TPlayerRec::Human;
    t.game->Players[static_cast<size_t>(1 - human)].Kind =
        type == kHumanVsComputer ? TPlayerRec::Computer : TPlayerRec::Human;
    ASSERT_TRUE(t.Play(kWinningGame).empty());
    ASSERT_EQ(t.game->MoveCount, 11);
    ASSERT_EQ(t.game->GameStatus, first == kWhite ? kWhiteWon : kBlackWon);
}

} // namespace

// Guards history moves after the end of a game: undo used to keep the final status and the
// engine's loser, so every move was refused ("Erreur 5"). The entry shown is live again:
// status, loser, side and click state as it says, and a move is accepted; redoing to the last
// entry is the end again. Against the computer, undo after the human's own winning move goes
// back one entry to the human's turn, and redo comes back to the end.
TEST(History, UndoAndRedoAroundTheEndOfAGame) {
    struct Case {
        int type, first, human;
        const char* commands;
        int shown;
        int8_t status;
        const char* fault;
    };
    const Case cases[] = {
        {kHumanVsHuman, kWhite, kWhite, "U", 10, kHumanToAct, "undo between people"},
        {kHumanVsHuman, kBlack, kWhite, "UU", 9, kHumanToAct, "two undos between people"},
        {kHumanVsHuman, kWhite, kWhite, "UR", 11, kWhiteWon, "redo to the end between people"},
        {kHumanVsComputer, kWhite, kWhite, "U", 10, kHumanToAct,
         "undo after the human's winning move"},
        {kHumanVsComputer, kWhite, kWhite, "UU", 8, kHumanToAct, "undo again to the human"},
        {kHumanVsComputer, kWhite, kWhite, "UR", 11, kWhiteWon,
         "redo to the end of the human's win"},
        {kHumanVsComputer, kBlack, kWhite, "U", 9, kHumanToAct,
         "undo after the computer's winning move"},
        {kHumanVsComputer, kBlack, kWhite, "UR", 11, kBlackWon,
         "redo to the end of the computer's win"},
        {kHumanVsComputer, kBlack, kBlack, "U", 10, kHumanToAct,
         "undo after the winning move of a human playing black"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t(1, c.first, c.type);
        PlayToTheEnd(t, c.type, c.first, c.human);
        if (HasFatalFailure()) return;
        for (const char* command = c.commands; *command; ++command)
            *command == 'U' ? t.game->Undo() : t.game->Redo();
        ExpectShowing(t, c.shown);
        EXPECT_EQ(t.game->GameStatus, c.status);
        const bool over = c.status >= kWhiteWon;
        EXPECT_EQ(t.Engine().Loser, over ? 1 - c.first : kUndecided);
        // Every position of the game after move 8 is in the moving phase.
        EXPECT_EQ(t.game->ClickState, kClickSelect);
        if (over) continue;

        // The side to move plays on with clicks.
        Tsuivants moves;
        t.Engine().LegalMoves(t.game->SideToMove, t.Engine().LiveBoard, moves);
        ASSERT_FALSE(moves.empty());
        const TMove m = moves[0];
        std::vector<int> clicks = {m.From, m.To};
        if (m.Capture >= 0) clicks.push_back(m.Capture);
        EXPECT_TRUE(t.Play(clicks).empty());
        EXPECT_EQ(t.game->MoveCount, c.shown + 1);
        EXPECT_EQ(t.game->History[static_cast<size_t>(c.shown) + 1].Move, m);
    }
}

// Guards leaving replay: the game used to be left waiting in the placing click state, so a
// finished game took moves the engine refused and a game in its moving phase refused its
// first clicks. It resumes at the last entry: over when it was over, otherwise the side to
// move plays on in the moving phase.
TEST(Replay, LeavingReplayResumesTheLastEntry) {
    for (const bool finished : {true, false}) {
        SCOPED_TRACE(finished ? "finished game" : "game in its moving phase");
        TestGame t(1, kWhite, kHumanVsHuman);
        PlayToTheEnd(t, kHumanVsHuman, kWhite, kWhite);
        if (HasFatalFailure()) return;
        if (!finished) t.game->Undo();
        const int last = t.game->MoveCount;
        t.game->StartReplay();
        t.game->ReplaySeek(2);
        t.game->ReplaySeek(last);
        t.game->EndReplay();
        ExpectShowing(t, last);
        EXPECT_EQ(t.game->GameStatus, finished ? kWhiteWon : kWaiting);
        EXPECT_EQ(t.Engine().Loser, finished ? kBlack : kUndecided);
        EXPECT_EQ(t.game->ClickState, kClickSelect);
        if (finished) continue;
        Tsuivants moves;
        t.Engine().LegalMoves(t.game->SideToMove, t.Engine().LiveBoard, moves);
        ASSERT_FALSE(moves.empty());
        std::vector<int> clicks = {moves[0].From, moves[0].To};
        if (moves[0].Capture >= 0) clicks.push_back(moves[0].Capture);
        EXPECT_TRUE(t.Play(clicks).empty());
        EXPECT_EQ(t.game->MoveCount, last + 1);
    }
}

// Guards the thinking times: the clock starts with the first move, and each side's time
// adds up over its own moves only.
TEST(History, ElapsedTimeAddsUpPerSide) {
    TestGame t;
    const int thinking[] = {5000, 2000, 7000, 1000, 4000};
    const int32_t expected[] = {0, 2000, 7000, 3000, 11000};
    for (int k = 0; k < 5; ++k) {
        t.now += static_cast<uint32_t>(thinking[k]);
        t.game->Click(kTenPlacements[static_cast<size_t>(k)]);
    }
    EXPECT_EQ(t.game->History[0].Tick, t.game->History[1].Tick);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(t.game->History[static_cast<size_t>(k) + 1].ElapsedMs, expected[k]) << k + 1;
    EXPECT_EQ(t.game->EntryText(t.game->History[5]), "00:00:11 Blanc :  _ -> 4");
}

// Guards the notation of an entry: the time as hours:minutes:seconds (hours past a day
// wrap to 0, a negative time shows as 0), the colour, and the move numbered from 1.
TEST(History, EntryTextFormat) {
    struct Case {
        int side;
        int32_t elapsed;
        TMove move;
        const char* text;
    };
    const Case cases[] = {
        {kWhite, 12000, {-1, 4, -2}, "00:00:12 Blanc :  _ -> 5"},
        {kBlack, 3723000, {0, 1, 8}, "01:02:03 Noir :  1 -> 2 x 9"},
        {kBlack, -5, {2, 3, -1}, "00:00:00 Noir :  3 -> 4 x _ "},
        {kWhite, 86399999, {7, 6, -2}, "23:59:59 Blanc :  8 -> 7"},
        {kWhite, 90065000, {-1, 23, -2}, "00:01:05 Blanc :  _ -> 24"},
        {kBlack, 0, NoMove, "00:00:00 Noir :  _ -> -1"},
    };
    TestGame t;
    for (const Case& c : cases) {
        THistoryEntry entry;
        entry.Side = static_cast<int8_t>(c.side);
        entry.ElapsedMs = c.elapsed;
        entry.Move = c.move;
        EXPECT_EQ(t.game->EntryText(entry), c.text);
    }
}

// Guards the game script's columns: white's entries in a left column of 49 characters,
// "|", black's entries on the right, CR LF line ends, the starting position on the side
// that does not begin, and a last white move closed with its padding and "|".
TEST(History, GameScriptColumns) {
    struct Case {
        int first;
        std::vector<int> clicks;
        std::vector<std::string> lines;
    };
    const std::string header = "Blanc : Ann\r\nNoir : Bob\r\n\r\n";
    const std::string blank(49, ' ');
    const Case cases[] = {
        {kWhite,
         {4},
         {blank + "| 00:00:00 Noir :  _ -> -1", WhiteColumn(" 00:00:00 Blanc :  _ -> 5") + "|"}},
        {kWhite,
         {4, 9},
         {blank + "| 00:00:00 Noir :  _ -> -1",
          WhiteColumn(" 00:00:00 Blanc :  _ -> 5") + "| 00:00:00 Noir :  _ -> 10"}},
        {kBlack,
         {4, 9},
         {WhiteColumn(" 00:00:00 Blanc :  _ -> -1") + "| 00:00:00 Noir :  _ -> 5",
          WhiteColumn(" 00:00:00 Blanc :  _ -> 10") + "|"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "first " << c.first << ", " << c.clicks.size() << " moves");
        TestGame t(1, c.first);
        t.game->Players[kWhite].Name = "Ann";
        t.game->Players[kBlack].Name = "Bob";
        ASSERT_TRUE(t.Play(c.clicks).empty());
        std::string expected = header;
        for (const auto& line : c.lines)
            expected += line + "\r\n";
        EXPECT_EQ(t.game->GameScript(), expected + "\r\n");
    }
}

// Guards the two last-move panels: white's last move in panel 1, black's in panel 2, each
// with its move number, and empty until there is a move to show.
TEST(History, LastMovePanels) {
    struct Case {
        int first;
        std::vector<int> clicks;
        int undos;
        const char* panel1;
        const char* panel2;
    };
    const Case cases[] = {
        {kWhite, {}, 0, "", ""},
        {kWhite, {4}, 0, "1. 00:00:00 Blanc :  _ -> 5", ""},
        {kWhite, {4, 9}, 0, "1. 00:00:00 Blanc :  _ -> 5", "2. 00:00:00 Noir :  _ -> 10"},
        {kWhite, {4, 9, 0}, 0, "3. 00:00:00 Blanc :  _ -> 1", "2. 00:00:00 Noir :  _ -> 10"},
        {kWhite, {4, 9, 0}, 1, "1. 00:00:00 Blanc :  _ -> 5", "2. 00:00:00 Noir :  _ -> 10"},
        {kWhite, {4, 9}, 2, "", ""},
        {kBlack, {4}, 0, "", "1. 00:00:00 Noir :  _ -> 5"},
        {kBlack, {4, 9}, 0, "2. 00:00:00 Blanc :  _ -> 10", "1. 00:00:00 Noir :  _ -> 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "first " << c.first << ", " << c.clicks.size()
                                          << " moves, " << c.undos << " undone");
        TestGame t(1, c.first);
        ASSERT_TRUE(t.Play(c.clicks).empty());
        for (int k = 0; k < c.undos; ++k)
            t.game->Undo();
        t.owner.panels[1] = t.owner.panels[2] = "stale";
        t.game->ClockTick();
        EXPECT_EQ(t.owner.panels[1], c.panel1);
        EXPECT_EQ(t.owner.panels[2], c.panel2);
    }
}

// Guards the conditions for entering the replay: two moves at least, a view, no replay
// already, and the computer not thinking.
TEST(Replay, StartReplayEntersOnlyWhenItMay) {
    struct Case {
        int played;
        int8_t status;
        bool view;
        bool replaying;
        bool enters;
    };
    const Case cases[] = {
        {10, kHumanToAct, true, false, true},     {1, kHumanToAct, true, false, false},
        {10, kComputerToAct, true, false, false}, {10, kHumanToAct, false, false, false},
        {10, kHumanToAct, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.played << " moves, status " << int(c.status));
        TestGame t;
        ASSERT_TRUE(t.Play(FirstPlacements(c.played)).empty());
        t.game->GameStatus = c.status;
        t.game->ReplayMode = c.replaying;
        t.owner.view = c.view;
        t.game->StartReplay();
        const bool entered =
            std::find(t.owner.calls.begin(), t.owner.calls.end(),
                      "EnterReplay " + std::to_string(c.played + 1)) != t.owner.calls.end();
        EXPECT_EQ(entered, c.enters);
        if (!c.enters) {
            EXPECT_EQ(t.game->GameStatus, c.status);
            EXPECT_EQ(t.game->MoveCount, c.played);
            continue;
        }
        EXPECT_EQ(t.game->GameStatus, kReplayPaused);
        ExpectShowing(t, 0);
    }
}

// Guards the replay's steps: a step forward moves only the record of that move on top of
// the position before it, a jump shows its position at once, and the next single step is
// animated again.
TEST(Replay, StepsAreAnimatedJumpsAreNot) {
    TestGame t;
    ASSERT_TRUE(t.Play(kTenPlacements).empty());
    t.game->StartReplay();
    t.game->ReplaySeek(3);
    ExpectShowing(t, 3);
    EXPECT_EQ(t.game->ReplayPosition, 3);

    const auto before = Records(*t.game);
    t.now += 500;
    t.game->ReplaySeek(4); // move 4: black places on 5
    EXPECT_EQ(t.game->ReplayPosition, 4);
    EXPECT_EQ(t.game->MoveCount, 3); // the move is shown by its record only
    EXPECT_EQ(Differences(before, Records(*t.game)), 1u);
    const TPieceRec& moved = t.game->Pieces[kBlack][7];
    EXPECT_EQ(moved.State, TPieceRec::OnBoard);
    EXPECT_EQ(moved.Point, 5);
    EXPECT_EQ(moved.PreviousPoint, -1);
    EXPECT_EQ(moved.Stamp, static_cast<int32_t>(t.now));
    EXPECT_EQ(t.game->Highlight[5], 'D');
    EXPECT_EQ(t.Engine().LastMove, (TMove{-1, 5, -2}));

    t.game->ReplaySeek(3); // one step back
    ExpectShowing(t, 3);

    t.game->ReplaySeek(9);
    ExpectShowing(t, 9);
    EXPECT_EQ(t.game->ReplayPosition, 9);
    const auto atNine = Records(*t.game);
    t.game->ReplaySeek(10);
    EXPECT_EQ(t.game->MoveCount, 9);
    EXPECT_EQ(Differences(atNine, Records(*t.game)), 1u);
    EXPECT_EQ(t.game->Pieces[kBlack][4].Point, 20);
}

// Guards the rewind and the end of the replay: the history is frozen while rewound (a move
// played then is not recorded), and leaving the replay returns to waiting.
TEST(Replay, RewindFreezesTheHistoryUntilTheReplayEnds) {
    TestGame t;
    ASSERT_TRUE(t.Play(kTenPlacements).empty());
    const auto recorded = t.game->History;
    t.game->StartReplay();
    t.game->ReplaySeek(6);
    t.game->ReplayRewind();
    EXPECT_TRUE(t.game->ReplayMode);
    EXPECT_EQ(t.game->GameStatus, kReplayPaused);
    EXPECT_EQ(t.owner.calls.back(), "ResetReplayTrackBar 11");
    ExpectShowing(t, 0);
    EXPECT_EQ(t.game->Highlight, std::string(24, ' '));

    ASSERT_TRUE(t.Play({7}).empty());
    EXPECT_EQ(t.game->MoveCount, 1);
    EXPECT_EQ(t.game->GameStatus, kReplayPaused);
    EXPECT_EQ(t.game->RecordedEntries(), 11);
    for (size_t k = 0; k <= 10; ++k) {
        EXPECT_EQ(t.game->History[k].Move, recorded[k].Move) << k;
        EXPECT_EQ(t.game->History[k].Position, recorded[k].Position) << k;
    }

    t.game->EndReplay();
    EXPECT_EQ(t.game->GameStatus, kWaiting);
    EXPECT_FALSE(t.game->ReplayMode);
    EXPECT_EQ(t.owner.calls.back(), "LeaveReplay");
}
