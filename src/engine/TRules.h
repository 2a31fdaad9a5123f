#pragma once
// The rules of one variant, precomputed for speed: neighbour lists in link-table order,
// mill masks per point, and the move and capture generators that every engine operation
// and every search share. Generation order is part of the game's behaviour (captures
// first, quiet moves shuffled by the program's generator), so it is kept exactly.
#include "PointSet.h"
#include "TMove.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class Tmodele;

// One position of the ply stack: the pieces of each side, the reserves, the move that
// led here and the side that made it (so 1 − Mover is to move).
struct TPly {
    PointSet Pieces[2] = {0, 0};
    int8_t Reserve[2] = {0, 0};
    TMove PlyMove = NoMove;
    int8_t Mover = 0;

    PointSet Occupied() const { return Pieces[0] | Pieces[1]; }
    int Total(int side) const { return Reserve[side] + PointCountOf(Pieces[side]); }
};

class TRules {
public:
    // The model must be playable (Tmodele::PlayabilityProblem() empty).
    explicit TRules(const Tmodele& model);

    int PointCount() const { return pointCount_; }
    PointSet AllPoints() const { return allPoints_; }
    int JumpRule() const { return jumpRule_; }
    int CaptureRule() const { return captureRule_; }
    bool CaptureWhilePlacing() const { return captureWhilePlacing_; }
    int MinPieces() const { return minPieces_; }
    int MinDepth() const { return minDepth_; }

    // Mills through `point` whose three points hold `side`'s pieces (`pieces` is that
    // side's set). None while the side still has live reserve pieces and the variant
    // forbids captures while placing: the live reserve counts even for searched positions.
    int MillsAt(PointSet pieces, int point, int side, const int8_t liveReserve[2]) const;

    // The moves of the side to move at `ply`, in the game's order; appended to `list`.
    void GenerateMoves(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const;
    // The same moves in board order, for the search, which orders them itself.
    void GenerateUnordered(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const;
    // What may be removed from the ply's Mover; capture-only triples (−2, −2, c).
    void GenerateCaptures(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const;
    // The position after `move`, played by 1 − parent.Mover.
    void MakeChild(const TPly& parent, TPly& child, TMove move) const;

    // Board string ('L', 'B', 'N' per point) to ply sets and back. Other characters and
    // missing characters are empty points.
    void LoadBoard(std::string_view board, TPly& ply) const;
    std::string BoardString(const TPly& ply) const;

    // Consistency of a searched position: sides disjoint, only real points, reserves
    // within the byte range the engine can reach. Empty when sound.
    std::string InvariantProblem(const TPly& ply) const;

    // Links of the table that touch a point (a link counts once even if it loops).
    int LinkDegree(int point) const { return linkDegree_[static_cast<size_t>(point)]; }
    PointSet NeighbourSet(int point) const { return neighbourSet_[static_cast<size_t>(point)]; }
    const std::vector<PointSet>& Mills() const { return mills_; }

    // Points of `pieces` that stand in a complete mill of those pieces.
    PointSet MillCover(PointSet pieces) const;

private:
    void Generate(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const;
    // The triples of a move that closes a mill, by what it may take.
    void AddCaptures(int from, int to, int mover, const TPly& ply, PointSet capturable,
                     const int8_t liveReserve[2], Tsuivants& list) const;
    bool ClosesMill(PointSet pieces, int point) const;
    bool ClosesMill64(uint64_t pieces, int point) const;

    int pointCount_ = 0;
    PointSet allPoints_ = 0;
    int jumpRule_ = 0;
    int captureRule_ = 0;
    bool captureWhilePlacing_ = true;
    int minPieces_ = 3;
    int minDepth_ = 1;

    // Neighbours of point p, in link-table order: neighbours_[neighbourStart_[p] ..
    // neighbourStart_[p + 1]).
    std::vector<int8_t> neighbours_;
    std::vector<int> neighbourStart_;
    std::vector<PointSet> neighbourSet_;
    std::vector<int> linkDegree_;
    // Masks of the mills through p: millsAt_[millStart_[p] .. millStart_[p + 1]).
    std::vector<PointSet> millsAt_;
    std::vector<int> millStart_;
    std::vector<PointSet> mills_;
    bool smallBoard_ = false;
    std::vector<uint64_t> millsAt64_;
};

// Puts the moves of list[begin..] in the game's order: the captures first, in the order
// they came, then the quiet moves, each passing the quiet one before it with probability
// 1/2 (as if each were added in turn and moved forward).
void OrderForGame(Tsuivants& list, size_t begin);

} // namespace vantorel
