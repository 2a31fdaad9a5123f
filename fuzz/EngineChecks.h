#pragma once
// What every position of every variant must keep, whatever board a stranger drew: move
// lists that name only real points and pieces, checks that accept what the generator
// offers, plays that neither create nor lose pieces, and a game that never gets stuck
// undecided. A broken promise aborts, so libFuzzer keeps the input that broke it.
#include "FuzzInput.h"

#include "engine/TMove.h"
#include "engine/Tjeu.h"

#include <cstdint>

namespace vantorel::fuzz {

// A list from GenerateMoves at ply 0 of `jeu` (for the side 1 − Plies[0].Mover).
void CheckMoveList(const Tjeu& jeu, const Tsuivants& list);

// A list from GenerateCaptures at ply 0 of `jeu` (the victim is Plies[0].Mover).
void CheckCaptureList(const Tjeu& jeu, const Tsuivants& list);

// Counts the two-ply tree below the live position by hand, checking every child, and
// compares the count with Perft(2). Skipped when the tree has more than `budget` leaves.
void CheckSmallPerft(Tjeu& jeu, uint64_t budget);

// Plays up to `moves` legal moves of the live game, picked by the input, checking each
// list, each play and a stranger's move along the way.
void PlayLiveGame(Tjeu& jeu, FuzzInput& input, int moves);

} // namespace vantorel::fuzz
