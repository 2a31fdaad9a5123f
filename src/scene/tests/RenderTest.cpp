// One frame really drawn: an orange plane fills the middle of the picture.
#include "scene/TMovement.h"
#include "scene/TSceneViewer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace vantorel::scene;

// Guards the whole chain from the scene to the pixels: context, camera, material, light.
TEST(Render, APlaneInFrontOfTheCameraIsDrawnInItsColour) {
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
    ASSERT_TRUE(viewer.isValid());
    const QImage picture = viewer.Snapshot();
    ASSERT_FALSE(picture.isNull());
    const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    EXPECT_GT(centre.red(), 200);
    EXPECT_NEAR(centre.green(), 128, 40);
    EXPECT_LT(centre.blue(), 60);
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
    RunFor(1500);
    ASSERT_GT(frames, 0) << "the first picture is drawn";

    struct Phase {
        const char* what;
        std::function<void()> act;
        int ms;
        int minFrames, maxFrames;
    };
    TMovement* movement = nullptr;
    const std::vector<Phase> phases = {
        {"at rest", [] {}, 1000, 0, 0},
        {"an object moved from outside",
         [&] {
             plane->SetPosition({1, 0, 0});
         },
         300, 1, 3},
        {"the same position again",
         [&] {
             plane->SetPosition({1, 0, 0});
         },
         300, 0, 0},
        {"a frame asked for", [&] { viewer.RequestFrame(); }, 300, 1, 2},
        {"a movement of one second",
         [&] {
             movement = &plane->GetOrCreateMovement();
             const int path = movement->AddPath(false);
             movement->AddNode(path, {1, 0, 0}, {}, 2.0);
             movement->AddNode(path, {-1, 0, 0}, {}, 2.0);
             movement->StartPathTravel();
         },
         700, 10, 1000},
        {"after the movement", [] { RunFor(1200); }, 1000, 0, 0},
    };
    for (const Phase& phase : phases) {
        phase.act();
        const int before = frames;
        RunFor(phase.ms);
        EXPECT_GE(frames - before, phase.minFrames) << phase.what;
        EXPECT_LE(frames - before, phase.maxFrames) << phase.what;
    }
    EXPECT_TRUE(viewer.CadencerResting());
}
