#include "UiTestSupport.h"

#include "engine/Random.h"

#include <QLabel>

namespace vantorel::testing {

WindowFixture::WindowFixture(TViewFactory factory) {
    TMainWindowParts parts;
    parts.Clock = [this] { return now; };
    parts.Reseed = [] { RandSeed(11); };
    auto sink = std::make_unique<FakeSoundSink>();
    sounds = sink.get();
    parts.Sounds = std::move(sink);
    auto music = std::make_unique<FakePlayer>();
    player = music.get();
    parts.Player = std::move(music);
    parts.SettingsPath = folder.filePath(QStringLiteral("Vantorel.cfg"));
    parts.MessageBox = [this](TMessageKind, const QString& text) {
        messages.push_back(text);
        return false;
    };
    parts.ViewFactory = std::move(factory);
    window = std::make_unique<TMainWindow>(std::move(parts));
    // The first level keeps every search short.
    window->OptionsRecord[TOptions::ComputerLevel] = 0;
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
    window->StartNewGame(kHumanVsComputer, firstSide, kWhite);
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

void WindowFixture::ViewIdle() {
    window->CurrentView->SetAnimating(false);
    window->CurrentView->DiceShown = false;
}

QString WindowFixture::Panel(int panel) const {
    return window->StatusPanel(panel)->text();
}

} // namespace vantorel::testing
