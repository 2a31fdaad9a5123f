#include "GameChecks.h"

#include <algorithm>

namespace vantorel::checks {

bool KnownStatus(int status) {
    return InRange(status, kWaiting, kPrinting) || status == kWhiteWon || status == kBlackWon ||
           status == kDraw || status == kClosing;
}

bool ValidDie(int value) {
    return value == -1 || InRange(value, 1, 6);
}

bool ValidMovePart(int value, int points) {
    return InRange(value, -2, points - 1);
}

bool ValidMove(TMove move, int points) {
    return ValidMovePart(move.From, points) && ValidMovePart(move.To, points) &&
           ValidMovePart(move.Capture, points);
}

bool ValidPosition(const std::string& position, int reserveWhite, int reserveBlack,
                   const Tmodele& model) {
    if (position.size() != static_cast<size_t>(model.PointCount())) return false;
    int onBoard[2] = {0, 0};
    for (char c : position) {
        if (c == 'B')
            ++onBoard[kWhite];
        else if (c == 'N')
            ++onBoard[kBlack];
        else if (c != 'L')
            return false;
    }
    const int reserve[2] = {reserveWhite, reserveBlack};
    for (int side = 0; side < 2; ++side)
        if (reserve[side] < 0 || onBoard[side] + reserve[side] > model.PiecesPerSide[side])
            return false;
    return true;
}

namespace {

// Replays `entry` on the position of `before`, as ExecuteMove and ApplyDiceRemoval did when
// the game was played: `removalFirst` takes the piece the dice granted before the move.
bool Follows(Tjeu& engine, const THistoryEntry& before, const THistoryEntry& entry,
             bool removalFirst) {
    const int side = entry.Side & 1;
    const int victim = 1 - side;
    engine.LiveBoard = before.Position;
    engine.LiveReserve[kWhite] = before.ReserveWhite;
    engine.LiveReserve[kBlack] = before.ReserveBlack;
    engine.SideToMove = static_cast<uint8_t>(side);
    engine.Loser = kUndecided;
    if (removalFirst) {
        const int point = entry.RemovedPoint;
        Tsuivants captures;
        engine.LegalCaptures(victim, engine.LiveBoard, captures);
        if (std::none_of(captures.begin(), captures.end(),
                         [point](TMove m) { return m.Capture == point; }))
            return false;
        if (point >= 0)
            engine.LiveBoard[static_cast<size_t>(point)] = 'L';
        else
            --engine.LiveReserve[victim];
    }
    // An entry saved between the removal and the move holds the removal alone.
    const bool removalOnly = entry.Move.From == -2 && entry.Move.To == -2;
    if (removalOnly) {
        if (!removalFirst || entry.Move.Capture != entry.RemovedPoint) return false;
    } else {
        if (engine.CheckMove(side, entry.Move) != kMoveLegal) return false;
        engine.PlayMove(side, false, entry.Move);
    }
    return engine.LiveBoard == entry.Position && engine.LiveReserve[kWhite] == entry.ReserveWhite &&
           engine.LiveReserve[kBlack] == entry.ReserveBlack;
}

} // namespace

int FirstBrokenEntry(const std::vector<THistoryEntry>& entries, const Tmodele& model) {
    if (entries.empty()) return -1;
    // Entry 0 is the start: an empty board, every piece in reserve, no move.
    const THistoryEntry& start = entries.front();
    if (start.Move != NoMove ||
        start.Position != std::string(static_cast<size_t>(model.PointCount()), 'L') ||
        start.ReserveWhite != model.PiecesPerSide[kWhite] ||
        start.ReserveBlack != model.PiecesPerSide[kBlack])
        return 0;
    Tjeu engine(model);
    const bool dice = model.DiceRule == 1;
    for (size_t k = 1; k < entries.size(); ++k) {
        const THistoryEntry& before = entries[k - 1];
        const THistoryEntry& entry = entries[k];
        // The turn passes after every move; a move that ends the game is the last one.
        if (entry.Side != 1 - before.Side || (!Follows(engine, before, entry, false) &&
                                              !(dice && Follows(engine, before, entry, true))))
            return static_cast<int>(k);
    }
    return -1;
}

} // namespace vantorel::checks
