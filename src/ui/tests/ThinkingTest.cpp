// The computer thinking on its worker: the window goes on meanwhile, the move is fed as
// clicks when it arrives, "Jouer maintenant" cuts the search short, and every command that
// changes the game (closing the window too) abandons the search and drops its move.
#include "UiTestSupport.h"

#include "engine/THashTable.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// A decision that waits for the test: it returns `move` once released, or at once when it
// is told to stop and honours it (as the search polls its stop request). Shared with the
// worker, which may outlive the test's window.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool honoursStop = true;
    bool released = false;
    bool returned = false;
    int calls = 0;
    int stopSeen = kKeepSearching;
    TMove move = NoMove;

    TMove Decide(const std::atomic<int>& stop) {
        std::unique_lock lock(mutex);
        ++calls;
        changed.notify_all();
        while (!released && !(honoursStop && stop.load() != kKeepSearching))
            changed.wait_for(lock, std::chrono::milliseconds(1));
        stopSeen = stop.load();
        returned = true;
        changed.notify_all();
        return move;
    }
    // True once the decision has been asked for `count` times.
    bool WaitCalls(int count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), [&] { return calls >= count; });
    }
    bool WaitReturned() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), [&] { return returned; });
    }
    void Release() {
        const std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
};

std::shared_ptr<Gate> InstallGate(WindowFixture& f, TMove move) {
    auto gate = std::make_shared<Gate>();
    gate->move = move;
    *f.decide = [gate](Tjeu&, int, int, const std::atomic<int>& stop) {
        return gate->Decide(stop);
    };
    return gate;
}

// What a move fed by mistake would change.
struct GameState {
    std::string board;
    int moveCount, status, clickState, side;
    bool operator==(const GameState&) const = default;
};
GameState StateOf(TPlateau& game) {
    return {game.Engine->LiveBoard, game.MoveCount, game.GameStatus, game.ClickState,
            game.SideToMove};
}

// Guards the window's freedom while the computer thinks: the game waits, the status bar
// counts the seconds, a second tick asks nothing more, "Jouer maintenant" is offered only
// now, and the move arrives as the one click of a placement.
TEST(Thinking, WindowGoesOnAndTheMoveIsFedWhenItArrives) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    EXPECT_FALSE(f.window->Jouermaintenant->isEnabled()) << "offered while nobody thinks";
    auto gate = InstallGate(f, {-1, 4, kNoCapture});

    f.window->HorlogeTimer();
    ASSERT_TRUE(gate->WaitCalls(1));
    EXPECT_TRUE(f.window->ComputerThinking());
    EXPECT_EQ(f.Game().MoveCount, 0);
    EXPECT_TRUE(f.window->Jouermaintenant->isEnabled());
    EXPECT_EQ(f.Panel(0).toStdString(), "L'ordinateur réfléchit... 0 s");
    f.now += 3400;
    f.window->HorlogeTimer();
    f.window->HorlogeTimer();
    EXPECT_EQ(f.Panel(0).toStdString(), "L'ordinateur réfléchit... 3 s");
    EXPECT_EQ(gate->calls, 1) << "a tick asked again while the computer thought";

    gate->Release();
    f.AwaitComputer();
    EXPECT_FALSE(f.window->ComputerThinking());
    EXPECT_FALSE(f.window->Jouermaintenant->isEnabled());
    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.window->ControllerClicks, 1);
    EXPECT_EQ(f.Game().Engine->LiveBoard[4], 'N');
    EXPECT_EQ(f.Game().GameStatus, kHumanToAct);
    f.window->HorlogeTimer();
    EXPECT_EQ(f.Panel(0).toStdString(), "C'est à vous de placer un jeton.");
}

// Guards "Jouer maintenant": its key reaches the running search as the request to play at
// once, and the move found so far is played.
TEST(Thinking, PlayNowEndsTheSearchWithItsMove) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    auto gate = InstallGate(f, {-1, 7, kNoCapture});
    f.window->ControllerStep();
    ASSERT_TRUE(gate->WaitCalls(1));

    ASSERT_EQ(f.window->Jouermaintenant->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    f.window->Jouermaintenant->trigger();
    ASSERT_TRUE(gate->WaitReturned());
    f.AwaitComputer();

    EXPECT_EQ(gate->stopSeen, kPlayNow);
    EXPECT_EQ(f.Game().Engine->LiveBoard[7], 'N');
    EXPECT_FALSE(f.window->Jouermaintenant->isEnabled());
}

struct Command {
    const char* name;
    std::function<void(WindowFixture&)> run;
};

// Opens with white (the human) on 0 and black on 9, then black's next decision is asked
// for after white's 1: a game every command can act on.
void ThinkAfterTwoMoves(WindowFixture& f, std::shared_ptr<Gate>& gate) {
    f.StartNineMensMorris(kWhite);
    f.Game().Click(0);
    f.ViewIdle();
    gate = InstallGate(f, {-1, 9, kNoCapture});
    gate->Release();
    f.StepAndAwait();
    ASSERT_EQ(f.Game().MoveCount, 2);
    f.Game().Click(1);
    f.ViewIdle();
    gate = InstallGate(f, {-1, 10, kNoCapture});
    // As a search that does not poll: it runs to its end whatever it is told.
    gate->honoursStop = false;
    f.window->ControllerClicks = 0;
}

// The options dialog and the about box are real modal dialogs: closed as soon as they open.
void CloseModalSoon() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
}

const std::vector<Command>& GameChangingCommands() {
    static const std::vector<Command> commands = {
        {"new game", [](WindowFixture& f) { f.window->NouveauJeu->trigger(); }},
        {"open",
         [](WindowFixture& f) {
             f.fileToChoose = f.folder.filePath(QStringLiteral("ouverte.Vtl"));
             f.window->Ouvrir->trigger();
         }},
        {"save", [](WindowFixture& f) { f.window->FileSaveAs1->trigger(); }},
        {"previous move", [](WindowFixture& f) { f.window->CoupprecedentClick(); }},
        {"next move", [](WindowFixture& f) { f.window->CoupsuivantClick(); }},
        {"replay", [](WindowFixture& f) { f.window->Rejouer->trigger(); }},
        {"theme", [](WindowFixture& f) { f.window->ThemeItems[0]->trigger(); }},
        {"level", [](WindowFixture& f) { f.window->LevelItems[2]->trigger(); }},
        {"options",
         [](WindowFixture& f) {
             CloseModalSoon();
             f.window->OptionsItem->trigger();
         }},
        {"about",
         [](WindowFixture& f) {
             CloseModalSoon();
             f.window->HelpAbout1->trigger();
         }},
        {"draw offer", [](WindowFixture& f) { f.window->ProposernullClick(); }},
        {"game against a human", [](WindowFixture& f) { f.window->HvH->trigger(); }},
    };
    return commands;
}

// Guards each command against the move of a search it made stale: while the search runs
// it is told to stop, and its move is dropped even when it runs to its end; when it had
// just finished and its move was on the way, the move is dropped too. Either way the game
// is as the command alone left it.
TEST(Thinking, EveryGameChangingCommandAbandonsTheSearchAndDropsItsMove) {
    for (const bool finished : {false, true}) {
        for (const Command& command : GameChangingCommands()) {
            SCOPED_TRACE(std::string(command.name) + (finished ? ", move on the way" : ""));
            WindowFixture f;
            // A saved game for "open", taken before the computer's turn.
            std::shared_ptr<Gate> gate;
            ThinkAfterTwoMoves(f, gate);
            {
                std::ofstream file(f.folder.filePath(QStringLiteral("ouverte.Vtl")).toStdString(),
                                   std::ios::binary);
                f.Game().SaveGame(file);
            }
            f.fileToChoose.clear();
            f.window->ControllerStep();
            ASSERT_TRUE(gate->WaitCalls(1));
            if (finished) {
                gate->Release();
                ASSERT_TRUE(f.window->Worker->WaitIdle(std::chrono::seconds(20)));
            }

            command.run(f);
            const GameState after = StateOf(f.Game());
            EXPECT_FALSE(f.window->ComputerThinking());
            EXPECT_FALSE(f.window->Jouermaintenant->isEnabled());
            gate->Release();
            ASSERT_TRUE(gate->WaitReturned());
            if (!finished) {
                EXPECT_EQ(gate->stopSeen, kAbandon) << "the search was not told to stop";
            } else {
                // The next tick asks again where the computer is still to move: the old
                // move, still on its way, must not answer for the new decision.
                auto next = InstallGate(f, {-1, 11, kNoCapture});
                f.window->ControllerStep();
                QCoreApplication::sendPostedEvents(f.window->Worker.get(), QEvent::MetaCall);
                EXPECT_EQ(f.window->ControllerClicks, 0) << "the old move answered the new";
                f.window->CancelComputerMove();
                next->Release();
            }
            f.AwaitComputer();

            EXPECT_EQ(f.window->ControllerClicks, 0) << "the stale move was played";
            EXPECT_TRUE(StateOf(f.Game()) == after) << "the game changed after the command";
            EXPECT_NE(f.Panel(0).toStdString().rfind("L'ordinateur réfléchit...", 0), 0u);
        }
    }
}

// Guards the pause of a game between computers: Esc and the stop button keep their
// meaning and abandon the search; the next decision starts when the game goes on.
TEST(Thinking, PausingAComputerGameAbandonsTheSearch) {
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "Esc" : "stop button");
        WindowFixture f;
        f.EndIntro();
        f.window->CvcWaitForUser = 0;
        f.window->SetUpLocalGame(kComputerVsComputer, kWhite);
        auto gate = InstallGate(f, {-1, 4, kNoCapture});
        f.window->ControllerStep();
        ASSERT_TRUE(gate->WaitCalls(1));

        if (byKey)
            f.window->FormKeyDown(Qt::Key_Escape);
        else
            f.window->TB_stopClick();
        EXPECT_EQ(f.Game().GameStatus, kWaiting);
        ASSERT_TRUE(gate->WaitReturned());
        EXPECT_EQ(gate->stopSeen, kAbandon);
        f.AwaitComputer();
        EXPECT_EQ(f.Game().MoveCount, 0);

        f.window->TB_stopClick(); // goes on
        auto next = InstallGate(f, {-1, 5, kNoCapture});
        next->Release();
        f.StepAndAwait();
        EXPECT_EQ(f.Game().MoveCount, 1);
        EXPECT_EQ(f.Game().Engine->LiveBoard[5], 'B');
    }
}

// Guards a change the commands did not announce (here the game edited directly): the
// position is compared too, and the decision is asked again for the new one.
TEST(Thinking, AMoveForAnotherPositionIsNeverPlayed) {
    WindowFixture f;
    std::shared_ptr<Gate> gate;
    ThinkAfterTwoMoves(f, gate);
    f.window->ControllerStep();
    ASSERT_TRUE(gate->WaitCalls(1));
    f.SetPosition(vantorel::testing::Board({0, 1, 2}, {9}), 6, 8, kBlack);
    const GameState edited = StateOf(f.Game());
    gate->Release();
    f.AwaitComputer();
    EXPECT_TRUE(StateOf(f.Game()) == edited);

    auto next = InstallGate(f, {-1, 4, kNoCapture});
    next->Release();
    f.Game().GameStatus = kComputerToAct;
    f.StepAndAwait();
    EXPECT_EQ(f.Game().Engine->LiveBoard[4], 'N');
}

// Guards the window's end during a search: closing abandons it and the window goes at
// once; a search that does not answer is left to end alone, and never reaches the window.
TEST(Thinking, ClosingTheWindowDuringASearch) {
    for (const bool answers : {true, false}) {
        SCOPED_TRACE(answers ? "the search stops" : "the search runs on");
        WindowFixture f;
        f.StartNineMensMorris(kBlack);
        auto gate = InstallGate(f, {-1, 4, kNoCapture});
        gate->honoursStop = answers;
        f.window->ControllerStep();
        ASSERT_TRUE(gate->WaitCalls(1));

        QElapsedTimer clock;
        clock.start();
        f.window->close();
        f.window.reset();
        // Far above the worker's grace: only a window that waits for the search fails.
        EXPECT_LT(clock.elapsed(), 10000);
        if (answers) {
            EXPECT_TRUE(gate->returned) << "the window went before its worker";
            EXPECT_EQ(gate->stopSeen, kAbandon);
        }
        gate->Release();
        ASSERT_TRUE(gate->WaitReturned());
        // Nothing may be delivered to the window that is gone.
        QCoreApplication::sendPostedEvents();
    }
}

// Guards the worker's engine: one per game, so that a game against a human keeps its
// table's bounds from one decision to the next; a new game gets a fresh one; between
// computers the table starts empty at every move, as the live one does.
TEST(Thinking, OneEnginePerGameAndItsTable) {
    struct Seen {
        const Tjeu* engine;
        int entries;
        bool stoppable;
    };
    for (const int type : {kHumanVsComputer, kComputerVsComputer}) {
        SCOPED_TRACE(type);
        std::vector<Seen> seen; // written by the worker, read once it is idle
        WindowFixture f;
        f.EndIntro();
        f.window->CvcWaitForUser = 0;
        f.window->SetUpLocalGame(type, kBlack, kWhite);
        *f.decide = [&seen](Tjeu& engine, int side, int level, const std::atomic<int>& stop) {
            THashTable* table = engine.Search.HashTable();
            seen.push_back(
                {&engine, table ? table->Count() : -1, engine.Search.StopRequest == &stop});
            // A bound of this decision, for the next one to find.
            if (table) table->Store(TTableKey::Of(engine.LivePly()));
            return TComputerWorker::EngineDecision(engine, side, level, stop);
        };
        f.StepAndAwait();
        if (type == kHumanVsComputer) {
            f.Game().Click(f.Game().Engine->LiveBoard[0] == 'L' ? 0 : 1);
            f.ViewIdle();
        }
        f.StepAndAwait();
        ASSERT_EQ(seen.size(), 2u);
        f.window->SetUpLocalGame(type, kBlack, kWhite);
        f.StepAndAwait();
        ASSERT_EQ(seen.size(), 3u);

        EXPECT_TRUE(seen[0].stoppable && seen[1].stoppable);
        EXPECT_EQ(seen[0].entries, 0);
        EXPECT_EQ(seen[1].engine, seen[0].engine) << "a game's second decision lost its engine";
        if (type == kHumanVsComputer)
            EXPECT_GT(seen[1].entries, 0) << "the table did not carry over";
        else
            EXPECT_EQ(seen[1].entries, 0) << "a computer game kept its old bounds";
        EXPECT_EQ(seen[2].entries, 0) << "a new game kept the old table";
    }
}

} // namespace

namespace {

// Measures, never asserts: the longest wait of a 10 ms timer of the window's thread while
// the worker makes a decision at "5 secondes" (level 11), clock ticks and status included.
TEST(ThinkingStall, LongestEventLoopStallDuringALevelElevenDecision) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    f.SetPosition("NLBLNBLLLBNLLBLLNLLBLLNL", 4, 4, kBlack);
    f.Game().GameStatus = kComputerToAct;
    f.Game().Players[kBlack].Level = 11;
    constexpr qint64 kLevelMs = 5000;
    *f.decide = [](Tjeu& engine, int side, int level, const std::atomic<int>& stop) {
        QElapsedTimer busy;
        busy.start();
        const TMove move = TComputerWorker::EngineDecision(engine, side, level, stop);
        // A level that decides early leaves the worker idle: fresh searches fill the rest
        // of the level's time, so that the measure always covers five seconds of search.
        TSearch& search = engine.Search;
        for (int depth = 4; busy.elapsed() < kLevelMs && stop.load() == kKeepSearching;
             depth = depth == 4 ? 6 : 4) {
            if (search.HashTable()) search.HashTable()->Clear();
            search.LiveReserve[0] = engine.LiveReserve[0];
            search.LiveReserve[1] = engine.LiveReserve[1];
            search.LoadRoot(engine.LivePly());
            search.RootLines.clear();
            search.Depth = depth;
            search.EvalMode = TSearch::kDetailed;
            search.Run(TAlgorithm::MTDF);
        }
        return move;
    };

    QEventLoop loop;
    QElapsedTimer sinceLast, decision;
    qint64 longest = 0, beats = 0;
    QTimer beat;
    beat.setInterval(10);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceLast.restart());
        ++beats;
        if (f.Game().MoveCount > 0) loop.quit();
    });
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    decision.start();
    sinceLast.start();
    beat.start();
    f.window->Horloge.start();
    loop.exec();
    f.window->Horloge.stop();

    EXPECT_EQ(f.Game().MoveCount, 1) << "no move within five minutes";
    std::printf("[ stall    ] level 11: decision %lld ms, longest event-loop stall %lld ms "
                "over %lld beats of 10 ms\n",
                static_cast<long long>(decision.elapsed()), static_cast<long long>(longest),
                static_cast<long long>(beats));
}

} // namespace
