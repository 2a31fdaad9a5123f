// The engine's move, capture and capture-kind answers compared with a second, deliberately
// plain implementation of the same rules: board strings, loops over the tables, nothing
// precomputed. Positions come from seeded random games and from random boards, on the
// built-in boards and on odd ones (loops, repeated links and mills, boards past 64 and up
// to 128 points), under every jump rule, capture rule and placing-capture option.
#include "EngineTestSupport.h"
#include "PlainRules.h"
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::testing::PieceOf;
using vantorel::testing::PlainPosition;
using vantorel::testing::PlainRules;
using vantorel::testing::Sorted;

namespace {

// The game's move order: a capturing triple passes every quiet one before it; a quiet
// one passes a quiet one when the program's generator draws an even number below 18.
std::vector<TMove> InGenerationOrder(const std::vector<TMove>& generated) {
    std::vector<TMove> list;
    for (const TMove& m : generated) {
        list.push_back(m);
        for (size_t at = list.size() - 1; at > 0; --at) {
            if (list[at - 1].Capture != kNoCapture) break;
            if (m.Capture == kNoCapture && RandomBelow(18) % 2 != 0) break;
            std::swap(list[at - 1], list[at]);
        }
    }
    return list;
}

// ------------------------------------------------------------------ boards

// A board of `points` points on a ring, with extra random links and mills, some of them
// repeated and a few links from a point to itself.
Tmodele OddBoard(int points, int extraLinks, int mills, int pieces, uint32_t seed) {
    std::mt19937 random(seed);
    const auto point = [&] {
        return static_cast<int16_t>(random() % static_cast<unsigned>(points));
    };
    Tmodele m(-1);
    m.Kind = 1000 + points;
    m.Name = "Plateau " + std::to_string(points);
    for (int i = 0; i < points; ++i)
        m.Points.push_back({static_cast<double>(i % 12), static_cast<double>(i / 12)});
    for (int i = 0; i < points; ++i)
        m.Links.push_back({static_cast<int16_t>(i), static_cast<int16_t>((i + 1) % points)});
    for (int i = 0; i < extraLinks; ++i) {
        const int16_t a = point();
        const int16_t b = i % 17 == 0 ? a : point();
        m.Links.push_back({a, b});
        if (i % 11 == 0) m.Links.push_back({b, a});
    }
    while (static_cast<int>(m.Mills.size()) < mills) {
        if (m.Mills.size() % 3 == 0) {
            const int16_t a = point();
            m.Mills.push_back({a, static_cast<int16_t>((a + 1) % points),
                               static_cast<int16_t>((a + 2) % points)});
        } else {
            const int16_t a = point(), b = point(), c = point();
            if (a != b && b != c && a != c) m.Mills.push_back({a, b, c});
        }
        if (m.Mills.size() % 13 == 0) m.Mills.push_back(m.Mills.back());
    }
    m.PiecesPerSide[0] = pieces;
    m.PiecesPerSide[1] = pieces;
    return m;
}

// Ten points, crowded: repeated links, a loop, a mill listed twice in another order.
Tmodele SmallBoard() {
    Tmodele m(-1);
    m.Kind = 4242;
    for (int i = 0; i < 10; ++i)
        m.Points.push_back({static_cast<double>(i), 0});
    for (int i = 0; i < 10; ++i)
        m.Links.push_back({static_cast<int16_t>(i), static_cast<int16_t>((i + 1) % 10)});
    m.Links.insert(m.Links.end(), {{0, 5}, {2, 7}, {3, 4}, {6, 6}, {5, 0}, {9, 4}});
    m.Mills = {{0, 1, 2}, {2, 3, 4}, {4, 5, 6}, {6, 7, 8}, {8, 9, 0}, {1, 5, 9}, {4, 3, 2}};
    m.PiecesPerSide[0] = 4;
    m.PiecesPerSide[1] = 4;
    return m;
}

enum Geometry { Marelle, Morris, Small, Odd70, Odd128 };

struct Case {
    Geometry geometry;
    int jumpRule, captureRule, captureWhilePlacing;
};

Tmodele ModelFor(const Case& c) {
    Tmodele m;
    switch (c.geometry) {
    case Marelle:
        m = Tmodele(0);
        break;
    case Morris:
        m = Tmodele(1);
        break;
    case Small:
        m = SmallBoard();
        break;
    case Odd70:
        m = OddBoard(70, 40, 45, 9, 70);
        break;
    case Odd128:
        m = OddBoard(128, 60, 60, 12, 128);
        break;
    }
    m.JumpRule = c.jumpRule;
    m.CaptureRule = c.captureRule;
    m.CaptureWhilePlacing = c.captureWhilePlacing;
    return m;
}

std::string Describe(const PlainPosition& p) {
    std::ostringstream out;
    out << "board " << p.board << ", reserves " << p.reserve[0] << "/" << p.reserve[1] << ", mover "
        << p.mover << ", live reserves " << p.liveReserve[0] << "/" << p.liveReserve[1];
    return out.str();
}

std::string Describe(const std::vector<TMove>& moves) {
    std::string text;
    for (const TMove& m : moves)
        text += ::testing::PrintToString(m) + " ";
    return text;
}

// Same capturing triples first in the same order, then the same quiet triples in any
// order.
::testing::AssertionResult SameMoves(const Tsuivants& engine, const std::vector<TMove>& plain) {
    std::vector<TMove> captures, quiet;
    for (const TMove& m : plain)
        (m.Capture == kNoCapture ? quiet : captures).push_back(m);
    const auto fail = [&](const char* why) {
        return ::testing::AssertionFailure()
               << why << "\n  engine: " << Describe(engine) << "\n  plain:  " << Describe(plain);
    };
    if (engine.size() != plain.size()) return fail("different move counts");
    if (!std::equal(captures.begin(), captures.end(), engine.begin()))
        return fail("different capturing prefix");
    const std::vector<TMove> rest(engine.begin() + static_cast<long>(captures.size()),
                                  engine.end());
    if (Sorted(rest) != Sorted(quiet)) return fail("different quiet moves");
    return ::testing::AssertionSuccess();
}

// ------------------------------------------------------------------ the comparison

class ReferenceRules : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        model_ = ModelFor(GetParam());
        ASSERT_TRUE(model_.IsPlayable()) << model_.PlayabilityProblem();
        plain_ = std::make_unique<PlainRules>(model_);
        const Case& c = GetParam();
        seed_ = static_cast<uint32_t>(1 + c.geometry * 1000 + c.jumpRule * 100 +
                                      c.captureRule * 10 + c.captureWhilePlacing);
    }

    int Points() const { return model_.PointCount(); }

    // Ply `ply` of `jeu` as a plain position, with the engine's live reserves.
    PlainPosition PlyPosition(const Tjeu& jeu, int ply) const {
        const TPly& p = jeu.Plies[static_cast<size_t>(ply)];
        return {jeu.PlyBoard(ply),
                {p.Reserve[0], p.Reserve[1]},
                p.Mover,
                {jeu.LiveReserve[0], jeu.LiveReserve[1]}};
    }

    // Moves and captures of one ply, compared; false (with a failure) on a difference.
    bool CompareAtPly(Tjeu& jeu, int ply) {
        const PlainPosition p = PlyPosition(jeu, ply);
        Tsuivants moves;
        jeu.GenerateMoves(ply, moves);
        EXPECT_TRUE(SameMoves(moves, plain_->Moves(p))) << Describe(p);
        Tsuivants captures;
        jeu.GenerateCaptures(ply, captures);
        EXPECT_EQ(captures, plain_->Captures(p)) << Describe(p);
        return !HasFailure();
    }

    bool CompareCaptureKinds(Tjeu& jeu, const Tsuivants& moves, std::mt19937& random) {
        const int side = jeu.SideToMove;
        const int live[2] = {jeu.LiveReserve[0], jeu.LiveReserve[1]};
        for (size_t i = 0; i < moves.size(); ++i) {
            const TMove m = moves[i];
            // Every capturing move and a sample of the quiet ones.
            if (m.Capture == kNoCapture && random() % 8 != 0) continue;
            EXPECT_EQ(jeu.CaptureKind(side, m), plain_->CaptureKind(jeu.LiveBoard, live, side, m))
                << "move " << ::testing::PrintToString(m) << " of side " << side << " on "
                << jeu.LiveBoard << " live reserves " << live[0] << "/" << live[1];
            if (HasFailure()) return false;
        }
        return true;
    }

    // Random games from the start: the live position, one child and one grandchild of it
    // (where the ply reserves have moved away from the live ones) at every move.
    void PlayRandomGames(int games, int maxPlies) {
        std::mt19937 random(seed_);
        RandSeed(seed_);
        for (int game = 0; game < games; ++game) {
            Tjeu jeu(model_);
            for (int ply = 0; ply < maxPlies && jeu.Loser == kUndecided; ++ply) {
                const int side = jeu.SideToMove;
                jeu.LoadPly(0, jeu.LiveBoard, jeu.LiveReserve, 1 - side);
                if (!CompareAtPly(jeu, 0)) return;
                Tsuivants moves;
                jeu.LegalMoves(side, jeu.LiveBoard, moves);
                ASSERT_FALSE(moves.empty()) << "an undecided game has moves";
                if (!CompareCaptureKinds(jeu, moves, random)) return;

                const TMove chosen = moves[random() % moves.size()];
                jeu.LoadPly(0, jeu.LiveBoard, jeu.LiveReserve, 1 - side);
                jeu.MakeChild(0, chosen);
                if (!CompareAtPly(jeu, 1)) return;
                Tsuivants replies;
                jeu.GenerateMoves(1, replies);
                if (!replies.empty()) {
                    jeu.MakeChild(1, replies[random() % replies.size()]);
                    if (!CompareAtPly(jeu, 2)) return;
                }

                const int8_t loser = jeu.PlayMove(side, true, chosen);
                const int live[2] = {jeu.LiveReserve[0], jeu.LiveReserve[1]};
                ASSERT_EQ(loser, plain_->Loser(jeu.LiveBoard, live, side))
                    << "after " << ::testing::PrintToString(chosen) << " on " << jeu.LiveBoard;
                ++positions_;
            }
        }
    }

    // Pieces of `side` on the points of a random mill of the table, as many as it takes
    // (all three, or two with the third left empty).
    void FillMill(std::string& board, int side, bool complete, std::mt19937& random) const {
        const TMillRec& mill = model_.Mills[random() % model_.Mills.size()];
        const int points[3] = {mill.P1, mill.P2, mill.P3};
        for (int k = 0; k < 3; ++k) {
            char& at = board[static_cast<size_t>(points[k])];
            if (at != 'L') return;
            if (complete || k < 2) at = PieceOf(side);
        }
    }

    // Boards filled at random, with reserves the game could not produce as well. The
    // mill-heavy ones put the side that just moved in complete mills and give the side to
    // move mills to close: that is where the reserve and any-piece captures live.
    void CheckRandomBoards(int count, bool millHeavy) {
        std::mt19937 random(seed_ * 7 + (millHeavy ? 5 : 3));
        RandSeed(seed_ + 1);
        Tjeu jeu(model_);
        const int counts[] = {2, 3, 3, 3, 4, 5, 7, 9, 14};
        const int plyReserves[] = {-1, 0, 0, 0, 0, 1, 2, 6};
        const int liveReserves[] = {0, 0, 0, 1, 3};
        for (int i = 0; i < count; ++i) {
            std::string board(static_cast<size_t>(Points()), 'L');
            const int mover = static_cast<int>(random() % 2); // made the last move
            if (millHeavy) {
                for (unsigned k = 0, mills = 1 + random() % 3; k < mills; ++k)
                    FillMill(board, mover, true, random);
                for (unsigned k = 0, mills = 1 + random() % 2; k < mills; ++k)
                    FillMill(board, 1 - mover, false, random);
            }
            for (int side : {kWhite, kBlack}) {
                // More pieces: any number, or a few beside the mills.
                int wanted = std::min(counts[random() % 9], Points() / 3);
                if (millHeavy)
                    wanted = side == mover ? static_cast<int>(random() % 4 == 0)
                                           : static_cast<int>(random() % 3);
                const auto empty = std::count(board.begin(), board.end(), 'L');
                wanted = std::min(wanted, static_cast<int>(empty) - 1);
                for (int placed = 0; placed < wanted;) {
                    const size_t q = random() % static_cast<unsigned>(Points());
                    if (board[q] != 'L') continue;
                    board[q] = PieceOf(side);
                    ++placed;
                }
            }
            const int8_t reserve[2] = {static_cast<int8_t>(plyReserves[random() % 8]),
                                       static_cast<int8_t>(plyReserves[random() % 8])};
            jeu.LiveReserve[0] = static_cast<int8_t>(liveReserves[random() % 5]);
            jeu.LiveReserve[1] = static_cast<int8_t>(liveReserves[random() % 5]);
            jeu.LoadPly(0, board, reserve, mover);
            if (!CompareAtPly(jeu, 0)) return;
            const int live[2] = {jeu.LiveReserve[0], jeu.LiveReserve[1]};
            for (int q = 0; q < Points(); ++q)
                for (int side : {kWhite, kBlack})
                    ASSERT_EQ(jeu.MillsAt(board, q, side), plain_->MillsAt(board, q, side, live))
                        << "point " << q << " side " << side << " on " << board;

            // The same board as a live position, for the capture kinds of its moves.
            Tsuivants moves;
            jeu.GenerateMoves(0, moves);
            jeu.LiveBoard = board;
            jeu.SideToMove = static_cast<uint8_t>(1 - mover);
            if (!CompareCaptureKinds(jeu, moves, random)) return;
            ++positions_;
        }
    }

    Tmodele model_;
    std::unique_ptr<PlainRules> plain_;
    uint32_t seed_ = 0;
    int positions_ = 0;
};

// Guards against any difference between the engine's fast generator and the plain
// reading of the rules: candidates, capture expansion by rule, the live-reserve rule of
// mills, the placing-capture option, jumps, the capture kind and the loser code.
TEST_P(ReferenceRules, SameMovesCapturesAndResults) {
    const bool large = GetParam().geometry == Odd70 || GetParam().geometry == Odd128;
    PlayRandomGames(large ? 1 : 2, large ? 50 : 90);
    if (HasFailure()) return;
    CheckRandomBoards(large ? 10 : 40, false);
    if (HasFailure()) return;
    CheckRandomBoards(large ? 20 : 60, true);
    EXPECT_GT(positions_, large ? 20 : 60);
}

// Guards against a shuffle that draws more or fewer numbers than one per quiet pair, lets a
// quiet move pass a capturing one, or holds a capturing one back: with the same seed the
// engine's list is exactly the plain candidates put in the game's order.
TEST_P(ReferenceRules, ExactOrderForAGivenSeed) {
    std::mt19937 random(seed_ + 99);
    RandSeed(seed_);
    Tjeu jeu(model_);
    for (int ply = 0; ply < 40 && jeu.Loser == kUndecided; ++ply) {
        const int side = jeu.SideToMove;
        jeu.LoadPly(0, jeu.LiveBoard, jeu.LiveReserve, 1 - side);
        const PlainPosition p = PlyPosition(jeu, 0);
        const uint32_t seed = static_cast<uint32_t>(random());
        RandSeed(seed);
        Tsuivants engine;
        jeu.GenerateMoves(0, engine);
        RandSeed(seed);
        const std::vector<TMove> expected = InGenerationOrder(plain_->Moves(p));
        ASSERT_EQ(engine, expected) << Describe(p);
        bool quietSeen = false;
        for (const TMove& m : engine) {
            ASSERT_FALSE(quietSeen && m.Capture != kNoCapture) << "capture after a quiet move";
            quietSeen = quietSeen || m.Capture == kNoCapture;
        }
        jeu.PlayMove(side, true, engine[random() % engine.size()]);
    }
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (Geometry g : {Marelle, Morris, Small, Odd70, Odd128})
        for (int jump = 0; jump <= 2; ++jump)
            for (int capture = 0; capture <= 3; ++capture)
                for (int placing = 0; placing <= 1; ++placing) {
                    // The large boards are slow to compare: every rule once, not every pair.
                    const bool large = g == Odd70 || g == Odd128;
                    if (large && (jump + capture + placing) % 2 != (g == Odd70 ? 0 : 1)) continue;
                    cases.push_back({g, jump, capture, placing});
                }
    return cases;
}

std::string CaseText(const Case& c) {
    static const char* const names[] = {"Marelle", "Morris", "Small", "Odd70", "Odd128"};
    return std::string(names[c.geometry]) + "_Jump" + std::to_string(c.jumpRule) + "_Capture" +
           std::to_string(c.captureRule) + "_Placing" + std::to_string(c.captureWhilePlacing);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return CaseText(info.param);
}

// Failures name the case instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << CaseText(c);
}

INSTANTIATE_TEST_SUITE_P(Rules, ReferenceRules, ::testing::ValuesIn(AllCases()), CaseName);

} // namespace
