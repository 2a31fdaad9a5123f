#include "TRules.h"

#include "Random.h"
#include "Tmodele.h"

#include <algorithm>
#include <stdexcept>

namespace vantorel {

void OrderForGame(Tsuivants& list, size_t begin) {
    const auto captures = [](const TMove& m) { return m.Capture != kNoCapture; };
    const auto first = list.begin() + static_cast<std::ptrdiff_t>(begin);
    // Most lists hold no capture behind a quiet move: no buffer for them.
    const auto quiet = std::is_partitioned(first, list.end(), captures)
                           ? std::partition_point(first, list.end(), captures)
                           : std::stable_partition(first, list.end(), captures);
    // An even value in 0..17 lets a quiet move pass a quiet one.
    for (auto move = quiet; move != list.end(); ++move)
        for (auto at = move; at != quiet && (RandomBelow(18) & 1u) == 0; --at)
            std::iter_swap(at - 1, at);
}

TRules::TRules(const Tmodele& model) {
    const std::string problem = model.PlayabilityProblem();
    if (!problem.empty()) throw std::invalid_argument(problem);

    pointCount_ = model.PointCount();
    allPoints_ = FirstPoints(pointCount_);
    jumpRule_ = model.JumpRule;
    captureRule_ = model.CaptureRule;
    captureWhilePlacing_ = model.CaptureWhilePlacing == 1;
    minPieces_ = model.MinPieces;
    minDepth_ = model.MinDepth;

    const auto n = static_cast<size_t>(pointCount_);
    neighbourStart_.assign(n + 1, 0);
    neighbourSet_.assign(n, 0);
    linkDegree_.assign(n, 0);
    for (int p = 0; p < pointCount_; ++p) {
        neighbourStart_[static_cast<size_t>(p)] = static_cast<int>(neighbours_.size());
        for (const auto& link : model.Links) {
            if (link.A == p || link.B == p) ++linkDegree_[static_cast<size_t>(p)];
            // A slide from p takes B when A is p, else A when B is p; a loop never moves.
            if (link.A == p && link.B != p)
                neighbours_.push_back(static_cast<int8_t>(link.B));
            else if (link.B == p && link.A != p)
                neighbours_.push_back(static_cast<int8_t>(link.A));
            else
                continue;
            neighbourSet_[static_cast<size_t>(p)] |= PointBit(neighbours_.back());
        }
    }
    neighbourStart_[n] = static_cast<int>(neighbours_.size());

    for (const auto& mill : model.Mills)
        mills_.push_back(PointBit(mill.P1) | PointBit(mill.P2) | PointBit(mill.P3));
    millStart_.assign(n + 1, 0);
    for (int p = 0; p < pointCount_; ++p) {
        millStart_[static_cast<size_t>(p)] = static_cast<int>(millsAt_.size());
        for (PointSet mill : mills_)
            if (Contains(mill, p)) millsAt_.push_back(mill);
    }
    millStart_[n] = static_cast<int>(millsAt_.size());
    smallBoard_ = pointCount_ <= 64;
    for (PointSet mill : millsAt_)
        millsAt64_.push_back(static_cast<uint64_t>(mill));
}

int TRules::MillsAt(PointSet pieces, int point, int side, const int8_t liveReserve[2]) const {
    if (liveReserve[side] > 0 && !captureWhilePlacing_) return 0;
    if (point < 0 || point >= pointCount_) return 0;
    int count = 0;
    for (int k = millStart_[static_cast<size_t>(point)];
         k < millStart_[static_cast<size_t>(point) + 1]; ++k) {
        const PointSet mill = millsAt_[static_cast<size_t>(k)];
        if ((pieces & mill) == mill) ++count;
    }
    return count;
}

bool TRules::ClosesMill(PointSet pieces, int point) const {
    for (int k = millStart_[static_cast<size_t>(point)];
         k < millStart_[static_cast<size_t>(point) + 1]; ++k) {
        const PointSet mill = millsAt_[static_cast<size_t>(k)];
        if ((pieces & mill) == mill) return true;
    }
    return false;
}

bool TRules::ClosesMill64(uint64_t pieces, int point) const {
    const auto begin = static_cast<size_t>(millStart_[static_cast<size_t>(point)]);
    const auto end = static_cast<size_t>(millStart_[static_cast<size_t>(point) + 1]);
    for (size_t k = begin; k < end; ++k)
        if ((pieces & millsAt64_[k]) == millsAt64_[k]) return true;
    return false;
}

PointSet TRules::MillCover(PointSet pieces) const {
    PointSet cover = 0;
    for (PointSet mill : mills_)
        if ((pieces & mill) == mill) cover |= mill;
    return cover;
}

void TRules::AddCaptures(int from, int to, int mover, const TPly& ply, PointSet capturable,
                         const int8_t liveReserve[2], Tsuivants& list) const {
    const auto f = static_cast<int8_t>(from);
    const auto t = static_cast<int8_t>(to);
    const int opponent = 1 - mover;
    const size_t before = list.size();
    ForEachPoint(capturable, [&](int c) { list.push_back({f, t, static_cast<int8_t>(c)}); });
    if (list.size() != before) return;
    const bool reserveLeft = liveReserve[opponent] > 0;
    const auto takeAny = [&] {
        ForEachPoint(ply.Pieces[opponent], [&](int c) {
            list.push_back({f, t, static_cast<int8_t>(c)});
        });
    };
    switch (captureRule_) {
    case 1:
        if (reserveLeft) list.push_back({f, t, kReserveCapture});
        break;
    case 2:
        if (reserveLeft)
            list.push_back({f, t, kReserveCapture});
        else
            takeAny();
        break;
    case 3:
        if (reserveLeft)
            list.push_back({f, t, kReserveCapture});
        else if (ply.Reserve[mover] <= 0 && PointCountOf(ply.Pieces[mover]) == 3)
            takeAny();
        break;
    default:
        break;
    }
    // A mill with nothing to take is played as a quiet move.
    if (list.size() == before) list.push_back({f, t, kNoCapture});
}

void TRules::GenerateMoves(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const {
    const size_t begin = list.size();
    Generate(ply, liveReserve, list);
    OrderForGame(list, begin);
}

void TRules::GenerateUnordered(const TPly& ply, const int8_t liveReserve[2],
                               Tsuivants& list) const {
    Generate(ply, liveReserve, list);
}

void TRules::Generate(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const {
    if (ply.Total(0) < 3 || ply.Total(1) < 3) return;
    const int mover = 1 - ply.Mover;
    const int opponent = ply.Mover;
    const PointSet own = ply.Pieces[mover];
    const PointSet empty = allPoints_ & ~ply.Occupied();
    const bool placing = ply.Reserve[mover] > 0;

    // A mill of the mover counts only when the live reserve allows it; then the pieces it
    // may take do not depend on the move, since a move changes only the mover's pieces.
    const bool moverMillsCount = !(liveReserve[mover] > 0 && !captureWhilePlacing_);
    const bool capturesAllowed = moverMillsCount && (!placing || captureWhilePlacing_);
    PointSet capturable = 0;
    if (capturesAllowed) {
        const PointSet theirs = ply.Pieces[opponent];
        const bool theirMillsCount = !(liveReserve[opponent] > 0 && !captureWhilePlacing_);
        capturable = theirMillsCount ? theirs & ~MillCover(theirs) : theirs;
    }

    // Most candidates close no mill; on boards of up to 64 points that test runs on one
    // machine word.
    const uint64_t own64 = static_cast<uint64_t>(own);
    const auto candidate = [&](int from, int to) {
        bool closes = false;
        if (capturesAllowed) {
            if (smallBoard_) {
                const uint64_t after =
                    (from >= 0 ? own64 & ~(uint64_t{1} << from) : own64) | (uint64_t{1} << to);
                closes = ClosesMill64(after, to);
            } else {
                closes = ClosesMill((own & ~PointBit(from)) | PointBit(to), to);
            }
        }
        if (closes)
            AddCaptures(from, to, mover, ply, capturable, liveReserve, list);
        else
            list.push_back({static_cast<int8_t>(from), static_cast<int8_t>(to), kNoCapture});
    };

    if (placing) {
        ForEachPoint(empty, [&](int p) { candidate(-1, p); });
        return;
    }
    const bool jumps = jumpRule_ == 2 || (jumpRule_ == 0 && PointCountOf(own) == 3);
    ForEachPoint(own, [&](int from) {
        if (jumps) {
            ForEachPoint(empty, [&](int to) { candidate(from, to); });
            return;
        }
        const auto begin = static_cast<size_t>(neighbourStart_[static_cast<size_t>(from)]);
        const auto end = static_cast<size_t>(neighbourStart_[static_cast<size_t>(from) + 1]);
        for (size_t k = begin; k < end; ++k) {
            const int to = neighbours_[k];
            if (Contains(empty, to)) candidate(from, to);
        }
    });
}

void TRules::GenerateCaptures(const TPly& ply, const int8_t liveReserve[2], Tsuivants& list) const {
    const int victim = ply.Mover;
    const PointSet theirs = ply.Pieces[victim];
    const bool millsCount = !(liveReserve[victim] > 0 && !captureWhilePlacing_);
    const PointSet free = millsCount ? theirs & ~MillCover(theirs) : theirs;
    ForEachPoint(free, [&](int c) { list.push_back({-2, -2, static_cast<int8_t>(c)}); });
    if (free) return;
    if (captureRule_ < 1 || captureRule_ > 3) return;
    if (liveReserve[victim] > 0)
        list.push_back({-2, -2, kReserveCapture});
    else if (captureRule_ >= 2)
        ForEachPoint(theirs, [&](int c) { list.push_back({-2, -2, static_cast<int8_t>(c)}); });
}

void TRules::MakeChild(const TPly& parent, TPly& child, TMove move) const {
    child = parent;
    const int mover = 1 - parent.Mover;
    child.Mover = static_cast<int8_t>(mover);
    if (move.From < 0) {
        --child.Reserve[mover];
    } else {
        child.Pieces[0] &= ~PointBit(move.From);
        child.Pieces[1] &= ~PointBit(move.From);
    }
    if (move.Capture >= 0) {
        child.Pieces[0] &= ~PointBit(move.Capture);
        child.Pieces[1] &= ~PointBit(move.Capture);
    } else if (move.Capture == kReserveCapture) {
        --child.Reserve[1 - mover];
    }
    const PointSet to = PointBit(move.To) & allPoints_;
    child.Pieces[mover] |= to;
    child.Pieces[1 - mover] &= ~to;
    child.PlyMove = move;
}

void TRules::LoadBoard(std::string_view board, TPly& ply) const {
    ply.Pieces[0] = ply.Pieces[1] = 0;
    const size_t n = std::min(board.size(), static_cast<size_t>(pointCount_));
    for (size_t p = 0; p < n; ++p) {
        if (board[p] == 'B') ply.Pieces[0] |= PointBit(static_cast<int>(p));
        if (board[p] == 'N') ply.Pieces[1] |= PointBit(static_cast<int>(p));
    }
}

std::string TRules::BoardString(const TPly& ply) const {
    std::string board(static_cast<size_t>(pointCount_), 'L');
    ForEachPoint(ply.Pieces[0], [&](int p) { board[static_cast<size_t>(p)] = 'B'; });
    ForEachPoint(ply.Pieces[1], [&](int p) { board[static_cast<size_t>(p)] = 'N'; });
    return board;
}

std::string TRules::InvariantProblem(const TPly& ply) const {
    if (ply.Pieces[0] & ply.Pieces[1]) return "a point holds pieces of both sides";
    if (ply.Occupied() & ~allPoints_) return "a piece stands beyond the last point";
    if (ply.Mover != 0 && ply.Mover != 1) return "the mover is not a side";
    // A reserve can drop below zero inside a search: a reserve capture is offered on the
    // live reserve, which the searched position may already have used up.
    for (int side = 0; side < 2; ++side)
        if (ply.Reserve[side] < -32) return "a reserve fell out of reach";
    return {};
}

} // namespace vantorel
