#pragma once
// Small helpers shared by the engine tests: readable move printing, board strings and
// variants of the built-in boards with other rule options.
#include "engine/TMove.h"
#include "engine/Tmodele.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace vantorel {

// gtest finds this through the argument's namespace, so failures show triples.
inline void PrintTo(const TMove& move, std::ostream* os) {
    *os << "(" << int{move.From} << "," << int{move.To} << "," << int{move.Capture} << ")";
}

} // namespace vantorel

namespace vantorel::testing {

// A board string of `points` points with white ('B') and black ('N') pieces where asked.
inline std::string BoardWith(int points, std::initializer_list<int> white,
                             std::initializer_list<int> black) {
    std::string board(static_cast<size_t>(points), 'L');
    for (int p : white)
        board[static_cast<size_t>(p)] = 'B';
    for (int p : black)
        board[static_cast<size_t>(p)] = 'N';
    return board;
}

// A built-in board (kind 0 or 1) with the given rule options.
inline Tmodele Variant(int kind, int jumpRule, int captureRule, int captureWhilePlacing) {
    Tmodele model(kind);
    model.JumpRule = jumpRule;
    model.CaptureRule = captureRule;
    model.CaptureWhilePlacing = captureWhilePlacing;
    return model;
}

// A model that exercises every field with values far from the defaults.
inline Tmodele CustomModel() {
    Tmodele m(-1);
    m.Kind = 123456;
    m.Day = 29;
    m.Month = 2;
    m.Year = 2024;
    m.Name = "Moulin à l'été";
    m.Description = {"Première ligne", "", "troisième ; avec § et €"};
    m.Points = {{0.05, -11.95}, {-12, 12}, {11.95, 0.05}, {0, 0}, {1e-3, -7.5}};
    m.Links = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}};
    m.Mills = {{0, 1, 2}, {2, 3, 4}};
    m.PiecesPerSide[0] = 4;
    m.PiecesPerSide[1] = 5;
    m.ExtraReal = 0.1;
    m.MinPieces = 2;
    m.ExtraInt1 = -70000;
    m.ExtraInt2 = 300;
    m.MinDepth = 6;
    m.JumpRule = 2;
    m.DiceRule = 1;
    m.CaptureRule = 3;
    m.CaptureWhilePlacing = 0;
    m.Identity = 4321;
    return m;
}

inline std::vector<TMove> Sorted(std::vector<TMove> moves) {
    std::sort(moves.begin(), moves.end(),
              [](const TMove& a, const TMove& b) { return a.Packed() < b.Packed(); });
    return moves;
}

} // namespace vantorel::testing
