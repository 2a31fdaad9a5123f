#include "CliSupport.h"
#include "Commands.h"

#include "engine/Random.h"
#include "engine/Tjeu.h"

#include <chrono>
#include <iostream>
#include <memory>

namespace vantorel::cli {
namespace {

// Table stamps from a counter instead of the clock, so that a run is repeatable: with a
// millisecond clock, which of three colliding entries is evicted depends on timing.
uint32_t CountingTick() {
    static uint32_t tick = 0;
    return ++tick;
}

struct Stopwatch {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    double Ms() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    }
};

std::unique_ptr<Tjeu> MakeEngine(const Tmodele& model, const Position& position, int side,
                                 bool withTable, bool repeatable) {
    if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
        throw UsageError("variant not playable: " + problem);
    auto jeu = std::make_unique<Tjeu>(model, side);
    jeu->LiveBoard = position.Board;
    jeu->LiveReserve[0] = position.Reserve[0];
    jeu->LiveReserve[1] = position.Reserve[1];
    if (withTable)
        jeu->Search.SetHashTable(
            std::make_unique<THashTable>(model.PointCount(), repeatable ? CountingTick : nullptr));
    return jeu;
}

uint8_t ReadEvalMode(const Args& args, const std::string& name) {
    const std::string mode = args.Text(name);
    if (mode == "detailed") return 1;
    if (mode == "simple") return 0;
    throw UsageError("--" + name + " is detailed or simple");
}

int ReadAlgorithm(const Args& args) {
    const std::string names[] = {"alphabeta", "negascout", "abdual", "absss", "mtdf"};
    const std::string algo = args.Text("algo");
    for (int i = 0; i < 5; ++i)
        if (names[i] == algo) return i + 1;
    throw UsageError("--algo is one of alphabeta, negascout, abdual, absss, mtdf");
}

std::string JsonLine(const TSearchLine& line) {
    Tsuivants moves;
    for (const TMove m : line.Moves) {
        if (m == NoMove) break;
        moves.push_back(m);
    }
    return JsonMoves(moves);
}

void PrintSearch(int32_t score, const TSearchLine& line, const TSearch& search, double ms) {
    std::cout << "{\"score\": " << score << ", \"line\": " << JsonLine(line)
              << ", \"positions\": " << search.PositionsExamined << ", \"nodes\": " << search.Nodes
              << ", \"ms\": " << static_cast<long long>(ms) << "}\n";
}

} // namespace

int EvalCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int mover = static_cast<int>(args.Integer("mover", 0, 1));
    const int ply = static_cast<int>(args.Integer("ply", 0, TSearch::kPlyCount - 1, 0));
    auto jeu = MakeEngine(model, position, 1 - mover, false, true);
    TSearch& search = jeu->Search;
    search.EvalMode = ReadEvalMode(args, "mode");
    TPly& target = search.Plies[static_cast<size_t>(ply)];
    jeu->Rules().LoadBoard(position.Board, target);
    target.Reserve[0] = position.Reserve[0];
    target.Reserve[1] = position.Reserve[1];
    target.Mover = static_cast<int8_t>(mover);
    std::cout << "{\"score\": " << search.Evaluate(ply) << "}\n";
    return 0;
}

int SearchCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    const int algorithm = ReadAlgorithm(args);
    const int depth = static_cast<int>(args.Integer("depth", 0, 29));
    auto jeu = MakeEngine(model, position, side, true, true);
    SeedFromArgs(args);
    TSearch& search = jeu->Search;
    search.EvalMode = ReadEvalMode(args, "eval");
    search.Depth = depth;
    search.LiveReserve[0] = position.Reserve[0];
    search.LiveReserve[1] = position.Reserve[1];
    search.LoadRoot(jeu->LivePly());
    const Stopwatch watch;
    const TSearchLine result = search.Run(AlgorithmFromNumber(algorithm));
    const double ms = watch.Ms();
    const TSearchLine* best = search.BestRootLine();
    PrintSearch(result.Score, best ? *best : TSearchLine{}, search, ms);
    return 0;
}

int SuggestCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {"capture-first"});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    const int depth = static_cast<int>(args.Integer("depth", 0, 29));
    const int evalMode = ReadEvalMode(args, "eval") == 1 ? 1 : 2;
    const int algorithm = ReadAlgorithm(args);
    auto jeu = MakeEngine(model, position, side, true, true);
    TSearchLine line;
    const Stopwatch watch;
    jeu->Suggest(depth, line, args.Has("capture-first"), evalMode, algorithm);
    PrintSearch(line.Score, line, jeu->Search, watch.Ms());
    return 0;
}

int ComputerCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    const Position position = ReadPosition(args, model);
    const int side = static_cast<int>(args.Integer("side", 0, 1));
    const int level = static_cast<int>(args.Integer("level", -1000, 1000));
    const bool seeded = args.Has("seed");
    auto jeu = MakeEngine(model, position, side, true, seeded);
    std::optional<uint32_t> seed;
    if (seeded) seed = static_cast<uint32_t>(args.Integer("seed", 0, 4294967295LL));
    TMove move = NoMove;
    const Stopwatch watch;
    jeu->ComputerMove(side, level, move, seed);
    const double ms = watch.Ms();
    std::cout << "{\"move\": " << JsonMove(move)
              << ", \"positions\": " << jeu->Search.PositionsExamined
              << ", \"nodes\": " << jeu->Search.Nodes << ", \"ms\": " << static_cast<long long>(ms)
              << ", \"depth\": " << jeu->LastCompletedDepth() << "}\n";
    return 0;
}

} // namespace vantorel::cli
