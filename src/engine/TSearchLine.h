#pragma once
#include "TMove.h"

#include <array>
#include <cstdint>

namespace vantorel {

inline constexpr int32_t kInfinity = 2147483647; // never the most negative int32
inline constexpr int32_t kWinScore = 5000000;
inline constexpr int kLineLength = 31;

// A score and the moves expected from the root: Moves[p] is played at ply p.
struct TSearchLine {
    int32_t Score = 0;
    std::array<TMove, kLineLength> Moves = Cleared();

    static constexpr std::array<TMove, kLineLength> Cleared() {
        std::array<TMove, kLineLength> moves{};
        moves.fill(NoMove);
        return moves;
    }
    static TSearchLine WithScore(int32_t score) {
        TSearchLine line;
        line.Score = score;
        return line;
    }
};

} // namespace vantorel
