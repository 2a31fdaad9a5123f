// One frame really drawn: an orange plane fills the middle of the picture.
#include "scene/TMovement.h"
#include "scene/TSceneViewer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace vantorel::scene;

namespace {

// The colour at the middle of a frame showing an orange plane, and the samples its viewer
// drew with.
std::pair<QColor, int> OrangePlaneFrame() {
    TScene scene;
    auto* frame = scene.Root().AddChild<TDummyCube>();
    auto* camera = frame->AddChild<TCamera>();
    camera->SetPosition({0, 0, 10});
    auto* plane = scene.Root().AddChild<TPlane>();
    plane->SetSize(20, 20);
    TMaterial orange;
    orange.SetAllColours({0, 0, 0, 1});
    orange.Emission = {1.0f, 0.5f, 0.0f, 1};
    plane->SetMaterial(orange);

    TSceneViewer viewer;
    viewer.resize(320, 240);
    viewer.SetScene(&scene);
    viewer.SetCamera(camera);
    viewer.show();
    QElapsedTimer wait;
    wait.start();
    while (!viewer.isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    if (!viewer.isValid()) return {};
    const QImage picture = viewer.Snapshot();
    if (picture.isNull()) return {};
    return {picture.pixelColor(picture.width() / 2, picture.height() / 2),
            viewer.format().samples()};
}

void ExpectOrange(const QColor& centre) {
    EXPECT_GT(centre.red(), 200);
    EXPECT_NEAR(centre.green(), 128, 40);
    EXPECT_LT(centre.blue(), 60);
}

} // namespace

// Guards the whole chain from the scene to the pixels: context, camera, material, light.
TEST(Render, APlaneInFrontOfTheCameraIsDrawnInItsColour) {
    ExpectOrange(OrangePlaneFrame().first);
}

// Guards the program's frame rate in software: Mesa's llvmpipe (this test runs on it) is
// recognised, the viewers made afterwards draw without multisampling, and still draw.
TEST(Render, ASoftwareRendererDrawsWithoutMultisampling) {
    const QSurfaceFormat prepared = QSurfaceFormat::defaultFormat();
    ASSERT_TRUE(TSceneViewer::FitSurfaceFormatToRenderer());
    const auto [centre, samples] = OrangePlaneFrame();
    QSurfaceFormat::setDefaultFormat(prepared);
    EXPECT_LE(samples, 0);
    ExpectOrange(centre);
    EXPECT_FALSE(TSceneViewer::IsSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23)"));
}

// Guards the text over the picture: it stands at its pixel place from the top left, over
// the scene, whatever the camera.
TEST(Render, HudTextStandsAtItsPixelPlace) {
    TScene scene;
    auto* camera = scene.Root().AddChild<TCamera>();
    auto* label = scene.Root().AddChild<THudText>();
    TMaterial white;
    white.Diffuse = {1, 1, 1, 1};
    label->SetMaterial(white);
    label->SetPosition({10, 10, 0});
    label->SetText("MMMM", 40, THudText::Align::Left);

    TSceneViewer viewer;
    viewer.resize(320, 240);
    viewer.SetScene(&scene);
    viewer.SetCamera(camera);
    viewer.show();
    QElapsedTimer wait;
    wait.start();
    while (!viewer.isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    ASSERT_TRUE(viewer.isValid());
    const QImage picture = viewer.Snapshot();
    ASSERT_FALSE(picture.isNull());
    auto brightIn = [&](int x0, int y0, int x1, int y1) {
        int bright = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                bright += picture.pixelColor(x, y).lightness() > 128;
        return bright;
    };
    EXPECT_GT(brightIn(10, 10, 160, 50), 100);
    EXPECT_EQ(brightIn(0, 120, 320, 240), 0);
}

namespace {

// Runs the event loop for `ms` milliseconds.
void RunFor(int ms) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Runs the event loop until `done` (true) or for `ms` milliseconds at most (false).
bool RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer wait;
    wait.start();
    while (!done()) {
        if (wait.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

// Guards the window at rest: with nothing moving the viewer must stop drawing (it drew 60
// frames a second, two cores busy in the software renderer), and still draw at once what
// changes or moves.
TEST(Render, AViewerAtRestDrawsNoFramesAndWakesForChanges) {
    TScene scene;
    auto* camera = scene.Root().AddChild<TCamera>();
    camera->SetPosition({0, 0, 10});
    auto* plane = scene.Root().AddChild<TPlane>();
    plane->SetSize(4, 4);
    TSceneViewer viewer;
    viewer.resize(320, 240);
    viewer.SetScene(&scene);
    viewer.SetCamera(camera);
    int frames = 0;
    QObject::connect(&viewer, &TSceneViewer::FrameRendered, [&] { ++frames; });
    viewer.show();
    viewer.SetCadencerEnabled(true);
    const auto resting = [&] { return viewer.CadencerResting(); };
    const auto drawnSince = [&](int before) {
        return [&frames, before] { return frames > before; };
    };
    ASSERT_TRUE(RunUntil(drawnSince(0), 10000)) << "the first picture is drawn";
    ASSERT_TRUE(RunUntil(resting, 10000));

    const auto idleFrames = [&](int ms) {
        const int before = frames;
        RunFor(ms);
        return frames - before;
    };
    EXPECT_EQ(idleFrames(1000), 0) << "at rest";

    int before = frames;
    plane->SetPosition({1, 0, 0});
    EXPECT_TRUE(RunUntil(drawnSince(before), 3000)) << "an object moved from outside";
    ASSERT_TRUE(RunUntil(resting, 5000));
    plane->SetPosition({1, 0, 0});
    EXPECT_EQ(idleFrames(300), 0) << "the same position again";

    before = frames;
    viewer.RequestFrame();
    EXPECT_TRUE(RunUntil(drawnSince(before), 3000)) << "a frame asked for";

    before = frames;
    TMovement& movement = plane->GetOrCreateMovement();
    const int path = movement.AddPath(false);
    movement.AddNode(path, {1, 0, 0}, {}, 2.0);
    movement.AddNode(path, {-1, 0, 0}, {}, 2.0);
    movement.StartPathTravel();
    ASSERT_TRUE(RunUntil([&] { return !movement.Travelling(); }, 10000));
    EXPECT_GE(frames - before, 5) << "a movement of one second is drawn as it goes";
    ASSERT_TRUE(RunUntil(resting, 5000)) << "rest after the movement";
    EXPECT_EQ(idleFrames(1000), 0) << "after the movement";
}
