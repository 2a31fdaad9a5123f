#pragma once
// A second, deliberately plain implementation of the move rules: board strings, loops over
// the variant's tables, nothing precomputed. The engine's tests compare the fast generator
// with it; the game's tests check that clicks accept exactly the moves it lists.
#include "engine/TMove.h"
#include "engine/Tmodele.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vantorel::testing {

inline char PieceOf(int side) {
    return side == kWhite ? 'B' : 'N';
}

inline int PiecesOn(const std::string& board, int side) {
    return static_cast<int>(std::count(board.begin(), board.end(), PieceOf(side)));
}

// A position as the rules see it: the ply's board and reserves, the side that made the
// last move, and the live game's reserves (which decide whether mills count).
struct PlainPosition {
    std::string board;
    int reserve[2] = {0, 0};
    int mover = kBlack;
    int liveReserve[2] = {0, 0};
};

class PlainRules {
public:
    explicit PlainRules(const Tmodele& m) : model_(m) {}

    int MillsAt(const std::string& board, int point, int side, const int live[2]) const {
        if (live[side] > 0 && model_.CaptureWhilePlacing == 0) return 0;
        int count = 0;
        for (const auto& mill : model_.Mills) {
            if (mill.P1 != point && mill.P2 != point && mill.P3 != point) continue;
            if (board[static_cast<size_t>(mill.P1)] == PieceOf(side) &&
                board[static_cast<size_t>(mill.P2)] == PieceOf(side) &&
                board[static_cast<size_t>(mill.P3)] == PieceOf(side))
                ++count;
        }
        return count;
    }

    // Every move of the side to move, in generation order, before any reordering.
    std::vector<TMove> Moves(const PlainPosition& p) const {
        std::vector<TMove> moves;
        const std::string& board = p.board;
        const int n = model_.PointCount();
        const int mover = 1 - p.mover;
        const int opponent = p.mover;
        if (p.reserve[kWhite] + PiecesOn(board, kWhite) < 3 ||
            p.reserve[kBlack] + PiecesOn(board, kBlack) < 3)
            return moves;

        std::vector<std::pair<int, int>> candidates;
        const bool placing = p.reserve[mover] > 0;
        const int onBoard = PiecesOn(board, mover);
        if (placing) {
            for (int q = 0; q < n; ++q)
                if (board[static_cast<size_t>(q)] == 'L') candidates.push_back({-1, q});
        } else {
            const bool jumps = model_.JumpRule == 2 || (model_.JumpRule == 0 && onBoard == 3);
            for (int i = 0; i < n; ++i) {
                if (board[static_cast<size_t>(i)] != PieceOf(mover)) continue;
                if (jumps) {
                    for (int k = 0; k < n; ++k)
                        if (k != i && board[static_cast<size_t>(k)] == 'L')
                            candidates.push_back({i, k});
                    continue;
                }
                for (const auto& link : model_.Links) {
                    if (link.A == i && board[static_cast<size_t>(link.B)] == 'L')
                        candidates.push_back({i, link.B});
                    else if (link.B == i && board[static_cast<size_t>(link.A)] == 'L')
                        candidates.push_back({i, link.A});
                }
            }
        }

        const bool thirdPhase = !placing && onBoard == 3;
        for (const auto& candidate : candidates) {
            // Plain names: clang 14 cannot capture structured bindings in a lambda.
            const int from = candidate.first;
            const int to = candidate.second;
            std::string scratch = board;
            if (from >= 0) scratch[static_cast<size_t>(from)] = 'L';
            scratch[static_cast<size_t>(to)] = PieceOf(mover);
            const auto triple = [from, to](int capture) {
                return TMove{static_cast<int8_t>(from), static_cast<int8_t>(to),
                             static_cast<int8_t>(capture)};
            };
            std::vector<TMove> added;
            const bool earns = MillsAt(scratch, to, mover, p.liveReserve) > 0 &&
                               (!placing || model_.CaptureWhilePlacing == 1);
            if (earns) {
                for (int c = 0; c < n; ++c)
                    if (scratch[static_cast<size_t>(c)] == PieceOf(opponent) &&
                        MillsAt(scratch, c, opponent, p.liveReserve) == 0)
                        added.push_back(triple(c));
                if (added.empty()) {
                    const bool reserveLeft = p.liveReserve[opponent] > 0;
                    const bool anyPiece =
                        model_.CaptureRule == 2 || (model_.CaptureRule == 3 && thirdPhase);
                    if (model_.CaptureRule >= 1 && model_.CaptureRule <= 3 && reserveLeft)
                        added.push_back(triple(kReserveCapture));
                    else if (anyPiece)
                        for (int c = 0; c < n; ++c)
                            if (scratch[static_cast<size_t>(c)] == PieceOf(opponent))
                                added.push_back(triple(c));
                }
            }
            if (added.empty()) added.push_back(triple(kNoCapture));
            moves.insert(moves.end(), added.begin(), added.end());
        }
        return moves;
    }

    // What may be removed from the ply's Mover.
    std::vector<TMove> Captures(const PlainPosition& p) const {
        std::vector<TMove> list;
        const int victim = p.mover;
        const int n = model_.PointCount();
        for (int c = 0; c < n; ++c)
            if (p.board[static_cast<size_t>(c)] == PieceOf(victim) &&
                MillsAt(p.board, c, victim, p.liveReserve) == 0)
                list.push_back({-2, -2, static_cast<int8_t>(c)});
        if (!list.empty()) return list;
        const int rule = model_.CaptureRule;
        if (rule >= 1 && rule <= 3 && p.liveReserve[victim] > 0)
            list.push_back({-2, -2, kReserveCapture});
        else if (rule == 2 || rule == 3)
            for (int c = 0; c < n; ++c)
                if (p.board[static_cast<size_t>(c)] == PieceOf(victim))
                    list.push_back({-2, -2, static_cast<int8_t>(c)});
        return list;
    }

    char CaptureKind(const std::string& liveBoard, const int live[2], int side, TMove m) const {
        std::string scratch = liveBoard;
        if (m.From >= 0) scratch[static_cast<size_t>(m.From)] = 'L';
        if (m.Capture >= 0) scratch[static_cast<size_t>(m.Capture)] = 'L';
        scratch[static_cast<size_t>(m.To)] = PieceOf(side);
        if (MillsAt(scratch, m.To, side, live) == 0) return '0';
        const int opponent = 1 - side;
        for (int q = 0; q < model_.PointCount(); ++q)
            if (scratch[static_cast<size_t>(q)] == PieceOf(opponent) &&
                MillsAt(scratch, q, opponent, live) == 0)
                return 'J';
        const bool reserveLeft = live[opponent] > 0;
        const int theirs = PiecesOn(scratch, opponent);
        // The mover's phase, as in Moves: no reserve and three pieces of its own.
        const bool thirdPhase = live[side] <= 0 && PiecesOn(scratch, side) == 3;
        switch (model_.CaptureRule) {
        case 1:
            return reserveLeft ? 'R' : '0';
        case 2:
            return reserveLeft ? 'R' : (theirs > 0 ? 'M' : '0');
        case 3:
            return reserveLeft ? 'R' : (thirdPhase && theirs > 0 ? 'M' : '0');
        default:
            return '0';
        }
    }

    // The loser code after `side` played on the live position now given.
    int Loser(const std::string& board, const int live[2], int side) const {
        const int white = live[kWhite] + PiecesOn(board, kWhite);
        const int black = live[kBlack] + PiecesOn(board, kBlack);
        if (white < 3 && black < 3) return kBothLost;
        if (black < 3) return 1;
        if (white < 3) return 0;
        PlainPosition p{board, {live[0], live[1]}, side, {live[0], live[1]}};
        return Moves(p).empty() ? 1 - side : kUndecided;
    }

private:
    const Tmodele& model_;
};

} // namespace vantorel::testing
