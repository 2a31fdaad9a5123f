#pragma once
// What a game brought from outside (a saved file, a partner's state) must be before the
// live game takes it: codes the game knows, points on the board, positions the piece
// records can hold, and a history in which each position follows from the one before.
#include "TPlateau.h"

#include <string>
#include <vector>

namespace vantorel::checks {

inline bool InRange(long long value, long long low, long long high) {
    return value >= low && value <= high;
}

bool KnownStatus(int status);
// A die shows 1..6, or −1 when not thrown.
bool ValidDie(int value);
// From, To and Capture: a point, or one of the codes −1 and −2.
bool ValidMovePart(int value, int points);
bool ValidMove(TMove move, int points);
// One mark per point, and no more pieces on the board and in reserve than a side owns.
bool ValidPosition(const std::string& position, int reserveWhite, int reserveBlack,
                   const Tmodele& model);

// The index of the first entry that does not follow from the entry before it by its move
// (the other side's turn, a legal move of it that gives exactly the entry's position and
// reserves; on a variant with dice the removal the dice granted may come first), or −1 when
// every one does. Entry 0 must be the start: an empty board, full reserves, no move. The
// entries must each be valid positions of `model`, which must be playable.
int FirstBrokenEntry(const std::vector<THistoryEntry>& entries, const Tmodele& model);

} // namespace vantorel::checks
