#include "TComputerWorker.h"

#include "engine/THashTable.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vantorel {

namespace {

struct TJob {
    TDecisionRequest Request;
    std::shared_ptr<std::atomic<int>> Stop;
};

struct TResult {
    uint64_t Ticket = 0;
    TMove Move = NoMove;
    std::string Error;
};

} // namespace

// What the thread and the window share. The thread holds it too, so a thread left to
// finish alone after the window is gone still has everything it touches.
struct TComputerWorker::TShared {
    TDecideFn Decide;
    std::mutex Mutex;
    std::condition_variable Wake;    // to the thread: a job, or the end
    std::condition_variable Changed; // to the window: a decision ended, or the thread did
    bool Quit = false;
    bool Exited = false;
    bool Running = false;
    std::optional<TJob> Next;
    std::shared_ptr<std::atomic<int>> RunningStop;
    std::vector<TResult> Results;
    // Null once the worker object is going: nothing is posted to it any more.
    QObject* Receiver = nullptr;
    std::thread Thread;

    // The thread's own: the engine of the current game and the model it was built from.
    std::unique_ptr<Tjeu> Engine;
    std::shared_ptr<const Tmodele> Model;
};

TComputerWorker::TComputerWorker(TDeliverFn deliver, TDecideFn decide)
    : shared_(std::make_shared<TShared>()), deliver_(std::move(deliver)) {
    shared_->Decide = decide ? std::move(decide) : TDecideFn(EngineDecision);
    shared_->Receiver = this;
    shared_->Thread = std::thread(Run, shared_);
}

TComputerWorker::~TComputerWorker() {
    std::unique_lock lock(shared_->Mutex);
    shared_->Receiver = nullptr;
    shared_->Quit = true;
    shared_->Next.reset();
    shared_->Results.clear();
    if (shared_->RunningStop) shared_->RunningStop->store(kAbandon);
    shared_->Wake.notify_all();
    // A search polls its stop request every few thousand nodes, so this is short; one that
    // does not answer in time is left to end by itself on what it owns.
    const bool ended =
        shared_->Changed.wait_for(lock, kExitGrace, [this] { return shared_->Exited; });
    std::thread thread = std::move(shared_->Thread);
    lock.unlock();
    if (ended)
        thread.join();
    else
        thread.detach();
}

void TComputerWorker::Start(TDecisionRequest request) {
    const std::lock_guard lock(shared_->Mutex);
    if (shared_->RunningStop) shared_->RunningStop->store(kAbandon);
    shared_->Next = TJob{std::move(request), std::make_shared<std::atomic<int>>(kKeepSearching)};
    shared_->Wake.notify_all();
}

void TComputerWorker::PlayNow() {
    const std::lock_guard lock(shared_->Mutex);
    if (!shared_->RunningStop) return;
    // An abandoned decision stays abandoned.
    int keep = kKeepSearching;
    shared_->RunningStop->compare_exchange_strong(keep, kPlayNow);
}

void TComputerWorker::Abandon() {
    const std::lock_guard lock(shared_->Mutex);
    if (shared_->RunningStop) shared_->RunningStop->store(kAbandon);
    shared_->Next.reset();
    shared_->Results.clear();
}

bool TComputerWorker::WaitIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->Mutex);
    return shared_->Changed.wait_for(lock, timeout,
                                     [this] { return !shared_->Running && !shared_->Next; });
}

TMove TComputerWorker::EngineDecision(Tjeu& engine, int side, int level, const std::atomic<int>&) {
    // The stop request already hangs on the engine's search.
    TMove move = NoMove;
    engine.ComputerMove(side, level, move);
    return move;
}

void TComputerWorker::Deliver() {
    std::vector<TResult> results;
    {
        const std::lock_guard lock(shared_->Mutex);
        results.swap(shared_->Results);
    }
    for (const TResult& result : results)
        if (deliver_) deliver_(result.Ticket, result.Move, result.Error);
}

void TComputerWorker::Run(const std::shared_ptr<TShared>& shared) {
    for (;;) {
        TJob job;
        {
            std::unique_lock lock(shared->Mutex);
            shared->Wake.wait(lock, [&] { return shared->Quit || shared->Next; });
            if (shared->Quit) break;
            job = std::move(*shared->Next);
            shared->Next.reset();
            shared->Running = true;
            shared->RunningStop = job.Stop;
        }

        const TDecisionRequest& request = job.Request;
        TResult result{request.Ticket, NoMove, {}};
        try {
            if (request.NewGameModel || !shared->Engine) {
                if (request.NewGameModel) shared->Model = request.NewGameModel;
                if (!shared->Model) throw std::logic_error("no game for the computer");
                shared->Engine = std::make_unique<Tjeu>(*shared->Model, request.SideToMove);
                if (request.WithTable)
                    shared->Engine->Search.SetHashTable(
                        std::make_unique<THashTable>(shared->Engine->PointCount()));
            }
            Tjeu& engine = *shared->Engine;
            if (request.ClearTable)
                if (THashTable* table = engine.Search.HashTable()) table->Clear();
            engine.SetLivePosition(request.Board, request.Reserve, request.SideToMove,
                                   request.LastMove, request.Loser);
            engine.Search.StopRequest = job.Stop.get();
            result.Move = shared->Decide(engine, request.SideToMove, request.Level, *job.Stop);
            engine.Search.StopRequest = nullptr;
        } catch (const std::exception& error) {
            // The window shows it, as it showed what escaped a decision on its own thread.
            result.Error = error.what();
            if (shared->Engine) shared->Engine->Search.StopRequest = nullptr;
        }

        const std::lock_guard lock(shared->Mutex);
        shared->Running = false;
        shared->RunningStop.reset();
        if (!shared->Quit && job.Stop->load() != kAbandon) {
            shared->Results.push_back(std::move(result));
            // By name: the call carries nothing but the wake-up; the result crosses under
            // the mutex, where a race checker can see it.
            if (shared->Receiver)
                QMetaObject::invokeMethod(shared->Receiver, "Deliver", Qt::QueuedConnection);
        }
        shared->Changed.notify_all();
    }
    const std::lock_guard lock(shared->Mutex);
    shared->Exited = true;
    shared->Changed.notify_all();
}

} // namespace vantorel
