// Frames by table, shapes that face outward, and objects that die while others point at
// them: proxies, camera targets, the viewer's camera, movement handlers.
#include "scene/TMovement.h"
#include "scene/TSceneViewer.h"
#include "scene/TSoundLibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <osg/Geode>
#include <osg/TriangleFunctor>

#include <gtest/gtest.h>

#include <functional>

using namespace vantorel::scene;

namespace {

void ExpectNear(const Vec3& a, const Vec3& b, const char* what) {
    EXPECT_NEAR(a.x(), b.x(), 1e-9) << what;
    EXPECT_NEAR(a.y(), b.y(), 1e-9) << what;
    EXPECT_NEAR(a.z(), b.z(), 1e-9) << what;
}

struct OutwardCheck {
    int inward = 0, faces = 0;
    void operator()(const osg::Vec3& a, const osg::Vec3& b, const osg::Vec3& c) {
        const osg::Vec3 normal = (b - a) ^ (c - a);
        if (normal.length() < 1e-6f) return; // the apex of a cone
        ++faces;
        if (normal * ((a + b + c) / 3.0f) <= 0) ++inward;
    }
};

} // namespace

// Guards the frame conventions, right-handed about each axis: the angle setters turn by the
// change of angle, and a new direction carries the up vector along.
TEST(Frame, SettersTurnTheAxesAsDocumented) {
    const double h = 1 / std::sqrt(2.0);
    struct Row {
        const char* what;
        std::function<void(TSceneObject&)> set;
        Vec3 direction, up;
    };
    const Row rows[] = {
        {"roll 90", [](TSceneObject& o) { o.SetRollAngle(90); }, {0, 0, 1}, {-1, 0, 0}},
        {"roll 30 then 90",
         [](TSceneObject& o) {
             o.SetRollAngle(30);
             o.SetRollAngle(90);
         },
         {0, 0, 1},
         {-1, 0, 0}},
        {"turn 90", [](TSceneObject& o) { o.SetTurnAngle(90); }, {1, 0, 0}, {0, 1, 0}},
        {"pitch 90", [](TSceneObject& o) { o.SetPitchAngle(90); }, {0, -1, 0}, {0, 0, 1}},
        {"half a turn",
         [](TSceneObject& o) {
             o.SetDirection({0, 0, -5});
         },
         {0, 0, -1},
         {0, -1, 0}},
        {"quarter about up",
         [](TSceneObject& o) {
             o.SetDirection({2, 0, 0});
         },
         {1, 0, 0},
         {0, 1, 0}},
        {"up made perpendicular",
         [](TSceneObject& o) {
             o.SetUp({1, 1, 3});
         },
         {0, 0, 1},
         {h, h, 0}},
        {"up along direction ignored",
         [](TSceneObject& o) {
             o.SetUp({0, 0, 2});
         },
         {0, 0, 1},
         {0, 1, 0}},
        {"zero direction ignored",
         [](TSceneObject& o) {
             o.SetDirection({0, 0, 0});
         },
         {0, 0, 1},
         {0, 1, 0}},
    };
    for (const Row& row : rows) {
        TScene scene;
        auto* o = scene.Root().AddChild<TDummyCube>();
        row.set(*o);
        ExpectNear(o->Direction(), row.direction, row.what);
        ExpectNear(o->Up(), row.up, row.what);
    }
}

// Guards the winding of the closed shapes: with back faces culled, an inward triangle is a
// hole in the piece.
TEST(Frame, ClosedShapesFaceOutward) {
    TScene scene;
    auto* cube = scene.Root().AddChild<TCube>();
    cube->SetSize(2, 1, 3);
    auto* cylinder = scene.Root().AddChild<TCylinder>();
    cylinder->SetShape(0.5, 0.5, 1, 12);
    auto* cone = scene.Root().AddChild<TCylinder>();
    cone->SetShape(0, 0.8, 2, 7);
    for (TSceneObject* shape :
         {static_cast<TSceneObject*>(cube), static_cast<TSceneObject*>(cylinder),
          static_cast<TSceneObject*>(cone)}) {
        auto* geode = shape->Content()->getChild(0)->asGeode();
        ASSERT_NE(geode, nullptr);
        osg::TriangleFunctor<OutwardCheck> check;
        geode->getDrawable(0)->accept(check);
        EXPECT_GT(check.faces, 8);
        EXPECT_EQ(check.inward, 0);
    }
}

// Guards the projections and the zoom: the orthogonal view is kOrthoUnits / (focal × scale)
// units tall, zooming scales the distance to the target, and a reset stands the camera up.
TEST(Frame, CameraProjectionZoomAndReset) {
    TScene scene;
    auto* frame = scene.Root().AddChild<TDummyCube>();
    frame->SetPosition({0, 8, 0});
    auto* camera = frame->AddChild<TCamera>();
    camera->SetCameraStyle(TCamera::Style::Orthogonal);
    camera->SetFocalLength(40);
    camera->SetSceneScale(0.08);
    const osg::Matrixd projection = camera->ProjectionMatrix(400, 200);
    EXPECT_NEAR((Vec3(0, 12.5, -1) * projection).y(), 1.0, 1e-9);
    EXPECT_NEAR((Vec3(25, 0, -1) * projection).x(), 1.0, 1e-9);

    camera->SetPosition({0, 10, 20});
    camera->SetTarget(frame);
    camera->AdjustDistanceToTarget(2);
    ExpectNear(camera->WorldPosition(), Vec3(0, 28, 40), "zoomed out");
    // Looking at the target: it lands in the middle of the picture.
    camera->SetCameraStyle(TCamera::Style::Perspective);
    const Vec3 middle =
        frame->WorldPosition() * camera->ViewMatrix() * camera->ProjectionMatrix(400, 200);
    EXPECT_NEAR(middle.x(), 0, 1e-9);
    EXPECT_NEAR(middle.y(), 0, 1e-9);

    camera->SetPitchAngle(40);
    camera->SetRollAngle(10);
    camera->Reset();
    ExpectNear(camera->Direction(), {0, 0, -1}, "reset direction");
    ExpectNear(camera->Up(), {0, 1, 0}, "reset up");
}

// Guards the plain pointers between objects: a deleted master leaves its proxies empty, a
// deleted target leaves the camera looking ahead, and a proxy cannot draw its own ancestor.
TEST(Lifetime, PointersToDeletedObjectsAreCleared) {
    TScene scene;
    auto* model = scene.Root().AddChild<TCylinder>();
    auto* proxy = scene.Root().AddChild<TProxy>();
    proxy->SetMaster(model);
    auto* camera = scene.Root().AddChild<TCamera>();
    camera->SetTarget(model);
    const unsigned drawn = proxy->Content()->getNumChildren();
    scene.Root().DeleteChild(model);
    EXPECT_EQ(proxy->Master(), nullptr);
    EXPECT_EQ(camera->Target(), nullptr);
    EXPECT_LT(proxy->Content()->getNumChildren(), drawn);
    EXPECT_FALSE(camera->ViewMatrix().isNaN());

    auto* inner = proxy->AddChild<TProxy>();
    inner->SetMaster(proxy);
    EXPECT_EQ(inner->Master(), nullptr);
    inner->SetMaster(inner);
    EXPECT_EQ(inner->Master(), nullptr);
}

// Guards the viewer against a view that frees the scene without detaching the camera:
// picking answers nothing instead of reading a freed camera.
TEST(Lifetime, ViewerForgetsACameraFreedWithTheScene) {
    TScene scene;
    auto* camera = scene.Root().AddChild<TCamera>();
    auto* plane = scene.Root().AddChild<TPlane>();
    plane->SetName("plateau");
    plane->SetSize(50, 50);
    TSceneViewer viewer; // never shown: no GL here
    viewer.resize(200, 100);
    viewer.SetScene(&scene);
    viewer.SetCamera(camera);
    EXPECT_EQ(viewer.PickNearest(100, 50), plane);
    scene.Clear();
    EXPECT_EQ(viewer.PickNearest(100, 50), nullptr);
    EXPECT_TRUE(viewer.PickRect(90, 40, 110, 60, 5).empty());
}

// Guards the sound library's folder and its bounds; nothing is played.
TEST(Lifetime, SoundLibraryWritesItsSamplesAndIgnoresBadIndexes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TSoundLibrary sounds(folder.filePath("sons"));
    EXPECT_EQ(sounds.Count(), 8);
    QFile first(folder.filePath("sons/sample0.wav"));
    EXPECT_EQ(first.size(), TSoundLibrary::SampleWav(0).size());
    sounds.Play(-1);
    sounds.Play(8);
}

namespace {

struct Travel {
    TScene scene;
    TDummyCube* object = scene.Root().AddChild<TDummyCube>();
    TMovement* movement = &object->GetOrCreateMovement();
    int stops = 0, ends = 0;

    void Line(const Vec3& from, const Vec3& to, double speed) {
        const int path = movement->AddPath(false);
        movement->AddNode(path, from, {}, speed);
        movement->AddNode(path, to, {}, speed);
    }
};

} // namespace

// Guards handlers that change the movement under the running step: a restart carries on
// with the time left (and no end event), a looped path of no length does not spin the
// frame, and deleting the object or its movement ends the step quietly.
TEST(Lifetime, MovementHandlersThatRestartOrDelete) {
    {
        Travel t;
        t.Line({0, 0, 0}, {1, 0, 0}, 1);
        t.movement->OnPathTravelStop = [&](TMovement& m, int, bool&) {
            if (++t.stops > 1) return;
            m.ClearPaths();
            t.Line({1, 0, 0}, {1, 2, 0}, 1);
            m.StartPathTravel();
        };
        t.movement->OnAllPathsTravelled = [&](TMovement&) { ++t.ends; };
        t.movement->StartPathTravel();
        t.scene.Progress(1.5, 1.5);
        ExpectNear(t.object->Position(), {1, 0.5, 0}, "restarted");
        EXPECT_TRUE(t.movement->Travelling());
        EXPECT_EQ(t.ends, 0);
        t.scene.Progress(5, 6.5);
        EXPECT_EQ(t.stops, 2);
        EXPECT_EQ(t.ends, 1);
    }
    {
        Travel t;
        t.Line({2, 0, 0}, {2, 0, 0}, 1);
        t.movement->OnPathTravelStop = [&](TMovement&, int, bool& looped) {
            ++t.stops;
            looped = true;
        };
        t.movement->StartPathTravel();
        t.scene.Progress(0.1, 0.1);
        EXPECT_LE(t.stops, 2);
        EXPECT_TRUE(t.movement->Travelling());
    }
    {
        Travel t;
        t.Line({0, 0, 0}, {1, 0, 0}, 1);
        t.movement->OnPathTravelStop = [&](TMovement&, int, bool&) {
            t.scene.Root().DeleteChild(t.object);
        };
        t.movement->StartPathTravel();
        t.scene.Progress(2, 2);
        EXPECT_TRUE(t.scene.Root().Children().empty());
    }
    {
        Travel t;
        t.Line({0, 0, 0}, {1, 0, 0}, 1);
        t.Line({1, 0, 0}, {2, 0, 0}, 1);
        t.movement->OnPathTravelStop = [&](TMovement&, int, bool&) { t.object->DeleteMovement(); };
        t.movement->StartPathTravel();
        t.scene.Progress(5, 5);
        EXPECT_EQ(t.object->Movement(), nullptr);
        ExpectNear(t.object->Position(), {1, 0, 0}, "stopped where its movement went");
    }
    {
        Travel t; // a handler that replaces itself while it runs
        t.Line({0, 0, 0}, {1, 0, 0}, 1);
        t.movement->OnAllPathsTravelled = [&](TMovement& m) {
            m.OnAllPathsTravelled = nullptr;
            ++t.ends;
        };
        t.movement->StartPathTravel();
        t.scene.Progress(2, 2);
        EXPECT_EQ(t.ends, 1);
    }
}

// Guards the node rotations: they are interpolated with the position.
TEST(Lifetime, RotationsFollowThePosition) {
    Travel t;
    const int path = t.movement->AddPath(false);
    t.movement->AddNode(path, {0, 0, 0}, {0, 0, 0}, 1);
    t.movement->AddNode(path, {2, 0, 0}, {0, 90, 0}, 1);
    t.movement->StartPathTravel();
    t.scene.Progress(1, 1);
    EXPECT_NEAR(t.object->TurnAngle(), 45, 1e-9);
    t.scene.Progress(1, 2);
    EXPECT_NEAR(t.object->TurnAngle(), 90, 1e-9);
    ExpectNear(t.object->Direction(), {1, 0, 0}, "turned a quarter");
}
