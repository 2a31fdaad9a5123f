// The rules on boards nobody drew by hand: the bytes build a variant (up to 128 points,
// links and mills anywhere, now and then a number that names no point), its rule
// options, a board string (with stray characters and a wrong length now and then) and the
// reserves. A model the engine refuses must be refused by its playability check; any other
// must give sound move lists, checks, plays and counts.
#include "EngineChecks.h"
#include "FuzzInput.h"

#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <optional>
#include <stdexcept>
#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;
using vantorel::fuzz::FuzzInput;

namespace {

// A point number of a board of `points` points; the two top byte values give -1 and
// `points`, the nearest numbers that name no point.
int16_t PointNumber(FuzzInput& input, int points) {
    const uint8_t byte = input.Byte();
    if (byte == 255) return -1;
    if (byte == 254 || points == 0) return static_cast<int16_t>(points);
    return static_cast<int16_t>(byte % points);
}

Tmodele BuildModel(FuzzInput& input) {
    Tmodele model(1);
    const int points = input.Below(kMaxPlayablePoints + 1);
    model.Points.assign(static_cast<size_t>(points), TPointRec{});
    for (int p = 0; p < points; ++p)
        model.Points[static_cast<size_t>(p)] = {static_cast<double>(p % 16),
                                                static_cast<double>(p / 16)};
    model.Links.resize(input.Byte());
    for (auto& link : model.Links)
        link = {PointNumber(input, points), PointNumber(input, points)};
    model.Mills.resize(static_cast<size_t>(input.Below(64)));
    for (auto& mill : model.Mills)
        mill = {PointNumber(input, points), PointNumber(input, points), PointNumber(input, points)};
    // 128 and 129 are beyond what the engine can count.
    model.PiecesPerSide[0] = input.Below(130);
    model.PiecesPerSide[1] = input.Below(130);
    // One value past each known option: the engine must treat it as some known rule.
    model.JumpRule = input.Below(4);
    model.CaptureRule = input.Below(5);
    model.CaptureWhilePlacing = input.Below(3);
    model.MinPieces = input.Below(6);
    return model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const Tmodele model = BuildModel(input);
    const int side = input.Byte() & 1;

    std::optional<Tjeu> engine;
    try {
        engine.emplace(model, side);
    } catch (const std::invalid_argument&) {
        Expect(!model.IsPlayable(), "the engine refuses a playable model");
        return 0;
    }
    Expect(model.IsPlayable(), "the engine accepts a model it cannot play");
    Tjeu& jeu = *engine;

    const int points = model.PointCount();
    std::string board;
    for (int p = 0; p < points; ++p)
        board += "LBNX"[input.Below(4)];
    const uint8_t shape = input.Byte();
    if (shape & 1 && !board.empty()) board.pop_back();
    if (shape & 2) board += 'B';
    jeu.LiveBoard.assign(static_cast<size_t>(points), 'L');
    for (size_t p = 0; p < board.size() && p < jeu.LiveBoard.size(); ++p)
        if (board[p] == 'B' || board[p] == 'N') jeu.LiveBoard[p] = board[p];
    jeu.LiveReserve[0] = static_cast<int8_t>(input.Below(128));
    jeu.LiveReserve[1] = static_cast<int8_t>(input.Below(128));

    // The lists on the board as given: strays and missing points are empty points.
    Tsuivants list;
    jeu.LegalMoves(side, board, list);
    fuzz::CheckMoveList(jeu, list);
    list.clear();
    jeu.LegalCaptures(1 - side, board, list);
    fuzz::CheckCaptureList(jeu, list);
    const int mills = jeu.MillsAt(board, input.SignedByte(), side);
    Expect(mills >= 0 && mills <= model.MillCount(), "MillsAt counts more mills than there are");

    // The evaluation of the position as the game object asks for it, with any last move.
    const TMove lastMove{input.SignedByte(), input.SignedByte(), input.SignedByte()};
    for (const int mode : {0, 1})
        jeu.EvaluatePosition(side, board, mode, lastMove, jeu.LiveReserve[1], jeu.LiveReserve[0]);

    fuzz::CheckSmallPerft(jeu, 5000);
    fuzz::PlayLiveGame(jeu, input, 8);
    return 0;
}
