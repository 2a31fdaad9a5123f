// The themes' cost under the renderer at hand, at 1280 x 800: time to build a theme, frames a
// second and the worst frame while a piece moves and while dice roll, and the resident memory
// before and after rebuilding the theme five times, and the processor used by a window left
// alone. One row a theme:
//   vantorel_theme_bench [--samples N] [theme id ...]      (all the themes by default)
// Run it under Xvfb with LIBGL_ALWAYS_SOFTWARE=1 for the software renderer's figures.
#include "engine/Random.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"
#include "scene/TScene.h"
#include "scene/TSceneViewer.h"
#include "ui/Sdimain.h"
#include "views/WindowMaterials.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSurfaceFormat>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace vantorel;

namespace {

constexpr int kWidth = 1280, kHeight = 800;
constexpr int kFrames = 180; // three seconds of animation at 60 a second
constexpr double kStep = 1.0 / 60;

class BenchHost : public TViewHost {
public:
    BenchHost() { BuildWindowMaterials(materials_); }
    bool HasUsableView() const override { return true; }
    const TOptions& Options() const override { return options_; }
    const scene::TMaterialLibrary& Materials() const override { return materials_; }
    void Beep() override {}
    void ReportClickError(const std::string&) override {}
    void SetStatusPanel(int, const std::string&) override {}
    void ProcessPendingEvents() override { QApplication::processEvents(); }

private:
    TOptions options_;
    scene::TMaterialLibrary materials_;
};

double ResidentMegabytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

struct Frames {
    double fps = 0, worstMs = 0;
};

// One step of the scene and one frame drawn, timed together, `kFrames` times; `feed` keeps
// something moving between frames.
template <class Feed> Frames Run(scene::TSceneViewer& viewer, Feed feed, int frames = kFrames) {
    Frames result;
    QElapsedTimer all, one;
    all.start();
    for (int k = 0; k < frames; ++k) {
        one.start();
        feed();
        viewer.Step(kStep);
        viewer.update();
        QApplication::processEvents();
        result.worstMs = std::max(result.worstMs, one.nsecsElapsed() / 1e6);
    }
    result.fps = frames / (all.nsecsElapsed() / 1e9);
    return result;
}

// A short run with nothing fed: the pieces reach their places.
void Settle(scene::TSceneViewer& viewer) {
    const auto nothing = [] {};
    Run(viewer, nothing, 30);
}

// The share of one core the process uses while the window is left alone for `ms`, the
// cadencer running as in the program.
double IdleCpuPercent(scene::TSceneViewer& viewer, int ms) {
    viewer.SetCadencerEnabled(true);
    // The cadencer first draws what changed, then rests: measure once it had the chance.
    auto wait = [](int milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    };
    wait(1000);
    rusage start{};
    getrusage(RUSAGE_SELF, &start);
    QElapsedTimer wall;
    wall.start();
    wait(ms);
    rusage end{};
    getrusage(RUSAGE_SELF, &end);
    viewer.SetCadencerEnabled(false);
    auto seconds = [](const rusage& r) {
        return r.ru_utime.tv_sec + r.ru_stime.tv_sec +
               (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    return 100.0 * (seconds(end) - seconds(start)) / (wall.nsecsElapsed() / 1e9);
}

struct Board {
    THeadlessOwner owner;
    uint32_t now = 1000;
    std::unique_ptr<TPlateau> game;
    explicit Board(bool dice) {
        RandSeed(11);
        game = std::make_unique<TPlateau>(
            1, true, &owner, [this] { return now; }, [] {});
        game->GameType = kHumanVsHuman;
        if (dice) {
            game->Model.DiceRule = 1;
            game->NewGame();
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    scene::TSceneViewer::PrepareSurfaceFormat();
    std::vector<int> themes;
    bool samplesGiven = false;
    for (int k = 1; k < argc; ++k) {
        // "--samples N" measures another multisampling than the program's own.
        if (std::string(argv[k]) == "--samples" && k + 1 < argc) {
            samplesGiven = true;
            QSurfaceFormat format = QSurfaceFormat::defaultFormat();
            format.setSamples(std::atoi(argv[++k]));
            QSurfaceFormat::setDefaultFormat(format);
            continue;
        }
        themes.push_back(std::atoi(argv[k]));
    }
    QApplication app(argc, argv);
    // As the program does, unless told otherwise.
    if (!samplesGiven) scene::TSceneViewer::FitSurfaceFormatToRenderer();
    std::printf("multisampling: %d samples\n", QSurfaceFormat::defaultFormat().samples());
    if (themes.empty()) themes = {1, 2, 6, 7, 8, 10, 13};

    scene::TScene scene;
    scene::TSceneViewer viewer;
    viewer.resize(kWidth, kHeight);
    viewer.SetScene(&scene);
    viewer.show();
    QElapsedTimer wait;
    wait.start();
    while (!viewer.isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    BenchHost host;

    std::printf("%-6s %9s %9s %10s %9s %10s %9s %9s %9s\n", "theme", "build ms", "move fps",
                "move worst", "dice fps", "dice worst", "RSS MB", "RSS +5", "idle CPU");
    for (int theme : themes) {
        Board board(false);
        QElapsedTimer clock;
        clock.start();
        TBuiltView built = BuildThemeView(theme, *board.game, viewer, scene, host);
        const double buildMs = clock.nsecsElapsed() / 1e6;
        if (built.ThemeId != theme) {
            std::printf("%-6d not built (shown as %d)\n", theme, built.ThemeId);
            continue;
        }
        TAnim& view = *built.View;
        // Settle the pieces, then one white piece goes back and forth between two points.
        Settle(viewer);
        TPieceRec& piece = board.game->Pieces[0][0];
        int32_t stamp = 100;
        const Frames move = Run(viewer, [&] {
            board.now += 16;
            if (view.IsAnimating()) return;
            piece.State = TPieceRec::OnBoard;
            piece.PreviousPoint = piece.Point;
            piece.Point = static_cast<int8_t>(piece.Point == 0 ? 2 : 0);
            piece.Stamp = ++stamp;
        });
        built.View.reset();

        // The dice on a dice variant, thrown again as soon as they rest.
        Board rolling(true);
        built = BuildThemeView(theme, *rolling.game, viewer, scene, host);
        TAnim& diceView = *built.View;
        const Frames dice = Run(viewer, [&] {
            rolling.now += 16;
            if (diceView.DiceShown) return;
            for (int die = 1; die <= 3; ++die)
                rolling.game->Dice[static_cast<size_t>(die)].Value =
                    static_cast<int8_t>(RandomBelow(6) + 1);
            diceView.StartDiceRoll();
        });
        built.View.reset();

        // Five rebuilds in a row: nothing may be left behind.
        built = BuildThemeView(theme, *board.game, viewer, scene, host);
        Settle(viewer);
        const double before = ResidentMegabytes();
        for (int k = 0; k < 5; ++k) {
            built.View.reset();
            built = BuildThemeView(theme, *board.game, viewer, scene, host);
            Settle(viewer);
        }
        const double after = ResidentMegabytes();
        const double idle = IdleCpuPercent(viewer, 3000);
        built.View.reset();
        std::printf("%-6d %9.1f %9.1f %10.1f %9.1f %10.1f %9.1f %+9.1f %8.1f%%\n", theme, buildMs,
                    move.fps, move.worstMs, dice.fps, dice.worstMs, before, after - before, idle);
        std::fflush(stdout);
    }
    return 0;
}
