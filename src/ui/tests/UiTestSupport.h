#pragma once
// A main window that is never shown, on a clock the test moves by hand, with fakes for the
// sound samples, the music player and the message boxes.
#include "game/tests/GameTestSupport.h"
#include "ui/Sdimain.h"

#include <QTemporaryDir>

#include <initializer_list>

#include <memory>
#include <string>
#include <vector>

namespace vantorel::testing {

class FakeSoundSink : public scene::TSoundSink {
public:
    std::vector<int> played;
    void Play(int index) override { played.push_back(index); }
};

class FakePlayer : public TMusicPlayer {
public:
    QString file;
    bool playing = false;
    int closes = 0;
    std::vector<QString> opened;

    bool HasFile() const override { return !file.isEmpty(); }
    bool IsStoppedOrPaused() const override { return HasFile() && !playing; }
    bool IsOpen() const override { return HasFile(); }
    void Close() override {
        ++closes;
        file.clear();
        playing = false;
    }
    void Open(const QString& path) override {
        file = path;
        opened.push_back(path);
    }
    void Play() override { playing = true; }
    void Pause() override { playing = false; }
};

// Records what the window asks of the help system.
class FakeHelp : public THelpRequests {
public:
    std::vector<std::string> requests;
    void ShowContextPopup(int context) override {
        requests.push_back("popup " + std::to_string(context));
    }
    void ShowTopic(const QString& keyword) override {
        requests.push_back("topic " + keyword.toStdString());
    }
    void ShowContext(int context) override {
        requests.push_back("context " + std::to_string(context));
    }
    void ShowTip(int context) override { requests.push_back("tip " + std::to_string(context)); }
};

struct WindowFixture {
    explicit WindowFixture(TViewFactory factory = {});
    // A window whose settings and per-user values live in `home`, shared between runs.
    explicit WindowFixture(const QString& home);
    WindowFixture(const QString& home, TViewFactory factory);
    ~WindowFixture();

    uint32_t now = 50000;
    FakeSoundSink* sounds = nullptr;
    FakePlayer* player = nullptr;
    FakeHelp* help = nullptr;
    std::vector<QString> messages;
    // The answers of the boxes and dialogs, in turn; the question's text is kept.
    bool answerYes = false;
    TAbandonAnswer abandonAnswer = TAbandonAnswer::Yes;
    std::vector<QString> abandonQuestions;
    QString fileToChoose;
    std::function<bool(TFConnexion&)> newGameDialog;
    // Run by every fake box and file dialog while it is "open".
    std::function<void()> whileAsked;
    // The computer's decision on the worker's thread; empty: the engine's. Shared with the
    // worker, which may outlive the fixture.
    std::shared_ptr<TDecideFn> decide = std::make_shared<TDecideFn>();
    QTemporaryDir folder;
    QString home;
    std::unique_ptr<TMainWindow> window;

    TPlateau& Game() { return *window->Game; }
    // Ends the intro as the clock does after a second: the 2D board and a game against
    // the computer. The scene's own cadence is stopped so that nothing moves by itself.
    void EndIntro();
    // A new game against the computer on "Nine Men's Morris" (the board the positions
    // below are drawn on), the computer playing black at the first level.
    void StartNineMensMorris(int firstSide, bool dice = false);
    // Puts the game in a position: the board string, the reserves, the side to move.
    void SetPosition(const std::string& board, int reserveWhite, int reserveBlack, int toMove);
    // The view has finished showing whatever it was showing.
    void ViewIdle();
    // Waits for the computer's decision under way and hands its move to the window, as
    // the event loop would.
    void AwaitComputer();
    // A controller step, and the decision it asked for.
    void StepAndAwait();
    QString Panel(int panel) const;
    // A value of the per-user store, "Section/Name".
    QString Stored(const QString& key) const;
};

} // namespace vantorel::testing
