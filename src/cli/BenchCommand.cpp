// A fixed set of searches whose total count of examined positions is a signature of the
// search's behaviour: an optimisation keeps it, a change of behaviour changes it.
#include "CliSupport.h"
#include "Commands.h"

#include "engine/Random.h"
#include "engine/Tjeu.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

namespace vantorel::cli {
namespace {

struct BenchPosition {
    const char* name;
    int variant;
    const char* board;
    int reserve[2];
    int side;
    bool diceRemoval; // searched through Suggest with the removal first
};

// Positions reached by seeded random play on both built-in boards.
constexpr BenchPosition kPositions[] = {
    {"nmm-start", 1, "LLLLLLLLLLLLLLLLLLLLLLLL", {9, 9}, 0, false},
    {"nmm-early", 1, "LLBLLBLLLLNLLLLLLLLLLLLN", {7, 7}, 0, false},
    {"nmm-late", 1, "BLLLBNBBNBBNLNLLLLBNBLNL", {1, 2}, 1, false},
    {"nmm-moving-a", 1, "NLBBLBLBLLNNBNLBBBBNNLNN", {0, 0}, 0, false},
    {"nmm-moving-b", 1, "BNLLBNBBNBBNLNLLNLBNBLNB", {0, 0}, 0, false},
    {"nmm-jump-a", 1, "LLBLLLLBLLLLNNNBLNLLLLLN", {0, 0}, 0, false},
    {"nmm-jump-b", 1, "LBNLLBLLLLLLLBLLLLLNNBLL", {0, 0}, 1, false},
    {"nmm-dice-removal", 1, "BLLLBNBBNBBNLNLLLLBNBLNL", {1, 2}, 1, true},
    {"m9-start", 0, "LLLLLLLLLLLLLLLLLLLLLLLL", {9, 9}, 0, false},
    {"m9-early", 0, "BLLLLNBLLLLLLNLLLLLLLLLL", {7, 7}, 0, false},
    {"m9-late", 0, "LNNLNBBLLLNBBBLBNLBLBNLN", {1, 2}, 1, false},
    {"m9-moving", 0, "NLBNBBLBBLNNBLLBNBBNNNLN", {0, 0}, 0, false},
    {"m9-jump", 0, "LBLBLLLNLBLLLLBLLBLLLNNL", {0, 0}, 1, false},
};

constexpr uint32_t kBenchSeed = 7;

} // namespace

int BenchCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const int depth = static_cast<int>(args.Integer("depth", 1, 12, 6));
    const Tmodele models[2] = {Tmodele(0), Tmodele(1)};

    long long positions = 0;
    unsigned long long nodes = 0;
    double totalMs = 0;
    unsigned long long mtdfNodes = 0;
    double mtdfMs = 0;
    for (const auto& bench : kPositions) {
        for (const int algorithm : {5, 2}) {
            const Tmodele& model = models[bench.variant];
            Tjeu jeu(model, bench.side);
            jeu.LiveBoard = bench.board;
            jeu.LiveReserve[0] = static_cast<int8_t>(bench.reserve[0]);
            jeu.LiveReserve[1] = static_cast<int8_t>(bench.reserve[1]);
            jeu.Search.SetHashTable(std::make_unique<THashTable>(model.PointCount()));
            TSearch& search = jeu.Search;
            const auto start = std::chrono::steady_clock::now();
            TSearchLine line;
            if (bench.diceRemoval) {
                // Suggest seeds the generator itself.
                jeu.Suggest(depth, line, true, 1, algorithm);
            } else {
                RandSeed(kBenchSeed);
                search.Depth = depth;
                search.EvalMode = TSearch::kDetailed;
                search.LiveReserve[0] = jeu.LiveReserve[0];
                search.LiveReserve[1] = jeu.LiveReserve[1];
                search.LoadRoot(jeu.LivePly());
                line = search.Run(AlgorithmFromNumber(algorithm));
            }
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            positions += search.PositionsExamined;
            nodes += search.Nodes;
            totalMs += ms;
            if (algorithm == 5) mtdfNodes += search.Nodes, mtdfMs += ms;
            std::printf("%-18s %-9s score %9d  positions %9d  nodes %10llu  %8.1f ms\n", bench.name,
                        algorithm == 5 ? "MTDF" : "Negascout", line.Score, search.PositionsExamined,
                        static_cast<unsigned long long>(search.Nodes), ms);
        }
    }
    // A deepening decision from the start of Nine Men's Morris, depths 4 to 10.
    Tjeu deepening(models[1], kWhite);
    deepening.Search.SetHashTable(std::make_unique<THashTable>(models[1].PointCount()));
    // A clock that stands still: the level's time rules would make the depth reached,
    // and so the figures, depend on this machine's speed.
    deepening.DecisionClock = [] { return 0u; };
    TMove move = NoMove;
    const auto idStart = std::chrono::steady_clock::now();
    deepening.ComputerMove(kWhite, 2, move, kBenchSeed);
    const double idMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - idStart)
            .count();
    const unsigned long long idNodes = deepening.Search.Nodes;
    std::printf("%-18s %-9s depth %9d  positions %9d  nodes %10llu  %8.1f ms\n", "nmm-deepening",
                "level 2", deepening.LastCompletedDepth(), deepening.Search.PositionsExamined,
                idNodes, idMs);

    const double nps = totalMs > 0 ? static_cast<double>(nodes) * 1000.0 / totalMs : 0.0;
    const double mtdfNps = mtdfMs > 0 ? static_cast<double>(mtdfNodes) * 1000.0 / mtdfMs : 0.0;
    std::printf("{\"signature\": %lld, \"nodes\": %llu, \"nps\": %lld, \"ms\": %lld, "
                "\"mtdf_nps\": %lld, \"id_nodes\": %llu, \"id_ms\": %lld}\n",
                positions, nodes, static_cast<long long>(nps), static_cast<long long>(totalMs),
                static_cast<long long>(mtdfNps), idNodes, static_cast<long long>(idMs));
    return 0;
}

} // namespace vantorel::cli
