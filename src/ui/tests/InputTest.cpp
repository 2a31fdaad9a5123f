// The view's replacement and its guard, the intro, the sounds after a frame, the status
// and the caption, and what the window does with input while no view is usable.
#include "UiTestSupport.h"

#include "views/TPlateau3D_6.h"
#include "views/Tplateau2D_1.h"
#include "views/Tplateau2D_manu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// Guards the guard: while a view is built the window says it has none, so that ticks,
// clicks and frame steps leave the game alone.
TEST(RebuildView, NoUsableViewWhileBuilding) {
    struct Seen {
        int themeId = -2;
        bool usable = true;
        bool hasView = true;
    } seen;
    TMainWindow* window = nullptr;
    WindowFixture f([&](int themeId, TPlateau& game, scene::TSceneViewer& viewer,
                        scene::TScene& scene, TViewHost& host) {
        if (window) seen = {window->ThemeId, window->HasUsableView(), window->HasView()};
        return BuildThemeView(themeId, game, viewer, scene, host);
    });
    window = f.window.get();
    f.window->RebuildView(1);
    EXPECT_EQ(seen.themeId, TMainWindow::kNoTheme);
    EXPECT_FALSE(seen.usable);
    EXPECT_FALSE(seen.hasView);
    EXPECT_EQ(f.window->ThemeId, 1);
    EXPECT_EQ(f.window->LastThemeId, 0);
    EXPECT_TRUE(f.window->HasUsableView());
}

// Guards the theme table: the themes built so far are built as themselves; the themes still
// to come and any unknown id give the 2D board as theme 1, without turning the textures off.
TEST(RebuildView, ThemeIdsBuildTheirViewOrTheFlatBoard) {
    for (int id : {1, 2, 6, 7, 8, 10, 13, 3, 99, 254}) {
        SCOPED_TRACE(id);
        WindowFixture f;
        f.window->RebuildView(id);
        const int built = id == 6 || id == 2 || id == 7 || id == 8 || id == 10 || id == 13 ? id : 1;
        EXPECT_EQ(f.window->ThemeId, built);
        EXPECT_EQ(f.window->ViewerHelpContext, 150 + built);
        EXPECT_EQ(dynamic_cast<TPlateau3D_6*>(f.window->CurrentView.get()) != nullptr, id == 6);
        EXPECT_EQ(dynamic_cast<Tplateau2D_manu*>(f.window->CurrentView.get()) != nullptr, id == 2);
        EXPECT_EQ(dynamic_cast<Tplateau2D_1*>(f.window->CurrentView.get()) != nullptr, built == 1);
        EXPECT_EQ(f.window->OptionsRecord[TOptions::Textures], 1);
    }
}

// Guards the fallback: a view that cannot be built gives the 2D board, textures off.
TEST(RebuildView, FailedThemeFallsBackToTheFlatBoardWithoutTextures) {
    bool fail = false;
    WindowFixture f([&](int themeId, TPlateau& game, scene::TSceneViewer& viewer,
                        scene::TScene& scene, TViewHost& host) {
        if (fail) throw std::runtime_error("pas de contexte");
        return BuildThemeView(themeId, game, viewer, scene, host);
    });
    fail = true;
    f.window->RebuildView(6);
    EXPECT_EQ(f.window->ThemeId, 1);
    EXPECT_NE(dynamic_cast<Tplateau2D_1*>(f.window->CurrentView.get()), nullptr);
    EXPECT_EQ(f.window->OptionsRecord[TOptions::Textures], 0);
}

// Guards the marks of the candidates: a new view must have them computed again, and the
// intro records when it began.
TEST(RebuildView, NewViewAsksForTheHintsAgainAndTheIntroIsTimed) {
    WindowFixture f;
    f.Game().HintsShown = true;
    f.now += 500;
    f.window->RebuildView(0);
    EXPECT_EQ(f.window->IntroStartTick, f.now);
    EXPECT_TRUE(f.Game().HintsShown);
    f.window->RebuildView(1);
    EXPECT_FALSE(f.Game().HintsShown);
}

// Guards the end of the intro: it lasts a second of the clock, or until a key.
TEST(Intro, EndsAfterASecondOrOnAKey) {
    {
        WindowFixture f;
        ASSERT_EQ(f.window->ThemeId, 0);
        f.window->HorlogeTimer();
        f.now += TMainWindow::kIntroMs;
        f.window->HorlogeTimer();
        EXPECT_EQ(f.window->ThemeId, 0) << "the intro ended early";
        EXPECT_EQ(f.Panel(0).toStdString(), "") << "the intro's tick went on";
        f.now += 1;
        f.window->HorlogeTimer();
        EXPECT_EQ(f.window->ThemeId, 6);
        EXPECT_EQ(f.Game().GameType, kHumanVsComputer);
        EXPECT_EQ(f.Game().Players[kWhite].Kind, TPlayerRec::Human);
        EXPECT_EQ(f.Game().Players[kBlack].Kind, TPlayerRec::Computer);
    }
    {
        WindowFixture f;
        f.window->FormKeyDown(Qt::Key_Space);
        EXPECT_EQ(f.window->ThemeId, 6) << "a key does not end the intro";
    }
}

// Guards the sounds of a frame: an event 1..5 plays its slot when sound effects are on and
// the slot is not silent, and is forgotten in every case.
TEST(FrameSounds, PendingSoundPlaysItsSlotOnce) {
    struct Case {
        int event;
        uint8_t slot;
        int effects;
        int played; // -1: nothing
    };
    const Case cases[] = {
        {2, 6, 1, 6},  {5, 0, 1, 0},   {1, TAnim::kSilent, 1, -1}, {3, 4, 0, -1}, {0, 4, 1, -1},
        {6, 4, 1, -1}, {-1, 4, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        WindowFixture f;
        f.EndIntro();
        TAnim& view = *f.window->CurrentView;
        view.SoundSlot.fill(c.slot);
        view.PendingSound = c.event;
        f.window->OptionsRecord[TOptions::SoundEffects] = c.effects;

        f.window->GLSceneViewer1FrameRendered();
        f.window->GLSceneViewer1FrameRendered();

        if (c.played < 0)
            EXPECT_TRUE(f.sounds->played.empty());
        else
            EXPECT_EQ(f.sounds->played, std::vector<int>{c.played});
        EXPECT_EQ(view.PendingSound, -1);
    }
}

// Guards the no-view value: a tick, a key and a click do nothing while it holds.
TEST(Guard, NothingHappensWithoutAUsableView) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    f.window->ThemeId = TMainWindow::kNoTheme;
    f.window->HorlogeTimer();
    f.window->FormKeyDown(Qt::Key_F5);
    f.window->GLSceneViewer1MouseDown(scene::TMouseButton::Left, scene::kLeft, 5, 5);
    f.window->GLSceneViewer1Wheel(500);
    EXPECT_EQ(f.Game().MoveCount, 0);
    EXPECT_EQ(f.window->ControllerClicks, 0);
    EXPECT_FALSE(f.Game().HintsShown);
}

// Guards the caption and the status panel a tick writes.
TEST(Status, TickWritesTheCaptionAndTheStatus) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    f.window->HorlogeTimer();
    EXPECT_EQ(f.window->windowTitle().toStdString(),
              "Sans titre : Joueur 1 (blancs) vs Joueur 2 (noirs).");
    EXPECT_EQ(f.Panel(0).toStdString(), "C'est à Joueur 1 (Blancs) de placer un jeton.");
    // The candidates are marked on the first idle tick of a human's turn.
    EXPECT_TRUE(f.Game().HintsShown);
    EXPECT_NE(f.Game().Highlight.find('C'), std::string::npos);
}

// Guards the saved game named on the command line: a game of ours is opened with its path
// as title; another extension or a damaged file is ignored and the board stays usable.
TEST(SavedGame, OpenedWhenItIsOneAndIgnoredOtherwise) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    f.Game().Click(4);
    ASSERT_EQ(f.Game().MoveCount, 1);
    const QString saved = f.folder.filePath(QStringLiteral("partie.vtl"));
    {
        std::ofstream out(saved.toStdString(), std::ios::binary);
        f.Game().SaveGame(out);
    }
    const QString damaged = f.folder.filePath(QStringLiteral("abime.VTL"));
    const QString other = f.folder.filePath(QStringLiteral("partie.txt"));
    for (const QString& path : {damaged, other}) {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "pas une partie";
    }

    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    for (const QString& path : {damaged, other, f.folder.filePath(QStringLiteral("absente.vtl"))}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(f.window->OpenSavedGame(path));
        EXPECT_EQ(f.Game().MoveCount, 0);
        EXPECT_EQ(f.window->ThemeId, 6);
    }

    EXPECT_TRUE(f.window->OpenSavedGame(saved));
    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.Game().Engine->LiveBoard[4], 'B');
    EXPECT_EQ(f.Game().Title, saved.toStdString());
    EXPECT_EQ(f.window->ThemeId, 6);
    EXPECT_NE(f.window->CurrentView, nullptr);
}

} // namespace
