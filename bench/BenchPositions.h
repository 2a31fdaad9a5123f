#pragma once
// Fixed positions on both built-in boards for every benchmark program, and the one seed
// they all use, so that figures from different runs measure the same work.
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <cstdint>

namespace vantorel::bench {

inline constexpr uint32_t kBenchSeed = 7;

struct BenchPosition {
    const char* name;
    int variant; // 0 "Marelle de 9", 1 "Nine Men's Morris"
    const char* board;
    int8_t reserve[2]; // white, black
    int side;          // to move
};

// Reached by seeded random play: the start, the placing phase (early, and late with mills
// to close), the moving phase and a side down to three pieces that jumps.
inline constexpr BenchPosition kNmmStart{"nmm-start", 1, "LLLLLLLLLLLLLLLLLLLLLLLL", {9, 9}, 0};
inline constexpr BenchPosition kNmmPlacing{"nmm-placing", 1, "LLBLLBLLLLNLLLLLLLLLLLLN", {7, 7}, 0};
inline constexpr BenchPosition kNmmLatePlacing{
    "nmm-late-placing", 1, "BLLLBNBBNBBNLNLLLLBNBLNL", {1, 2}, 1};
inline constexpr BenchPosition kNmmMoving{"nmm-moving", 1, "NLBBLBLBLLNNBNLBBBBNNLNN", {0, 0}, 0};
inline constexpr BenchPosition kNmmJumping{"nmm-jumping", 1, "LLBLLLLBLLLLNNNBLNLLLLLN", {0, 0}, 0};
inline constexpr BenchPosition kM9Start{"m9-start", 0, "LLLLLLLLLLLLLLLLLLLLLLLL", {9, 9}, 0};
inline constexpr BenchPosition kM9Placing{"m9-placing", 0, "BLLLLNBLLLLLLNLLLLLLLLLL", {7, 7}, 0};
inline constexpr BenchPosition kM9Moving{"m9-moving", 0, "NLBNBBLBBLNNBLLBNBBNNNLN", {0, 0}, 0};
inline constexpr BenchPosition kM9Jumping{"m9-jumping", 0, "LBLBLLLNLBLLLLBLLBLLLNNL", {0, 0}, 1};

inline constexpr BenchPosition kRulesPositions[] = {
    kNmmStart, kNmmPlacing, kNmmLatePlacing, kNmmMoving, kNmmJumping,
    kM9Start,  kM9Placing,  kM9Moving,       kM9Jumping,
};

inline const Tmodele& BuiltIn(int variant) {
    static const Tmodele models[2] = {Tmodele(0), Tmodele(1)};
    return models[variant == 0 ? 0 : 1];
}

// Puts the position in the live game and in ply 0, seeds the generator.
inline void LoadPosition(Tjeu& jeu, const BenchPosition& position) {
    RandSeed(kBenchSeed);
    jeu.SideToMove = static_cast<uint8_t>(position.side);
    jeu.LiveBoard = position.board;
    jeu.LiveReserve[0] = position.reserve[0];
    jeu.LiveReserve[1] = position.reserve[1];
    jeu.LoadPly(0, jeu.LiveBoard, jeu.LiveReserve, 1 - position.side);
}

} // namespace vantorel::bench
