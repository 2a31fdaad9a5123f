// The static score of a position: hand-worked cases for each weight, and a slow evaluator
// written straight from the scoring rules (board strings, plain loops over the tables) that
// the engine's word-parallel evaluator must agree with on many seeded random positions.
#include "engine/TSearch.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

constexpr uint8_t kSimple = 0;
constexpr uint8_t kDetailed = 1;

std::string Board(int points, std::initializer_list<int> white, std::initializer_list<int> black) {
    return vantorel::testing::BoardWith(points, white, black);
}

// A width x height grid: links to the right and downwards, mills along rows and columns.
// The first link is doubled and the last point has a loop, so that "links touching a point"
// counts table entries rather than neighbours.
Tmodele GridModel(int width, int height) {
    Tmodele model(-1);
    model.Kind = 1000 + width * height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            model.Points.push_back({static_cast<double>(x), static_cast<double>(y)});
    const auto at = [width](int x, int y) { return static_cast<int16_t>(y * width + x); };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x + 1 < width) model.Links.push_back({at(x, y), at(x + 1, y)});
            if (y + 1 < height) model.Links.push_back({at(x, y), at(x, y + 1)});
        }
    model.Links.push_back(model.Links.front());
    const auto last = static_cast<int16_t>(width * height - 1);
    model.Links.push_back({last, last});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x + 2 < width) model.Mills.push_back({at(x, y), at(x + 1, y), at(x + 2, y)});
            if (y + 2 < height) model.Mills.push_back({at(x, y), at(x, y + 1), at(x, y + 2)});
        }
    const int pieces = std::min(kMaxPiecesPerSide, width * height / 2);
    model.PiecesPerSide[0] = model.PiecesPerSide[1] = pieces;
    return model;
}

Tmodele WithRules(Tmodele model, int jumpRule, int minPieces) {
    model.JumpRule = jumpRule;
    model.MinPieces = minPieces;
    return model;
}

// The scoring rules, read literally: one pass over the board string per term.
class ReferenceEvaluator {
public:
    explicit ReferenceEvaluator(const Tmodele& model) : model_(model) {}

    // Empty when the side is lost.
    std::optional<int32_t> SideScore(const std::string& board, const int reserve[2], int side,
                                     bool detailed) const {
        const char mine = side == kWhite ? 'B' : 'N';
        const int r = reserve[side];
        const int n = static_cast<int>(std::count(board.begin(), board.end(), mine));
        const int t = r + n;
        if (!detailed) {
            if (t < model_.MinPieces) return std::nullopt;
            return 110 * r + 100 * n;
        }
        std::vector<bool> blocked(board.size(), true);
        int32_t score = 110 * r;
        for (size_t q = 0; q < board.size(); ++q) {
            if (board[q] != mine) continue;
            blocked[q] = Blocked(board, static_cast<int>(q), t);
            score += blocked[q] ? 90 : 100;
            for (const auto& link : model_.Links)
                if (link.A == static_cast<int>(q) || link.B == static_cast<int>(q)) score += 1;
        }
        if (t < model_.MinPieces) return std::nullopt;
        static constexpr std::array<int32_t, 4> kMillByFreePieces = {20, 30, 40, 50};
        for (const auto& mill : model_.Mills) {
            const std::array<size_t, 3> points = {static_cast<size_t>(mill.P1),
                                                  static_cast<size_t>(mill.P2),
                                                  static_cast<size_t>(mill.P3)};
            int own = 0, empty = 0, free = 0;
            for (size_t p : points) {
                if (board[p] == mine) {
                    ++own;
                    if (!blocked[p]) ++free;
                }
                if (board[p] == 'L') ++empty;
            }
            if (own == 3)
                score += kMillByFreePieces[static_cast<size_t>(free)];
            else if (own == 2 && empty == 1 && r > 0)
                score += 20;
        }
        return score;
    }

    int32_t Evaluate(const std::string& board, const int reserve[2], int mover, int ply,
                     bool detailed) const {
        const auto mine = SideScore(board, reserve, mover, detailed);
        const auto theirs = SideScore(board, reserve, 1 - mover, detailed);
        const int32_t win = 5000000 - 10 * ply;
        if (mover == kWhite) {
            if (!mine) return -win;
            if (!theirs) return win;
        } else {
            if (!theirs) return win;
            if (!mine) return -win;
        }
        return *mine - *theirs;
    }

private:
    bool Blocked(const std::string& board, int q, int total) const {
        if (total < 3) return true;
        const bool anyEmpty = board.find('L') != std::string::npos;
        if ((model_.JumpRule == 2 || (model_.JumpRule == 0 && total == 3)) && anyEmpty)
            return false;
        for (const auto& link : model_.Links) {
            if (link.A == q && board[static_cast<size_t>(link.B)] == 'L') return false;
            if (link.B == q && board[static_cast<size_t>(link.A)] == 'L') return false;
        }
        return true;
    }

    const Tmodele& model_;
};

// Random positions biased towards the edges of the rules: sides near the piece limits,
// full boards, empty and large reserves.
struct RandomPosition {
    std::string Board;
    int Reserve[2] = {0, 0};
};

RandomPosition MakeRandomPosition(std::mt19937& rng, int points) {
    const auto below = [&rng](int n) {
        return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n));
    };
    std::vector<int> order(static_cast<size_t>(points));
    for (int p = 0; p < points; ++p)
        order[static_cast<size_t>(p)] = p;
    std::shuffle(order.begin(), order.end(), rng);
    int counts[2];
    for (int& count : counts)
        count = below(3) == 0 ? below(6) : below(points / 2 + 1);
    const bool full = below(8) == 0;
    RandomPosition position;
    position.Board.assign(static_cast<size_t>(points), 'L');
    size_t next = 0;
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < counts[side] && next < order.size(); ++k)
            position.Board[static_cast<size_t>(order[next++])] = side == 0 ? 'B' : 'N';
    while (full && next < order.size())
        position.Board[static_cast<size_t>(order[next++])] = below(2) ? 'B' : 'N';
    for (int& reserve : position.Reserve)
        reserve = below(2) == 0 ? 0 : below(10);
    return position;
}

TPly PlyOf(const Tjeu& jeu, const std::string& board, int white, int black, int mover) {
    TPly ply;
    jeu.Rules().LoadBoard(board, ply);
    ply.Reserve[0] = static_cast<int8_t>(white);
    ply.Reserve[1] = static_cast<int8_t>(black);
    ply.Mover = static_cast<int8_t>(mover);
    return ply;
}

int32_t SideScoreOf(Tjeu& jeu, const std::string& board, int white, int black, int side,
                    uint8_t mode) {
    jeu.Search.EvalMode = mode;
    return jeu.Search.SideScore(PlyOf(jeu, board, white, black, 1 - side), side);
}

} // namespace

TEST(Evaluation, StartOfNineMensMorrisIsBalancedInSimpleMode) {
    Tjeu jeu(Tmodele(1));
    const std::string empty(24, 'L');
    // Guards the reserve weight (110) and the mover/opponent difference.
    EXPECT_EQ(SideScoreOf(jeu, empty, 9, 9, kWhite, kSimple), 990);
    EXPECT_EQ(SideScoreOf(jeu, empty, 9, 9, kBlack, kSimple), 990);
    EXPECT_EQ(jeu.EvaluatePosition(kWhite, empty, kSimple, NoMove, 9, 9), 0);
}

TEST(Evaluation, SideWithTwoPiecesIsLostInBothModes) {
    Tjeu jeu(Tmodele(1));
    const std::string board = Board(24, {0, 1, 5, 12}, {20, 22});
    for (uint8_t mode : {kSimple, kDetailed}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(SideScoreOf(jeu, board, 0, 0, kBlack, mode), TSearch::kLost);
        jeu.Search.EvalMode = mode;
        // The winner scores 5000000 - 10 x ply, so a nearer win is worth more.
        jeu.Search.Plies[3] = PlyOf(jeu, board, 0, 0, kWhite);
        EXPECT_EQ(jeu.Search.Evaluate(3), 5000000 - 30);
        jeu.Search.Plies[3] = PlyOf(jeu, board, 0, 0, kBlack);
        EXPECT_EQ(jeu.Search.Evaluate(3), -(5000000 - 30));
    }
}

TEST(Evaluation, BothSidesLostCountsBlackAsTheWinner) {
    Tjeu jeu(Tmodele(1));
    const std::string board = Board(24, {0, 1}, {20, 22});
    const struct {
        int mover;
        int32_t expected;
    } cases[] = {
        {kWhite, -(5000000 - 50)}, // white mover: its own loss is tested first
        {kBlack, 5000000 - 50},    // black mover: white's loss is tested first
    };
    for (uint8_t mode : {kSimple, kDetailed})
        for (const auto& c : cases) {
            jeu.Search.EvalMode = mode;
            jeu.Search.Plies[5] = PlyOf(jeu, board, 0, 0, c.mover);
            EXPECT_EQ(jeu.Search.Evaluate(5), c.expected) << "mode " << int(mode);
        }
}

TEST(Evaluation, DetailedWeightsOnHandWorkedPositions) {
    // Corners of the outer square have two links, side middles three or four.
    const struct {
        const char* fault;
        int jumpRule;
        std::string board;
        int whiteReserve;
        int32_t whiteScore;
    } cases[] = {
        {"three pieces that may jump are free as long as one point is empty", 0,
         [] {
             std::string b(24, 'N');
             for (int p : {0, 2, 4})
                 b[static_cast<size_t>(p)] = 'B';
             b[20] = 'L';
             return b;
         }(),
         0, 3 * (100 + 2)},
        {"without jumps the same hemmed-in pieces are blocked", 1,
         [] {
             std::string b(24, 'N');
             for (int p : {0, 2, 4})
                 b[static_cast<size_t>(p)] = 'B';
             b[20] = 'L';
             return b;
         }(),
         0, 3 * (90 + 2)},
        {"a mill whose pieces are all hemmed in adds 20", 1, Board(24, {0, 1, 2}, {7, 9, 3}), 0,
         3 * 90 + 7 + 20},
        {"a mill whose pieces are all free adds 50", 1, Board(24, {0, 1, 2}, {20, 21, 22}), 0,
         3 * 100 + 7 + 50},
        {"a mill with one free piece adds 30", 1, Board(24, {0, 1, 2}, {7, 9}), 0,
         2 * 90 + 100 + 7 + 30},
        {"a mill with two free pieces adds 40", 1, Board(24, {0, 1, 2}, {7}), 0,
         90 + 2 * 100 + 7 + 40},
        {"two of a mill with the third point empty add 20 while pieces remain to place", 1,
         Board(24, {0, 1, 20}, {}), 1, 110 + 102 + 103 + 102 + 20},
        {"the open mill earns nothing once the reserve is empty", 1, Board(24, {0, 1, 20}, {}), 0,
         102 + 103 + 102},
        {"the open mill needs its third point empty, not taken by the opponent", 1,
         Board(24, {0, 1, 20}, {2}), 1, 110 + 102 + 103 + 102},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.JumpRule = c.jumpRule;
        Tjeu jeu(model);
        EXPECT_EQ(SideScoreOf(jeu, c.board, c.whiteReserve, 0, kWhite, kDetailed), c.whiteScore)
            << c.fault;
    }
}

TEST(Evaluation, MinPiecesDecidesTheLossButNotTheBlocking) {
    const struct {
        const char* fault;
        int minPieces;
        std::string board;
        int32_t whiteScore;
    } cases[] = {
        {"three pieces are lost when the variant asks for four", 4, Board(24, {0, 2, 4}, {}),
         TSearch::kLost},
        {"two pieces survive a limit of two, but fewer than three never move", 2,
         Board(24, {0, 4}, {}), 2 * (90 + 2)},
        {"a limit of five counts reserve pieces too", 5, Board(24, {0, 2, 4}, {}), TSearch::kLost},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.MinPieces = c.minPieces;
        Tjeu jeu(model);
        EXPECT_EQ(SideScoreOf(jeu, c.board, 0, 0, kWhite, kDetailed), c.whiteScore) << c.fault;
    }
    Tmodele five(1);
    five.MinPieces = 5;
    Tjeu jeu(five);
    EXPECT_NE(SideScoreOf(jeu, Board(24, {0, 2, 4}, {}), 2, 0, kWhite, kDetailed), TSearch::kLost)
        << "three on the board and two in reserve make five";
}

TEST(Evaluation, EveryCallCountsOnePositionExamined) {
    Tjeu jeu(Tmodele(1));
    const std::string boards[] = {std::string(24, 'L'), Board(24, {0, 1}, {3, 4, 5}),
                                  Board(24, {0, 1, 2}, {9, 10, 11, 12})};
    int expected = jeu.Search.PositionsExamined;
    for (uint8_t mode : {kSimple, kDetailed, uint8_t{2}})
        for (const auto& board : boards) {
            jeu.EvaluatePosition(kWhite, board, mode, NoMove, 0, 3);
            EXPECT_EQ(jeu.Search.PositionsExamined, ++expected) << "mode " << int(mode);
        }
    // Scoring one side alone is not an examined position.
    jeu.Search.SideScore(jeu.Search.Plies[0], kWhite);
    EXPECT_EQ(jeu.Search.PositionsExamined, expected);
}

TEST(Evaluation, EvaluatePositionTakesBlackReserveFirstAndKeepsTheMode) {
    Tjeu jeu(Tmodele(1));
    const std::string empty(24, 'L');
    // Guards a swap of the two reserve arguments, whose order is black then white.
    EXPECT_EQ(jeu.EvaluatePosition(kWhite, empty, kSimple, NoMove, 4, 9), 990 - 440);
    EXPECT_EQ(jeu.EvaluatePosition(kBlack, empty, kSimple, NoMove, 4, 9), 440 - 990);
    EXPECT_EQ(jeu.Search.EvalMode, kSimple);
    jeu.EvaluatePosition(kBlack, empty, 2, NoMove, 4, 9);
    EXPECT_EQ(jeu.Search.EvalMode, 2) << "any mode but 1 is stored as given and scores simply";
    jeu.EvaluatePosition(kWhite, Board(24, {0}, {}), kDetailed, {-1, 0, -2}, 9, 8);
    EXPECT_EQ(jeu.Search.EvalMode, kDetailed);
    EXPECT_EQ(jeu.Search.Plies[0].PlyMove, (TMove{-1, 0, -2}));
}

TEST(Evaluation, ModesOtherThanOneScoreSimply) {
    Tjeu jeu(Tmodele(1));
    const std::string board = Board(24, {0, 1, 2}, {7, 9, 3});
    const int32_t simple = SideScoreOf(jeu, board, 2, 5, kWhite, 0);
    EXPECT_EQ(simple, 220 + 300);
    EXPECT_EQ(SideScoreOf(jeu, board, 2, 5, kWhite, 2), simple);
    EXPECT_EQ(SideScoreOf(jeu, board, 2, 5, kWhite, 7), simple);
    EXPECT_NE(SideScoreOf(jeu, board, 2, 5, kWhite, kDetailed), simple);
}

TEST(Evaluation, AgreesWithTheReferenceOnRandomPositions) {
    const struct {
        const char* name;
        std::function<Tmodele()> make;
    } variants[] = {
        {"Marelle de 9", [] { return Tmodele(0); }},
        {"Nine Men's Morris", [] { return Tmodele(1); }},
        {"no jumps", [] { return WithRules(Tmodele(1), 1, 3); }},
        {"jumps always", [] { return WithRules(Tmodele(0), 2, 3); }},
        {"minimum two", [] { return WithRules(Tmodele(1), 0, 2); }},
        {"minimum five", [] { return WithRules(Tmodele(0), 1, 5); }},
        {"grid 3x3", [] { return GridModel(3, 3); }},
        {"grid 3x3 jumps always", [] { return WithRules(GridModel(3, 3), 2, 3); }},
        {"grid 8x8, 64 points", [] { return WithRules(GridModel(8, 8), 1, 4); }},
        {"grid 13x5, 65 points", [] { return GridModel(13, 5); }},
        {"grid 16x8, 128 points", [] { return WithRules(GridModel(16, 8), 2, 3); }},
    };
    std::mt19937 rng(20240611);
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.name);
        const Tmodele model = variant.make();
        ReferenceEvaluator reference(model);
        Tjeu jeu(model);
        const int positions = model.PointCount() > 64 ? 150 : 400;
        int mismatches = 0;
        for (int i = 0; i < positions && mismatches < 5; ++i) {
            const RandomPosition position = MakeRandomPosition(rng, model.PointCount());
            const int mover = static_cast<int>(rng() % 2);
            const int ply = static_cast<int>(rng() % TSearch::kPlyCount);
            for (uint8_t mode : {kSimple, kDetailed}) {
                const bool detailed = mode == kDetailed;
                jeu.Search.EvalMode = mode;
                const TPly loaded =
                    PlyOf(jeu, position.Board, position.Reserve[0], position.Reserve[1], mover);
                for (int side = 0; side < 2; ++side) {
                    const auto expected =
                        reference.SideScore(position.Board, position.Reserve, side, detailed);
                    const int32_t actual = jeu.Search.SideScore(loaded, side);
                    if (actual != expected.value_or(TSearch::kLost)) {
                        ++mismatches;
                        ADD_FAILURE() << position.Board << " reserves " << position.Reserve[0]
                                      << "/" << position.Reserve[1] << " side " << side << " mode "
                                      << int(mode) << ": " << actual;
                    }
                }
                jeu.Search.Plies[static_cast<size_t>(ply)] = loaded;
                const int32_t expected =
                    reference.Evaluate(position.Board, position.Reserve, mover, ply, detailed);
                const int32_t actual = jeu.Search.Evaluate(ply);
                if (actual != expected) {
                    ++mismatches;
                    ADD_FAILURE() << position.Board << " reserves " << position.Reserve[0] << "/"
                                  << position.Reserve[1] << " mover " << mover << " ply " << ply
                                  << " mode " << int(mode) << ": " << actual << " expected "
                                  << expected;
                }
            }
        }
    }
}
