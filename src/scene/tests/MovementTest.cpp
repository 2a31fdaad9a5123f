// Travel along node paths: each leg at its start node's speed, and the two events.
#include "scene/TMovement.h"
#include "scene/TScene.h"
#include "scene/TSceneViewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

using namespace vantorel::scene;

namespace {

struct Walker {
    TScene scene;
    TDummyCube* object = scene.Root().AddChild<TDummyCube>();
    TMovement& movement = object->GetOrCreateMovement();
    std::vector<std::string> events;

    Walker() {
        movement.OnPathTravelStop = [this](TMovement&, int path, bool&) {
            events.push_back("stop " + std::to_string(path));
        };
        movement.OnAllPathsTravelled = [this](TMovement&) { events.push_back("all"); };
    }
};

} // namespace

// Guards the timing: a 2-unit leg at speed 1 then a 4-unit leg at speed 4, time left over
// from one leg carried into the next, and the events at the end.
TEST(Movement, EachLegAtItsStartNodesSpeed) {
    Walker w;
    const int path = w.movement.AddPath(false);
    w.movement.AddNode(path, {0, 0, 0}, {}, 1);
    w.movement.AddNode(path, {2, 0, 0}, {}, 4);
    w.movement.AddNode(path, {2, 4, 0}, {}, 99);
    w.movement.StartPathTravel();
    w.scene.Progress(1.0, 1.0);
    EXPECT_NEAR(w.object->Position().x(), 1.0, 1e-9);
    w.scene.Progress(1.5, 2.5); // 1 s to finish the first leg, 0.5 s at speed 4
    EXPECT_NEAR(w.object->Position().x(), 2.0, 1e-9);
    EXPECT_NEAR(w.object->Position().y(), 2.0, 1e-9);
    EXPECT_TRUE(w.events.empty());
    w.scene.Progress(5, 7.5);
    EXPECT_NEAR(w.object->Position().y(), 4.0, 1e-9);
    EXPECT_EQ(w.events, (std::vector<std::string>{"stop 0", "all"}));
    EXPECT_FALSE(w.movement.Travelling());
}

// Guards the smooth curve: it passes through its nodes and ends exactly on the last one;
// zero-length legs pass at once.
TEST(Movement, SmoothPathsEndOnTheirLastNode) {
    Walker w;
    const int path = w.movement.AddPath(true);
    w.movement.AddNode(path, {0, 0, 0}, {}, 2);
    w.movement.AddNode(path, {0, 0, 0}, {}, 2);
    w.movement.AddNode(path, {0, 1.5, 0}, {}, 2);
    w.movement.AddNode(path, {3, 1.3, 0}, {}, 2);
    w.movement.AddNode(path, {3, 0, 0}, {}, 2);
    w.movement.StartPathTravel();
    for (int k = 0; k < 400 && w.movement.Travelling(); ++k)
        w.scene.Progress(0.02, k * 0.02);
    EXPECT_FALSE(w.movement.Travelling());
    EXPECT_NEAR(w.object->Position().x(), 3.0, 1e-9);
    EXPECT_NEAR(w.object->Position().y(), 0.0, 1e-9);
}

// Guards the looped flag and the paths in turn: a loop travels the same path again, the
// next path follows, and a handler that stops every movement ends the travel at once.
TEST(Movement, LoopsNextPathsAndHandlersThatStopEverything) {
    Walker w;
    int loops = 0;
    w.movement.OnPathTravelStop = [&](TMovement&, int path, bool& looped) {
        w.events.push_back("stop " + std::to_string(path));
        looped = path == 0 && ++loops < 2;
    };
    for (int p = 0; p < 2; ++p) {
        const int path = w.movement.AddPath(false);
        w.movement.AddNode(path, {0, 0, 0}, {}, 1);
        w.movement.AddNode(path, {1, 0, 0}, {}, 1);
    }
    w.movement.StartPathTravel();
    w.scene.Progress(10, 10);
    EXPECT_EQ(w.events, (std::vector<std::string>{"stop 0", "stop 0", "stop 1", "all"}));

    Walker s;
    s.movement.OnPathTravelStop = [&](TMovement&, int, bool&) { s.scene.StopAllMovements(); };
    const int path = s.movement.AddPath(false);
    s.movement.AddNode(path, {0, 0, 0}, {}, 1);
    s.movement.AddNode(path, {1, 0, 0}, {}, 1);
    s.movement.AddPath(false);
    s.movement.StartPathTravel();
    s.scene.Progress(10, 10);
    EXPECT_FALSE(s.movement.Travelling());
    EXPECT_TRUE(s.events.empty());
}

namespace {

// Guards moves that crawled on a slow machine: each frame of the software renderer took
// longer than the longest step the cadencer allowed, so pieces lost time on every frame
// and a placement took twice its time. Frames of 200 ms must still keep the pieces on
// time.
TEST(Movement, SlowFramesKeepPiecesOnTime) {
    TScene scene;
    auto* piece = scene.Root().AddChild<TDummyCube>();
    TMovement& movement = piece->GetOrCreateMovement();
    const int path = movement.AddPath(false);
    movement.AddNode(path, {0, 0, 0}, {}, 1.0);
    movement.AddNode(path, {10, 0, 0}, {}, 1.0);
    TSceneViewer viewer;
    viewer.SetScene(&scene);
    movement.StartPathTravel();
    viewer.SetCadencerEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1400) {
        QThread::msleep(200); // one slow frame
        QApplication::processEvents();
    }
    viewer.SetCadencerEnabled(false);
    const double seconds = clock.elapsed() / 1000.0;
    // A loaded machine may hold the program back a little longer than a slow frame.
    EXPECT_GT(piece->Position().x(), seconds - 0.5) << "one unit a second";
    EXPECT_LE(piece->Position().x(), seconds + 0.05);
}

} // namespace
