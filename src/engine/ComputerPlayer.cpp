// The computer's decisions on the live position: its move at a playing level, the
// suggestion of the advice dialog, and the piece it removes when the dice grant one.
#include "Random.h"
#include "Tjeu.h"
#include "Tmodele.h"

#include <algorithm>

namespace vantorel {
namespace {

constexpr uint32_t kSuggestionSeed = 21;
constexpr size_t kRootMovesKept = 4;
// The depth levels stop here whatever the board; a model's MinDepth is a field of its
// file, so it is held to what these levels can search in that time.
constexpr uint32_t kDepthLevelLimitMs = 30000;
// Level 2 is the default level: past the depths it owes, it deepens only while a move
// still comes within a few seconds, so a game at the default level keeps its pace.
constexpr uint32_t kLevel2BudgetMs = 10000;
constexpr int kLevel1DeepestMinDepth = 8;
constexpr int kDeepeningDeepestMinDepth = 14;

// One deepening iteration: search, order the root moves best first, and drop the worst
// while more than four remain, so deeper iterations look at fewer moves.
void DeepeningIteration(TSearch& search) {
    search.Run(TAlgorithm::MTDF);
    if (search.Stopped()) return;
    search.SortRootLines();
    if (search.RootLines.size() > kRootMovesKept) search.RootLines.pop_back();
}

// Whether the next deepening iteration can end within `allowed`: each costs a multiple
// of the one before, read from the last two (iterations too short to time say little).
bool NextIterationFits(uint32_t elapsed, uint32_t last, uint32_t previous, uint32_t allowed) {
    const uint64_t growth = previous >= 10 ? std::clamp<uint64_t>(last / previous, 2, 30) : 6;
    return elapsed + growth * last < allowed;
}

// A forced win or loss is found: deeper searches change nothing.
bool Decided(int32_t score) {
    return score > kWinScore / 2 || score < -kWinScore / 2;
}

} // namespace

TPly Tjeu::LivePly() const {
    TPly live;
    rules_->LoadBoard(LiveBoard, live);
    live.Reserve[0] = LiveReserve[0];
    live.Reserve[1] = LiveReserve[1];
    live.Mover = static_cast<int8_t>(1 - SideToMove);
    return live;
}

uint32_t Tjeu::LevelTimeMs(int level) {
    if (level >= 5 && level <= 10) return static_cast<uint32_t>(level - 4) * 1000;
    if (level > 10) return static_cast<uint32_t>(level - 10) * 5000;
    return 0;
}

void Tjeu::ComputerMove(int /*side*/, int level, TMove& move, std::optional<uint32_t> seed) {
    if (seed)
        RandSeed(*seed);
    else
        RandomizeFromClock();
    TSearch& search = Search;
    search.PositionsExamined = 0;
    search.Nodes = 0;
    search.StartDecision();
    search.ClearDeadline();
    lastCompletedDepth_ = 0;
    if (GameStatus() < 0) return;

    search.EvalMode = 0;
    const TPly live = LivePly();
    if (live.Total(0) < 3 || live.Total(1) < 3) {
        move = NoMove;
        return;
    }
    search.LiveReserve[0] = LiveReserve[0];
    search.LiveReserve[1] = LiveReserve[1];
    search.LoadRoot(live);
    search.RootLines.clear();
    search.FirstGuess = 0;
    const int minDepth = rules_->MinDepth();
    const uint32_t start = DecisionClock();
    const int level1Depth = std::max(6, std::min(minDepth, kLevel1DeepestMinDepth));

    // Levels 4 and below 0 have no entry of their own: they play as the first one.
    if (!search.HashTable() || level <= 0 || level == 4) {
        search.Depth = 2;
        search.Run(TAlgorithm::Negascout);
        if (!search.Stopped()) lastCompletedDepth_ = search.Depth;
    } else if (level == 1) {
        search.SetDeadline(&DecisionClock, start, kDepthLevelLimitMs);
        search.Depth = level1Depth;
        search.Run(TAlgorithm::MTDF);
        if (!search.Stopped()) lastCompletedDepth_ = search.Depth;
    } else {
        const bool timed = level > 3;
        const int limit =
            timed ? 29
                  : std::max(level == 2 ? 10 : 14, std::min(minDepth, kDeepeningDeepestMinDepth));
        const uint32_t allowed = timed ? LevelTimeMs(level) : kDepthLevelLimitMs;
        // A depth level always searches deeper than the level below it; beyond that it
        // starts no iteration that would be cut short, whose work would be thrown away.
        const int owedDepth = std::min(limit, level1Depth + (level == 2 ? 2 : 4));
        const uint32_t budget = level == 2 ? kLevel2BudgetMs : kDepthLevelLimitMs;
        search.SetDeadline(&DecisionClock, start, allowed);
        search.EvalMode = TSearch::kDetailed;
        // The move of the last finished iteration: an unfinished one proves nothing.
        std::vector<TSearchLine> finished;
        uint32_t elapsed = 0, last = 0;
        for (search.Depth = 4; search.Depth <= limit; search.Depth += 2) {
            DeepeningIteration(search);
            if (search.Stopped()) break;
            lastCompletedDepth_ = search.Depth;
            if (search.RootLines.empty()) break; // no move at all
            finished = search.RootLines;
            const int32_t score = search.RootLines.front().Score;
            search.FirstGuess = score;
            const uint32_t previous = last;
            last = DecisionClock() - start - elapsed;
            elapsed += last;
            if (!timed) {
                if (elapsed >= allowed) break;
                if (search.Depth >= owedDepth && search.Depth + 2 <= limit &&
                    !NextIterationFits(elapsed, last, previous, budget))
                    break;
                continue;
            }
            // A timed level is done when the result is: a single move, or a forced win or
            // loss. It starts another iteration only while half its time is left, since the
            // next one costs several times the last and would be thrown away unfinished.
            if (search.RootLines.size() == 1 || Decided(score) || elapsed >= allowed / 2) break;
        }
        if (search.Stopped() && !finished.empty()) search.RootLines = std::move(finished);
    }
    search.ClearDeadline();
    // Told to play now before any iteration ended: the root order is still the game's.
    const TSearchLine* best = search.BestRootLine();
    move = best ? best->Moves[0] : NoMove;
    search.RootLines.clear();
}

void Tjeu::Suggest(int depth, TSearchLine& line, bool captureFirst, int evalMode, int algorithm) {
    RandSeed(kSuggestionSeed);
    TSearch& search = Search;
    search.PositionsExamined = 0;
    search.Nodes = 0;
    search.StartDecision();
    search.FirstGuess = 0;
    if (GameStatus() < 0) return;

    search.EvalMode = 0;
    TPly root = LivePly();
    if (root.Total(0) < 3 || root.Total(1) < 3) {
        line = TSearchLine::WithScore(-1);
        return;
    }
    if (search.HashTable()) search.HashTable()->Clear();

    int removed = -2;
    if (captureFirst) {
        const int victim = 1 - SideToMove;
        removed = BestCapture(victim);
        if (removed == kReserveCapture) --root.Reserve[victim];
        if (removed >= 0) root.Pieces[victim] &= ~PointBit(removed);
    }
    search.LiveReserve[0] = LiveReserve[0];
    search.LiveReserve[1] = LiveReserve[1];
    search.LoadRoot(root);
    search.RootLines.clear();
    search.Depth = depth;
    search.EvalMode = static_cast<uint8_t>(evalMode);
    search.Run(AlgorithmFromNumber(algorithm));
    if (search.HashTable()) search.HashTable()->Clear();

    const TSearchLine* best = search.BestRootLine();
    line = best ? *best : TSearchLine::WithScore(-1);
    if (captureFirst && removed >= -1) {
        std::copy_backward(line.Moves.begin(), line.Moves.end() - 1, line.Moves.end());
        line.Moves[0] = {-2, -2, static_cast<int8_t>(removed)};
    }
    search.RootLines.clear();
    RandomizeFromClock();
}

int Tjeu::BestCapture(int victim) {
    victim &= 1;
    TSearch& search = Search;
    search.LiveReserve[0] = LiveReserve[0];
    search.LiveReserve[1] = LiveReserve[1];
    TPly live = LivePly();
    live.Mover = static_cast<int8_t>(victim);
    Tsuivants& captures = scratchLists_[0];
    captures.clear();
    rules_->GenerateCaptures(live, LiveReserve, captures);
    if (captures.empty()) return -2;
    if (captures.size() == 1) return captures[0].Capture;

    live.Mover = static_cast<int8_t>(1 - victim);
    search.EvalMode = TSearch::kDetailed;
    int bestPoint = -2;
    int32_t bestScore = 0;
    for (const TMove capture : captures) {
        TPly after = live;
        after.Pieces[0] &= ~PointBit(capture.Capture);
        after.Pieces[1] &= ~PointBit(capture.Capture);
        search.LoadRoot(after);
        const int32_t score = search.Evaluate(0);
        if (bestPoint == -2 || score > bestScore) {
            bestPoint = capture.Capture;
            bestScore = score;
        }
    }
    return bestPoint;
}

int32_t Tjeu::EvaluatePosition(int side, std::string_view board, int evalMode, TMove lastMove,
                               int reserveBlack, int reserveWhite) {
    TPly ply;
    rules_->LoadBoard(board, ply);
    ply.Reserve[0] = static_cast<int8_t>(reserveWhite);
    ply.Reserve[1] = static_cast<int8_t>(reserveBlack);
    ply.PlyMove = lastMove;
    ply.Mover = static_cast<int8_t>(side & 1);
    Search.LoadRoot(ply);
    Search.EvalMode = static_cast<uint8_t>(evalMode);
    return Search.Evaluate(0);
}

} // namespace vantorel
