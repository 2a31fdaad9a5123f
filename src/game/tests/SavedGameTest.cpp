#include "GameTestSupport.h"

#include "engine/TValueStream.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <sstream>

using namespace vantorel;
using vantorel::testing::TestGame;

namespace {

std::string Saved(const TPlateau& game) {
    std::ostringstream out(std::ios::binary);
    game.SaveGame(out);
    return out.str();
}

void ExpectSameGame(const TPlateau& a, const TPlateau& b) {
    EXPECT_EQ(a.MoveCount, b.MoveCount);
    EXPECT_EQ(a.SideToMove, b.SideToMove);
    EXPECT_EQ(a.Engine->LiveBoard, b.Engine->LiveBoard);
    EXPECT_EQ(a.Engine->LiveReserve[0], b.Engine->LiveReserve[0]);
    EXPECT_EQ(a.Engine->LiveReserve[1], b.Engine->LiveReserve[1]);
    ASSERT_EQ(a.RecordedEntries(), b.RecordedEntries());
    for (int k = 0; k < a.RecordedEntries(); ++k) {
        const auto& x = a.History[static_cast<size_t>(k)];
        const auto& y = b.History[static_cast<size_t>(k)];
        EXPECT_EQ(x.Position, y.Position) << k;
        EXPECT_EQ(x.Move, y.Move) << k;
        EXPECT_EQ(x.Side, y.Side) << k;
        EXPECT_EQ(x.ElapsedMs, y.ElapsedMs) << k;
        EXPECT_EQ(x.Tick, y.Tick) << k;
    }
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(a.Players[side].Name, b.Players[side].Name);
        EXPECT_EQ(a.Players[side].Kind, b.Players[side].Kind);
    }
    EXPECT_TRUE(a.Model.SameAs(b.Model));
}

} // namespace

// Guards the save -> open round trip: same history, position, players and variant.
TEST(SavedGame, RoundTripKeepsTheGame) {
    TestGame source(0);
    source.game->Players[kWhite].Name = "Anaïs";
    source.Play({0, 9, 1, 10, 3});
    TestGame target(1);
    std::istringstream in(Saved(*source.game), std::ios::binary);
    target.game->LoadGame(in);
    ExpectSameGame(*source.game, *target.game);
    EXPECT_EQ(target.game->ClickState, kClickDestination);
    EXPECT_TRUE(target.game->InvariantProblem().empty());
}

// Guards the mended open: a damaged file, cut anywhere, leaves the current game as it was.
TEST(SavedGame, DamagedFileLeavesTheGameUntouched) {
    TestGame source(0);
    source.Play({0, 9, 1, 10});
    const std::string bytes = Saved(*source.game);
    TestGame target(1);
    target.Play({5, 6, 7});
    const std::string before = Saved(*target.game);
    for (size_t cut = 0; cut < bytes.size(); cut += 7) {
        std::istringstream in(bytes.substr(0, cut), std::ios::binary);
        EXPECT_THROW(target.game->LoadGame(in), StreamError) << cut;
    }
    EXPECT_EQ(target.game->MoveCount, 3);
    EXPECT_EQ(target.Engine().LiveBoard[5], 'B');
    EXPECT_EQ(target.game->Model.Kind, 1);
}

// Guards the click state of an opened game: it used to be the placing one whatever the
// position, so a game reopened in the moving phase refused its first four clicks. It now fits
// the side to move's turn, and a finished game stays over.
TEST(SavedGame, OpenedGameClicksFitThePosition) {
    // Four pieces a side; after move 8 everything is placed, 3 -> 2 x 9 ends the game.
    const std::vector<int> game = {0, 8, 1, 9, 2, 8, 10, 5, 11, 2, 3, 11, 20, 3, 2, 9};
    struct Case {
        const char* fault;
        size_t clicks;
        int dice;
        int8_t clickState;
        std::vector<int> next; // clicks that must be accepted after opening
    } cases[] = {
        {"placing", 4, 0, kClickDestination, {12}},
        {"moving: a placement was asked for", 9, 0, kClickSelect, {2, 3}},
        {"moving, saved with a piece selected", 12, 0, kClickSelect, {11, 20}},
        {"placing after the dice: the roll was skipped", 0, 1, kClickRollDice, {}},
        {"finished", game.size(), 0, kClickSelect, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame source(1);
        source.game->Model.PiecesPerSide[0] = source.game->Model.PiecesPerSide[1] = 4;
        source.game->Model.DiceRule = c.dice;
        source.game->NewGame();
        source.game->SideToMove = kWhite;
        source.game->Engine->SideToMove = kWhite;
        source.game->LastMover = kBlack;
        source.game->History[0].Side = kBlack;
        ASSERT_TRUE(
            source.Play({game.begin(), game.begin() + static_cast<long>(c.clicks)}).empty());
        TestGame target(0);
        std::istringstream in(Saved(*source.game), std::ios::binary);
        target.game->LoadGame(in);
        EXPECT_EQ(target.game->ClickState, c.clickState);
        EXPECT_EQ(target.game->GameStatus, source.game->GameStatus);
        EXPECT_EQ(target.Engine().Loser, source.Engine().Loser);
        const int moves = target.game->MoveCount;
        if (!c.next.empty()) {
            EXPECT_TRUE(target.Play(c.next).empty());
            EXPECT_EQ(target.game->MoveCount, moves + 1);
        }
        if (target.game->GameStatus >= kWhiteWon) {
            EXPECT_FALSE(target.Play({10, 11}).empty()) << "a finished game took a move";
            EXPECT_EQ(target.game->MoveCount, moves);
        }
    }
}

// Guards the checksum: a variant altered in the file is refused with an empty message.
TEST(SavedGame, AlteredVariantIsRefused) {
    TestGame source(1);
    source.Play({0});
    std::string bytes = Saved(*source.game);
    // The variant's name follows its checksum; change a letter of it.
    const size_t at = bytes.find("Nine Men's Morris");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = 'M';
    TestGame target(0);
    std::istringstream in(bytes, std::ios::binary);
    try {
        target.game->LoadGame(in);
        FAIL() << "accepted";
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "");
    }
    EXPECT_EQ(target.game->Model.Kind, 0);
}

// Guards the layout's edge: a game saved at its start holds exactly one entry.
TEST(SavedGame, StartingPositionHoldsOneEntry) {
    TestGame source(1);
    TestGame target(0);
    std::istringstream in(Saved(*source.game), std::ios::binary);
    target.game->LoadGame(in);
    EXPECT_EQ(target.game->RecordedEntries(), 1);
}

namespace {

// Both sides played by the computer at the first level, as the controller plays them: by
// clicks, dice included, for at most `turns` turns.
void PlayComputers(TPlateau& game, int turns) {
    game.Players[0].Kind = game.Players[1].Kind = TPlayerRec::Computer;
    game.GameType = kComputerVsComputer;
    game.GameStatus = kComputerToAct;
    for (int turn = 0; turn < turns && game.GameStatus == kComputerToAct; ++turn) {
        const int side = game.SideToMove;
        if (game.ClickState == kClickRollDice) {
            game.RollDice();
            game.Click(-1);
        } else if (game.ClickState == kClickStopDice || game.ClickState == kClickComputerDice) {
            game.Click(-1);
        } else if (game.ClickState == kClickDiceRemoval) {
            game.Click(game.Engine->BestCapture(1 - side));
        } else {
            TMove move = NoMove;
            game.Engine->ComputerMove(side, 0, move, 7u + static_cast<uint32_t>(turn));
            if (move.To < 0 && move.Capture < 0) return;
            for (int8_t point : {move.From, move.To, move.Capture})
                if (point >= 0) game.Click(point);
        }
    }
}

// A game to open files into: it never thinks, so it goes without a search table.
std::unique_ptr<TPlateau> Reader(vantorel::testing::FakeOwner& owner) {
    return std::make_unique<TPlateau>(
        0, true, &owner, [] { return 1000u; }, [] {}, TSearchTable::None);
}

bool Opens(const std::string& bytes) {
    vantorel::testing::FakeOwner owner;
    const auto target = Reader(owner);
    std::istringstream in(bytes, std::ios::binary);
    try {
        target->LoadGame(in);
        return true;
    } catch (const StreamError&) {
        return false;
    }
}

// The recorded entries of a game, as far as the rules are concerned.
std::string HistoryOf(const TPlateau& game) {
    std::string text;
    for (int k = 0; k < game.RecordedEntries(); ++k) {
        const THistoryEntry& e = game.History[static_cast<size_t>(k)];
        text += e.Position + ' ' + std::to_string(e.Side) + ' ' + std::to_string(e.ReserveWhite) +
                ' ' + std::to_string(e.ReserveBlack) + ' ' + TPlateau::MoveText(e.Move) + '\n';
    }
    return text;
}

} // namespace

// Guards the cross-check against refusing the program's own files: games played to their
// end, with captures, jumps and the dice's removals, all open again.
TEST(SavedGame, GamesTheProgramPlayedAlwaysOpen) {
    for (const int dice : {0, 1})
        for (const int kind : {0, 1}) {
            SCOPED_TRACE("kind " + std::to_string(kind) + ", dice " + std::to_string(dice));
            TestGame source(kind);
            source.game->Model.DiceRule = dice;
            source.game->NewGame();
            PlayComputers(*source.game, 400);
            ASSERT_GT(source.game->MoveCount, 20);
            EXPECT_TRUE(Opens(Saved(*source.game)));
            // And from any entry reached by going back.
            source.game->GoToEntry(source.game->MoveCount / 2);
            EXPECT_TRUE(Opens(Saved(*source.game)));
        }
}

// Guards the cross-check: an entry altered in any way the rules see is refused; the file is
// otherwise sound, so only the check on the history can find it.
TEST(SavedGame, AHistoryThatDoesNotHoldTogetherIsRefused) {
    TestGame played(1);
    // Placements, then white closes the mill 0-1-2 and takes black's piece on 9.
    ASSERT_TRUE(played.Play({0, 9, 1, 10, 2, 9, 3}).empty());
    ASSERT_EQ(played.game->History[5].Move, (TMove{-1, 2, 9}));
    const std::string good = Saved(*played.game);
    ASSERT_TRUE(Opens(good));
    struct Case {
        const char* fault;
        std::function<void(THistoryEntry&)> alter;
        int entry;
    } cases[] = {
        {"a capture moved to another black piece", [](THistoryEntry& e) { e.Move.Capture = 10; },
         5},
        {"a capture dropped", [](THistoryEntry& e) { e.Move.Capture = kNoCapture; }, 5},
        {"a capture taken from the reserve", [](THistoryEntry& e) { e.Move.Capture = -1; }, 5},
        {"a placement moved", [](THistoryEntry& e) { e.Move.To = 4; }, 3},
        {"a piece appearing", [](THistoryEntry& e) { e.Position[20] = 'N'; }, 2},
        {"a reserve miscounted", [](THistoryEntry& e) { --e.ReserveBlack; }, 4},
        {"the mover changed", [](THistoryEntry& e) { e.Side = static_cast<int8_t>(1 - e.Side); },
         1},
        {"the start changed",
         [](THistoryEntry& e) {
             e.Position[23] = 'B';
             e.ReserveWhite = 8;
         },
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const THistoryEntry kept = played.game->History[static_cast<size_t>(c.entry)];
        c.alter(played.game->History[static_cast<size_t>(c.entry)]);
        EXPECT_FALSE(Opens(Saved(*played.game)));
        played.game->History[static_cast<size_t>(c.entry)] = kept;
    }
    EXPECT_TRUE(Opens(Saved(*played.game)));
}

// Guards against a damaged file opening as another game: of every single-bit flip of a saved
// game, those accepted change nothing the rules see (they fall in the date, the title, the
// times and such), and most are refused.
TEST(SavedGame, SingleBitFlipsNeverChangeTheGame) {
    TestGame played(1);
    ASSERT_TRUE(played.Play({0, 9, 1, 10, 2, 9, 3, 11, 4, 12}).empty());
    const std::string good = Saved(*played.game);
    const std::string history = HistoryOf(*played.game);
    // From the history's list start (list, index 0, a 24-character position) to the end.
    const size_t list = good.find(std::string("\x01\x02\x00\x06\x18", 5));
    ASSERT_NE(list, std::string::npos);
    vantorel::testing::FakeOwner owner;
    int accepted = 0, flips = 0;
    for (size_t at = list; at < good.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << bit));
            const auto target = Reader(owner);
            std::istringstream in(bytes, std::ios::binary);
            ++flips;
            try {
                target->LoadGame(in);
            } catch (const StreamError&) {
                continue;
            }
            ++accepted;
            EXPECT_EQ(HistoryOf(*target), history) << "byte " << at << ", bit " << bit;
        }
    EXPECT_LT(accepted * 2, flips) << accepted << " of " << flips << " flips accepted";
    std::printf("%d of %d flips accepted\n", accepted, flips);
}

// Guards the replay bounds: a position outside the history overflowed ReplaySeek. In replay
// it must name an entry; outside replay it is a leftover and starts afresh.
TEST(SavedGame, ReplayPositionStaysInsideTheHistory) {
    TestGame source(1);
    ASSERT_TRUE(source.Play({0, 9, 1, 10}).empty());
    const int last = source.game->RecordedEntries() - 1;
    struct Case {
        bool replay;
        int32_t position;
        bool opens;
        int32_t opened;
    } cases[] = {
        {true, 0, true, 0},          {true, last, true, last},    {true, last + 1, false, 0},
        {true, -1, false, 0},        {true, INT32_MIN, false, 0}, {true, INT32_MAX, false, 0},
        {false, INT32_MIN, true, 0}, {false, 2, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.replay) + " " + std::to_string(c.position));
        source.game->ReplayMode = c.replay;
        source.game->ReplayPosition = c.position;
        TestGame target(0);
        std::istringstream in(Saved(*source.game), std::ios::binary);
        if (!c.opens) {
            EXPECT_THROW(target.game->LoadGame(in), StreamError);
            continue;
        }
        ASSERT_NO_THROW(target.game->LoadGame(in));
        EXPECT_EQ(target.game->ReplayPosition, c.opened);
        for (const int t : {INT32_MIN, -1, 0, last, last + 1, INT32_MAX}) {
            target.game->ReplaySeek(t);
            EXPECT_GE(target.game->ReplayPosition, 0);
            EXPECT_LE(target.game->ReplayPosition, last);
        }
    }
}
