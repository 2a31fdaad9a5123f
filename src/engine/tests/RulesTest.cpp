// The rules engine on hand-made positions: move lists, captures by rule, the checks and
// plays of the live game, the ply stack and move counts from the start.
#include "EngineTestSupport.h"
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::testing::BoardWith;
using vantorel::testing::Sorted;
using vantorel::testing::Variant;

namespace {

// A model and its engine, with the live position set by the test.
struct Game {
    explicit Game(const Tmodele& m) : model(m), jeu(model) {}

    void Set(const std::string& board, int whiteReserve, int blackReserve, int side = kWhite) {
        jeu.LiveBoard = board;
        jeu.LiveReserve[kWhite] = static_cast<int8_t>(whiteReserve);
        jeu.LiveReserve[kBlack] = static_cast<int8_t>(blackReserve);
        jeu.SideToMove = static_cast<uint8_t>(side);
        jeu.Loser = kUndecided;
    }
    Tsuivants Moves(int side) {
        Tsuivants list;
        jeu.LegalMoves(side, jeu.LiveBoard, list);
        return list;
    }
    Tsuivants Captures(int victim) {
        Tsuivants list;
        jeu.LegalCaptures(victim, jeu.LiveBoard, list);
        return list;
    }

    Tmodele model;
    Tjeu jeu;
};

std::vector<TMove> WithFromTo(const Tsuivants& list, int from, int to) {
    std::vector<TMove> out;
    for (const TMove& m : list)
        if (m.From == from && m.To == to) out.push_back(m);
    return out;
}

std::vector<int8_t> CapturesOf(const std::vector<TMove>& moves) {
    std::vector<int8_t> out;
    for (const TMove& m : moves)
        out.push_back(m.Capture);
    return out;
}

bool Linked(const Tmodele& m, int a, int b) {
    for (const auto& l : m.Links)
        if ((l.A == a && l.B == b) || (l.A == b && l.B == a)) return true;
    return false;
}

// Guards against placements missing a point or offered on the wrong side's turn.
TEST(RulesPlacing, EmptyBoardListsEveryPoint) {
    for (int kind : {0, 1})
        for (int side : {kWhite, kBlack}) {
            Game g{Tmodele(kind)};
            std::vector<TMove> expected;
            for (int p = 0; p < 24; ++p)
                expected.push_back({-1, static_cast<int8_t>(p), kNoCapture});
            EXPECT_EQ(Sorted(g.Moves(side)), Sorted(expected)) << kind << " " << side;
        }
}

// Guards against a mill closed while placing capturing on a board whose variant forbids
// it, or not capturing on one that allows it; and against the capture not coming first.
TEST(RulesPlacing, MillWhilePlacingDependsOnTheVariant) {
    const struct {
        int kind;
        std::vector<TMove> capturesFirst;
        size_t quiet;
        bool quietOnTwo;
    } cases[] = {
        {1, {{-1, 2, 9}, {-1, 2, 10}}, 19, false},
        {0, {}, 20, true},
    };
    for (const auto& c : cases) {
        Game g{Tmodele(c.kind)};
        g.Set(BoardWith(24, {0, 1}, {9, 10}), 7, 7);
        const Tsuivants list = g.Moves(kWhite);
        ASSERT_EQ(list.size(), c.capturesFirst.size() + c.quiet) << c.kind;
        EXPECT_TRUE(std::equal(c.capturesFirst.begin(), c.capturesFirst.end(), list.begin()));
        const std::vector<TMove> quiet(list.begin() + static_cast<long>(c.capturesFirst.size()),
                                       list.end());
        for (const TMove& m : quiet) {
            EXPECT_EQ(m.From, -1);
            EXPECT_EQ(m.Capture, kNoCapture);
        }
        const bool onTwo =
            std::find(quiet.begin(), quiet.end(), TMove{-1, 2, kNoCapture}) != quiet.end();
        EXPECT_EQ(onTwo, c.quietOnTwo) << c.kind;
    }
}

// Guards against jumping with the wrong number of pieces or under the wrong option, and
// against sliding along something other than the links.
TEST(RulesMoving, JumpOrSlideByRule) {
    enum Expect { Slide, Jump, Place };
    // No two of these white points share a mill, so no move of white closes one.
    const std::vector<int> whiteSets[] = {{0, 4, 10}, {0, 4, 10, 14}, {0, 4, 10, 14, 18}};
    const struct {
        int jumpRule;
        size_t whiteSet;
        int whiteReserve;
        Expect expect;
    } cases[] = {
        {0, 0, 0, Jump}, {0, 1, 0, Slide}, {0, 2, 0, Slide}, {1, 0, 0, Slide}, {1, 1, 0, Slide},
        {2, 0, 0, Jump}, {2, 1, 0, Jump},  {2, 2, 0, Jump},  {0, 0, 1, Place}, {2, 0, 2, Place},
    };
    for (const auto& c : cases) {
        Game g{Variant(1, c.jumpRule, 1, 1)};
        const std::vector<int>& white = whiteSets[c.whiteSet];
        std::string board = BoardWith(24, {}, {1, 13, 21});
        for (int p : white)
            board[static_cast<size_t>(p)] = 'B';
        g.Set(board, c.whiteReserve, 0);
        std::vector<TMove> expected;
        for (int to = 0; to < 24; ++to) {
            if (board[static_cast<size_t>(to)] != 'L') continue;
            if (c.expect == Place) expected.push_back({-1, static_cast<int8_t>(to), kNoCapture});
            for (int from : white)
                if (c.expect == Jump || (c.expect == Slide && Linked(g.model, from, to)))
                    expected.push_back(
                        {static_cast<int8_t>(from), static_cast<int8_t>(to), kNoCapture});
        }
        EXPECT_EQ(Sorted(g.Moves(kWhite)), Sorted(expected))
            << "JumpRule " << c.jumpRule << ", " << white.size() << " pieces, reserve "
            << c.whiteReserve;
    }
}

// Guards against the capture options taking the wrong piece, taking from an empty
// reserve, or answering CaptureKind differently from the move list.
TEST(RulesCapture, PlacingMillByCaptureRule) {
    const struct {
        int captureRule;
        int blackReserve;
        bool freeBlackPiece;
        std::vector<int8_t> captures;
        char kind;
    } cases[] = {
        {0, 0, false, {kNoCapture}, '0'},
        {0, 3, false, {kNoCapture}, '0'},
        {1, 0, false, {kNoCapture}, '0'},
        {1, 3, false, {kReserveCapture}, 'R'},
        {2, 0, false, {8, 9, 10, 16, 17, 18}, 'M'},
        {2, 3, false, {kReserveCapture}, 'R'},
        {3, 0, false, {kNoCapture}, '0'}, // white places: not its third phase
        {3, 3, false, {kReserveCapture}, 'R'},
        {0, 0, true, {23}, 'J'},
        {1, 3, true, {23}, 'J'},
        {2, 0, true, {23}, 'J'},
        {3, 3, true, {23}, 'J'},
    };
    for (const auto& c : cases) {
        Game g{Variant(1, 0, c.captureRule, 1)};
        std::string board = BoardWith(24, {0, 1}, {8, 9, 10, 16, 17, 18});
        if (c.freeBlackPiece) board[23] = 'N';
        g.Set(board, 5, c.blackReserve);
        const Tsuivants list = g.Moves(kWhite);
        const auto onTwo = WithFromTo(list, -1, 2);
        EXPECT_EQ(CapturesOf(onTwo), c.captures)
            << "CaptureRule " << c.captureRule << ", black reserve " << c.blackReserve;
        if (c.captures[0] != kNoCapture) {
            EXPECT_TRUE(std::equal(onTwo.begin(), onTwo.end(), list.begin()))
                << "capturing moves come first";
        }
        EXPECT_EQ(g.jeu.CaptureKind(kWhite, {-1, 2, kNoCapture}), c.kind)
            << "CaptureRule " << c.captureRule << ", black reserve " << c.blackReserve;
        EXPECT_EQ(g.jeu.CaptureKind(kWhite, {-1, 3, kNoCapture}), '0') << "no mill";
    }
}

// Guards against mills protecting pieces of a side that still places when the variant
// forbids captures while placing (none of its mills counts until its reserve is empty).
TEST(RulesCapture, NoProtectingMillsWhileTheOpponentStillPlaces) {
    const struct {
        int blackReserve;
        std::vector<int8_t> captures;
        int millsAtNine;
    } cases[] = {
        {2, {8, 9, 10}, 0},
        {0, {kNoCapture}, 1},
    };
    for (const auto& c : cases) {
        Game g{Tmodele(0)};
        g.Set(BoardWith(24, {0, 1, 3, 20}, {8, 9, 10}), 0, c.blackReserve);
        EXPECT_EQ(CapturesOf(WithFromTo(g.Moves(kWhite), 3, 2)), c.captures) << c.blackReserve;
        EXPECT_EQ(g.jeu.MillsAt(g.jeu.LiveBoard, 9, kBlack), c.millsAtNine);
    }
}

// Guards CaptureKind against its old third-phase test under capture rule 3: it looked at
// the victim's count where the generator looks at the mover's phase, so clicks could not
// complete the moves the computer plays. Both now follow the mover's phase.
TEST(RulesCapture, CaptureRuleThreeFollowsTheMoversPhase) {
    const struct {
        std::vector<int> white;
        std::vector<int> black;
        std::vector<int8_t> captures;
        char kind;
    } cases[] = {
        // Mover with 5, opponent down to 3 in a mill: nothing to take.
        {{0, 1, 3, 20, 22}, {8, 9, 10}, {kNoCapture}, '0'},
        // Mover in its third phase, opponent with 6 in mills: any piece.
        {{0, 1, 3}, {8, 9, 10, 16, 17, 18}, {8, 9, 10, 16, 17, 18}, 'M'},
    };
    for (const auto& c : cases) {
        Game g{Variant(1, 0, 3, 1)};
        std::string board(24, 'L');
        for (int p : c.white)
            board[static_cast<size_t>(p)] = 'B';
        for (int p : c.black)
            board[static_cast<size_t>(p)] = 'N';
        g.Set(board, 0, 0);
        EXPECT_EQ(CapturesOf(WithFromTo(g.Moves(kWhite), 3, 2)), c.captures);
        EXPECT_EQ(g.jeu.CaptureKind(kWhite, {3, 2, kNoCapture}), c.kind);
    }
}

// Guards against LegalCaptures applying the generator's phase condition, reordering, or
// offering a reserve piece that is not there.
TEST(RulesCapture, LegalCapturesByRule) {
    const auto only = [](std::vector<int> points) {
        Tsuivants list;
        for (int p : points)
            list.push_back({-2, -2, static_cast<int8_t>(p)});
        return list;
    };
    const struct {
        int captureRule;
        int captureWhilePlacing;
        int blackReserve;
        std::vector<int> black;
        Tsuivants expected;
    } cases[] = {
        {0, 1, 0, {8, 9, 10, 16, 17, 18}, {}},
        {0, 1, 3, {8, 9, 10, 16, 17, 18}, {}},
        {1, 1, 0, {8, 9, 10, 16, 17, 18}, {}},
        {1, 1, 3, {8, 9, 10, 16, 17, 18}, {{-2, -2, kReserveCapture}}},
        {2, 1, 0, {8, 9, 10, 16, 17, 18}, only({8, 9, 10, 16, 17, 18})},
        {2, 1, 3, {8, 9, 10, 16, 17, 18}, {{-2, -2, kReserveCapture}}},
        {3, 1, 0, {8, 9, 10, 16, 17, 18}, only({8, 9, 10, 16, 17, 18})},
        {3, 1, 3, {8, 9, 10, 16, 17, 18}, {{-2, -2, kReserveCapture}}},
        {0, 1, 0, {23, 8, 9, 10, 5}, only({5, 23})},
        {2, 1, 3, {23, 8, 9, 10, 5}, only({5, 23})},
        {0, 0, 2, {8, 9, 10, 16, 17, 18}, only({8, 9, 10, 16, 17, 18})},
        {1, 0, 0, {8, 9, 10, 16, 17, 18}, {}},
    };
    for (const auto& c : cases) {
        Game g{Variant(1, 0, c.captureRule, c.captureWhilePlacing)};
        std::string board = BoardWith(24, {0, 1, 3}, {});
        for (int p : c.black)
            board[static_cast<size_t>(p)] = 'N';
        g.Set(board, 0, c.blackReserve);
        EXPECT_EQ(g.Captures(kBlack), c.expected)
            << "CaptureRule " << c.captureRule << ", placing captures " << c.captureWhilePlacing
            << ", black reserve " << c.blackReserve;
    }
}

// Guards against counting mills of the wrong side, mills through other points, or mills
// of a side whose reserve makes them not count.
TEST(RulesMillsAt, CountsCompleteMillsThroughThePoint) {
    const struct {
        int captureWhilePlacing;
        int blackReserve;
        int point;
        int side;
        int expected;
    } cases[] = {
        {1, 0, 8, kBlack, 2}, {1, 0, 9, kBlack, 1},  {1, 0, 14, kBlack, 1}, {1, 0, 8, kWhite, 0},
        {1, 0, 0, kWhite, 1}, {1, 0, 11, kBlack, 0}, {1, 5, 8, kBlack, 2},  {0, 5, 8, kBlack, 0},
        {0, 5, 0, kWhite, 1}, {0, 0, 8, kBlack, 2},  {1, 0, 24, kBlack, 0}, {1, 0, -1, kBlack, 0},
    };
    for (const auto& c : cases) {
        Game g{Variant(1, 0, 1, c.captureWhilePlacing)};
        g.Set(BoardWith(24, {0, 1, 2}, {8, 9, 10, 14, 15}), 0, c.blackReserve);
        EXPECT_EQ(g.jeu.MillsAt(g.jeu.LiveBoard, c.point, c.side), c.expected)
            << "point " << c.point << " side " << c.side << " reserve " << c.blackReserve
            << " placing captures " << c.captureWhilePlacing;
    }
}

// Guards against lists offered on a finished game or while the game is being stopped.
TEST(RulesGenerate, NothingToPlayWhenTheGameIsOver) {
    struct Status : TGameStatusSource {
        int status = 0;
        int GameStatus() const override { return status; }
    } status;
    Tmodele model(1);
    Tjeu jeu(model, kWhite, &status);
    Tsuivants list;
    jeu.LegalMoves(kWhite, jeu.LiveBoard, list);
    EXPECT_EQ(list.size(), 24u);
    status.status = -1;
    list.clear();
    jeu.LegalMoves(kWhite, jeu.LiveBoard, list);
    EXPECT_TRUE(list.empty()) << "a game being stopped generates nothing";

    Game g{Tmodele(1)};
    for (int side : {kWhite, kBlack}) {
        g.Set(BoardWith(24, {0, 4, 10}, {8, 9}), 0, 0);
        EXPECT_TRUE(g.Moves(side).empty()) << "black has two pieces";
        g.Set(BoardWith(24, {0, 4}, {8, 9, 20}), 0, 0);
        EXPECT_TRUE(g.Moves(side).empty()) << "white has two pieces";
        g.Set(BoardWith(24, {0, 4}, {8, 9, 20}), 1, 0);
        EXPECT_FALSE(g.Moves(side).empty()) << "the reserve counts";
    }
}

// Guards against a wrong loser code: the wrong side, MinPieces used instead of three,
// reserve pieces not counted, or a blocked side not losing.
TEST(RulesPlayMove, LoserCodes) {
    const struct {
        const char* what;
        std::vector<int> white, black;
        int whiteReserve, blackReserve, side;
        TMove move;
        int minPieces;
        int expected;
    } cases[] = {
        {"black left with two", {0, 1, 3, 20}, {9, 16, 22}, 0, 0, kWhite, {3, 2, 9}, 3, 1},
        {"black blocked", {1, 3, 5, 15}, {0, 2, 4, 6}, 0, 0, kWhite, {15, 7, -2}, 3, 1},
        {"white left with two", {5, 12, 20}, {8, 9}, 0, 1, kBlack, {-1, 10, 5}, 3, 0},
        {"both below three", {0, 1}, {8, 9}, 0, 0, kWhite, {0, 7, -2}, 3, kBothLost},
        {"reserve capture leaves two", {0, 1}, {8, 9}, 4, 1, kWhite, {-1, 2, -1}, 3, 1},
        {"three left, MinPieces 4", {0, 1, 3, 20}, {9, 16, 22, 5}, 0, 0, kWhite, {3, 2, 9}, 4, -1},
        {"first placement", {}, {}, 9, 9, kWhite, {-1, 0, -2}, 3, kUndecided},
        {"reserve keeps black alive", {0, 1, 3, 20}, {9, 16, 22}, 0, 1, kWhite, {3, 2, 9}, 3, -1},
    };
    for (const auto& c : cases) {
        Tmodele model(1);
        model.MinPieces = c.minPieces;
        Game g{model};
        std::string board(24, 'L');
        for (int p : c.white)
            board[static_cast<size_t>(p)] = 'B';
        for (int p : c.black)
            board[static_cast<size_t>(p)] = 'N';
        g.Set(board, c.whiteReserve, c.blackReserve, c.side);
        EXPECT_EQ(g.jeu.PlayMove(c.side, true, c.move), c.expected) << c.what;
        EXPECT_EQ(g.jeu.Loser, c.expected) << c.what;
    }
}

// Guards against PlayMove changing the wrong point or reserve, or ignoring SwitchTurn.
TEST(RulesPlayMove, AppliesTheMoveToTheLivePosition) {
    const auto board = [](std::initializer_list<int> white, std::initializer_list<int> black) {
        return BoardWith(24, white, black);
    };
    const struct {
        const char* what;
        int side;
        bool switchTurn;
        TMove move;
        std::string board;
        int whiteReserve, blackReserve;
        int sideToMove;
    } cases[] = {
        {"placement", kWhite, true, {-1, 2, -2}, board({0, 1, 2, 3}, {9, 10, 11}), 4, 6, kBlack},
        {"same side again", kWhite, false, {-1, 2, -2}, board({0, 1, 2, 3}, {9, 10, 11}), 4, 6, 0},
        {"placing capture", kWhite, true, {-1, 2, 10}, board({0, 1, 2, 3}, {9, 11}), 4, 6, kBlack},
        {"reserve capture", kWhite, true, {-1, 2, -1}, board({0, 1, 2, 3}, {9, 10, 11}), 4, 5, 1},
        {"black slide", kBlack, true, {11, 12, -2}, board({0, 1, 3}, {9, 10, 12}), 5, 6, kWhite},
        {"slide capturing", kBlack, true, {11, 12, 3}, board({0, 1}, {9, 10, 12}), 5, 6, kWhite},
    };
    for (const auto& c : cases) {
        Game g{Tmodele(1)};
        g.Set(BoardWith(24, {0, 1, 3}, {9, 10, 11}), 5, 6, c.side);
        g.jeu.PlayMove(c.side, c.switchTurn, c.move);
        EXPECT_EQ(g.jeu.LiveBoard, c.board) << c.what;
        EXPECT_EQ(g.jeu.LiveReserve[kWhite], c.whiteReserve) << c.what;
        EXPECT_EQ(g.jeu.LiveReserve[kBlack], c.blackReserve) << c.what;
        EXPECT_EQ(g.jeu.SideToMove, c.sideToMove) << c.what;
        EXPECT_EQ(g.jeu.LastMove, c.move) << c.what;
    }
}

// Guards against a check code out of order (the first failing test decides) or a
// legal-looking move with the wrong capture byte being accepted.
TEST(RulesCheckMove, Codes) {
    const struct {
        int side;
        TMove move;
        int whiteReserve;
        int loser;
        int expected;
    } cases[] = {
        {kWhite, {-1, 2, 9}, 7, -1, kMoveLegal},
        {kWhite, {-1, 3, -2}, 7, -1, kMoveLegal},
        {kBlack, {-1, 2, -2}, 7, -1, kMoveLegal},
        {kWhite, {-1, 24, -2}, 7, -1, kToOffBoard},
        {kWhite, {-1, -1, -2}, 7, -1, kToOffBoard},
        {kWhite, {-1, 24, 30}, 0, 1, kToOffBoard},
        {kWhite, {-1, 2, 24}, 7, -1, kCaptureOffBoard},
        {kWhite, {-1, 2, 100}, 0, 1, kCaptureOffBoard},
        {kWhite, {-1, 5, -2}, 0, -1, kReserveEmpty},
        {kWhite, {-1, 0, 5}, 0, 1, kReserveEmpty},
        {kWhite, {-1, 0, -2}, 7, -1, kToOccupied},
        {kWhite, {-1, 9, 5}, 7, 1, kToOccupied},
        {kWhite, {-1, 2, 5}, 7, 1, kCaptureEmpty},
        {kWhite, {-1, 2, 0}, 7, 1, kCaptureOwnPiece},
        {kBlack, {-1, 2, 9}, 7, -1, kCaptureOwnPiece},
        {kWhite, {-1, 2, 9}, 7, 1, kGameDecided},
        {kWhite, {-1, 2, 9}, 7, kBothLost, kGameDecided},
        {kWhite, {-1, 2, -2}, 7, -1, kNotLegal},
        {kWhite, {-1, 2, -1}, 7, -1, kNotLegal},
        {kWhite, {-1, 3, 9}, 7, -1, kNotLegal},
        {kWhite, {0, 2, -2}, 7, -1, kNotLegal},
        {kWhite, {30, 2, 9}, 7, -1, kNotLegal},
    };
    for (const auto& c : cases) {
        Game g{Tmodele(1)};
        g.Set(BoardWith(24, {0, 1}, {9, 10}), c.whiteReserve, 7, c.side);
        g.jeu.Loser = static_cast<int8_t>(c.loser);
        EXPECT_EQ(g.jeu.CheckMove(c.side, c.move), c.expected)
            << "side " << c.side << " move " << ::testing::PrintToString(c.move);
    }
}

// Guards against a quiet-move order that ignores the seed (not reproducible) or does
// not depend on it (not shuffled), and against quiet moves passing capturing ones.
TEST(RulesOrder, QuietMovesFollowTheSeed) {
    Game g{Tmodele(1)};
    g.Set(BoardWith(24, {0, 1}, {9, 10}), 7, 7);
    const auto listFor = [&g](uint32_t seed) {
        RandSeed(seed);
        return g.Moves(kWhite);
    };
    const Tsuivants first = listFor(11);
    EXPECT_EQ(listFor(11), first);
    int differing = 0;
    for (uint32_t seed = 12; seed < 20; ++seed) {
        const Tsuivants other = listFor(seed);
        EXPECT_EQ(Sorted(other), Sorted(first));
        EXPECT_EQ(other[0], (TMove{-1, 2, 9}));
        EXPECT_EQ(other[1], (TMove{-1, 2, 10}));
        if (other != first) ++differing;
    }
    EXPECT_GE(differing, 7);
    // Not simply ascending either.
    const Tsuivants quiet(first.begin() + 2, first.end());
    EXPECT_NE(quiet, Sorted(quiet));
}

// Guards against MakeChild touching its parent, forgetting a reserve, or giving the
// child the wrong mover or move.
TEST(RulesPly, MakeChildSemantics) {
    const struct {
        const char* what;
        TMove move;
        std::string child;
        int whiteReserve, blackReserve;
    } cases[] = {
        {"placement", {-1, 2, -2}, BoardWith(24, {0, 1, 2, 3}, {9, 10}), 4, 6},
        {"slide", {3, 4, -2}, BoardWith(24, {0, 1, 4}, {9, 10}), 5, 6},
        {"capture", {3, 2, 9}, BoardWith(24, {0, 1, 2}, {10}), 5, 6},
        {"reserve capture", {-1, 2, -1}, BoardWith(24, {0, 1, 2, 3}, {9, 10}), 4, 5},
        {"capture-only triple", {-2, -2, 10}, BoardWith(24, {0, 1, 3}, {9}), 4, 6},
        {"jump", {0, 23, -2}, BoardWith(24, {1, 3, 23}, {9, 10}), 5, 6},
    };
    for (const auto& c : cases) {
        Game g{Tmodele(1)};
        const std::string parent = BoardWith(24, {0, 1, 3}, {9, 10});
        const int8_t reserve[2] = {5, 6};
        g.jeu.LoadPly(0, parent, reserve, kBlack);
        g.jeu.MakeChild(0, c.move);
        EXPECT_EQ(g.jeu.PlyBoard(1), c.child) << c.what;
        EXPECT_EQ(g.jeu.Plies[1].Reserve[kWhite], c.whiteReserve) << c.what;
        EXPECT_EQ(g.jeu.Plies[1].Reserve[kBlack], c.blackReserve) << c.what;
        EXPECT_EQ(g.jeu.Plies[1].Mover, kWhite) << c.what;
        EXPECT_EQ(g.jeu.Plies[1].PlyMove, c.move) << c.what;
        EXPECT_EQ(g.jeu.PlyBoard(0), parent) << c.what;
        EXPECT_EQ(g.jeu.Plies[0].Reserve[kWhite], 5) << c.what;
        EXPECT_EQ(g.jeu.Plies[0].Reserve[kBlack], 6) << c.what;
        EXPECT_EQ(g.jeu.Plies[0].Mover, kBlack) << c.what;
        EXPECT_EQ(g.jeu.Plies[0].PlyMove, NoMove) << c.what;

        // The grandchild is black's move; going back to ply 1 is all an undo takes.
        g.jeu.MakeChild(1, {-1, 20, -2});
        EXPECT_EQ(g.jeu.Plies[2].Mover, kBlack) << c.what;
        EXPECT_EQ(g.jeu.Plies[2].Reserve[kBlack], c.blackReserve - 1) << c.what;
        EXPECT_EQ(g.jeu.PlyBoard(1), c.child) << c.what;
    }
}

// Guards against a search running off the end of the ply stack.
TEST(RulesPly, StackEndIsGuarded) {
    Game g{Tmodele(1)};
    const int8_t reserve[2] = {9, 9};
    g.jeu.LoadPly(0, g.jeu.LiveBoard, reserve, kBlack);
    for (int ply = 0; ply + 1 < Tjeu::kPlyCount; ++ply)
        g.jeu.MakeChild(ply, {-1, static_cast<int8_t>(ply % 24), kNoCapture});
    EXPECT_THROW(g.jeu.MakeChild(Tjeu::kPlyCount - 1, {-1, 0, kNoCapture}), std::out_of_range);
}

// Guards against lost or duplicated placements deep in the tree: the first plies are
// pure placements, 24 × 23 × 22 × 21 leaves at depth 4.
TEST(RulesPerft, EmptyBoard) {
    const uint64_t expected[] = {1, 24, 552, 12144, 255024};
    for (int kind : {1, 0}) {
        Game g{Tmodele(kind)};
        g.jeu.LoadPly(0, g.jeu.LiveBoard, g.jeu.LiveReserve, kBlack);
        for (int depth = 0; depth <= 4; ++depth)
            EXPECT_EQ(g.jeu.Perft(depth), expected[depth]) << "kind " << kind << " depth " << depth;
    }
}

// Guards against the engine starting from anything but an empty board with the full
// reserves of the variant.
TEST(RulesEngine, StartsFromTheVariant) {
    const Tmodele model = vantorel::testing::CustomModel();
    Tjeu jeu(model, kBlack);
    EXPECT_EQ(jeu.LiveBoard, std::string(5, 'L'));
    EXPECT_EQ(jeu.BufferSize(), 6);
    EXPECT_EQ(jeu.LiveReserve[kWhite], 4);
    EXPECT_EQ(jeu.LiveReserve[kBlack], 5);
    EXPECT_EQ(jeu.SideToMove, kBlack);
    EXPECT_EQ(jeu.Loser, kUndecided);
    EXPECT_EQ(jeu.LastMove, NoMove);
    EXPECT_EQ(jeu.Plies[0].Reserve[kWhite], 4);
    EXPECT_EQ(jeu.Plies[30].Reserve[kBlack], 5);
}

} // namespace
