#pragma once
// The computer's advice on the live position, computed on a copy with an engine and a table
// of its own, so that another thread may run it while the game stays where it is.
#include "engine/TSearchLine.h"
#include "engine/Tmodele.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace vantorel {

class TPlateau;

// What the search needs of the game, copied when the advice is asked for.
struct TSuggestionRequest {
    Tmodele Model;
    std::string Board;
    int8_t Reserve[2] = {0, 0};
    int Side = 0;
    TMove LastMove = NoMove;
    int8_t Loser = -1;
    int Depth = 4;
    int Algorithm = 5;
    int EvalMode = 1;
    bool CaptureFirst = false;

    // The live position of `game`; CaptureFirst when a dice triple waits for its removal.
    static TSuggestionRequest FromGame(const TPlateau& game, int depth, int algorithm,
                                       int evalMode);
};

struct TSuggestionResult {
    TSearchLine Line = TSearchLine::WithScore(-1);
    int32_t PositionsExamined = 0;
    bool Abandoned = false;
};

// Runs the engine's Suggest on the copy; `stop` (may be null) abandons it from another thread.
TSuggestionResult RunSuggestion(const TSuggestionRequest& request,
                                const std::atomic<int>* stop = nullptr);

// The point clicks that play the line's first move as a player would: its From and To, its
// capture, and after a dice removal the move that follows it.
std::vector<int> SuggestionClicks(const TSearchLine& line);

} // namespace vantorel
