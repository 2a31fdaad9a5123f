#include "CliSupport.h"
#include "Commands.h"
#include "TextBoard.h"

#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "game/AtomicFile.h"

#include <iostream>
#include <memory>

namespace vantorel::cli {
namespace {

Tjeu MakeEngine(const Tmodele& model, const Position& position, int side) {
    if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
        throw UsageError("variant not playable: " + problem);
    Tjeu jeu(model, side);
    jeu.LiveBoard = position.Board;
    jeu.LiveReserve[0] = position.Reserve[0];
    jeu.LiveReserve[1] = position.Reserve[1];
    return jeu;
}

std::string MoveInWords(int side, TMove move) {
    std::string text = side == kWhite ? "Blanc " : "Noir ";
    if (move.From < 0)
        text += "pose en " + std::to_string(move.To + 1);
    else
        text += "joue " + std::to_string(move.From + 1) + "-" + std::to_string(move.To + 1);
    if (move.Capture >= 0) text += " et prend " + std::to_string(move.Capture + 1);
    if (move.Capture == kReserveCapture) text += " et prend un pion de la réserve";
    return text;
}

} // namespace

int ModelCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {"text"});
    const Tmodele model = LoadVariant(args.Text("variant"));
    if (args.Has("write")) {
        const std::string error = WriteFileAtomically(
            args.Text("write"), [&model](std::ostream& out) { model.SaveToStream(out); });
        if (!error.empty()) throw UsageError("cannot write " + error);
    }
    std::cout << "{\"kind\": " << model.Kind << ", \"name\": " << JsonString(model.Name)
              << ", \"points\": " << model.PointCount() << ", \"links\": " << model.LinkCount()
              << ", \"mills\": " << model.MillCount() << ", \"pieces\": [" << model.PiecesPerSide[0]
              << ", " << model.PiecesPerSide[1] << "], \"jump_rule\": " << model.JumpRule
              << ", \"capture_rule\": " << model.CaptureRule
              << ", \"dice_rule\": " << model.DiceRule
              << ", \"capture_while_placing\": " << model.CaptureWhilePlacing
              << ", \"min_pieces\": " << model.MinPieces << ", \"min_depth\": " << model.MinDepth
              << ", \"checksum\": " << model.Checksum() << ", \"day\": " << model.Day
              << ", \"month\": " << model.Month << ", \"year\": " << model.Year;
    if (args.Has("text")) std::cout << ", \"text\": " << JsonString(model.ToText());
    std::cout << "}\n";
    return 0;
}

int MovesCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    Tjeu jeu = MakeEngine(model, position, side);
    SeedFromArgs(args);
    Tsuivants moves;
    jeu.LegalMoves(side, position.Board, moves);
    std::cout << "{\"moves\": " << JsonMoves(moves) << "}\n";
    return 0;
}

int CapturesCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int victim = static_cast<int>(args.Integer("victim", 0, 1));
    Tjeu jeu = MakeEngine(model, position, 1 - victim);
    Tsuivants captures;
    jeu.LegalCaptures(victim, position.Board, captures);
    std::cout << "{\"captures\": " << JsonMoves(captures) << "}\n";
    return 0;
}

int CheckCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    // Read before anything is printed: a malformed move must not leave half an object.
    const TMove move = ReadMove(args);
    Tjeu jeu = MakeEngine(model, position, side);
    const int code = jeu.CheckMove(side, move);
    std::cout << "{\"code\": " << code << "}\n";
    return 0;
}

int PlayCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    const TMove move = ReadMove(args);
    Tjeu jeu = MakeEngine(model, position, side);
    // The move is played as given; a move that would take a reserve the side does not have
    // is refused so that no negative count comes out.
    if ((move.From == -1 && jeu.LiveReserve[side] <= 0) ||
        (move.Capture == kReserveCapture && jeu.LiveReserve[1 - side] <= 0))
        throw UsageError("the move takes a piece from an empty reserve");
    const int loser = jeu.PlayMove(side, true, move);
    std::cout << "{\"loser\": " << loser << ", \"board\": " << JsonString(jeu.LiveBoard)
              << ", \"reserve\": [" << int{jeu.LiveReserve[0]} << ", " << int{jeu.LiveReserve[1]}
              << "]}\n";
    return 0;
}

int PerftCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    const int depth = static_cast<int>(args.Integer("depth", 0, Tjeu::kPlyCount - 1));
    Tjeu jeu = MakeEngine(model, position, side);
    SeedFromArgs(args);
    jeu.LoadPly(0, position.Board, position.Reserve, 1 - side);
    std::cout << "{\"nodes\": " << jeu.Perft(depth) << "}\n";
    return 0;
}

int SelfplayCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {"show"});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const long long maxMoves = args.Integer("max-moves", 0, 1000000, 500);
    const bool show = args.Has("show");
    // Without a level the moves are drawn at random among the legal ones.
    const bool computer = args.Has("level");
    const int level = computer ? static_cast<int>(args.Integer("level", -1000, 1000)) : 0;
    if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
        throw UsageError("variant not playable: " + problem);
    SeedFromArgs(args);
    Tjeu jeu(model, kWhite);
    if (computer) jeu.Search.SetHashTable(std::make_unique<THashTable>(model.PointCount()));
    Tsuivants played;
    Tsuivants legal;
    if (show) std::cerr << model.Name << "\n\n" << DrawTextBoard(model, jeu.LiveBoard) << "\n";
    while (jeu.Loser == kUndecided && static_cast<long long>(played.size()) < maxMoves) {
        const int side = jeu.SideToMove;
        legal.clear();
        jeu.LegalMoves(side, jeu.LiveBoard, legal);
        if (legal.empty()) {
            jeu.Loser = static_cast<int8_t>(side);
            break;
        }
        TMove move = legal[RandomBelow(static_cast<uint32_t>(legal.size()))];
        if (computer) {
            jeu.ComputerMove(side, level, move, RandomBelow(0xFFFFFFFFu));
            // Both sides share the table, so each decision starts from a clean one, as
            // between two computer players.
            jeu.Search.HashTable()->Clear();
        }
        jeu.PlayMove(side, true, move);
        played.push_back(move);
        if (show)
            std::cerr << "Coup " << played.size() << " : " << MoveInWords(side, move) << "\n"
                      << DrawTextBoard(model, jeu.LiveBoard) << "\n";
    }
    if (show) {
        if (jeu.Loser == 0 || jeu.Loser == 1)
            std::cerr << (jeu.Loser == 0 ? "Noir" : "Blanc") << " a gagné.\n";
        else
            std::cerr << "Partie arrêtée sans vainqueur.\n";
    }
    std::cout << "{\"moves\": " << JsonMoves(played) << ", \"loser\": " << int{jeu.Loser}
              << ", \"board\": " << JsonString(jeu.LiveBoard) << ", \"reserve\": ["
              << int{jeu.LiveReserve[0]} << ", " << int{jeu.LiveReserve[1]} << "]}\n";
    return 0;
}

} // namespace vantorel::cli
