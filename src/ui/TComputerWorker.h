#pragma once
// The computer's decisions off the window's thread. One thread of its own runs each
// decision on a copy of the position with an engine, a search and a table of its own, so
// the window keeps drawing and answering while the computer thinks. The only crossings
// are `Start`, `PlayNow` and `Abandon` going in, and the move coming back as a queued call
// on the window's thread; a decision that was abandoned is never delivered.
#include "engine/TMove.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vantorel {

class Tjeu;
class Tmodele;

// Runs one decision on the worker's thread: the real one asks the engine at the level;
// tests give one that waits for them. `stop` holds a TStopRequest.
using TDecideFn =
    std::function<TMove(Tjeu& engine, int side, int level, const std::atomic<int>& stop)>;

// Everything a decision needs, copied from the live game.
struct TDecisionRequest {
    uint64_t Ticket = 0; // handed back with the move
    // Set for the first decision of a game: the worker builds a fresh engine (and table)
    // for it. Otherwise the engine of the game's earlier decisions is used again, so that
    // its table's bounds carry over.
    std::shared_ptr<const Tmodele> NewGameModel;
    bool WithTable = true;
    // Between two computers the root side changes at every move: old bounds would mislead.
    bool ClearTable = false;
    std::string Board;
    int8_t Reserve[2] = {0, 0};
    int SideToMove = 0;
    TMove LastMove = NoMove;
    int8_t Loser = -1;
    int Level = 0;
};

class TComputerWorker : public QObject {
    Q_OBJECT
public:
    // Called on the window's thread with the ticket and the move of a finished decision,
    // or with the text of what went wrong in it.
    using TDeliverFn = std::function<void(uint64_t ticket, TMove move, const std::string& error)>;
    // How long the destructor waits for a decision told to stop before it lets the thread
    // finish alone.
    static constexpr std::chrono::milliseconds kExitGrace{300};

    explicit TComputerWorker(TDeliverFn deliver, TDecideFn decide = {});
    ~TComputerWorker() override;
    TComputerWorker(const TComputerWorker&) = delete;
    TComputerWorker& operator=(const TComputerWorker&) = delete;

    // Abandons the decision under way, if any, and starts this one.
    void Start(TDecisionRequest request);
    // The decision under way finishes at once with the best move found so far.
    void PlayNow();
    // The decision under way stops; its move will not be delivered.
    void Abandon();
    // No decision runs or waits to run (tests).
    bool WaitIdle(std::chrono::milliseconds timeout);

    // The real decision: ComputerMove at the level.
    static TMove EngineDecision(Tjeu& engine, int side, int level, const std::atomic<int>& stop);

private slots:
    void Deliver();

private:
    struct TShared;
    static void Run(const std::shared_ptr<TShared>& shared);

    std::shared_ptr<TShared> shared_;
    TDeliverFn deliver_;
};

} // namespace vantorel
