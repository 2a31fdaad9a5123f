// Games played headless: a game fed with point clicks, and the content of a saved game.
#include "CliSupport.h"
#include "Commands.h"

#include "engine/Random.h"
#include "engine/TValueStream.h"
#include "game/AtomicFile.h"
#include "game/Messages.h"
#include "game/Protocol.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"

#include <iostream>
#include <memory>
#include <sstream>

namespace vantorel::cli {
namespace {

std::string JsonEntries(const TPlateau& game) {
    std::string out = "[";
    for (int k = 0; k < game.RecordedEntries(); ++k) {
        const THistoryEntry& e = game.History[static_cast<size_t>(k)];
        out += std::string(k ? ", " : "") + "{\"side\": " + std::to_string(e.Side) +
               ", \"position\": " + JsonString(e.Position) + ", \"reserve\": [" +
               std::to_string(e.ReserveWhite) + ", " + std::to_string(e.ReserveBlack) +
               "], \"move\": " + JsonMove(e.Move) +
               ", \"elapsed_ms\": " + std::to_string(e.ElapsedMs) + ", \"dice\": [" +
               std::to_string(e.DiceValues[0]) + ", " + std::to_string(e.DiceValues[1]) + ", " +
               std::to_string(e.DiceValues[2]) +
               "], \"removed\": " + std::to_string(e.RemovedPoint) +
               ", \"status\": " + std::to_string(e.Status) + "}";
    }
    return out + "]";
}

// The computer's turns, played as the controller plays them: by clicks.
void PlayComputerTurns(TPlateau& game, std::vector<std::string>& errors) {
    for (int guard = 0; guard < 10000 && game.GameStatus == kComputerToAct; ++guard) {
        const int side = game.SideToMove;
        try {
            if (game.ClickState == kClickRollDice) {
                game.RollDice();
                game.Click(-1);
            } else if (game.ClickState == kClickStopDice || game.ClickState == kClickComputerDice) {
                game.Click(-1);
            } else if (game.ClickState == kClickDiceRemoval) {
                game.Click(game.Engine->BestCapture(1 - side));
            } else {
                TMove move = NoMove;
                game.Engine->ComputerMove(side, game.Players[side].Level, move,
                                          RandomBelow(0xFFFFFFFFu));
                if (move.To < 0 && move.Capture < 0) return;
                for (int8_t point : {move.From, move.To, move.Capture})
                    if (point >= 0) game.Click(point);
            }
        } catch (const Ecoup_imposible& e) {
            errors.push_back(e.what());
            return;
        }
    }
}

} // namespace

int GameCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant", "1"));
    if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
        throw UsageError("variant not playable: " + problem);
    const int type = static_cast<int>(args.Integer("type", 1, 4, kHumanVsHuman));
    const int first = static_cast<int>(args.Integer("first", 0, 1, 0));
    const auto seed = static_cast<uint32_t>(args.Integer("seed", 0, 4294967295LL, 1));
    const std::vector<int> clicks = ParseClicks(args.Text("clicks", ""));

    THeadlessOwner owner;
    uint32_t now = 1000;
    TPlateau game(
        1, true, &owner, [&now] { return now; }, [seed] { RandSeed(seed); });
    game.Model.Assign(model);
    game.GameType = static_cast<int8_t>(type);
    game.NewGame();
    game.LastMover = 1 - first;
    game.SideToMove = static_cast<int8_t>(first);
    game.Engine->SideToMove = static_cast<uint8_t>(first);
    game.History[0].Side = static_cast<int8_t>(1 - first);
    if (type == kHumanVsComputer) game.Players[1 - first].Kind = TPlayerRec::Computer;
    if (type == kComputerVsComputer) {
        game.Players[0].Kind = game.Players[1].Kind = TPlayerRec::Computer;
        game.GameStatus = kComputerToAct;
    }
    // In a game against the computer, the computer may have to begin.
    if (type == kHumanVsComputer && game.Players[first].Kind == TPlayerRec::Computer)
        game.GameStatus = kComputerToAct;

    std::vector<std::string> errors;
    PlayComputerTurns(game, errors);
    for (int point : clicks) {
        now += 1000;
        try {
            // A dice click while the dice wait to be rolled throws them first.
            if (point == -1 && game.ClickState == kClickRollDice) game.RollDice();
            game.Click(point);
        } catch (const Ecoup_imposible& e) {
            errors.push_back(e.what());
        }
        PlayComputerTurns(game, errors);
    }
    if (args.Has("save")) {
        const std::string error = WriteFileAtomically(
            args.Text("save"), [&game](std::ostream& out) { game.SaveGame(out); });
        if (!error.empty()) throw UsageError(ErrorMessage(1, error));
    }
    std::string errorList = "[";
    for (size_t i = 0; i < errors.size(); ++i)
        errorList += (i ? ", " : "") + JsonString(errors[i]);
    errorList += "]";
    std::cout << "{\"status\": " << int{game.GameStatus}
              << ", \"click_state\": " << int{game.ClickState}
              << ", \"side\": " << int{game.SideToMove} << ", \"move_count\": " << game.MoveCount
              << ", \"board\": " << JsonString(game.Engine->LiveBoard) << ", \"reserve\": ["
              << int{game.Engine->LiveReserve[0]} << ", " << int{game.Engine->LiveReserve[1]}
              << "], \"quiet_moves\": " << game.QuietMoves << ", \"errors\": " << errorList
              << ", \"script\": " << JsonString(game.GameScript()) << "}\n";
    return 0;
}

int StateCommand(int argc, char** argv) {
    if (argc < 3) throw UsageError("usage: state FILE");
    TPlateau game(1, true, nullptr, {}, [] {});
    LoadSavedGame(argv[2], game);
    std::cout << "{\"state\": " << JsonString(EncodeState(game, -1, false)) << "}\n";
    return 0;
}

int VtlCommand(int argc, char** argv) {
    if (argc < 3) throw UsageError("usage: vtl FILE");
    TPlateau game(1, true, nullptr, {}, [] {});
    LoadSavedGame(argv[2], game);
    const Tmodele& m = game.Model;
    std::cout << "{\"title\": " << JsonString(game.Title) << ", \"players\": [["
              << JsonString(game.Players[0].Name) << ", " << int{game.Players[0].Kind} << "], ["
              << JsonString(game.Players[1].Name) << ", " << int{game.Players[1].Kind}
              << "]], \"move_count\": " << game.MoveCount
              << ", \"game_type\": " << int{game.GameType}
              << ", \"status\": " << int{game.GameStatus} << ", \"entries\": " << JsonEntries(game)
              << ", \"variant\": {\"kind\": " << m.Kind << ", \"name\": " << JsonString(m.Name)
              << ", \"points\": " << m.PointCount() << ", \"links\": " << m.LinkCount()
              << ", \"mills\": " << m.MillCount() << ", \"pieces\": [" << m.PiecesPerSide[0] << ", "
              << m.PiecesPerSide[1] << "], \"checksum\": " << m.Checksum() << "}}\n";
    return 0;
}

} // namespace vantorel::cli
