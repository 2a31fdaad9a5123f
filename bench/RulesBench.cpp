// Speed of the rules the searches stand on: one move list, one child position, and whole
// move trees (perft). Items per second are moves, children and leaves per second; the
// counters show the list length and the leaf count, so a change of behaviour shows up as
// another number rather than as a faster or slower run.
#include "BenchPositions.h"

#include "engine/Tjeu.h"

#include <benchmark/benchmark.h>

#include <string>

namespace vantorel::bench {
namespace {

// One move list, in the game's shuffled order or in the plain order the search sorts itself.
template <bool GameOrder>
void GenerateMovesBench(benchmark::State& state, const BenchPosition& position) {
    Tjeu jeu(BuiltIn(position.variant), position.side);
    LoadPosition(jeu, position);
    Tsuivants list;
    list.reserve(64);
    int64_t moves = 0;
    for (auto _ : state) {
        list.clear();
        if constexpr (GameOrder)
            jeu.GenerateMoves(0, list);
        else
            jeu.Rules().GenerateUnordered(jeu.Plies[0], jeu.LiveReserve, list);
        benchmark::DoNotOptimize(list.data());
        benchmark::ClobberMemory();
        moves += static_cast<int64_t>(list.size());
    }
    state.SetItemsProcessed(moves);
    state.counters["moves"] = static_cast<double>(list.size());
}

void MakeChildBench(benchmark::State& state, const BenchPosition& position) {
    Tjeu jeu(BuiltIn(position.variant), position.side);
    LoadPosition(jeu, position);
    Tsuivants list;
    jeu.GenerateMoves(0, list);
    if (list.empty()) {
        state.SkipWithError("the position has no move");
        return;
    }
    size_t next = 0;
    for (auto _ : state) {
        jeu.MakeChild(0, list[next]);
        benchmark::DoNotOptimize(jeu.Plies[1]);
        if (++next == list.size()) next = 0;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void PerftBench(benchmark::State& state, const BenchPosition& position) {
    const int depth = static_cast<int>(state.range(0));
    Tjeu jeu(BuiltIn(position.variant), position.side);
    LoadPosition(jeu, position);
    uint64_t leaves = 0;
    for (auto _ : state) {
        leaves = jeu.Perft(depth);
        benchmark::DoNotOptimize(leaves);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(leaves));
    state.counters["leaves"] = static_cast<double>(leaves);
}

[[maybe_unused]] const bool registered = [] {
    for (const BenchPosition& position : kRulesPositions) {
        benchmark::RegisterBenchmark((std::string("GenerateMoves/") + position.name).c_str(),
                                     GenerateMovesBench<true>, position);
        benchmark::RegisterBenchmark((std::string("SearchMoves/") + position.name).c_str(),
                                     GenerateMovesBench<false>, position);
        benchmark::RegisterBenchmark((std::string("MakeChild/") + position.name).c_str(),
                                     MakeChildBench, position);
    }
    benchmark::RegisterBenchmark("Perft/nmm-start", PerftBench, kNmmStart)
        ->Arg(4)
        ->Unit(benchmark::kMillisecond);
    for (const BenchPosition& position : {kNmmMoving, kM9Moving})
        benchmark::RegisterBenchmark((std::string("Perft/") + position.name).c_str(), PerftBench,
                                     position)
            ->Arg(3)
            ->Arg(4)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
} // namespace vantorel::bench
