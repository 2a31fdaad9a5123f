// Draws: the repeated position, the limit of quiet moves, and the draw the human offers.
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace vantorel;
using vantorel::testing::Board;
using vantorel::testing::TestGame;

namespace {

// Four pieces a side, all placed, nobody near a mill.
const std::string kSettled = Board({0, 4, 12, 20}, {6, 10, 16, 22});

// Makes `board` the starting position; in the moving phase the side to move is left ready
// to select, as the Esc key leaves it.
void StartFrom(TestGame& t, const std::string& board, int reserveWhite, int reserveBlack) {
    THistoryEntry& start = t.game->History[0];
    start.Position = board;
    start.ReserveWhite = static_cast<int8_t>(reserveWhite);
    start.ReserveBlack = static_cast<int8_t>(reserveBlack);
    start.Side = kBlack;
    t.game->GoToEntry(0);
    ASSERT_EQ(t.Engine().LiveBoard, board);
    if (reserveWhite == 0) t.game->CancelSelection();
}

// The clicks of `moves` moves from kSettled: white goes 0 -> 1 -> 0, black 16 -> 17 -> 16,
// so every position comes back every four moves.
std::vector<int> Shuffle(int moves) {
    static const int cycle[] = {0, 1, 16, 17, 1, 0, 17, 16};
    std::vector<int> clicks;
    for (int k = 0; k < 2 * moves; ++k)
        clicks.push_back(cycle[k % 8]);
    return clicks;
}

// Plays the moves `from` + 1 .. `to` of the shuffle.
void ShuffleOn(TestGame& t, int from, int to) {
    const auto all = Shuffle(to);
    const std::vector<int> clicks(all.begin() + 2 * from, all.end());
    ASSERT_TRUE(t.Play(clicks).empty());
    ASSERT_EQ(t.game->MoveCount, to);
}

} // namespace

// Guards the repetition question against the computer: it comes with the human's move that
// brings a position back the third time (positions of the opening moves not counted), it
// stops the animation, Yes ends the game drawn and records it, No restarts the quiet count
// so that the question does not come back at the next move.
TEST(Draw, HumanRepeatingAPositionIsAskedOnce) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        TestGame t(1, kWhite, kHumanVsComputer);
        t.owner.answerYes = yes;
        StartFrom(t, kSettled, 0, 0);
        ShuffleOn(t, 0, 18);
        EXPECT_EQ(t.owner.asked, 0);
        EXPECT_EQ(t.game->GameStatus, kHumanToAct);

        ShuffleOn(t, 18, 19); // white back to 0: the position of entries 11 and 15
        EXPECT_EQ(t.owner.asked, 1);
        EXPECT_NE(std::find(t.owner.calls.begin(), t.owner.calls.end(), "StopAnimation"),
                  t.owner.calls.end());
        EXPECT_EQ(t.game->GameStatus, yes ? kDraw : kComputerToAct);
        EXPECT_EQ(t.game->History[19].Status, t.game->GameStatus);
        EXPECT_EQ(t.game->QuietMoves, yes ? 19 : 0);
        if (yes) continue;

        ShuffleOn(t, 19, 21);
        EXPECT_EQ(t.owner.asked, 1);
        ShuffleOn(t, 21, 23);
        EXPECT_EQ(t.owner.asked, 2);
    }
}

// Guards the repetition between computers: the game ends drawn at the first move that
// brings a position back the third time, whichever side made it, without a question.
TEST(Draw, ComputerAgainstComputerRepetitionEndsAtOnce) {
    TestGame t(1, kWhite, kComputerVsComputer);
    t.game->Players[kWhite].Kind = TPlayerRec::Computer;
    StartFrom(t, kSettled, 0, 0);
    t.game->GameStatus = kComputerToAct;
    ShuffleOn(t, 0, 17);
    EXPECT_EQ(t.game->GameStatus, kComputerToAct);
    ShuffleOn(t, 17, 18); // black's move: the position of entries 10 and 14
    EXPECT_EQ(t.game->GameStatus, kDraw);
    EXPECT_EQ(t.game->History[18].Status, kDraw);
    EXPECT_EQ(t.owner.asked, 0);
}

// Guards the limit of quiet moves: the 51st moving move without a capture draws whatever
// the positions. A long opening (60 white pieces) keeps the repeated positions out of the
// search, so that only the limit can answer.
TEST(Draw, FiftyOneQuietMovesDraw) {
    TestGame t;
    t.game->Model.PiecesPerSide[kWhite] = 60;
    t.game->NewGame();
    StartFrom(t, kSettled, 0, 0);
    ShuffleOn(t, 0, 50);
    EXPECT_EQ(t.game->QuietMoves, 50);
    EXPECT_FALSE(t.game->IsRepetitionDraw());
    ShuffleOn(t, 50, 51);
    EXPECT_EQ(t.game->QuietMoves, 51);
    EXPECT_TRUE(t.game->IsRepetitionDraw());
}

// Guards the counting of quiet moves: a placement restarts it, a capture on the board
// restarts it, a slide and a capture taken from the reserve continue it.
TEST(Draw, QuietMovesCounting) {
    struct Case {
        std::string board;
        int reserveWhite;
        int reserveBlack;
        std::vector<int> clicks;
        TMove move;
        int quiet;
        const char* fault;
    };
    const Case cases[] = {
        {Board({0}, {8}), 8, 8, {2}, {-1, 2, -2}, 0, "a placement counted as quiet"},
        {kSettled, 0, 0, {0, 1}, {0, 1, -2}, 6, "a slide not counted"},
        {Board({0, 1, 3, 12}, {6, 10, 16, 22}),
         0,
         0,
         {3, 2, 6},
         {3, 2, 6},
         0,
         "a capture on the board counted as quiet"},
        {Board({0, 1, 3, 12}, {8, 9, 10}),
         0,
         2,
         {3, 2},
         {3, 2, -1},
         6,
         "a capture from the reserve not counted as quiet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t;
        StartFrom(t, c.board, c.reserveWhite, c.reserveBlack);
        t.game->QuietMoves = 5;
        ASSERT_TRUE(t.Play(c.clicks).empty());
        ASSERT_EQ(t.game->MoveCount, 1);
        EXPECT_EQ(t.game->History[1].Move, c.move);
        EXPECT_EQ(t.game->QuietMoves, c.quiet);
    }
}

// Guards the computer's answer to a draw offer: refused while black still places or while
// white still places against a human, accepted after 40 quiet moves even when the computer
// is ahead (and refused one move earlier), and accepted without a look at the position
// when nobody is human.
TEST(Draw, OfferAgainstTheComputer) {
    // Black, the computer, has five pieces against three: its evaluation is well above 50.
    const std::string ahead = Board({0, 4, 12}, {6, 10, 16, 18, 22});
    struct Case {
        const std::string& board;
        int reserveWhite;
        int reserveBlack;
        int quiet;
        uint8_t whiteKind;
        uint8_t blackKind;
        bool accepted;
        const char* fault;
    };
    constexpr uint8_t H = TPlayerRec::Human;
    constexpr uint8_t C = TPlayerRec::Computer;
    const Case cases[] = {
        {kSettled, 0, 2, 45, H, C, false, "accepted while black still places"},
        {kSettled, 2, 0, 45, H, C, false, "accepted while white still places against a human"},
        {ahead, 0, 0, 40, H, C, true, "refused after forty quiet moves"},
        {ahead, 0, 0, 39, H, C, false, "accepted when ahead before forty quiet moves"},
        {kSettled, 0, 0, 45, C, H, true, "refused after forty quiet moves, human on black"},
        {kSettled, 2, 0, 0, C, C, true, "the position judged with nobody human"},
        {kSettled, 0, 2, 45, C, C, false, "accepted while black places with nobody human"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TestGame t(1, kWhite, kHumanVsComputer);
        StartFrom(t, c.board, c.reserveWhite, c.reserveBlack);
        t.game->GameStatus = kHumanToAct;
        t.game->QuietMoves = c.quiet;
        t.game->Players[kWhite].Kind = c.whiteKind;
        t.game->Players[kBlack].Kind = c.blackKind;
        t.game->OfferDraw();
        ASSERT_EQ(t.owner.informed.size(), 1u);
        EXPECT_EQ(t.owner.informed[0], c.accepted ? "Nul accepté" : "Nul refusé");
        EXPECT_EQ(t.game->GameStatus, c.accepted ? kDraw : kHumanToAct);
    }
}

// Guards the offer in the other game types: sent to the partner in a network game with a
// connection, and nothing at all otherwise.
TEST(Draw, OfferInOtherGameTypes) {
    struct Case {
        int type;
        int role;
        bool sent;
    };
    const Case cases[] = {
        {kHumanVsHuman, -1, false},  {kComputerVsComputer, -1, false}, {kNetworkServer, 1, true},
        {kNetworkServer, -1, false}, {kNetworkCaller, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " role " << c.role);
        TestGame t(1, kWhite, c.type);
        t.owner.role = c.role;
        StartFrom(t, kSettled, 0, 0);
        t.game->GameStatus = kHumanToAct;
        t.game->QuietMoves = 45;
        t.game->OfferDraw();
        EXPECT_TRUE(t.owner.informed.empty());
        EXPECT_EQ(t.game->GameStatus, kHumanToAct);
        EXPECT_EQ(std::count(t.owner.calls.begin(), t.owner.calls.end(), "SendDrawOffer"),
                  c.sent ? 1 : 0);
    }
}
