// Object frames, proxies, picking and the material library.
#include "scene/TMaterialLibrary.h"
#include "scene/TScene.h"
#include "scene/TSoundLibrary.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vantorel::scene;

namespace {

void ExpectNear(const Vec3& a, const Vec3& b) {
    EXPECT_NEAR(a.x(), b.x(), 1e-9);
    EXPECT_NEAR(a.y(), b.y(), 1e-9);
    EXPECT_NEAR(a.z(), b.z(), 1e-9);
}

// A board seen from above, as the flat views build it.
struct TopView {
    TScene scene;
    TDummyCube* frame = scene.Root().AddChild<TDummyCube>();
    TCamera* camera = frame->AddChild<TCamera>();
    TPlane* board = scene.Root().AddChild<TPlane>();
    static constexpr int kW = 400, kH = 300;

    TopView() {
        frame->SetPosition({0, 8, 0});
        camera->SetPosition({0, 2, 0});
        camera->SetDirection({0, -1, 0});
        camera->SetCameraStyle(TCamera::Style::Orthogonal);
        camera->SetFocalLength(40);
        camera->SetSceneScale(0.08);
        camera->SetDepthOfView(10);
        board->SetName("plateau");
        board->SetSize(12, 12);
        board->SetDirection({0, 1, 0});
    }
    std::pair<int, int> Pixel(const Vec3& world) const {
        const Vec3 ndc = world * camera->ViewMatrix() * camera->ProjectionMatrix(kW, kH);
        return {static_cast<int>((ndc.x() + 1) / 2 * kW), static_cast<int>((1 - ndc.y()) / 2 * kH)};
    }
    TSceneObject* Pick(const Vec3& world) {
        const auto [x, y] = Pixel(world);
        return scene.PickNearest(*camera, kW, kH, x, y);
    }
};

} // namespace

// Guards the frame of an object: turning its direction takes its up vector along, so a
// direction along the old up stays well defined; roll and turn turn by the change.
TEST(SceneObject, DirectionUpRollAndTurn) {
    TScene scene;
    auto* o = scene.Root().AddChild<TDummyCube>();
    o->SetDirection({0, 1, 0});
    ExpectNear(o->Direction(), {0, 1, 0});
    ExpectNear(o->Up(), {0, 0, -1});
    o->SetRollAngle(90);
    o->SetRollAngle(180);
    ExpectNear(o->Up(), {0, 0, 1});
    o->SetPosition({1, 2, 3});
    ExpectNear(Vec3(1, 0, 0) * o->LocalMatrix(), Vec3(1, 2, 3) + (o->Up() ^ o->Direction()));
    auto* child = o->AddChild<TDummyCube>();
    child->SetPosition({0, 0, 2}); // two units along the parent's direction
    ExpectNear(child->WorldPosition(), {1, 4, 3});
    ExpectNear(child->WorldToLocal({1, 4, 3}), {0, 0, 0});
    o->SetTurnAngle(90);
    EXPECT_NEAR(o->Direction() * Vec3(0, 1, 0), 0.0, 1e-9);
}

// Guards picking: the nearest named object under a pixel; an unnamed child counts as its
// named parent; a proxy is picked as itself; hidden objects are never picked.
TEST(SceneObject, PickingNamesTheNearestVisibleNamedObject) {
    TopView v;
    auto* marker = v.board->AddChild<TDisk>();
    marker->SetName("L_3");
    marker->SetRadii(0, 0.4);
    marker->SetPosition({2, 2, 0.4});
    auto* ring = marker->AddChild<TDisk>();
    ring->SetRadii(0.5, 0.6);
    auto* model = v.board->AddChild<TCylinder>();
    model->SetShape(0.5, 0.5, 1, 12);
    model->SetVisible(false);
    auto* proxy = v.board->AddChild<TProxy>();
    proxy->SetMaster(model);
    proxy->SetName("B_0");
    proxy->SetPosition({-3, 1, 0.5});

    const osg::Matrixd board = v.board->LocalToWorld();
    EXPECT_EQ(v.Pick(Vec3(2, 2, 0.4) * board), marker);
    EXPECT_EQ(v.Pick(Vec3(2.55, 2, 0.4) * board), marker); // on the ring
    EXPECT_EQ(v.Pick(Vec3(-3, 1, 0.5) * board), proxy);
    EXPECT_EQ(v.Pick(Vec3(5, -5, 0) * board), v.board);
    EXPECT_EQ(v.Pick(Vec3(25, 0, 0)), nullptr); // beyond the board: nothing named
    marker->SetVisible(false);
    EXPECT_EQ(v.Pick(Vec3(2, 2, 0.4) * board), v.board);

    const auto [x, y] = v.Pixel(Vec3(-3, 1, 0.5) * board);
    const auto inside =
        v.scene.PickRect(*v.camera, TopView::kW, TopView::kH, x - 2, y - 2, x + 2, y + 2, 1);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(inside[0], proxy);
    const auto point = v.scene.PointUnder(*v.camera, TopView::kW, TopView::kH, x, y);
    ASSERT_TRUE(point.has_value());
}

// Guards deleting: a child deleted from a progress handler is not visited afterwards and
// the walk goes on.
TEST(SceneObject, ProgressSurvivesHandlersThatDeleteObjects) {
    TScene scene;
    auto* a = scene.Root().AddChild<TDummyCube>();
    auto* b = scene.Root().AddChild<TDummyCube>();
    int bCalls = 0;
    a->OnProgress = [&](TSceneObject&, double, double) { scene.Root().DeleteChild(b); };
    b->OnProgress = [&](TSceneObject&, double, double) { ++bCalls; };
    scene.Progress(0.1, 0.1);
    EXPECT_EQ(bCalls, 0);
    EXPECT_EQ(scene.Root().Children().size(), 1u);
}

// Guards the library: a material of the same name replaces the old one at its index.
TEST(SceneObject, LibraryReplacesByName) {
    TMaterialLibrary library;
    TMaterial red;
    red.Diffuse = {1, 0, 0, 1};
    EXPECT_EQ(library.Add("Bois", red), 0);
    EXPECT_EQ(library.Add("Herbe", red), 1);
    QImage picture(4, 4, QImage::Format_RGB888);
    picture.fill(Qt::green);
    EXPECT_EQ(library.AddTextureMaterial("Bois", picture), 0);
    EXPECT_EQ(library.Count(), 2);
    ASSERT_NE(library.Find("Bois"), nullptr);
    EXPECT_TRUE(library.Find("Bois")->Texture.valid());
    EXPECT_EQ(library.At(5), nullptr);
    EXPECT_EQ(library.Find("Marbre"), nullptr);
}

// Guards the samples: valid RIFF headers whose sizes match their data.
TEST(SceneObject, SamplesAreWellFormedWav) {
    ASSERT_EQ(TSoundLibrary::SampleNames().size(), 8u);
    for (int k = 0; k < 8; ++k) {
        const QByteArray wav = TSoundLibrary::SampleWav(k);
        ASSERT_GT(wav.size(), 44) << k;
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 4), "WAVE");
        const auto le32 = [&](int at) {
            return static_cast<uint32_t>(static_cast<uint8_t>(wav[at])) |
                   static_cast<uint32_t>(static_cast<uint8_t>(wav[at + 1])) << 8 |
                   static_cast<uint32_t>(static_cast<uint8_t>(wav[at + 2])) << 16 |
                   static_cast<uint32_t>(static_cast<uint8_t>(wav[at + 3])) << 24;
        };
        EXPECT_EQ(le32(4), static_cast<uint32_t>(wav.size() - 8));
        EXPECT_EQ(le32(40), static_cast<uint32_t>(wav.size() - 44));
    }
    EXPECT_TRUE(TSoundLibrary::SampleWav(8).isEmpty());
}

// Guards the terrain and fire kinds the 3D boards build on: the height field's surface is
// where its function says, and a fire is built without the scene graph's own data files.
TEST(SceneObject, HeightFieldSurfaceAndFire) {
    TopView v;
    auto* field = v.scene.Root().AddChild<THeightField>();
    field->SetDirection({0, 1, 0}); // lying flat, its heights upward
    field->SetName("terrain");
    field->Build(20, 20, 21, 21, [](double, double) { return 1.5; });
    v.board->SetVisible(false);
    const auto [x, y] = v.Pixel({1, 0, 1});
    const auto point = v.scene.PointUnder(*v.camera, TopView::kW, TopView::kH, x, y);
    ASSERT_TRUE(point.has_value());
    EXPECT_NEAR(point->y(), 1.5, 1e-3);
    EXPECT_EQ(v.scene.PickNearest(*v.camera, TopView::kW, TopView::kH, x, y), field);

    auto* fire = v.scene.Root().AddChild<TFire>();
    fire->Ignite(1.0, 2.0, "");
    EXPECT_EQ(fire->Kind(), TObjectKind::Fire);
    fire->Extinguish();
}

// Guards the fire's life: a burst throws its flames at once and the scene rests again once
// their life is over, drawn or not; steady flames keep it burning until put out.
TEST(Shapes, FireBurstsDieAwayAndSteadyFlamesBurnUntilPutOut) {
    TScene scene;
    auto* fire = scene.Root().AddChild<TFire>();
    TFireParams params;
    params.Life = 0.2;
    fire->SetParams(params);
    fire->Burst(40);
    EXPECT_EQ(fire->LiveFlames(), 40);
    EXPECT_TRUE(scene.Burning());
    EXPECT_TRUE(scene.Moving());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(scene.Burning());

    fire->Ignite(params);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(scene.Burning());
    fire->Extinguish();
    EXPECT_FALSE(scene.Burning());
    EXPECT_EQ(fire->LiveFlames(), 0);
}

// Guards the drawing order switch: the tree's order is forced until transparent objects
// are to be drawn last.
TEST(Shapes, BlendedObjectsLastLiftsTheTreeOrder) {
    TScene scene;
    const osg::StateSet* state = scene.RootNode()->getStateSet();
    EXPECT_EQ(state->getRenderBinMode(), osg::StateSet::OVERRIDE_RENDERBIN_DETAILS);
    scene.SetBlendedLast(true);
    EXPECT_EQ(state->getRenderBinMode(), osg::StateSet::USE_RENDERBIN_DETAILS);
    auto* glass = scene.Root().AddChild<TSphere>();
    TMaterial see;
    see.Blending = true;
    glass->SetMaterial(see);
    EXPECT_EQ(glass->Content()->getChild(0)->getStateSet()->getRenderingHint(),
              osg::StateSet::TRANSPARENT_BIN);
    scene.SetBlendedLast(false);
    EXPECT_EQ(state->getRenderBinMode(), osg::StateSet::OVERRIDE_RENDERBIN_DETAILS);
}
