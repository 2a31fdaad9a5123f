// The advice computed on a copy of the position: capture-first lines, reproducibility, the
// abandon flag, and the clicks that play its first move.
#include "game/Suggestion.h"

#include "GameTestSupport.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TSuggestionRequest Request(const std::string& board, int8_t white, int8_t black, int side,
                           int depth) {
    TSuggestionRequest request;
    request.Model = Tmodele(1);
    request.Board = board;
    request.Reserve[0] = white;
    request.Reserve[1] = black;
    request.Side = side;
    request.Depth = depth;
    return request;
}

// Guards the dice triple: the removal earned comes first, and it takes an opposing piece.
TEST(SuggestionTest, CaptureFirstLineStartsWithTheRemoval) {
    TSuggestionRequest request = Request(testing::Board({0, 1}, {8, 12, 20}), 5, 4, kWhite, 3);
    request.CaptureFirst = true;
    const TSuggestionResult result = RunSuggestion(request);
    const TMove first = result.Line.Moves[0];
    EXPECT_EQ(first.From, -2);
    EXPECT_EQ(first.To, -2);
    ASSERT_GE(first.Capture, 0);
    EXPECT_EQ(request.Board[static_cast<size_t>(first.Capture)], 'N');
    EXPECT_GE(result.Line.Moves[1].To, 0) << "the removal is followed by the same side's move";
}

TEST(SuggestionTest, SameRequestSameLine) {
    const TSuggestionRequest request =
        Request(testing::Board({0, 9, 17}, {3, 12, 20}), 6, 6, kBlack, 4);
    const TSuggestionResult a = RunSuggestion(request);
    const TSuggestionResult b = RunSuggestion(request);
    EXPECT_EQ(a.Line.Score, b.Line.Score);
    EXPECT_EQ(a.Line.Moves, b.Line.Moves);
    EXPECT_EQ(a.PositionsExamined, b.PositionsExamined);
    EXPECT_GT(a.PositionsExamined, 0);
    EXPECT_FALSE(a.Abandoned);
}

TEST(SuggestionTest, AnAbandonedSearchSaysSo) {
    const std::atomic<int> stop{kAbandon};
    const TSuggestionResult result =
        RunSuggestion(Request(std::string(24, 'L'), 9, 9, kWhite, 10), &stop);
    EXPECT_TRUE(result.Abandoned);
}

TEST(SuggestionTest, TwoPiecesLeftGivesNoMove) {
    const TSuggestionResult result =
        RunSuggestion(Request(testing::Board({0, 1, 2}, {8, 9}), 0, 0, kWhite, 3));
    EXPECT_EQ(result.Line.Score, -1);
    EXPECT_EQ(result.Line.Moves[0], NoMove);
    EXPECT_TRUE(SuggestionClicks(result.Line).empty());
}

TEST(SuggestionTest, ClicksOfTheFirstMove) {
    struct Case {
        TMove first, second;
        std::vector<int> clicks;
    };
    const std::vector<Case> cases = {
        {{-1, 4, -2}, {-1, 5, -2}, {4}},        // a placement: one click
        {{0, 1, 8}, {-1, 5, -2}, {0, 1, 8}},    // a move with its capture
        {{-1, 3, -1}, {-1, 5, -2}, {3}},        // a capture from the reserve: no point
        {{-2, -2, 6}, {2, 3, 9}, {6, 2, 3, 9}}, // a dice removal, then the move
        {NoMove, NoMove, {}},
    };
    for (const Case& c : cases) {
        TSearchLine line;
        line.Moves[0] = c.first;
        line.Moves[1] = c.second;
        EXPECT_EQ(SuggestionClicks(line), c.clicks);
    }
}

// The request copies the game, and a triple waiting for its removal asks for capture first.
TEST(SuggestionTest, RequestFromTheLiveGame) {
    testing::TestGame test(1, kWhite, kHumanVsHuman);
    test.Play({0, 9});
    const TSuggestionRequest request = TSuggestionRequest::FromGame(*test.game, 6, 5, 1);
    EXPECT_EQ(request.Board, test.Engine().LiveBoard);
    EXPECT_EQ(request.Side, kWhite);
    EXPECT_EQ(request.Reserve[1], 8);
    EXPECT_FALSE(request.CaptureFirst);
    test.game->Model.DiceRule = 1;
    test.game->ClickState = kClickDiceRemoval;
    EXPECT_TRUE(TSuggestionRequest::FromGame(*test.game, 6, 5, 1).CaptureFirst);
}

} // namespace
} // namespace vantorel
