#pragma once
// The computer's look-ahead: its own ply stack, the root lines, the evaluation and the
// five searches over the transposition table. It works on a copy of the position it is
// given, so a search never touches the live game.
#include "THashTable.h"
#include "TRules.h"
#include "TSearchLine.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vantorel {

class TGameStatusSource;

enum class TAlgorithm : int {
    AlphaBeta = 1, // "Alpha-Bêta"
    Negascout = 2,
    ABDual = 3, // descending null windows
    ABSSS = 4,  // ascending null windows
    MTDF = 5,
};

// Suggest's numbering: 1..4 as listed, anything else MTDF.
TAlgorithm AlgorithmFromNumber(int number);

// What another thread may ask of a running search; it is polled every few thousand nodes.
enum TStopRequest : int {
    kKeepSearching = 0,
    kPlayNow = 1, // finish at once with the best move found so far
    kAbandon = 2, // finish at once; the result will not be used
};

class TSearch {
public:
    static constexpr int kPlyCount = 31;
    static constexpr uint8_t kDetailed = 1;

    TSearch(std::shared_ptr<const TRules> rules, const TGameStatusSource* game);

    std::array<TPly, kPlyCount> Plies{};
    std::vector<TSearchLine> RootLines;
    int32_t PositionsExamined = 0;
    uint64_t Nodes = 0; // MakeChild calls
    int32_t Depth = 0;
    uint8_t EvalMode = kDetailed;
    // The first guess of "MTDF"; deepening passes on the score of the iteration before.
    int32_t FirstGuess = 0;
    // The live reserves when the search started: whether a side's mills count while it
    // still places is decided on them, also deep in the search.
    int8_t LiveReserve[2] = {0, 0};

    // Null, or a flag owned by the caller that outlives every search it is given to.
    const std::atomic<int>* StopRequest = nullptr;
    // True once the running decision was told to stop (or ran out of time) and unwinds.
    bool Stopped() const { return stopped_; }
    // A time limit for the searches to come: they stop once `clock` has moved `limitMs`
    // past `startMs`. The clock must outlive the searches.
    void SetDeadline(const std::function<uint32_t()>* clock, uint32_t startMs, uint32_t limitMs);
    void ClearDeadline() { clock_ = nullptr; }
    // Forgets a stop, the killer moves and the history of the last decision.
    void StartDecision();

    THashTable* HashTable() { return table_.get(); }
    void SetHashTable(std::unique_ptr<THashTable> table) { table_ = std::move(table); }

    // Ply 0 from a position; `mover` is the side not to move.
    void LoadRoot(const TPly& position);

    // The score of a ply for its Mover; counts one position examined.
    int32_t Evaluate(int ply);
    // A side's score in the current mode, or kLost.
    static constexpr int32_t kLost = -5000000;
    int32_t SideScore(const TPly& ply, int side) const;

    TSearchLine AlphaBetaWithMemory(int ply, int32_t alpha, int32_t beta);
    TSearchLine Negascout(int ply, int32_t alpha, int32_t beta);
    // Runs one of the five from ply 0 at the current Depth and EvalMode; the result line.
    TSearchLine Run(TAlgorithm algorithm);

    void SortRootLines();
    // The first root line with the highest score, or null when there is none.
    const TSearchLine* BestRootLine() const;

    const TRules& Rules() const { return *rules_; }
    int GameStatus() const;

private:
    TSearchLine RunWithTable(TAlgorithm algorithm);
    void Generate(int ply, Tsuivants& list);
    // The moves of an inner node with their order keys: captures, the killer moves, then
    // quiet moves that block or build a mill, by history. PickNext hands them out.
    void GenerateOrdered(int ply, Tsuivants& list);
    // Swaps the best of the moves from `i` on into place `i` and returns it.
    TMove PickNext(int ply, size_t i);
    void NoteCutoff(int ply, TMove move);
    void MakeChild(int ply, TMove move);
    void PollStop();
    uint32_t& History(int side, TMove move) {
        return history_[static_cast<size_t>(side)]
                       [static_cast<size_t>((move.From + 1) * rules_->PointCount() + move.To)];
    }
    // The board share of the hash after `move` at `ply`, and a start at fetching the
    // child's table slot, so that its lookup does not wait for memory.
    int32_t ChildBoardHash(int ply, TMove move) const;
    int32_t DetailedScore(const TPly& ply, int side) const;
    void BothScores(const TPly& ply, int32_t score[2]) const;

    // The evaluation's view of the board: neighbour and mill masks, link counts. Boards of
    // up to 64 points (every usual one) are scored in 64-bit words.
    bool smallBoard_ = false;
    std::vector<uint64_t> neighbours64_, mills64_;
    std::vector<PointSet> neighbours128_, mills128_;
    std::vector<int> linkDegree_;

    std::shared_ptr<const TRules> rules_;
    const TGameStatusSource* game_;
    std::unique_ptr<THashTable> table_;
    std::array<Tsuivants, kPlyCount> lists_;
    // The board share of the table hash of each ply, handed down from parent to child.
    std::array<int32_t, kPlyCount> boardHash_{};

    int8_t rootMover_ = 0;
    bool stopped_ = false;
    const std::function<uint32_t()>* clock_ = nullptr;
    uint32_t startMs_ = 0;
    uint32_t limitMs_ = 0;

    std::array<std::array<TMove, 2>, kPlyCount> killers_{};
    std::vector<uint32_t> history_[2];
    std::array<std::vector<uint32_t>, kPlyCount> moveKeys_;
    // Ties between equally ordered quiet moves are broken by a draw per node, so a seed
    // still decides among equal moves without a random number per comparison.
    uint32_t salt_ = 0;
};

} // namespace vantorel
