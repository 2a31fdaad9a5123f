#include "TSearch.h"

#include "Random.h"
#include "Tjeu.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace vantorel {
namespace {

constexpr int32_t kMaxDepth = TSearch::kPlyCount - 2; // leaves at ply Depth + 1 <= 30
// A null-window driver fed inconsistent bounds could pass forever; real searches settle
// in a handful of passes.
constexpr int kMaxPasses = 100000;
constexpr int kShallowestStored = 2;

int32_t Plus1(int32_t v) {
    return v >= kInfinity ? kInfinity : v + 1;
}
int32_t Minus1(int32_t v) {
    return v <= -kInfinity ? -kInfinity : v - 1;
}

} // namespace

TAlgorithm AlgorithmFromNumber(int number) {
    switch (number) {
    case 1:
        return TAlgorithm::AlphaBeta;
    case 2:
        return TAlgorithm::Negascout;
    case 3:
        return TAlgorithm::ABDual;
    case 4:
        return TAlgorithm::ABSSS;
    default:
        return TAlgorithm::MTDF;
    }
}

TSearch::TSearch(std::shared_ptr<const TRules> rules, const TGameStatusSource* game)
    : rules_(std::move(rules)), game_(game) {
    for (auto& list : lists_)
        list.reserve(64);
    const int points = rules_->PointCount();
    smallBoard_ = points <= 64;
    for (int p = 0; p < points; ++p) {
        neighbours128_.push_back(rules_->NeighbourSet(p));
        neighbours64_.push_back(static_cast<uint64_t>(rules_->NeighbourSet(p)));
        linkDegree_.push_back(rules_->LinkDegree(p));
    }
    mills128_ = rules_->Mills();
    for (const PointSet mill : mills128_)
        mills64_.push_back(static_cast<uint64_t>(mill));
    for (auto& side : history_)
        side.assign(static_cast<size_t>((points + 1) * points), 0);
    for (auto& pair : killers_)
        pair.fill(NoMove);
    for (auto& keys : moveKeys_)
        keys.reserve(64);
}

void TSearch::StartDecision() {
    stopped_ = false;
    for (auto& pair : killers_)
        pair.fill(NoMove);
    for (auto& side : history_)
        std::fill(side.begin(), side.end(), 0u);
}

void TSearch::SetDeadline(const std::function<uint32_t()>* clock, uint32_t startMs,
                          uint32_t limitMs) {
    clock_ = clock;
    startMs_ = startMs;
    limitMs_ = limitMs;
}

void TSearch::PollStop() {
    if (StopRequest && StopRequest->load(std::memory_order_relaxed) != kKeepSearching)
        stopped_ = true;
    else if (clock_ && (*clock_)() - startMs_ >= limitMs_)
        stopped_ = true;
}

int TSearch::GameStatus() const {
    return game_ ? game_->GameStatus() : 0;
}

void TSearch::LoadRoot(const TPly& position) {
    Plies[0] = position;
    rootMover_ = position.Mover;
}

void TSearch::Generate(int ply, Tsuivants& list) {
    list.clear();
    if (GameStatus() < 0) return;
    rules_->GenerateMoves(Plies[static_cast<size_t>(ply)], LiveReserve, list);
}

namespace {

// Empty points that would block one of the opponent's two-piece mills, or start one of the
// mover's own.
template <typename Word>
void MillChances(Word own, Word theirs, Word empty, const Word* mills, size_t millCount,
                 Word& blocks, Word& builds) {
    blocks = builds = 0;
    for (size_t k = 0; k < millCount; ++k) {
        const Word mill = mills[k];
        const Word open = mill & empty;
        if (!open) continue;
        const Word other = mill & theirs;
        if (other) {
            if ((other | open) == mill && (other & (other - 1))) blocks |= open;
        } else {
            const Word mine = mill & own;
            if (mine && !(mine & (mine - 1))) builds |= open;
        }
    }
}

} // namespace

void TSearch::GenerateOrdered(int p, Tsuivants& list) {
    list.clear();
    if (GameStatus() < 0) return;
    const TPly& ply = Plies[static_cast<size_t>(p)];
    rules_->GenerateUnordered(ply, LiveReserve, list);
    const size_t count = list.size();
    std::vector<uint32_t>& keys = moveKeys_[static_cast<size_t>(p)];
    keys.resize(count);
    if (count < 2) return;

    const int mover = 1 - ply.Mover;
    const PointSet empty = rules_->AllPoints() & ~ply.Occupied();
    PointSet blocks = 0, builds = 0;
    if (smallBoard_) {
        uint64_t b64, u64;
        MillChances<uint64_t>(
            static_cast<uint64_t>(ply.Pieces[mover]), static_cast<uint64_t>(ply.Pieces[1 - mover]),
            static_cast<uint64_t>(empty), mills64_.data(), mills64_.size(), b64, u64);
        blocks = b64;
        builds = u64;
    } else {
        MillChances<PointSet>(ply.Pieces[mover], ply.Pieces[1 - mover], empty, mills128_.data(),
                              mills128_.size(), blocks, builds);
    }

    const TMove killer0 = killers_[static_cast<size_t>(p)][0];
    const TMove killer1 = killers_[static_cast<size_t>(p)][1];
    salt_ = salt_ * 0x2C9277B5u + 0xAC564B05u;
    for (size_t i = 0; i < count; ++i) {
        const TMove m = list[i];
        uint32_t score;
        if (m.Capture != kNoCapture)
            score = 1u << 30;
        else if (m == killer0)
            score = 1u << 29;
        else if (m == killer1)
            score = 1u << 28;
        else {
            score = std::min(History(mover, m), (1u << 15) - 1) << 8;
            if (Contains(blocks, m.To)) score += 1u << 26;
            if (Contains(builds, m.To)) score += 1u << 24;
            score += ((salt_ ^ static_cast<uint32_t>(i) * 0x9E3779B1u) * 0x85EBCA6Bu) >> 24;
        }
        keys[i] = score;
    }
}

TMove TSearch::PickNext(int p, size_t i) {
    Tsuivants& list = lists_[static_cast<size_t>(p)];
    std::vector<uint32_t>& keys = moveKeys_[static_cast<size_t>(p)];
    // Most nodes stop after a move or two, so the list is never sorted whole.
    size_t best = i;
    for (size_t k = i + 1; k < list.size(); ++k)
        if (keys[k] > keys[best]) best = k;
    if (best != i) {
        std::swap(list[i], list[best]);
        std::swap(keys[i], keys[best]);
    }
    return list[i];
}

void TSearch::NoteCutoff(int p, TMove move) {
    if (move.Capture != kNoCapture) return;
    auto& pair = killers_[static_cast<size_t>(p)];
    if (!(pair[0] == move)) {
        pair[1] = pair[0];
        pair[0] = move;
    }
    const int remaining = Depth + 1 - p;
    uint32_t& h = History(1 - Plies[static_cast<size_t>(p)].Mover, move);
    h = std::min(h + static_cast<uint32_t>(remaining * remaining), 1u << 20);
}

void TSearch::MakeChild(int ply, TMove move) {
    // A few thousand nodes take well under a millisecond.
    if ((++Nodes & 2047u) == 0) PollStop();
    rules_->MakeChild(Plies[static_cast<size_t>(ply)], Plies[static_cast<size_t>(ply) + 1], move);
    assert(rules_->InvariantProblem(Plies[static_cast<size_t>(ply) + 1]).empty());
}

int32_t TSearch::ChildBoardHash(int p, TMove m) const {
    const TPly& ply = Plies[static_cast<size_t>(p)];
    const THashTable& table = *table_;
    const int mover = 1 - ply.Mover;
    int8_t reserve[2] = {ply.Reserve[0], ply.Reserve[1]};
    int32_t board = boardHash_[static_cast<size_t>(p)] + table.PieceHash(mover, m.To);
    if (m.From >= 0)
        board -= table.PieceHash(mover, m.From);
    else
        --reserve[mover];
    if (m.Capture >= 0)
        board -= table.PieceHash(1 - mover, m.Capture);
    else if (m.Capture == kReserveCapture)
        --reserve[1 - mover];
    // Each term lies in 0..kModulus - 1, so two corrections at most bring it back.
    while (board < 0)
        board += THashTable::kModulus;
    while (board >= THashTable::kModulus)
        board -= THashTable::kModulus;
    table.Prefetch(
        THashTable::FinishHash(board, reserve[0], reserve[1], static_cast<int8_t>(mover)));
    return board;
}

// ------------------------------------------------------------------ evaluation

namespace {

inline int Population(uint64_t word) {
    return std::popcount(word);
}
inline int Population(PointSet set) {
    return PointCountOf(set);
}

template <typename Word> inline int LowestOf(Word word) {
    if constexpr (sizeof(Word) == 8)
        return std::countr_zero(word);
    else
        return LowestPoint(word);
}

// A side's detailed score: 110 a reserve piece, 100 a piece that can move and 90 one that
// cannot, one per link touching a piece, 20..50 a complete mill by how many of its pieces
// can move, and 20 a mill two-thirds built while pieces remain to place.
template <typename Word>
int32_t ScoreSide(Word own, Word empty, int reserve, int minPieces, int jumpRule,
                  const Word* neighbours, const int* degree, const Word* mills, size_t millCount) {
    const int onBoard = Population(own);
    const int total = reserve + onBoard;
    if (total < minPieces) return TSearch::kLost;

    Word movable = 0;
    int links = 0;
    for (Word rest = own; rest; rest &= rest - 1) {
        const int q = LowestOf(rest);
        links += degree[q];
        if (neighbours[q] & empty) movable |= Word{1} << q;
    }
    // Three pieces may jump anywhere (or always, by the variant's rule); fewer never move.
    if (total < 3)
        movable = 0;
    else if ((jumpRule == 2 || (jumpRule == 0 && total == 3)) && empty)
        movable = own;

    int32_t score = 110 * reserve + 90 * onBoard + 10 * Population(movable) + links;
    for (size_t k = 0; k < millCount; ++k) {
        const Word mill = mills[k];
        const Word mine = mill & own;
        if (mine == mill)
            score += 20 + 10 * Population(mill & movable);
        else if (reserve > 0 && (mill & empty) && Population(mine) == 2)
            score += 20;
    }
    return score;
}

// Both sides' detailed scores in one walk over the mills: every leaf needs both.
template <typename Word>
void ScoreBoth(const Word pieces[2], Word empty, const int8_t reserve[2], int minPieces,
               int jumpRule, const Word* neighbours, const int* degree, const Word* mills,
               size_t millCount, int32_t score[2]) {
    Word movable[2] = {0, 0};
    bool lost[2];
    for (int side = 0; side < 2; ++side) {
        const Word own = pieces[side];
        const int onBoard = Population(own);
        const int total = reserve[side] + onBoard;
        lost[side] = total < minPieces;
        int links = 0;
        for (Word rest = own; rest; rest &= rest - 1) {
            const int q = LowestOf(rest);
            links += degree[q];
            if (neighbours[q] & empty) movable[side] |= Word{1} << q;
        }
        if (total < 3)
            movable[side] = 0;
        else if ((jumpRule == 2 || (jumpRule == 0 && total == 3)) && empty)
            movable[side] = own;
        score[side] = 110 * reserve[side] + 90 * onBoard + 10 * Population(movable[side]) + links;
    }
    for (size_t k = 0; k < millCount; ++k) {
        const Word mill = mills[k];
        const Word white = mill & pieces[0];
        const Word black = mill & pieces[1];
        if (white == mill)
            score[0] += 20 + 10 * Population(mill & movable[0]);
        else if (black == mill)
            score[1] += 20 + 10 * Population(mill & movable[1]);
        else if (mill & empty) {
            if (reserve[0] > 0 && Population(white) == 2)
                score[0] += 20;
            else if (reserve[1] > 0 && Population(black) == 2)
                score[1] += 20;
        }
    }
    for (int side = 0; side < 2; ++side)
        if (lost[side]) score[side] = TSearch::kLost;
}

} // namespace

void TSearch::BothScores(const TPly& ply, int32_t score[2]) const {
    if (EvalMode != kDetailed) {
        score[0] = SideScore(ply, 0);
        score[1] = SideScore(ply, 1);
        return;
    }
    const TRules& rules = *rules_;
    const PointSet empty = rules.AllPoints() & ~ply.Occupied();
    if (smallBoard_) {
        const uint64_t pieces[2] = {static_cast<uint64_t>(ply.Pieces[0]),
                                    static_cast<uint64_t>(ply.Pieces[1])};
        ScoreBoth<uint64_t>(pieces, static_cast<uint64_t>(empty), ply.Reserve, rules.MinPieces(),
                            rules.JumpRule(), neighbours64_.data(), linkDegree_.data(),
                            mills64_.data(), mills64_.size(), score);
    } else {
        ScoreBoth<PointSet>(ply.Pieces, empty, ply.Reserve, rules.MinPieces(), rules.JumpRule(),
                            neighbours128_.data(), linkDegree_.data(), mills128_.data(),
                            mills128_.size(), score);
    }
}

int32_t TSearch::DetailedScore(const TPly& ply, int side) const {
    const TRules& rules = *rules_;
    const PointSet empty = rules.AllPoints() & ~ply.Occupied();
    const int reserve = ply.Reserve[side];
    if (smallBoard_)
        return ScoreSide<uint64_t>(static_cast<uint64_t>(ply.Pieces[side]),
                                   static_cast<uint64_t>(empty), reserve, rules.MinPieces(),
                                   rules.JumpRule(), neighbours64_.data(), linkDegree_.data(),
                                   mills64_.data(), mills64_.size());
    return ScoreSide<PointSet>(ply.Pieces[side], empty, reserve, rules.MinPieces(),
                               rules.JumpRule(), neighbours128_.data(), linkDegree_.data(),
                               mills128_.data(), mills128_.size());
}

int32_t TSearch::SideScore(const TPly& ply, int side) const {
    if (EvalMode == kDetailed) return DetailedScore(ply, side);
    const int reserve = ply.Reserve[side];
    const int onBoard = PointCountOf(ply.Pieces[side]);
    if (reserve + onBoard < rules_->MinPieces()) return kLost;
    return 110 * reserve + 100 * onBoard;
}

int32_t TSearch::Evaluate(int p) {
    ++PositionsExamined;
    const TPly& ply = Plies[static_cast<size_t>(p)];
    const int mover = ply.Mover;
    int32_t score[2];
    BothScores(ply, score);
    const int32_t mine = score[mover];
    const int32_t theirs = score[1 - mover];
    const int32_t win = kWinScore - 10 * p;
    // When both sides are lost black counts as the winner.
    if (mover == kWhite) {
        if (mine == kLost) return -win;
        if (theirs == kLost) return win;
    } else {
        if (theirs == kLost) return win;
        if (mine == kLost) return -win;
    }
    return mine - theirs;
}

// ------------------------------------------------------------------ searches

namespace {

// Win scores count plies from the root (a nearer win is worth more); in the table they
// count from the stored position, so that a position met at another ply reads right.
constexpr int32_t kWinThreshold = kWinScore - 10 * 64;

int32_t ScoreToTable(int32_t score, int p) {
    if (score >= kInfinity || score <= -kInfinity) return score;
    if (score > kWinThreshold) return score + 10 * p;
    if (score < -kWinThreshold) return score - 10 * p;
    return score;
}

TSearchLine LineFromTable(const TSearchLine& stored, int storedPly, int p) {
    TSearchLine line = stored;
    const int32_t s = stored.Score;
    if (s < kInfinity && s > -kInfinity) {
        if (s > kWinThreshold) line.Score = s - 10 * p;
        if (s < -kWinThreshold) line.Score = s + 10 * p;
    }
    // Its moves were named by the ply they were played at.
    if (storedPly != p) {
        line.Moves = TSearchLine::Cleared();
        for (int q = storedPly; q < kLineLength; ++q) {
            const int to = q - storedPly + p;
            if (to >= 0 && to < kLineLength)
                line.Moves[static_cast<size_t>(to)] = stored.Moves[static_cast<size_t>(q)];
        }
    }
    return line;
}

void StoreBound(TSearchLine& bound, int8_t& draft, int8_t& storedPly, const TSearchLine& best,
                int remaining, int p) {
    bound = best;
    bound.Score = ScoreToTable(best.Score, p);
    draft = static_cast<int8_t>(remaining);
    storedPly = static_cast<int8_t>(p);
}

} // namespace

TSearchLine TSearch::AlphaBetaWithMemory(int p, int32_t alpha, int32_t beta) {
    if (stopped_) return TSearchLine{};
    const TPly& ply = Plies[static_cast<size_t>(p)];
    // Leaves are scored for the side to move at the root, whatever the parity of the depth.
    if (Depth < p) {
        const int32_t score = Evaluate(p);
        return TSearchLine::WithScore(ply.Mover == rootMover_ ? -score : score);
    }

    THashTable& table = *table_;
    const TTableKey key = TTableKey::Of(ply);
    if (p == 0) boardHash_[0] = table.BoardHash(ply.Pieces);
    const int32_t hash = THashTable::FinishHash(boardHash_[static_cast<size_t>(p)], ply.Reserve[0],
                                                ply.Reserve[1], ply.Mover);
    const int remaining = Depth + 1 - p;
    int slot = -1;
    TMove stored = NoMove;
    // Nodes just above the leaves are cheaper to search again than the table places they
    // would take from deeper ones.
    const bool tabled = remaining >= kShallowestStored;
    if (p > 0 && tabled) {
        slot = table.Lookup(key, hash);
        if (slot >= 0) {
            const TElement& known = table.Element(slot);
            stored = known.BestMove;
            // Only bounds searched at least as deep as this node needs answer it.
            const bool lowerHolds = known.LowerDraft >= remaining;
            const bool upperHolds = known.UpperDraft >= remaining;
            const TSearchLine lower = lowerHolds ? LineFromTable(known.Lower, known.LowerPly, p)
                                                 : TSearchLine::WithScore(-kInfinity);
            const TSearchLine upper = upperHolds ? LineFromTable(known.Upper, known.UpperPly, p)
                                                 : TSearchLine::WithScore(kInfinity);
            if (lower.Score >= beta) return lower;
            if (upper.Score <= alpha) return upper;
            if (lower.Score == upper.Score) return lower;
            // Bounds of different depths may disagree; the deeper one is kept.
            if (lower.Score < upper.Score || known.LowerDraft >= known.UpperDraft)
                alpha = std::max(alpha, lower.Score);
            if (lower.Score < upper.Score || known.UpperDraft > known.LowerDraft)
                beta = std::min(beta, upper.Score);
        }
    }

    // Max nodes raise a and stop at beta; min nodes lower b and stop at alpha.
    const bool maxNode = ply.Mover == rootMover_;
    TSearchLine best = TSearchLine::WithScore(maxNode ? -kInfinity : kInfinity);
    int32_t a = alpha, b = beta;
    const auto cutOff = [&] { return maxNode ? best.Score >= beta : best.Score <= alpha; };
    const auto search = [&](TMove m, size_t rootIndex) {
        const int32_t childHash = ChildBoardHash(p, m);
        MakeChild(p, m);
        boardHash_[static_cast<size_t>(p) + 1] = childHash;
        TSearchLine child = AlphaBetaWithMemory(p + 1, a, b);
        if (stopped_) return;
        child.Moves[static_cast<size_t>(p)] = m;
        if (maxNode ? child.Score > best.Score : child.Score < best.Score) {
            best = child;
            if (p == 0) RootLines[rootIndex] = best;
        }
        if (maxNode)
            a = std::max(a, best.Score);
        else
            b = std::min(b, best.Score);
    };
    const auto lost = [&] {
        // The side to move has lost; nearer losses weigh more.
        TSearchLine line =
            TSearchLine::WithScore(maxNode ? -(kWinScore - 10 * p) : kWinScore - 10 * p);
        line.Moves[static_cast<size_t>(p)] = ply.PlyMove;
        return line;
    };

    Tsuivants& moves = lists_[static_cast<size_t>(p)];
    if (p == 0) {
        if (RootLines.empty()) {
            Generate(p, moves);
            for (const TMove m : moves) {
                RootLines.push_back(TSearchLine::WithScore(-kInfinity));
                RootLines.back().Moves[0] = m;
            }
        } else {
            moves.clear();
            for (const auto& line : RootLines)
                moves.push_back(line.Moves[0]);
        }
        if (moves.empty()) return lost();
        for (size_t i = 0; i < moves.size() && !cutOff(); ++i) {
            search(moves[i], i);
            if (stopped_) return best;
        }
    } else {
        // The move stored for this very position is legal here: it is tried before the
        // others are even generated, and often settles the node alone.
        const bool first = !(stored == NoMove);
        if (first) {
            search(stored, 0);
            if (stopped_) return best;
        }
        if (!cutOff()) {
            GenerateOrdered(p, moves);
            if (moves.empty() && !first) return lost();
            for (size_t i = 0; i < moves.size() && !cutOff(); ++i) {
                const TMove m = PickNext(p, i);
                if (first && m == stored) continue;
                search(m, 0);
                if (stopped_) return best;
            }
        }
    }
    if (cutOff()) NoteCutoff(p, best.Moves[static_cast<size_t>(p)]);

    // The slot found on the way in may have gone to another position during the search
    // below; then the bounds go to a fresh element rather than to a stranger's.
    if (!tabled) return best;
    if (slot < 0 || !table.Holds(slot, key)) slot = table.Store(key, hash);
    TElement& element = table.Element(slot);
    element.BestMove = best.Moves[static_cast<size_t>(p)];
    if (best.Score <= alpha)
        StoreBound(element.Upper, element.UpperDraft, element.UpperPly, best, remaining, p);
    if (alpha < best.Score && best.Score < beta) {
        StoreBound(element.Lower, element.LowerDraft, element.LowerPly, best, remaining, p);
        StoreBound(element.Upper, element.UpperDraft, element.UpperPly, best, remaining, p);
    }
    if (best.Score >= beta)
        StoreBound(element.Lower, element.LowerDraft, element.LowerPly, best, remaining, p);
    return best;
}

TSearchLine TSearch::Negascout(int p, int32_t alpha, int32_t beta) {
    if (stopped_) return TSearchLine{};
    const TPly& ply = Plies[static_cast<size_t>(p)];
    // Scores are the side to move's at every ply: a leaf's is the negation of its mover's.
    if (Depth < p) return TSearchLine::WithScore(-Evaluate(p));

    Tsuivants& moves = lists_[static_cast<size_t>(p)];
    Generate(p, moves);
    if (p == 0) {
        RootLines.clear();
        for (const TMove m : moves) {
            RootLines.push_back(TSearchLine::WithScore(-kInfinity));
            RootLines.back().Moves[0] = m;
        }
    }
    if (moves.empty()) {
        // A side that cannot move has lost, as in the other searches.
        TSearchLine lost = TSearchLine::WithScore(-(kWinScore - 10 * p));
        lost.Moves[static_cast<size_t>(p)] = ply.PlyMove;
        return lost;
    }

    TSearchLine best = TSearchLine::WithScore(alpha);
    int32_t b = beta;
    const size_t count = moves.size();
    for (size_t i = 0; i < count; ++i) {
        const TMove m = moves[i];
        const int32_t before = best.Score;
        MakeChild(p, m);
        TSearchLine child = Negascout(p + 1, -b, -best.Score);
        if (stopped_) return best;
        child.Moves[static_cast<size_t>(p)] = m;
        const int32_t t = -child.Score;
        child.Score = t;
        if (t > best.Score && t < beta && i > 0) {
            // The null window failed high: search again with the full window. The child
            // position is still in place at ply p + 1.
            best = Negascout(p + 1, -beta, -t);
            if (stopped_) return best;
            best.Moves[static_cast<size_t>(p)] = m;
            best.Score = -best.Score;
        }
        if (t > best.Score) best = child;
        if (best.Score >= beta) return best;
        b = Plus1(best.Score);
        if (p == 0 && best.Score != before) RootLines[i] = best;
    }
    return best;
}

TSearchLine TSearch::Run(TAlgorithm algorithm) {
    stopped_ = false; // a stop ends one run; the request itself is polled again
    Depth = std::clamp(Depth, 0, kMaxDepth);
    if (algorithm == TAlgorithm::Negascout) return Negascout(0, -kInfinity, kInfinity);
    // The memory-enhanced searches need a table; a game without one lends one for this run
    // only, so that it keeps playing as a game without a table.
    const bool lent = !table_;
    if (lent) table_ = std::make_unique<THashTable>(rules_->PointCount());
    // Bounds hold for the side they were scored for, the evaluation that scored them and
    // the rules of the live reserves that shaped the moves.
    const auto positive = [](int8_t r) { return r > 0 ? 1u : 0u; };
    table_->UseContext(1u | static_cast<uint32_t>(1 - rootMover_) << 1 |
                       static_cast<uint32_t>(EvalMode) << 2 | positive(LiveReserve[0]) << 10 |
                       positive(LiveReserve[1]) << 11);
    salt_ = RandomBelow(0xFFFFFFFFu);
    TSearchLine line = RunWithTable(algorithm);
    if (lent) table_.reset();
    return line;
}

TSearchLine TSearch::RunWithTable(TAlgorithm algorithm) {
    TSearchLine line;
    switch (algorithm) {
    case TAlgorithm::AlphaBeta:
        return AlphaBetaWithMemory(0, -kInfinity, kInfinity);
    case TAlgorithm::ABDual: {
        int32_t gamma = kInfinity;
        for (int pass = 0; pass < kMaxPasses; ++pass) {
            line = AlphaBetaWithMemory(0, Minus1(gamma), gamma);
            if (stopped_ || line.Score == gamma) break;
            gamma = line.Score;
        }
        return line;
    }
    case TAlgorithm::ABSSS: {
        int32_t gamma = -kInfinity;
        for (int pass = 0; pass < kMaxPasses; ++pass) {
            line = AlphaBetaWithMemory(0, gamma, Plus1(gamma));
            if (stopped_ || line.Score == gamma) break;
            gamma = line.Score;
        }
        return line;
    }
    default: {
        // MTD(f) lives on its table: it reaches its depth through the shallower ones of
        // the same parity, each handing its score and its best moves to the next.
        const int32_t target = Depth;
        int32_t g = FirstGuess;
        for (Depth = target % 2; Depth <= target && !stopped_; Depth += 2) {
            int32_t upper = kInfinity, lower = -kInfinity;
            for (int pass = 0; pass < kMaxPasses && lower < upper; ++pass) {
                const int32_t beta = g == lower ? Plus1(g) : g;
                line = AlphaBetaWithMemory(0, Minus1(beta), beta);
                if (stopped_) break;
                g = line.Score;
                if (g < beta)
                    upper = g;
                else
                    lower = g;
            }
            if (Depth < target) SortRootLines();
        }
        Depth = target;
        return line;
    }
    }
}

void TSearch::SortRootLines() {
    // Insertion sort: equal scores keep their order.
    for (size_t k = 1; k < RootLines.size(); ++k) {
        for (size_t j = k; j > 0 && RootLines[j].Score > RootLines[j - 1].Score; --j)
            std::swap(RootLines[j], RootLines[j - 1]);
    }
}

const TSearchLine* TSearch::BestRootLine() const {
    const TSearchLine* best = nullptr;
    for (const auto& line : RootLines)
        if (!best || line.Score > best->Score) best = &line;
    return best;
}

} // namespace vantorel
