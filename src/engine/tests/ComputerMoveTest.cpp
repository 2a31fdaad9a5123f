// The computer's decisions on the live position: the move at each playing level, the depth
// schedule of the levels, the suggestion line and the piece removed for the dice.
// Timed levels run on a decision clock that moves only when a deepening iteration ends, as
// if each iteration took a given number of milliseconds.
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

constexpr TMove kSentinel{5, 6, 7};

uint32_t CountingTick() {
    static uint32_t now = 0;
    return ++now;
}

TMove M(int from, int to, int capture = -2) {
    return {static_cast<int8_t>(from), static_cast<int8_t>(to), static_cast<int8_t>(capture)};
}

std::string Board(std::initializer_list<int> white, std::initializer_list<int> black,
                  char rest = 'L') {
    std::string board(24, rest);
    for (int p : white)
        board[static_cast<size_t>(p)] = 'B';
    for (int p : black)
        board[static_cast<size_t>(p)] = 'N';
    return board;
}

std::string WithEmpty(std::string board, std::initializer_list<int> empty) {
    for (int p : empty)
        board[static_cast<size_t>(p)] = 'L';
    return board;
}

// White's only move 1 -> 0 leaves black without a move: every search is a few nodes deep
// whatever the depth, so the depth schedule can run to its end.
const std::string kOneMoveToWin = WithEmpty(Board({1, 2, 9, 17}, {}, 'N'), {0});

// A moving-phase position with several moves for each side and nothing decided within the
// first iterations.
const std::string kOpenMiddleGame = "NLBBLBLBLLNNBNLBBBBNNLNN";

// Black has three pieces on a nearly full board; white can close a mill four ways and a
// quiet 19 -> 20 is legal as well.
const std::string kCaptureToWin = WithEmpty(Board({}, {4, 13, 22}, 'B'), {1, 20});

class FixedStatus : public TGameStatusSource {
public:
    explicit FixedStatus(int status) : status_(status) {}
    int GameStatus() const override { return status_; }

private:
    int status_;
};

struct Game {
    Game(const Tmodele& model, const std::string& board, int whiteReserve, int blackReserve,
         int sideToMove, bool withTable = true, const TGameStatusSource* status = nullptr)
        : jeu(model, sideToMove, status) {
        jeu.LiveBoard = board;
        jeu.LiveReserve[0] = static_cast<int8_t>(whiteReserve);
        jeu.LiveReserve[1] = static_cast<int8_t>(blackReserve);
        if (withTable) jeu.Search.SetHashTable(std::make_unique<THashTable>(24, CountingTick));
        UseIterationClock(1000000);
    }

    // Each completed deepening iteration advances the clock by `msPerIteration`.
    void UseIterationClock(uint32_t msPerIteration, uint32_t start = 0) {
        const Tjeu* engine = &jeu;
        jeu.DecisionClock = [engine, msPerIteration, start] {
            const int depth = engine->LastCompletedDepth();
            const uint32_t done = depth >= 4 ? static_cast<uint32_t>(depth - 2) / 2 : 0;
            return start + done * msPerIteration;
        };
    }

    TMove Play(int level, uint32_t seed = 5) {
        TMove move = kSentinel;
        jeu.ComputerMove(jeu.SideToMove, level, move, seed);
        return move;
    }

    bool IsLegal(TMove move) {
        Tsuivants legal;
        jeu.LegalMoves(jeu.SideToMove, jeu.LiveBoard, legal);
        return std::find(legal.begin(), legal.end(), move) != legal.end();
    }

    Tjeu jeu;
};

struct Position {
    const char* name;
    int kind;
    std::string board;
    int whiteReserve, blackReserve, sideToMove;
};

// Positions whose trees stay small enough for the deepest levels in a debug build: nearly
// full boards in the moving phase and the last placements.
std::vector<Position> SmallTreePositions() {
    std::vector<Position> positions = {
        {"one move to win", 1, kOneMoveToWin, 0, 0, kWhite},
        {"capture to win, Marelle", 0, kCaptureToWin, 0, 0, kWhite},
        {"last placements", 1,
         WithEmpty(Board({0, 2, 4, 6, 9, 11, 13, 15, 17, 19}, {}, 'N'), {16, 18, 20, 22}), 1, 1,
         kBlack},
        {"last placements, Marelle", 0,
         WithEmpty(Board({0, 2, 4, 6, 9, 11, 13, 15, 17, 19}, {}, 'N'), {16, 18, 20, 22}), 1, 1,
         kWhite},
    };
    std::mt19937 rng(606);
    for (int kind : {0, 1})
        for (int i = 0; i < 2; ++i) {
            std::string board(24, 'N');
            for (int p = 0; p < 24; ++p)
                if (rng() % 2) board[static_cast<size_t>(p)] = 'B';
            for (int k = 0; k < 2 + i; ++k)
                board[rng() % 24] = 'L';
            positions.push_back({"random nearly full board", kind, board, 0, 0, i % 2});
        }
    return positions;
}

} // namespace

TEST(ComputerMove, EveryLevelPlaysALegalMoveAndLeavesTheLiveGameAlone) {
    for (const Position& position : SmallTreePositions()) {
        const Tmodele model(position.kind);
        Game game(model, position.board, position.whiteReserve, position.blackReserve,
                  position.sideToMove);
        Tsuivants legal;
        game.jeu.LegalMoves(position.sideToMove, position.board, legal);
        if (legal.empty()) continue; // a random board may have blocked the side to move
        for (int level : {0, 1, 2, 3, 4, -1, 6, 11}) {
            SCOPED_TRACE(::testing::Message()
                         << position.name << " " << position.board << " level " << level);
            const TMove move = game.Play(level);
            EXPECT_TRUE(game.IsLegal(move)) << "(" << int(move.From) << ", " << int(move.To) << ", "
                                            << int(move.Capture) << ")";
            EXPECT_EQ(game.jeu.LiveBoard, position.board);
            EXPECT_EQ(game.jeu.LiveReserve[0], position.whiteReserve);
            EXPECT_EQ(game.jeu.LiveReserve[1], position.blackReserve);
            EXPECT_EQ(game.jeu.SideToMove, position.sideToMove);
            EXPECT_TRUE(game.jeu.Search.RootLines.empty()) << "root lines are freed";
        }
    }
}

TEST(ComputerMove, EveryLevelTakesAnImmediateWin) {
    for (int kind : {0, 1}) {
        const Tmodele model(kind);
        for (int level : {0, 1, 2, 3, 6, 11}) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << " level " << level);
            Game game(model, kCaptureToWin, 0, 0, kWhite);
            const TMove move = game.Play(level);
            ASSERT_TRUE(game.IsLegal(move));
            EXPECT_GE(move.Capture, 0);
            EXPECT_EQ(game.jeu.PlayMove(kWhite, true, move), 1) << "black must be left lost";
        }
    }
}

TEST(ComputerMove, EveryLevelWinsByBlockadeInOne) {
    // Nearly full boards where one of white's moves leaves black without a move: every level
    // must play such a move (level 0 once scored a blocked side as a plain position).
    std::mt19937 rng(2024);
    int found = 0;
    for (int attempt = 0; attempt < 4000 && found < 6; ++attempt) {
        std::string board(24, 'N');
        for (int p = 0; p < 24; ++p)
            if (rng() % 5 < 2) board[static_cast<size_t>(p)] = 'B';
        for (int k = 0; k < 2; ++k)
            board[rng() % 24] = 'L';
        const Tmodele model(1);
        Game probe(model, board, 0, 0, kWhite);
        Tsuivants legal;
        probe.jeu.LegalMoves(kWhite, board, legal);
        if (legal.size() < 2) continue;
        int winning = 0;
        for (const TMove m : legal) {
            Game trial(model, board, 0, 0, kWhite);
            if (m.Capture == kNoCapture && trial.jeu.PlayMove(kWhite, true, m) == kBlack) ++winning;
        }
        // Only quiet blockades, and only where some move does not win.
        if (winning == 0 || winning == static_cast<int>(legal.size())) continue;
        ++found;
        for (const int level : {0, 1, 3}) {
            Game game(model, board, 0, 0, kWhite);
            const TMove move = game.Play(level);
            EXPECT_EQ(game.jeu.PlayMove(kWhite, true, move), kBlack) << board << " level " << level;
        }
    }
    EXPECT_GE(found, 3);
}

TEST(ComputerMove, DepthAndScoreOfTheLevels) {
    constexpr uint8_t S = 0, D = 1; // simple and detailed score
    const struct {
        const char* fault;
        int minDepth;
        int level;
        bool withTable;
        int depth;
        uint8_t mode;
    } cases[] = {
        {"level 0 ignores the variant's minimum depth", 4, 0, true, 2, S},
        {"level 1 searches at 6 with the simple score", 4, 1, true, 6, S},
        {"level 2 deepens up to 10 with the detailed score", 4, 2, true, 10, D},
        {"level 3 deepens up to 14", 4, 3, true, 14, D},
        {"level 1 is raised to the minimum depth", 8, 1, true, 8, S},
        {"level 2 keeps 10 above a smaller minimum", 8, 2, true, 10, D},
        {"level 2 is raised to the minimum depth", 12, 2, true, 12, D},
        {"level 3 is raised to the minimum depth", 14, 3, true, 14, D},
        {"a file's minimum depth is held to what level 1 can search", 28, 1, true, 8, S},
        {"a file's minimum depth is held to what level 3 can search", 40, 3, true, 14, D},
        {"level 0 stays at 2 under a large minimum", 16, 0, true, 2, S},
        {"timed levels ignore the minimum depth", 16, 6, true, 4, D},
        {"without a table level 1 plays as level 0", 4, 1, false, 2, S},
        {"without a table level 2 plays as level 0", 4, 2, false, 2, S},
        {"without a table level 3 plays as level 0", 4, 3, false, 2, S},
        {"without a table a timed level plays as level 0", 4, 11, false, 2, S},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.MinDepth = c.minDepth;
        Game game(model, kOneMoveToWin, 0, 0, kWhite, c.withTable);
        game.UseIterationClock(1000);
        EXPECT_EQ(game.Play(c.level), M(1, 0)) << c.fault;
        EXPECT_EQ(game.jeu.LastCompletedDepth(), c.depth) << c.fault;
        EXPECT_EQ(game.jeu.Search.EvalMode, c.mode) << c.fault;
    }
}

// A depth level stops deepening once the next iteration, at the growth the last two
// showed, could not end in its time (10 s for level 2, 30 s for level 3); it never stops
// before it has searched deeper than level 1.
TEST(ComputerMove, DepthLevelsBeginNoIterationThatCannotEndInTime) {
    const struct {
        const char* fault;
        int level;
        uint32_t firstMs, growth;
        int depth;
    } cases[] = {
        {"level 2 goes on while the next iteration fits", 2, 10, 8, 10},
        {"level 2 stops at 8 when depth 10 would take a minute", 2, 100, 8, 8},
        {"level 2 searches deeper than level 1 however slow", 2, 1000, 8, 8},
        {"level 3 stops at 10 when depth 12 would pass 30 s", 3, 10, 8, 10},
        {"level 3 reaches 14 when iterations grow slowly", 3, 10, 3, 14},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.MinDepth = 4;
        Game game(model, kOneMoveToWin, 0, 0, kWhite, true);
        const Tjeu* engine = &game.jeu;
        game.jeu.DecisionClock = [engine, c] {
            uint32_t total = 0, cost = c.firstMs;
            for (int depth = 4; depth <= engine->LastCompletedDepth(); depth += 2, cost *= c.growth)
                total += cost;
            return total;
        };
        EXPECT_EQ(game.Play(c.level), M(1, 0)) << c.fault;
        EXPECT_EQ(game.jeu.LastCompletedDepth(), c.depth) << c.fault;
    }
}

namespace {

// Root-line counts and positions examined, as the clock sees them between iterations.
struct IterationLog {
    std::vector<size_t> sizes;
    std::vector<int32_t> examined;
    bool sorted = true;

    void Watch(Tjeu& jeu) {
        const Tjeu* engine = &jeu;
        jeu.DecisionClock = [this, engine] {
            if (engine->LastCompletedDepth() == 4 + 2 * static_cast<int>(sizes.size())) {
                const auto& lines = engine->Search.RootLines;
                sizes.push_back(lines.size());
                examined.push_back(engine->Search.PositionsExamined);
                for (size_t i = 1; i < lines.size(); ++i)
                    sorted = sorted && lines[i - 1].Score >= lines[i].Score;
            }
            return 0u;
        };
    }
};

} // namespace

TEST(ComputerMove, DeepeningDropsTheWorstRootMoveAfterEachIteration) {
    // The root lines each iteration leaves for the next: sorted best first, one fewer each
    // time while more than four remain.
    const Tmodele model(1);
    Game game(model, kCaptureToWin, 0, 0, kWhite);
    Tsuivants legal;
    game.jeu.LegalMoves(kWhite, kCaptureToWin, legal);
    ASSERT_GT(legal.size(), 7u);
    IterationLog log;
    log.Watch(game.jeu);
    game.Play(3);
    ASSERT_EQ(log.sizes.size(), 6u) << "depths 4 to 14";
    for (size_t k = 0; k < log.sizes.size(); ++k)
        EXPECT_EQ(log.sizes[k], std::max<size_t>(4, legal.size() - (k + 1)))
            << "after iteration " << k + 1;
    EXPECT_TRUE(log.sorted);
}

TEST(ComputerMove, EachIterationSearchesDeeperThanTheOneBefore) {
    // Bounds of a shallower iteration must not answer a deeper one.
    const Tmodele model(1);
    Game game(model, kOpenMiddleGame, 0, 0, kWhite);
    IterationLog log;
    log.Watch(game.jeu);
    game.Play(2);
    ASSERT_EQ(log.examined.size(), 4u) << "depths 4 to 10";
    for (size_t k = 1; k < log.examined.size(); ++k) {
        const int32_t before = k > 1 ? log.examined[k - 1] - log.examined[k - 2] : log.examined[0];
        EXPECT_GT(log.examined[k] - log.examined[k - 1], before) << "iteration " << k + 1;
    }
}

TEST(ComputerMove, ASuggestionDoesNotGiveATablelessGameTheDeepLevels) {
    // A game without a table (a preview) plays every level as level 0. A suggestion with a
    // memory-enhanced algorithm needs a table for its own search, but must not leave one
    // behind that turns the next decisions into full-depth searches.
    const Tmodele model(1);
    Game game(model, kOneMoveToWin, 0, 0, kWhite, false);
    TSearchLine line;
    game.jeu.Suggest(2, line, false, 1, 5);
    EXPECT_EQ(line.Moves[0], M(1, 0));
    EXPECT_EQ(game.Play(3), M(1, 0));
    EXPECT_EQ(game.jeu.LastCompletedDepth(), 2);
}

TEST(ComputerMove, TimedLevelsStartIterationsWhileHalfTheirTimeRemains) {
    // On a clock that moves only when an iteration ends, the schedule shows: another
    // iteration starts while less than half the time is spent.
    const struct {
        const char* fault;
        int level;
        uint32_t msPerIteration;
        uint32_t start;
        int depth;
    } cases[] = {
        {"a 3 s iteration uses up 2 s: exactly one", 6, 3000, 0, 4},
        {"a 1 s iteration spends half of 2 s: no second one", 6, 1000, 0, 4},
        {"400 ms iterations: a third starts at 800 ms", 6, 400, 0, 8},
        {"level 7 allows 3 s", 7, 700, 0, 8},
        {"level 11 allows 5 s", 11, 1000, 0, 8},
        {"level 16 allows 30 s", 16, 10000, 0, 6},
        {"level 34 allows 2 minutes", 34, 50000, 0, 6},
        {"the millisecond counter may wrap during a decision", 6, 400, 0xFFFFFE70u, 8},
    };
    const Tmodele model(1);
    for (const auto& c : cases) {
        Game game(model, kOpenMiddleGame, 0, 0, kWhite);
        game.UseIterationClock(c.msPerIteration, c.start);
        EXPECT_TRUE(game.IsLegal(game.Play(c.level))) << c.fault;
        EXPECT_EQ(game.jeu.LastCompletedDepth(), c.depth) << c.fault;
    }
}

TEST(ComputerMove, ATimedLevelStopsInsideAnIterationAndPlaysTheLastFinishedOne) {
    // A clock that moves 25 ms each time it is read: the search reads it every few thousand
    // nodes, so the level's time runs out in the middle of a deep iteration.
    const Tmodele model(1);
    for (const int level : {5, 6}) {
        Game game(model, std::string(24, 'L'), 9, 9, kWhite);
        uint32_t now = 0;
        std::vector<std::pair<int, TMove>> finished;
        const Tjeu* engine = &game.jeu;
        game.jeu.DecisionClock = [&now, engine, &finished] {
            const auto& lines = engine->Search.RootLines;
            if (!lines.empty() && engine->LastCompletedDepth() > 0 &&
                (finished.empty() || finished.back().first != engine->LastCompletedDepth()))
                finished.emplace_back(engine->LastCompletedDepth(), lines.front().Moves[0]);
            return now += 25;
        };
        const TMove move = game.Play(level);
        const uint32_t allowed = Tjeu::LevelTimeMs(level);
        EXPECT_LE(now, allowed + allowed / 10) << "level " << level << " overran its time";
        EXPECT_GE(now, allowed / 2) << "level " << level << " gave up before half its time";
        ASSERT_FALSE(finished.empty());
        EXPECT_EQ(finished.back().first, game.jeu.LastCompletedDepth());
        EXPECT_EQ(move, finished.back().second) << "the move of the last finished iteration";
    }
}

TEST(ComputerMove, ADecidedPositionEndsATimedLevelAtOnce) {
    // A single legal move, or a forced win: more time changes nothing.
    const struct {
        const char* fault;
        std::string board;
        TMove move;
    } cases[] = {
        {"one legal move", kOneMoveToWin, M(1, 0)},
        {"a win by capture", kCaptureToWin, NoMove},
    };
    for (const auto& c : cases) {
        const Tmodele model(1);
        Game game(model, c.board, 0, 0, kWhite);
        game.UseIterationClock(0);
        const TMove move = game.Play(34);
        if (!(c.move == NoMove)) {
            EXPECT_EQ(move, c.move) << c.fault;
        }
        EXPECT_EQ(game.jeu.LastCompletedDepth(), 4) << c.fault;
    }
}

TEST(ComputerMove, AStopRequestEndsTheDecision) {
    // Asked to play now before a first iteration ends, the computer still plays a legal
    // move; asked to give up, it stops as fast.
    const Tmodele model(1);
    for (const int request : {kPlayNow, kAbandon}) {
        Game game(model, std::string(24, 'L'), 9, 9, kWhite);
        std::atomic<int> stop{request};
        game.jeu.Search.StopRequest = &stop;
        const TMove move = game.Play(34);
        EXPECT_TRUE(game.IsLegal(move)) << "request " << request;
        EXPECT_LT(game.jeu.Search.Nodes, 5000u) << "request " << request;
    }
}

TEST(ComputerMove, TheDepthLevelsAreReproducible) {
    // The table's replacement stamps count accesses, not milliseconds: the same seed gives
    // the same move and the same count of positions on every run.
    const Tmodele model(1);
    for (const int level : {0, 1, 2}) {
        std::vector<std::pair<TMove, int32_t>> runs;
        for (int run = 0; run < 2; ++run) {
            Game game(model, kOpenMiddleGame, 0, 0, kWhite);
            game.jeu.Search.HashTable()->SetTickSource(nullptr);
            const TMove move = game.Play(level, 1021);
            runs.emplace_back(move, game.jeu.Search.PositionsExamined);
        }
        EXPECT_EQ(runs[0], runs[1]) << "level " << level;
    }
}

TEST(ComputerMove, LevelTimes) {
    const struct {
        int level;
        uint32_t ms;
    } cases[] = {{0, 0},    {1, 0},     {3, 0},     {4, 0},      {-1, 0},     {5, 1000},
                 {6, 2000}, {10, 6000}, {11, 5000}, {16, 30000}, {22, 60000}, {34, 120000}};
    for (const auto& c : cases)
        EXPECT_EQ(Tjeu::LevelTimeMs(c.level), c.ms) << "level " << c.level;
}

TEST(ComputerMove, NoMoveWhenASideIsBelowThreePieces) {
    const struct {
        const char* fault;
        std::string board;
        int whiteReserve, blackReserve;
        bool noMove;
    } cases[] = {
        {"two black pieces on the board", Board({0, 1, 2, 3}, {20, 22}), 0, 0, true},
        {"reserve pieces count: one on the board and one to place", Board({0}, {20, 22, 23}), 1, 0,
         true},
        {"both sides below three", Board({0, 1}, {20, 22}), 0, 0, true},
        {"one on the board and two to place make three", Board({0, 1, 2, 3}, {20}), 0, 2, false},
    };
    const Tmodele model(1);
    for (const auto& c : cases)
        for (int level : {0, 1, 3, 6}) {
            // The one playable position is too wide open for the deep levels.
            if (!c.noMove && level != 0) continue;
            Game game(model, c.board, c.whiteReserve, c.blackReserve, kWhite);
            const TMove move = game.Play(level);
            if (c.noMove) {
                EXPECT_EQ(move, NoMove) << c.fault << ", level " << level;
                EXPECT_EQ(game.jeu.Search.PositionsExamined, 0) << c.fault;
            } else {
                EXPECT_TRUE(game.IsLegal(move)) << c.fault << ", level " << level;
            }
        }
}

TEST(ComputerMove, NoMoveForASideThatCannotMove) {
    // Black to move after 1 -> 0: the only empty point is surrounded by white.
    const std::string board = WithEmpty(Board({0, 2, 9, 17}, {}, 'N'), {1});
    const Tmodele model(1);
    for (int level : {0, 1, 3, 6}) {
        Game game(model, board, 0, 0, kBlack);
        EXPECT_EQ(game.Play(level), NoMove) << "level " << level;
    }
}

TEST(ComputerMove, AStoppingGameLeavesTheMoveAndTheLineUntouched) {
    const Tmodele model(1);
    const FixedStatus stopping(-1);
    Game game(model, std::string(24, 'L'), 9, 9, kWhite, true, &stopping);
    game.jeu.Search.PositionsExamined = 99;
    EXPECT_EQ(game.Play(1), kSentinel);
    EXPECT_EQ(game.jeu.Search.PositionsExamined, 0);
    TSearchLine line = TSearchLine::WithScore(1234);
    game.jeu.Suggest(2, line, false, 1, 5);
    EXPECT_EQ(line.Score, 1234);
    EXPECT_EQ(line.Moves[0], NoMove);

    const FixedStatus running(0);
    Game control(model, std::string(24, 'L'), 9, 9, kWhite, true, &running);
    EXPECT_TRUE(control.IsLegal(control.Play(0)));
}

TEST(ComputerMove, SeededDecisionsAreReproducible) {
    const Tmodele model(1);
    const std::string board = Board({0, 1, 9, 14}, {4, 12, 20, 21});
    for (int level : {0, 1}) {
        Game first(model, board, 5, 5, kWhite);
        Game second(model, board, 5, 5, kWhite);
        EXPECT_EQ(first.Play(level, 42), second.Play(level, 42)) << "level " << level;
        EXPECT_EQ(first.jeu.Search.PositionsExamined, second.jeu.Search.PositionsExamined)
            << "level " << level;
    }
    // The counter belongs to one decision: a second one starts again from zero.
    Game game(model, board, 5, 5, kWhite);
    game.Play(0, 42);
    const int32_t once = game.jeu.Search.PositionsExamined;
    game.Play(0, 42);
    EXPECT_EQ(game.jeu.Search.PositionsExamined, once);
}

TEST(ComputerMove, TheTableKeepsItsBoundsButSuggestClearsIt) {
    const Tmodele model(1);
    const std::string board = Board({0, 1, 9, 14}, {4, 12, 20, 21});
    Game game(model, board, 5, 5, kWhite);
    game.Play(1);
    EXPECT_GT(game.jeu.Search.HashTable()->Count(), 0) << "bounds carry over to the next decision";
    TSearchLine line;
    game.jeu.Suggest(2, line, false, 1, 5);
    EXPECT_EQ(game.jeu.Search.HashTable()->Count(), 0);
}

TEST(Suggest, SameArgumentsGiveTheSameLine) {
    const Tmodele model(1);
    const std::string board = Board({0, 1, 9, 14}, {4, 12, 20, 21});
    for (int algorithm = 1; algorithm <= 5; ++algorithm) {
        Game game(model, board, 5, 5, kWhite);
        TSearchLine first, second;
        game.jeu.Suggest(2, first, false, 1, algorithm);
        const int32_t examined = game.jeu.Search.PositionsExamined;
        RandSeed(999); // whatever the generator did in between
        game.jeu.Suggest(2, second, false, 1, algorithm);
        EXPECT_EQ(first.Score, second.Score) << "algorithm " << algorithm;
        EXPECT_EQ(first.Moves, second.Moves) << "algorithm " << algorithm;
        EXPECT_EQ(game.jeu.Search.PositionsExamined, examined) << "algorithm " << algorithm;
        EXPECT_TRUE(game.IsLegal(first.Moves[0])) << "algorithm " << algorithm;
    }
}

TEST(Suggest, NoLineBelowThreePieces) {
    const Tmodele model(1);
    Game game(model, Board({0, 1, 2, 3}, {20, 22}), 0, 0, kWhite);
    TSearchLine line = TSearchLine::WithScore(77);
    game.jeu.Suggest(3, line, false, 1, 5);
    EXPECT_EQ(line.Score, -1);
    EXPECT_EQ(game.jeu.Search.PositionsExamined, 0) << "nothing is searched";
}

TEST(Suggest, CaptureFirstPutsTheRemovalBeforeTheMove) {
    constexpr int kAnyPoint = 100;
    const struct {
        const char* fault;
        int captureRule;
        std::string board;
        int blackReserve;
        int removed; // what BestCapture gives, -2 for nothing
    } cases[] = {
        {"a board piece is removed before the search", 1, Board({0, 1, 9, 14}, {4, 12, 20, 21}), 5,
         kAnyPoint},
        {"a reserve piece is taken when every black piece stands in a mill", 1,
         Board({9, 14, 23}, {0, 1, 2}), 3, -1},
        {"nothing to remove: the line is not shifted", 0, Board({9, 14, 23}, {0, 1, 2}), 3, -2},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.CaptureRule = c.captureRule;
        Game game(model, c.board, 5, c.blackReserve, kWhite);
        const int r = game.jeu.BestCapture(kBlack);
        if (c.removed == kAnyPoint) {
            ASSERT_GE(r, 0) << c.fault;
        } else {
            ASSERT_EQ(r, c.removed) << c.fault;
        }

        TSearchLine line;
        game.jeu.Suggest(2, line, true, 1, 5);
        EXPECT_EQ(game.jeu.LiveBoard, c.board) << "the live game is not touched";
        EXPECT_EQ(game.jeu.LiveReserve[1], c.blackReserve);

        // The same search on the position after the removal, played out for real.
        std::string after = c.board;
        int afterReserve = c.blackReserve;
        if (r >= 0) after[static_cast<size_t>(r)] = 'L';
        if (r == -1) --afterReserve;
        Game reference(model, after, 5, afterReserve, kWhite);
        TSearchLine expected;
        reference.jeu.Suggest(2, expected, false, 1, 5);

        EXPECT_EQ(line.Score, expected.Score) << c.fault;
        const size_t shift = r >= -1 ? 1 : 0;
        if (shift) {
            EXPECT_EQ(line.Moves[0], M(-2, -2, r)) << c.fault;
        }
        for (size_t k = 0; k + shift < line.Moves.size(); ++k)
            EXPECT_EQ(line.Moves[k + shift], expected.Moves[k]) << c.fault << ", move " << k;
    }
}

namespace {

// What may be removed from the victim, from the capture rules: pieces outside the victim's
// complete mills (mills do not count while it still places and the variant forbids
// captures while placing), else by the capture rule a reserve piece or any piece.
std::vector<int> ReferenceCandidates(const Tmodele& model, const std::string& board,
                                     const int8_t reserve[2], int victim) {
    const char piece = victim == kWhite ? 'B' : 'N';
    const bool millsCount = !(reserve[victim] > 0 && model.CaptureWhilePlacing == 0);
    std::vector<int> free, all;
    for (int p = 0; p < 24; ++p) {
        if (board[static_cast<size_t>(p)] != piece) continue;
        all.push_back(p);
        bool inMill = false;
        for (const auto& mill : model.Mills) {
            const bool through = mill.P1 == p || mill.P2 == p || mill.P3 == p;
            const bool complete = board[static_cast<size_t>(mill.P1)] == piece &&
                                  board[static_cast<size_t>(mill.P2)] == piece &&
                                  board[static_cast<size_t>(mill.P3)] == piece;
            inMill = inMill || (millsCount && through && complete);
        }
        if (!inMill) free.push_back(p);
    }
    if (!free.empty()) return free;
    if (model.CaptureRule == 0) return {};
    if (reserve[victim] > 0) return {-1};
    if (model.CaptureRule == 1) return {};
    return all;
}

int ReferenceBestCapture(Tjeu& jeu, const Tmodele& model, int victim) {
    const std::vector<int> candidates =
        ReferenceCandidates(model, jeu.LiveBoard, jeu.LiveReserve, victim);
    if (candidates.empty()) return -2;
    if (candidates.size() == 1) return candidates[0];
    int best = -2;
    int32_t bestScore = 0;
    for (int p : candidates) {
        std::string after = jeu.LiveBoard;
        after[static_cast<size_t>(p)] = 'L';
        const int32_t score = jeu.EvaluatePosition(1 - victim, after, 1, NoMove, jeu.LiveReserve[1],
                                                   jeu.LiveReserve[0]);
        if (best == -2 || score > bestScore) {
            best = p;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

TEST(BestCapture, HandPickedCases) {
    const struct {
        const char* fault;
        int kind, captureRule;
        std::string board;
        int blackReserve;
        std::optional<int> expected; // empty: the best by evaluation among several
    } cases[] = {
        {"rule 0 never takes a piece of a mill", 1, 0, Board({9, 14, 23}, {0, 1, 2}), 3, -2},
        {"rule 1 takes from the reserve when every piece is in a mill", 1, 1,
         Board({9, 14, 23}, {0, 1, 2}), 3, -1},
        {"rule 1 with an empty reserve takes nothing", 1, 1, Board({9, 14, 23}, {0, 1, 2}), 0, -2},
        {"a single free piece is the answer", 1, 1, Board({9, 14, 23}, {0, 1, 2, 20}), 0, 20},
        {"rule 2 takes any piece when mills and reserve are exhausted", 1, 2,
         Board({9, 14, 23}, {0, 1, 2}), 0, std::nullopt},
        {"mills do not protect while placing without captures", 0, 0, Board({9, 14, 23}, {0, 1, 2}),
         2, std::nullopt},
        {"several free pieces: the one best for the capturer", 1, 1,
         Board({9, 14, 23}, {0, 1, 4, 12, 21}), 0, std::nullopt},
    };
    for (const auto& c : cases) {
        Tmodele model(c.kind);
        model.CaptureRule = c.captureRule;
        Game game(model, c.board, 4, c.blackReserve, kWhite);
        const int expected =
            c.expected ? *c.expected : ReferenceBestCapture(game.jeu, model, kBlack);
        game.jeu.Search.PositionsExamined = 0;
        EXPECT_EQ(game.jeu.BestCapture(kBlack), expected) << c.fault;
        if (c.expected) {
            EXPECT_EQ(game.jeu.Search.PositionsExamined, 0)
                << c.fault << ": no evaluation for a single choice";
        }
        EXPECT_EQ(game.jeu.LiveBoard, c.board);
    }
}

TEST(BestCapture, AgreesWithTheCaptureRulesOnRandomPositions) {
    std::mt19937 rng(515);
    const struct {
        int kind, captureRule, captureWhilePlacing;
    } variants[] = {{0, 0, 0}, {1, 1, 1}, {1, 2, 1}, {1, 3, 0}, {0, 2, 0}};
    for (const auto& v : variants) {
        Tmodele model(v.kind);
        model.CaptureRule = v.captureRule;
        model.CaptureWhilePlacing = v.captureWhilePlacing;
        Game game(model, std::string(24, 'L'), 0, 0, kWhite, false);
        for (int i = 0; i < 150; ++i) {
            std::string board(24, 'L');
            const unsigned density = 2 + rng() % 6;
            for (char& c : board)
                if (rng() % 8 < density) c = rng() % 2 ? 'B' : 'N';
            game.jeu.LiveBoard = board;
            game.jeu.LiveReserve[0] = static_cast<int8_t>(rng() % 2 ? 0 : rng() % 5);
            game.jeu.LiveReserve[1] = static_cast<int8_t>(rng() % 2 ? 0 : rng() % 5);
            const int victim = static_cast<int>(rng() % 2);
            const int expected = ReferenceBestCapture(game.jeu, model, victim);
            EXPECT_EQ(game.jeu.BestCapture(victim), expected)
                << "rule " << v.captureRule << " board " << board << " reserves "
                << int(game.jeu.LiveReserve[0]) << "/" << int(game.jeu.LiveReserve[1]) << " victim "
                << victim;
        }
    }
}
