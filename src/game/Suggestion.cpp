#include "Suggestion.h"

#include "TPlateau.h"

#include "engine/THashTable.h"
#include "engine/Tjeu.h"

#include <memory>

namespace vantorel {

TSuggestionRequest TSuggestionRequest::FromGame(const TPlateau& game, int depth, int algorithm,
                                                int evalMode) {
    TSuggestionRequest request;
    request.Model = game.Model;
    const Tjeu& engine = *game.Engine;
    request.Board = engine.LiveBoard;
    request.Reserve[0] = engine.LiveReserve[0];
    request.Reserve[1] = engine.LiveReserve[1];
    request.Side = engine.SideToMove;
    request.LastMove = engine.LastMove;
    request.Loser = engine.Loser;
    request.Depth = depth;
    request.Algorithm = algorithm;
    request.EvalMode = evalMode;
    request.CaptureFirst = game.Model.DiceRule > 0 && game.ClickState == kClickDiceRemoval;
    return request;
}

TSuggestionResult RunSuggestion(const TSuggestionRequest& request, const std::atomic<int>* stop) {
    TSuggestionResult result;
    Tjeu engine(request.Model, request.Side, nullptr);
    engine.Search.SetHashTable(std::make_unique<THashTable>(request.Model.PointCount()));
    engine.Search.StopRequest = stop;
    engine.SetLivePosition(request.Board, request.Reserve, request.Side, request.LastMove,
                           request.Loser);
    engine.Suggest(request.Depth, result.Line, request.CaptureFirst, request.EvalMode,
                   request.Algorithm);
    result.PositionsExamined = engine.Search.PositionsExamined;
    result.Abandoned = engine.Search.Stopped() || (stop && stop->load() == kAbandon);
    return result;
}

std::vector<int> SuggestionClicks(const TSearchLine& line) {
    std::vector<int> clicks;
    const auto add = [&clicks](int point) {
        if (point >= 0) clicks.push_back(point);
    };
    const TMove first = line.Moves[0];
    add(first.From);
    add(first.To);
    add(first.Capture);
    if (first.To < 0) {
        const TMove next = line.Moves[1];
        add(next.From);
        add(next.To);
        add(next.Capture);
    }
    return clicks;
}

} // namespace vantorel
