#include "UiTestSupport.h"

#include "engine/Random.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>

#include <gtest/gtest.h>

namespace vantorel::testing {

WindowFixture::WindowFixture(TViewFactory factory) : WindowFixture(QString(), std::move(factory)) {}

WindowFixture::WindowFixture(const QString& home) : WindowFixture(home, {}) {}

WindowFixture::WindowFixture(const QString& homeFolder, TViewFactory factory)
    : home(homeFolder.isEmpty() ? folder.path() : homeFolder) {
    TMainWindowParts parts;
    parts.Clock = [this] { return now; };
    parts.Reseed = [] { RandSeed(11); };
    auto sink = std::make_unique<FakeSoundSink>();
    sounds = sink.get();
    parts.Sounds = std::move(sink);
    auto music = std::make_unique<FakePlayer>();
    player = music.get();
    parts.Player = std::move(music);
    parts.SettingsPath = QDir(home).filePath(QStringLiteral("Vantorel.cfg"));
    parts.UserStorePath = QDir(home).filePath(QStringLiteral("utilisateur.conf"));
    parts.MessageBox = [this](TMessageKind, const QString& text) {
        if (whileAsked) whileAsked();
        messages.push_back(text);
        return answerYes;
    };
    parts.AskAbandon = [this](const QString& text) {
        if (whileAsked) whileAsked();
        abandonQuestions.push_back(text);
        return abandonAnswer;
    };
    parts.FileDialog = [this](bool, const QString&) {
        if (whileAsked) whileAsked();
        return fileToChoose;
    };
    parts.RunNewGameDialog = [this](TFConnexion& dialog) {
        return newGameDialog ? newGameDialog(dialog) : false;
    };
    auto fakeHelp = std::make_unique<FakeHelp>();
    help = fakeHelp.get();
    parts.Help = std::move(fakeHelp);
    parts.ViewFactory = std::move(factory);
    parts.Decide = [decideFn = decide](Tjeu& engine, int side, int level,
                                       const std::atomic<int>& stop) {
        return *decideFn ? (*decideFn)(engine, side, level, stop)
                         : TComputerWorker::EngineDecision(engine, side, level, stop);
    };
    // The tests read the French texts whatever the machine's language.
    parts.SystemLanguage = QStringLiteral("FR");
    window = std::make_unique<TMainWindow>(std::move(parts));
    // The first level keeps every search short.
    // A window of its own plays at the first level, without a tip at the end of the intro;
    // one that shares a home keeps what the runs before it left.
    if (homeFolder.isEmpty()) {
        window->OptionsRecord[TOptions::ComputerLevel] = 0;
        window->OptionsRecord[TOptions::TipOfTheDay] = 0;
    }
}

WindowFixture::~WindowFixture() {
    window.reset();
}

void WindowFixture::EndIntro() {
    now += TMainWindow::kIntroMs + 1;
    window->RestoreSession();
    window->GLSceneViewer1->SetCadencerEnabled(false);
    window->Horloge.stop();
}

void WindowFixture::StartNineMensMorris(int firstSide, bool dice) {
    if (window->ThemeId == 0) EndIntro();
    Game().Model.Assign(Tmodele(1));
    Game().Model.DiceRule = dice ? 1 : 0;
    window->RebuildView(1);
    window->GLSceneViewer1->SetCadencerEnabled(false);
    window->Horloge.stop();
    window->SetUpLocalGame(kHumanVsComputer, firstSide, kWhite);
    window->ControllerClicks = 0;
}

void WindowFixture::SetPosition(const std::string& board, int reserveWhite, int reserveBlack,
                                int toMove) {
    THistoryEntry& start = Game().History[0];
    start.Position = board;
    start.ReserveWhite = static_cast<int8_t>(reserveWhite);
    start.ReserveBlack = static_cast<int8_t>(reserveBlack);
    start.Side = static_cast<int8_t>(1 - toMove);
    Game().GoToEntry(0);
    Game().CancelSelection();
}

void WindowFixture::AwaitComputer() {
    if (!window->Worker) return;
    EXPECT_TRUE(window->Worker->WaitIdle(std::chrono::seconds(60))) << "the computer never decided";
    QCoreApplication::sendPostedEvents(window->Worker.get(), QEvent::MetaCall);
}

void WindowFixture::StepAndAwait() {
    window->ControllerStep();
    AwaitComputer();
}

void WindowFixture::ViewIdle() {
    window->CurrentView->SetAnimating(false);
    window->CurrentView->DiceShown = false;
}

QString WindowFixture::Stored(const QString& key) const {
    QSettings store(QDir(home).filePath(QStringLiteral("utilisateur.conf")), QSettings::IniFormat);
    return store.value(key).toString();
}

QString WindowFixture::Panel(int panel) const {
    return window->StatusPanel(panel)->text();
}

} // namespace vantorel::testing
