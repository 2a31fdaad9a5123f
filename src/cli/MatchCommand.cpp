// Games between two playing levels, to measure what each level is worth against another.
// Each player thinks with an engine and a table of its own, as a computer facing a human
// does; the rules are played on a third engine.
#include "CliSupport.h"
#include "Commands.h"

#include "engine/Random.h"
#include "engine/Tjeu.h"

#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace vantorel::cli {
namespace {

// Without a capture for this many moves, or with a position seen for the third time, a
// game between computers is drawn.
constexpr int kQuietMovesToDraw = 50;
constexpr int kRepetitionsToDraw = 3;

struct Player {
    int Level;
    std::unique_ptr<Tjeu> Engine;
    double Ms = 0;
    long long Moves = 0;
};

// 0 or 1 for the side that lost, -1 for a draw.
int PlayOneGame(const Tmodele& model, Player* players[2], uint32_t seed, long long maxMoves,
                long long& moveCount) {
    Tjeu rules(model, kWhite);
    for (int side = 0; side < 2; ++side) {
        players[side]->Engine = std::make_unique<Tjeu>(model, kWhite);
        players[side]->Engine->Search.SetHashTable(
            std::make_unique<THashTable>(model.PointCount()));
    }
    std::map<std::tuple<std::string, int, int, int>, int> seen;
    int quiet = 0;
    Tsuivants legal;
    for (moveCount = 0; moveCount < maxMoves; ++moveCount) {
        const int side = rules.SideToMove;
        legal.clear();
        rules.LegalMoves(side, rules.LiveBoard, legal);
        if (legal.empty()) return side;
        Player& player = *players[side];
        Tjeu& engine = *player.Engine;
        engine.SetLivePosition(rules.LiveBoard, rules.LiveReserve, rules.SideToMove,
                               rules.LastMove);
        TMove move = NoMove;
        const auto start = std::chrono::steady_clock::now();
        engine.ComputerMove(side, player.Level, move,
                            seed * 7919u + static_cast<uint32_t>(moveCount));
        player.Ms +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        ++player.Moves;
        if (rules.CheckMove(side, move) != kMoveLegal) return side; // never seen; scored as a loss
        const int8_t loser = rules.PlayMove(side, true, move);
        if (loser == kWhite || loser == kBlack) return loser;
        if (loser != kUndecided) return -1;
        quiet = move.Capture == kNoCapture ? quiet + 1 : 0;
        if (quiet >= kQuietMovesToDraw) return -1;
        const auto key = std::make_tuple(rules.LiveBoard, int{rules.LiveReserve[0]},
                                         int{rules.LiveReserve[1]}, int{rules.SideToMove});
        if (++seen[key] >= kRepetitionsToDraw) return -1;
    }
    return -1;
}

} // namespace

int MatchCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    const Tmodele model = LoadVariant(args.Text("variant"));
    if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
        throw UsageError("variant not playable: " + problem);
    const std::vector<long long> levels = args.Integers("levels", 2, -1000, 1000);
    const long long games = args.Integer("games", 1, 100000);
    const auto seed = static_cast<uint32_t>(args.Integer("seed", 0, 4294967295LL, 1));
    const long long maxMoves = args.Integer("max-moves", 1, 1000000, 300);

    Player a{static_cast<int>(levels[0]), nullptr};
    Player b{static_cast<int>(levels[1]), nullptr};
    long long aWins = 0, bWins = 0, draws = 0;
    for (long long game = 0; game < games; ++game) {
        // Colours alternate, so that neither level has the first move more often.
        const bool aWhite = game % 2 == 0;
        Player* players[2] = {aWhite ? &a : &b, aWhite ? &b : &a};
        long long moves = 0;
        const int loser =
            PlayOneGame(model, players, seed + static_cast<uint32_t>(game), maxMoves, moves);
        std::string winner = "draw";
        if (loser == kWhite || loser == kBlack) {
            const bool aLost = (loser == kWhite) == aWhite;
            (aLost ? bWins : aWins) += 1;
            winner = aLost ? "b" : "a";
        } else {
            ++draws;
        }
        std::cout << "{\"game\": " << game + 1 << ", \"a_plays\": \""
                  << (aWhite ? "white" : "black") << "\", \"winner\": \"" << winner
                  << "\", \"moves\": " << moves << "}" << std::endl;
    }
    const auto perMove = [](const Player& p) {
        return p.Moves > 0 ? static_cast<long long>(p.Ms / static_cast<double>(p.Moves)) : 0;
    };
    std::cout << "{\"a_wins\": " << aWins << ", \"b_wins\": " << bWins << ", \"draws\": " << draws
              << ", \"a_ms_per_move\": " << perMove(a) << ", \"b_ms_per_move\": " << perMove(b)
              << "}\n";
    return 0;
}

} // namespace vantorel::cli
