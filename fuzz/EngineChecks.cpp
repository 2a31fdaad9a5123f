#include "EngineChecks.h"

#include "engine/PointSet.h"
#include "engine/TRules.h"

#include <algorithm>
#include <vector>

namespace vantorel::fuzz {
namespace {

// Each check regenerates the whole list: a few spread over the list catch a check that
// disagrees with the generator without making every run slow.
constexpr size_t kCheckedMovesPerList = 6;

bool ClosesMill(const TRules& rules, PointSet pieces, int point) {
    for (const PointSet mill : rules.Mills())
        if (Contains(mill, point) && (pieces & mill) == mill) return true;
    return false;
}

bool IsCheckCode(int code) {
    switch (code) {
    case kMoveLegal:
    case kToOffBoard:
    case kCaptureOffBoard:
    case kReserveEmpty:
    case kToOccupied:
    case kCaptureEmpty:
    case kCaptureOwnPiece:
    case kGameDecided:
    case kNotLegal:
        return true;
    default:
        return false;
    }
}

int LiveTotal(const Tjeu& jeu, int side) {
    const char piece = side == kWhite ? 'B' : 'N';
    return jeu.LiveReserve[side] +
           static_cast<int>(std::count(jeu.LiveBoard.begin(), jeu.LiveBoard.end(), piece));
}

// The game object asks for a capture exactly when CaptureKind says so; if the generator
// disagrees, the game waits for a capture that CheckMove then refuses. Every capture rule,
// the third included: both follow the mover's phase.
void CheckCaptureKind(Tjeu& jeu, int side, const Tsuivants& list, TMove chosen) {
    bool quiet = false, reserve = false, piece = false;
    for (const TMove& m : list) {
        if (m.From != chosen.From || m.To != chosen.To) continue;
        quiet |= m.Capture == kNoCapture;
        reserve |= m.Capture == kReserveCapture;
        piece |= m.Capture >= 0;
    }
    const char kind = jeu.CaptureKind(side, {chosen.From, chosen.To, kNoCapture});
    if (quiet) Expect(kind == '0', "CaptureKind asks for a capture the move list does not offer");
    if (reserve) Expect(kind == 'R', "CaptureKind disagrees with a reserve capture of the list");
    if (piece)
        Expect(kind == 'J' || kind == 'M', "CaptureKind disagrees with a capture of the list");
}

} // namespace

void CheckMoveList(const Tjeu& jeu, const Tsuivants& list) {
    const TRules& rules = jeu.Rules();
    const TPly& ply = jeu.Plies[0];
    const int n = rules.PointCount();
    const int mover = 1 - ply.Mover;
    const int opponent = ply.Mover;
    const PointSet own = ply.Pieces[mover];
    const PointSet empty = rules.AllPoints() & ~ply.Occupied();

    if (ply.Total(0) < 3 || ply.Total(1) < 3)
        Expect(list.empty(), "a side below three pieces still has moves");
    if (list.empty()) return;

    const bool placing = ply.Reserve[mover] > 0;
    const bool jumps = rules.JumpRule() == 2 || (rules.JumpRule() == 0 && PointCountOf(own) == 3);
    // (from, to) pairs seen, from −1 (a placement) up; a bit each, as lists run to thousands.
    const auto pairIndex = [n](int from, int to) {
        return static_cast<size_t>((from + 1) * n + to);
    };
    std::vector<bool> quietPairs(static_cast<size_t>((n + 1) * n)), capturePairs(quietPairs);
    size_t pairsSeen = 0;
    bool quietSeen = false;
    for (const TMove& m : list) {
        Expect(m.To >= 0 && m.To < n, "a move goes off the board");
        Expect(Contains(empty, m.To), "a move goes to an occupied point");
        if (placing) {
            Expect(m.From == -1, "a side with a reserve moves instead of placing");
        } else {
            Expect(m.From >= 0 && m.From < n && Contains(own, m.From),
                   "a move starts from a point without the mover's piece");
            if (!jumps)
                Expect(Contains(rules.NeighbourSet(m.From), m.To), "a slide leaves the links");
        }
        const size_t pair = pairIndex(m.From, m.To);
        if (m.Capture == kNoCapture) {
            quietSeen = true;
            // A slide may repeat when the table repeats a link; nothing else may.
            Expect(!quietPairs[pair] || (!placing && !jumps), "a quiet move is listed twice");
            Expect(!capturePairs[pair], "a move is listed both with and without a capture");
            pairsSeen += quietPairs[pair] ? 0 : 1;
            quietPairs[pair] = true;
            continue;
        }
        Expect(!quietSeen, "a capture is listed after a quiet move");
        Expect(!placing || rules.CaptureWhilePlacing(), "a placement captures while forbidden");
        if (m.Capture == kReserveCapture)
            Expect(jeu.LiveReserve[opponent] > 0, "a capture from an empty reserve");
        else
            Expect(m.Capture >= 0 && m.Capture < n && Contains(ply.Pieces[opponent], m.Capture),
                   "a capture names a point without an opponent's piece");
        const PointSet after = (own & ~PointBit(m.From)) | PointBit(m.To);
        Expect(ClosesMill(rules, after, m.To), "a move captures without closing a mill");
        pairsSeen += capturePairs[pair] ? 0 : 1;
        capturePairs[pair] = true;
    }

    // Every candidate appears: each empty point for a placement, each empty point for each
    // piece when jumping, each empty neighbour otherwise.
    size_t candidates = 0;
    if (placing) {
        candidates = static_cast<size_t>(PointCountOf(empty));
    } else {
        ForEachPoint(own, [&](int from) {
            const PointSet targets = jumps ? empty : rules.NeighbourSet(from) & empty;
            candidates += static_cast<size_t>(PointCountOf(targets));
        });
    }
    Expect(pairsSeen == candidates, "the move list misses a candidate or invents one");
}

void CheckCaptureList(const Tjeu& jeu, const Tsuivants& list) {
    const TRules& rules = jeu.Rules();
    const TPly& ply = jeu.Plies[0];
    const int victim = ply.Mover;
    const PointSet theirs = ply.Pieces[victim];
    for (const TMove& m : list) {
        Expect(m.From == -2 && m.To == -2, "a capture-only triple names a move");
        if (m.Capture == kReserveCapture)
            Expect(jeu.LiveReserve[victim] > 0, "a removal from an empty reserve");
        else
            Expect(m.Capture >= 0 && m.Capture < rules.PointCount() && Contains(theirs, m.Capture),
                   "a removal names a point without the victim's piece");
    }
    // With the second rule something can always be taken while the victim has a piece.
    if (rules.CaptureRule() == 2 && theirs != 0)
        Expect(!list.empty(), "nothing to remove although the variant takes any piece");
}

void CheckSmallPerft(Tjeu& jeu, uint64_t budget) {
    const TRules& rules = jeu.Rules();
    jeu.LoadPly(0, jeu.LiveBoard, jeu.LiveReserve, 1 - jeu.SideToMove);
    Tsuivants first, second;
    jeu.GenerateMoves(0, first);
    CheckMoveList(jeu, first);
    const int mover = jeu.SideToMove;
    uint64_t leaves = 0;
    for (const TMove& m : first) {
        jeu.MakeChild(0, m);
        const TPly& child = jeu.Plies[1];
        Expect(rules.InvariantProblem(child).empty(), "MakeChild built an unsound position");
        Expect(child.Mover == mover, "MakeChild did not hand the turn over");
        Expect(Contains(child.Pieces[mover], m.To), "MakeChild did not put the piece down");
        if (m.Capture >= 0)
            Expect(!Contains(child.Occupied(), m.Capture), "MakeChild left the captured piece");
        Expect(child.Total(mover) == jeu.Plies[0].Total(mover),
               "MakeChild changed the mover's count");
        second.clear();
        jeu.GenerateMoves(1, second);
        leaves += second.size();
        if (leaves > budget) return;
    }
    Expect(jeu.Perft(1) == first.size(), "Perft(1) differs from the move list");
    Expect(jeu.Perft(2) == leaves, "Perft(2) differs from the tree counted by hand");
}

void PlayLiveGame(Tjeu& jeu, FuzzInput& input, int moves) {
    Tsuivants list, replies;
    for (int step = 0; step < moves && jeu.Loser == kUndecided; ++step) {
        const int side = jeu.SideToMove;
        list.clear();
        jeu.LegalMoves(side, jeu.LiveBoard, list);
        CheckMoveList(jeu, list);
        const size_t stride = list.size() / kCheckedMovesPerList + 1;
        for (size_t i = 0; i < list.size(); i += stride)
            Expect(jeu.CheckMove(side, list[i]) == kMoveLegal, "CheckMove refuses a listed move");

        // A move from a stranger (the network, a damaged saved game): checked, never trusted.
        const TMove stranger{input.SignedByte(), input.SignedByte(), input.SignedByte()};
        const int code = jeu.CheckMove(side, stranger);
        Expect(IsCheckCode(code), "CheckMove answered an unknown code");
        if (code == kMoveLegal)
            Expect(std::find(list.begin(), list.end(), stranger) != list.end(),
                   "CheckMove accepts a move the list does not hold");
        if (list.empty()) return;

        const size_t pick = (static_cast<size_t>(input.Byte()) << 8 | input.Byte()) % list.size();
        const TMove move = list[pick];
        CheckCaptureKind(jeu, side, list, move);

        const int moverBefore = LiveTotal(jeu, side);
        const int opponentBefore = LiveTotal(jeu, 1 - side);
        const int8_t loser = jeu.PlayMove(side, true, move);
        Expect(jeu.LiveInvariantProblem().empty(), "PlayMove broke the live position");
        Expect(loser == jeu.Loser, "PlayMove returned another loser than it kept");
        Expect(loser == kUndecided || loser == kWhite || loser == kBlack || loser == kBothLost,
               "PlayMove returned an unknown loser code");
        Expect(jeu.SideToMove == 1 - side, "PlayMove did not hand the turn over");
        Expect(LiveTotal(jeu, side) == moverBefore, "a play changed the mover's piece count");
        Expect(LiveTotal(jeu, 1 - side) == opponentBefore - (move.Capture >= kReserveCapture),
               "a play took the wrong number of pieces");
        if (loser == kUndecided) {
            // An undecided game whose side to move has nothing to play would hang.
            replies.clear();
            jeu.LegalMoves(1 - side, jeu.LiveBoard, replies);
            Expect(!replies.empty(), "the game is undecided but the side to move cannot move");
        } else {
            Expect(jeu.CheckMove(1 - side, stranger) != kMoveLegal,
                   "a move is legal after the end");
        }
    }
}

} // namespace vantorel::fuzz
