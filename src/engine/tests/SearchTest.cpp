// The five searches against plain tree walks written from the rules of the search: a minimax
// without table or pruning for the memory-enhanced four, a negamax for Negascout. Positions
// are drawn with a fixed seed; the placing-phase ones keep every searched position in the
// placing phase, where each ply adds a piece, so the table answers with the bounds of
// subtrees at the same ply (a position could come back at another ply only through a mix
// of board and reserve captures, which these seeds do not produce).
#include "engine/Random.h"
#include "engine/TSearch.h"
#include "engine/Tmodele.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

constexpr uint8_t kSimple = 0;
constexpr uint8_t kDetailed = 1;
constexpr int32_t kWin = 5000000;

const TAlgorithm kMemoryAlgorithms[] = {TAlgorithm::AlphaBeta, TAlgorithm::ABDual,
                                        TAlgorithm::ABSSS, TAlgorithm::MTDF};

const char* NameOf(TAlgorithm algorithm) {
    switch (algorithm) {
    case TAlgorithm::AlphaBeta:
        return "AlphaBeta";
    case TAlgorithm::Negascout:
        return "Negascout";
    case TAlgorithm::ABDual:
        return "ABDual";
    case TAlgorithm::ABSSS:
        return "ABSSS";
    default:
        return "MTDF";
    }
}

uint32_t StampCounter() {
    static uint32_t now = 0;
    return ++now;
}

TMove M(int from, int to, int capture = -2) {
    return {static_cast<int8_t>(from), static_cast<int8_t>(to), static_cast<int8_t>(capture)};
}

std::string Board(int points, std::initializer_list<int> white, std::initializer_list<int> black) {
    return vantorel::testing::BoardWith(points, white, black);
}

TPly RootOf(const TRules& rules, const std::string& board, int whiteReserve, int blackReserve,
            int sideToMove) {
    TPly root;
    rules.LoadBoard(board, root);
    root.Reserve[0] = static_cast<int8_t>(whiteReserve);
    root.Reserve[1] = static_cast<int8_t>(blackReserve);
    root.Mover = static_cast<int8_t>(1 - sideToMove);
    return root;
}

// One search engine over a variant, with a table, and the root loaded from a board string.
struct Bench {
    explicit Bench(const Tmodele& model)
        : rules(std::make_shared<const TRules>(model)), search(rules, nullptr) {
        search.SetHashTable(std::make_unique<THashTable>(rules->PointCount(), StampCounter));
    }

    TPly Root(const std::string& board, int whiteReserve, int blackReserve, int sideToMove) const {
        return RootOf(*rules, board, whiteReserve, blackReserve, sideToMove);
    }

    // A fresh start: empty table and root lines, the root in ply 0, a fixed shuffle.
    void Load(const TPly& root, int depth, uint8_t mode) {
        search.HashTable()->Clear();
        search.RootLines.clear();
        search.LiveReserve[0] = root.Reserve[0];
        search.LiveReserve[1] = root.Reserve[1];
        search.LoadRoot(root);
        search.Depth = depth;
        search.EvalMode = mode;
        search.PositionsExamined = 0;
        search.Nodes = 0;
        RandSeed(77);
    }

    Tsuivants MovesAt(const TPly& ply) const {
        Tsuivants moves;
        rules->GenerateMoves(ply, search.LiveReserve, moves);
        return moves;
    }

    std::shared_ptr<const TRules> rules;
    TSearch search;
};

// The tree walks, written from the rules of the search with nothing shared but the move
// generator and the static score.
class ReferenceWalk {
public:
    ReferenceWalk(const Tmodele& model, const TPly& root, int depth, uint8_t mode)
        : rules_(std::make_shared<const TRules>(model)), scorer_(rules_, nullptr), depth_(depth),
          rootMover_(root.Mover) {
        live_[0] = root.Reserve[0];
        live_[1] = root.Reserve[1];
        scorer_.EvalMode = mode;
    }

    // Max at plies whose mover is the root's, leaves scored for the side to move at the
    // root whatever the depth's parity, a side without a move has lost.
    int32_t Minimax(const TPly& ply, int p) {
        if (depth_ < p) return ply.Mover == rootMover_ ? -Score(ply, p) : Score(ply, p);
        const bool maxNode = ply.Mover == rootMover_;
        const Tsuivants moves = Moves(ply);
        if (moves.empty()) return maxNode ? -(kWin - 10 * p) : kWin - 10 * p;
        int32_t best = maxNode ? INT32_MIN : INT32_MAX;
        for (const TMove m : moves) {
            const int32_t value = Minimax(Child(ply, m), p + 1);
            best = maxNode ? std::max(best, value) : std::min(best, value);
        }
        return best;
    }

    // Every value for the side to move where it stands; a side without a move has lost.
    int32_t Negamax(const TPly& ply, int p) {
        if (depth_ < p) return -Score(ply, p);
        const Tsuivants moves = Moves(ply);
        if (moves.empty()) return -(kWin - 10 * p);
        int32_t best = INT32_MIN;
        for (const TMove m : moves)
            best = std::max(best, -Negamax(Child(ply, m), p + 1));
        return best;
    }

    TPly Child(const TPly& ply, TMove m) const {
        TPly child;
        rules_->MakeChild(ply, child, m);
        return child;
    }
    Tsuivants Moves(const TPly& ply) const {
        Tsuivants moves;
        rules_->GenerateMoves(ply, live_, moves);
        return moves;
    }

private:
    int32_t Score(const TPly& ply, int p) {
        scorer_.Plies[static_cast<size_t>(p)] = ply;
        return scorer_.Evaluate(p);
    }

    std::shared_ptr<const TRules> rules_;
    TSearch scorer_;
    int depth_;
    int8_t rootMover_;
    int8_t live_[2] = {0, 0};
};

// A placing-phase position with `empty` free points and reserves large enough that
// neither side finishes placing within `depth` + 1 plies.
TPly RandomPlacingRoot(const TRules& rules, std::mt19937& rng, int empty, int depth) {
    const int points = rules.PointCount();
    std::string board(static_cast<size_t>(points), 'L');
    std::vector<int> order(static_cast<size_t>(points));
    for (int p = 0; p < points; ++p)
        order[static_cast<size_t>(p)] = p;
    std::shuffle(order.begin(), order.end(), rng);
    for (int k = 0; k < points - empty; ++k)
        board[static_cast<size_t>(order[static_cast<size_t>(k)])] = rng() % 2 ? 'B' : 'N';
    const int lowest = depth / 2 + 2;
    const auto reserve = [&] { return lowest + static_cast<int>(rng() % (10 - lowest)); };
    const int white = reserve();
    const int black = reserve();
    return RootOf(rules, board, white, black, static_cast<int>(rng() % 2));
}

struct PlacingCase {
    int kind;
    int depth;
    TPly root;
    uint8_t mode;
};

std::vector<PlacingCase> PlacingCases() {
    std::vector<PlacingCase> cases;
    std::mt19937 rng(4711);
    for (int kind : {0, 1}) {
        const TRules rules{Tmodele(kind)};
        for (int depth = 1; depth <= 4; ++depth)
            for (int i = 0; i < 4; ++i) {
                const int empty =
                    depth <= 2 ? 9 + static_cast<int>(rng() % 5) : 6 + static_cast<int>(rng() % 3);
                cases.push_back({kind, depth, RandomPlacingRoot(rules, rng, empty, depth),
                                 i % 2 ? kDetailed : kSimple});
            }
    }
    return cases;
}

// Replays a line from the root: every move must be playable where it stands, and the leaf
// it leads to must carry the line's score.
void ExpectLineReachesItsScore(Bench& bench, const TPly& root, const TSearchLine& line) {
    TPly ply = root;
    for (int p = 0; p <= bench.search.Depth; ++p) {
        const Tsuivants moves = bench.MovesAt(ply);
        const TMove m = line.Moves[static_cast<size_t>(p)];
        ASSERT_NE(std::find(moves.begin(), moves.end(), m), moves.end()) << "ply " << p;
        TPly child;
        bench.rules->MakeChild(ply, child, m);
        ply = child;
    }
    bench.search.Plies[static_cast<size_t>(bench.search.Depth) + 1] = ply;
    const int32_t leaf = bench.search.Evaluate(bench.search.Depth + 1);
    // The leaf's score for the side to move at the root.
    EXPECT_EQ(ply.Mover == root.Mover ? -leaf : leaf, line.Score);
}

} // namespace

TEST(Search, MemoryAlgorithmsMatchMinimaxInThePlacingPhase) {
    const Tmodele models[] = {Tmodele(0), Tmodele(1)};
    Bench benches[] = {Bench(models[0]), Bench(models[1])};
    for (const PlacingCase& c : PlacingCases()) {
        const Tmodele& model = models[c.kind];
        Bench& bench = benches[c.kind];
        ReferenceWalk reference(model, c.root, c.depth, c.mode);
        const int32_t expected = reference.Minimax(c.root, 0);
        for (TAlgorithm algorithm : kMemoryAlgorithms) {
            SCOPED_TRACE(::testing::Message()
                         << NameOf(algorithm) << " kind " << c.kind << " depth " << c.depth
                         << " mode " << int(c.mode) << " board " << bench.rules->BoardString(c.root)
                         << " reserves " << int(c.root.Reserve[0]) << "/" << int(c.root.Reserve[1])
                         << " to move " << 1 - c.root.Mover);
            bench.Load(c.root, c.depth, c.mode);
            const TSearchLine line = bench.search.Run(algorithm);
            EXPECT_EQ(line.Score, expected);
            if (algorithm != TAlgorithm::AlphaBeta) continue;
            // With the full window the root lines and the principal line are exact too.
            const TSearchLine* best = bench.search.BestRootLine();
            ASSERT_NE(best, nullptr);
            EXPECT_EQ(best->Score, expected);
            EXPECT_EQ(best->Moves[0], line.Moves[0]);
            EXPECT_EQ(reference.Minimax(reference.Child(c.root, line.Moves[0]), 1), expected);
            ExpectLineReachesItsScore(bench, c.root, line);
        }
    }
}

TEST(Search, NegascoutMatchesNegamax) {
    const Tmodele models[] = {Tmodele(0), Tmodele(1)};
    Bench benches[] = {Bench(models[0]), Bench(models[1])};
    for (const PlacingCase& c : PlacingCases()) {
        const Tmodele& model = models[c.kind];
        Bench& bench = benches[c.kind];
        ReferenceWalk reference(model, c.root, c.depth, c.mode);
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " depth " << c.depth << " board "
                                          << bench.rules->BoardString(c.root));
        bench.Load(c.root, c.depth, c.mode);
        const TSearchLine line = bench.search.Run(TAlgorithm::Negascout);
        const int32_t expected = reference.Negamax(c.root, 0);
        EXPECT_EQ(line.Score, expected);
        const TSearchLine* best = bench.search.BestRootLine();
        ASSERT_NE(best, nullptr);
        EXPECT_EQ(best->Score, expected);
        EXPECT_EQ(-reference.Negamax(reference.Child(c.root, best->Moves[0]), 1), expected)
            << "the best root line must name a move that reaches the value";
    }
}

namespace {

// A moving-phase position with `white` and `black` pieces on random points.
TPly RandomMovingRoot(const TRules& rules, std::mt19937& rng, int white, int black) {
    std::string board(static_cast<size_t>(rules.PointCount()), 'L');
    for (int side = 0; side < 2; ++side)
        for (int placed = 0; placed < (side == 0 ? white : black);) {
            const auto p = static_cast<size_t>(rng() % board.size());
            if (board[p] != 'L') continue;
            board[p] = side == 0 ? 'B' : 'N';
            ++placed;
        }
    return RootOf(rules, board, 0, 0, static_cast<int>(rng() % 2));
}

} // namespace

TEST(Search, NegascoutMatchesNegamaxInTheMovingPhase) {
    // Captures down to two pieces, blocked sides and three-piece jumps end or widen lines;
    // a side without a move has lost, as in the memory-enhanced searches.
    std::mt19937 rng(99);
    for (int kind : {0, 1}) {
        const Tmodele model(kind);
        Bench bench(model);
        for (int i = 0; i < 16; ++i) {
            const int dense = i % 2 ? 6 : 0;
            const TPly root =
                RandomMovingRoot(*bench.rules, rng, 3 + dense + static_cast<int>(rng() % 4),
                                 3 + dense + static_cast<int>(rng() % 4));
            const int depth = 1 + i % 3;
            const uint8_t mode = i % 4 < 2 ? kDetailed : kSimple;
            ReferenceWalk reference(model, root, depth, mode);
            SCOPED_TRACE(::testing::Message() << "kind " << kind << " depth " << depth << " board "
                                              << bench.rules->BoardString(root));
            bench.Load(root, depth, mode);
            EXPECT_EQ(bench.search.Run(TAlgorithm::Negascout).Score, reference.Negamax(root, 0));
        }
    }
}

TEST(Search, MemoryAlgorithmsMatchMinimaxOnBlockadesInTheMovingPhase) {
    // Without mills nothing is ever captured, so a position cannot come back at another
    // ply within two moves of each side and the table only ever holds equal subtrees.
    // (With captures it can: a piece taken on one line and a piece stepping into its place
    // on another give the same board, and the table then answers across plies by design.)
    // Dense boards block sides, whose loss the walks score at max and min nodes alike.
    Tmodele model(1);
    model.Mills.clear();
    Bench bench(model);
    std::mt19937 rng(1999);
    for (int i = 0; i < 16; ++i) {
        const TPly root = RandomMovingRoot(*bench.rules, rng, 8 + static_cast<int>(rng() % 4),
                                           4 + static_cast<int>(rng() % 8));
        const int depth = 1 + i % 3;
        const uint8_t mode = i % 2 ? kDetailed : kSimple;
        ReferenceWalk reference(model, root, depth, mode);
        const int32_t expected = reference.Minimax(root, 0);
        for (TAlgorithm algorithm : kMemoryAlgorithms) {
            SCOPED_TRACE(::testing::Message() << NameOf(algorithm) << " depth " << depth
                                              << " board " << bench.rules->BoardString(root));
            bench.Load(root, depth, mode);
            EXPECT_EQ(bench.search.Run(algorithm).Score, expected);
        }
    }
}

TEST(Search, DepthZeroPicksTheFirstHighestLeafAtPlyOne) {
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root(Board(24, {0, 1, 9}, {4, 12, 20, 22}), 6, 5, kWhite);
    bench.Load(root, 0, kDetailed);
    const TSearchLine line = bench.search.Run(TAlgorithm::AlphaBeta);

    // Each root move is scored at ply 1 for the side that played it, without negation.
    TSearch scorer(bench.rules, nullptr);
    scorer.EvalMode = kDetailed;
    int32_t highest = INT32_MIN;
    TMove first = NoMove;
    for (const TSearchLine& rootLine : bench.search.RootLines) {
        bench.rules->MakeChild(root, scorer.Plies[1], rootLine.Moves[0]);
        const int32_t score = scorer.Evaluate(1);
        if (score > highest) {
            highest = score;
            first = rootLine.Moves[0];
        }
        // A root line holds its leaf score if the move became best, else the start value.
        EXPECT_TRUE(rootLine.Score == score || rootLine.Score == -kInfinity);
    }
    EXPECT_EQ(line.Score, highest);
    EXPECT_EQ(line.Moves[0], first);
    EXPECT_EQ(bench.search.BestRootLine()->Moves[0], first);
    EXPECT_EQ(bench.search.RootLines.size(), bench.MovesAt(root).size());
    EXPECT_EQ(bench.search.PositionsExamined, static_cast<int32_t>(bench.MovesAt(root).size()))
        << "each leaf is scored once";
    EXPECT_EQ(bench.search.HashTable()->Count(), 0)
        << "leaves are not stored, nor the nodes just above them";
}

TEST(Search, OddDepthsScoreForTheSideToMove) {
    // White can take a piece with 11 -> 10. At odd depths the leaves lie after the
    // opponent's reply; scored for the opponent and maximised, they once turned the choice
    // to a quiet move at depths 1 and 3 while 0, 2 and 4 took the piece.
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root("LLLNNLNLBBLBLLLNLLLNBLLL", 0, 0, kWhite);
    for (TAlgorithm algorithm : {TAlgorithm::AlphaBeta, TAlgorithm::Negascout, TAlgorithm::ABDual,
                                 TAlgorithm::ABSSS, TAlgorithm::MTDF})
        for (int depth = 0; depth <= 5; ++depth) {
            bench.Load(root, depth, kSimple);
            const TSearchLine line = bench.search.Run(algorithm);
            EXPECT_EQ(line.Moves[0], M(11, 10, 3)) << NameOf(algorithm) << " depth " << depth;
            EXPECT_EQ(bench.search.BestRootLine()->Moves[0], M(11, 10, 3))
                << NameOf(algorithm) << " depth " << depth;
        }
}

TEST(Search, CapturingTheThirdLastPieceWinsAtPlyOne) {
    // White slides 3 -> 2 to close (0, 1, 2) and takes one of black's three pieces; black,
    // down to two, has no move at ply 1.
    for (int kind : {0, 1}) {
        const Tmodele model(kind);
        Bench bench(model);
        const TPly root = bench.Root(Board(24, {0, 1, 3, 20}, {12, 13, 22}), 0, 0, kWhite);
        for (TAlgorithm algorithm : kMemoryAlgorithms)
            for (int depth = 1; depth <= 3; ++depth) {
                SCOPED_TRACE(::testing::Message()
                             << NameOf(algorithm) << " kind " << kind << " depth " << depth);
                bench.Load(root, depth, depth % 2 ? kSimple : kDetailed);
                const TSearchLine line = bench.search.Run(algorithm);
                EXPECT_EQ(line.Score, kWin - 10);
                EXPECT_EQ(line.Moves[0].From, 3);
                EXPECT_EQ(line.Moves[0].To, 2);
                EXPECT_GE(line.Moves[0].Capture, 0);
            }
    }
}

TEST(Search, ASideWithoutMovesHasLostAtItsPly) {
    // Nearly full boards where each side has at most one move: the lines end where a side
    // is blocked, and the score says at which ply and for whom.
    const auto board = [](std::initializer_list<int> white, int empty) {
        std::string b(24, 'N');
        for (int p : white)
            b[static_cast<size_t>(p)] = 'B';
        b[static_cast<size_t>(empty)] = 'L';
        return b;
    };
    const struct {
        const char* fault;
        std::string board;
        int sideToMove;
        int depth;
        int32_t score;
    } cases[] = {
        {"the opponent blocked at ply 1 (min node) is a win", board({1, 2, 9, 17}, 0), kWhite, 1,
         kWin - 10},
        {"the side to move blocked at ply 2 (max node) is a loss", board({1, 2, 6, 9, 15, 17}, 7),
         kBlack, 2, -(kWin - 20)},
        {"deeper searches keep the ply of the loss", board({1, 2, 6, 9, 15, 17}, 7), kBlack, 4,
         -(kWin - 20)},
        {"blocked at the root: a loss at ply 0", board({0, 2, 9, 17}, 1), kBlack, 2, -kWin},
        {"blocked at the root even at depth 0", board({0, 2, 9, 17}, 1), kBlack, 0, -kWin},
    };
    const Tmodele model(1);
    Bench bench(model);
    for (const auto& c : cases)
        for (TAlgorithm algorithm : kMemoryAlgorithms) {
            const TPly root = bench.Root(c.board, 0, 0, c.sideToMove);
            bench.Load(root, c.depth, kDetailed);
            EXPECT_EQ(bench.search.Run(algorithm).Score, c.score)
                << c.fault << ", " << NameOf(algorithm);
        }
}

TEST(Search, NullWindowDriversStopAfterTwoPassesOnAValueOfZero) {
    // Marelle de 9 captures nothing while placing, so with the simple score every leaf of an
    // odd depth (both sides placed alike) is worth exactly 0. Each driver is replayed pass by
    // pass with the windows it should use; the same seed gives the same shuffles, so equal
    // counts of nodes and evaluations mean the driver made exactly these passes.
    const struct {
        TAlgorithm algorithm;
        int32_t windows[2][2];
    } cases[] = {
        {TAlgorithm::MTDF, {{-1, 0}, {0, 1}}},
        {TAlgorithm::ABDual, {{kInfinity - 1, kInfinity}, {-1, 0}}},
        {TAlgorithm::ABSSS, {{-kInfinity, -kInfinity + 1}, {0, 1}}},
    };
    const Tmodele model(0);
    Bench bench(model);
    const TPly root = bench.Root(std::string(24, 'L'), 9, 9, kWhite);
    for (int depth : {1, 3})
        for (const auto& c : cases) {
            // MTDF reaches depth 3 through depth 1, with passes of its own there.
            if (c.algorithm == TAlgorithm::MTDF && depth > 1) continue;
            SCOPED_TRACE(::testing::Message() << NameOf(c.algorithm) << " depth " << depth);
            bench.Load(root, depth, kSimple);
            EXPECT_EQ(bench.search.Run(c.algorithm).Score, 0);
            const uint64_t nodes = bench.search.Nodes;
            const int32_t examined = bench.search.PositionsExamined;

            bench.Load(root, depth, kSimple);
            for (const auto& window : c.windows)
                EXPECT_EQ(bench.search.AlphaBetaWithMemory(0, window[0], window[1]).Score, 0);
            EXPECT_EQ(bench.search.Nodes, nodes);
            EXPECT_EQ(bench.search.PositionsExamined, examined);
        }
}

TEST(Search, RootLoopStopsAtTheFirstMoveThatReachesBeta) {
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root(Board(24, {0, 1, 9}, {4, 12, 20}), 6, 6, kBlack);
    bench.Load(root, 2, kDetailed);
    const int32_t beta = -kWin; // every move reaches it
    bench.search.AlphaBetaWithMemory(0, beta - 1, beta);
    ASSERT_GT(bench.search.RootLines.size(), 2u);
    EXPECT_GE(bench.search.RootLines[0].Score, beta);
    for (size_t i = 1; i < bench.search.RootLines.size(); ++i)
        EXPECT_EQ(bench.search.RootLines[i].Score, -kInfinity) << "root line " << i;
}

TEST(Search, RootLinesGivenInAdvanceAreTheOnlyRootMoves) {
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root(Board(24, {0, 1, 9}, {4, 12, 20}), 6, 6, kWhite);
    ReferenceWalk reference(model, root, 2, kDetailed);
    // Two quiet placements, in an order of our own; the winning-looking (-1, 2, x)
    // captures are not among them, so a search that regenerated would find them.
    const TMove kept[] = {M(-1, 23), M(-1, 7)};
    bench.Load(root, 2, kDetailed);
    for (const TMove m : kept) {
        bench.search.RootLines.push_back(TSearchLine::WithScore(-kInfinity));
        bench.search.RootLines.back().Moves[0] = m;
    }
    const TSearchLine line = bench.search.Run(TAlgorithm::AlphaBeta);
    ASSERT_EQ(bench.search.RootLines.size(), 2u);
    EXPECT_EQ(bench.search.RootLines[0].Moves[0], kept[0]);
    EXPECT_EQ(bench.search.RootLines[1].Moves[0], kept[1]);
    int32_t expected = INT32_MIN;
    for (const TMove m : kept)
        expected = std::max(expected, reference.Minimax(reference.Child(root, m), 1));
    EXPECT_EQ(line.Score, expected);
}

TEST(Search, NegascoutRebuildsTheRootLinesFromTheMoveList) {
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root(Board(24, {0, 1, 9}, {4, 12, 20}), 6, 6, kWhite);
    bench.Load(root, 1, kSimple);
    bench.search.RootLines.push_back(TSearchLine::WithScore(42));
    bench.search.RootLines.back().Moves[0] = M(5, 6);
    bench.search.Run(TAlgorithm::Negascout);
    const Tsuivants moves = bench.MovesAt(root);
    ASSERT_EQ(bench.search.RootLines.size(), moves.size());
    for (const TSearchLine& line : bench.search.RootLines)
        EXPECT_NE(std::find(moves.begin(), moves.end(), line.Moves[0]), moves.end());
}

TEST(Search, DepthBeyondTheStackIsCappedAt29) {
    // White's only move 1 -> 0 leaves black without a move, so any depth is cheap.
    std::string board(24, 'N');
    board[0] = 'L';
    for (int p : {1, 2, 9, 17})
        board[static_cast<size_t>(p)] = 'B';
    const Tmodele model(1);
    Bench bench(model);
    const TPly root = bench.Root(board, 0, 0, kWhite);
    for (TAlgorithm algorithm : {TAlgorithm::AlphaBeta, TAlgorithm::Negascout, TAlgorithm::MTDF}) {
        bench.Load(root, 40, kDetailed);
        const TSearchLine line = bench.search.Run(algorithm);
        EXPECT_EQ(bench.search.Depth, 29) << NameOf(algorithm);
        EXPECT_EQ(line.Moves[0], M(1, 0)) << NameOf(algorithm);
    }
}

TEST(Search, SortRootLinesIsStableAndDescending) {
    const struct {
        const char* fault;
        std::vector<int32_t> scores;
        std::vector<int> order; // former positions, in the expected new order
    } cases[] = {
        {"equal scores must keep their order", {5, 9, 9, 1}, {1, 2, 0, 3}},
        {"an ascending list is fully reversed", {1, 2, 3, 4}, {3, 2, 1, 0}},
        {"all equal: nothing moves", {3, 3, 3}, {0, 1, 2}},
        {"the unreached start value sorts last", {-kInfinity, 7, -kInfinity, 7}, {1, 3, 0, 2}},
        {"a single line stays", {8}, {0}},
        {"no lines", {}, {}},
    };
    for (const auto& c : cases) {
        const Tmodele model(1);
        Bench bench(model);
        for (size_t i = 0; i < c.scores.size(); ++i) {
            bench.search.RootLines.push_back(TSearchLine::WithScore(c.scores[i]));
            bench.search.RootLines.back().Moves[0] = M(-1, static_cast<int>(i));
        }
        bench.search.SortRootLines();
        ASSERT_EQ(bench.search.RootLines.size(), c.order.size()) << c.fault;
        for (size_t i = 0; i < c.order.size(); ++i)
            EXPECT_EQ(bench.search.RootLines[i].Moves[0].To, c.order[i]) << c.fault;
    }
}

TEST(Search, BestRootLineIsTheFirstOfTheHighest) {
    const struct {
        const char* fault;
        std::vector<int32_t> scores;
        int expected; // position of the best line, -1 for none
    } cases[] = {
        {"a later equal score must not replace the first", {5, 9, 9, 1}, 1},
        {"the highest wins wherever it stands", {1, 2, 3}, 2},
        {"all unreached: the first", {-kInfinity, -kInfinity}, 0},
        {"no lines: none", {}, -1},
    };
    for (const auto& c : cases) {
        const Tmodele model(1);
        Bench bench(model);
        for (size_t i = 0; i < c.scores.size(); ++i) {
            bench.search.RootLines.push_back(TSearchLine::WithScore(c.scores[i]));
            bench.search.RootLines.back().Moves[0] = M(-1, static_cast<int>(i));
        }
        const TSearchLine* best = bench.search.BestRootLine();
        if (c.expected < 0) {
            EXPECT_EQ(best, nullptr) << c.fault;
            continue;
        }
        ASSERT_NE(best, nullptr) << c.fault;
        EXPECT_EQ(best, &bench.search.RootLines[static_cast<size_t>(c.expected)]) << c.fault;
    }
}

TEST(Search, AlgorithmNumbersOfTheSuggestionDialog) {
    EXPECT_EQ(AlgorithmFromNumber(1), TAlgorithm::AlphaBeta);
    EXPECT_EQ(AlgorithmFromNumber(2), TAlgorithm::Negascout);
    EXPECT_EQ(AlgorithmFromNumber(3), TAlgorithm::ABDual);
    EXPECT_EQ(AlgorithmFromNumber(4), TAlgorithm::ABSSS);
    for (int other : {5, 0, -1, 6, 99})
        EXPECT_EQ(AlgorithmFromNumber(other), TAlgorithm::MTDF) << other;
}
