// The computer player's costs: the evaluation at every leaf, the table probes at every
// node, a whole search, and a deepening decision.
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace vantorel;

namespace {

uint32_t CountingTick() {
    static uint32_t tick = 0;
    return ++tick;
}

struct Position {
    const char* board;
    int reserve[2];
    int side;
};

// Start, placement and moving phase of "Nine Men's Morris" (positions of seeded play).
constexpr Position kStart{"LLLLLLLLLLLLLLLLLLLLLLLL", {9, 9}, 0};
constexpr Position kPlacing{"BLLLBNBBNBBNLNLLLLBNBLNL", {1, 2}, 1};
constexpr Position kMoving{"NLBBLBLBLLNNBNLBBBBNNLNN", {0, 0}, 0};

std::unique_ptr<Tjeu> MakeEngine(const Tmodele& model, const Position& p) {
    auto jeu = std::make_unique<Tjeu>(model, p.side);
    jeu->LiveBoard = p.board;
    jeu->LiveReserve[0] = static_cast<int8_t>(p.reserve[0]);
    jeu->LiveReserve[1] = static_cast<int8_t>(p.reserve[1]);
    jeu->Search.SetHashTable(std::make_unique<THashTable>(model.PointCount(), CountingTick));
    jeu->Search.LiveReserve[0] = jeu->LiveReserve[0];
    jeu->Search.LiveReserve[1] = jeu->LiveReserve[1];
    jeu->Search.LoadRoot(jeu->LivePly());
    return jeu;
}

void BM_Evaluate(benchmark::State& state) {
    const Tmodele model(1);
    const Position& p = state.range(1) == 0 ? kPlacing : kMoving;
    auto jeu = MakeEngine(model, p);
    jeu->Search.EvalMode = static_cast<uint8_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(jeu->Search.Evaluate(0));
    state.SetLabel(std::string(state.range(0) == 1 ? "detailed" : "simple") +
                   (state.range(1) == 0 ? " placing" : " moving"));
}
BENCHMARK(BM_Evaluate)->Args({1, 0})->Args({1, 1})->Args({0, 0})->Args({0, 1});

// Lookups and stores of positions met in play, most of them absent.
void BM_TableLookupStore(benchmark::State& state) {
    const Tmodele model(1);
    auto jeu = MakeEngine(model, kMoving);
    THashTable table(24, CountingTick);
    std::vector<TTableKey> keys;
    RandSeed(5);
    for (int i = 0; i < 4096; ++i) {
        TTableKey key;
        for (int p = 0; p < 24; ++p) {
            const uint32_t r = RandomBelow(3);
            if (r) key.Pieces[r - 1] |= PointBit(p);
        }
        key.WhiteReserve = static_cast<int8_t>(RandomBelow(10));
        key.BlackReserve = static_cast<int8_t>(RandomBelow(10));
        keys.push_back(key);
    }
    size_t i = 0;
    for (auto _ : state) {
        const TTableKey& key = keys[i++ & 4095];
        if (table.Lookup(key) < 0) table.Store(key);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TableLookupStore);

void BM_MtdfSearch(benchmark::State& state) {
    const Tmodele model(1);
    const Position& p = state.range(0) == 0 ? kStart : kMoving;
    uint64_t nodes = 0;
    for (auto _ : state) {
        auto jeu = MakeEngine(model, p);
        RandSeed(7);
        jeu->Search.Depth = 6;
        jeu->Search.EvalMode = TSearch::kDetailed;
        benchmark::DoNotOptimize(jeu->Search.Run(TAlgorithm::MTDF));
        nodes += jeu->Search.Nodes;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.SetLabel(state.range(0) == 0 ? "start, depth 6" : "moving, depth 6");
}
BENCHMARK(BM_MtdfSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A deepening decision, depths 4 to 10 ("Avancé" goes on to 14 or 30 s): from the start
// it takes seconds, so only the moving position is timed here; `vantorel-cli bench` runs
// the one from the start once.
void BM_DeepeningDecision(benchmark::State& state) {
    const Tmodele model(1);
    uint64_t nodes = 0;
    for (auto _ : state) {
        auto jeu = MakeEngine(model, kMoving);
        TMove move = NoMove;
        jeu->ComputerMove(kMoving.side, 2, move, 7u);
        nodes += jeu->Search.Nodes;
        benchmark::DoNotOptimize(move);
    }
    state.counters["nodes"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
    state.SetLabel("moving, depths 4 to 10");
}
BENCHMARK(BM_DeepeningDecision)->Unit(benchmark::kMillisecond);

} // namespace
