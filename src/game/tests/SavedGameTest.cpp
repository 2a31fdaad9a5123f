#include "GameTestSupport.h"

#include "engine/TValueStream.h"

#include <gtest/gtest.h>
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
