#include "ViewTestSupport.h"

#include "engine/Random.h"
#include "views/WindowMaterials.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace vantorel::testing {

FakeHost::FakeHost() {
    BuildWindowMaterials(materials);
}

ViewFixture::ViewFixture(int kind, const std::function<void(TPlateau&)>& prepare, bool flat)
    : ViewFixture(
          [flat](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                 TViewHost& host) -> std::unique_ptr<TAnim> {
              if (flat) return std::make_unique<Tplateau2D_1>(game, viewer, scene, host);
              return std::make_unique<TAnim>(game, viewer, scene, host);
          },
          kind, prepare) {}

ViewFixture::ViewFixture(const ViewMaker& make, int kind,
                         const std::function<void(TPlateau&)>& prepare, QSize size) {
    RandSeed(7);
    game = std::make_unique<TPlateau>(
        kind, true, &owner, [this] { return now; }, [] { RandSeed(7); });
    game->GameType = kHumanVsHuman;
    if (prepare) prepare(*game);
    viewer = std::make_unique<scene::TSceneViewer>();
    viewer->resize(size);
    viewer->SetScene(&scene);
    view = make(*game, *viewer, scene, host);
    owner.view = view.get();
    // Place every piece where it belongs before the test begins.
    RunUntilIdle();
}

ViewFixture::~ViewFixture() {
    owner.view = nullptr;
    view.reset();
}

int ViewFixture::RunFrames(int frames, int ms) {
    for (int k = 0; k < frames; ++k) {
        now += static_cast<uint32_t>(ms);
        viewer->Step(ms / 1000.0);
    }
    return frames;
}

int ViewFixture::RunUntilIdle(int ms, int limit) {
    int frames = 0;
    // One frame to notice a change, then until nothing moves any more.
    do {
        RunFrames(1, ms);
        ++frames;
    } while ((view->IsAnimating() || view->DiceShown) && frames < limit);
    return frames;
}

scene::TSceneObject* ViewFixture::Object(const std::string& name) {
    scene::TSceneObject* found = nullptr;
    scene.ForEach([&](scene::TSceneObject& o) {
        if (!found && o.Name() == name) found = &o;
    });
    return found;
}

std::pair<int, int> ViewFixture::PixelOf(const std::string& name) {
    scene::TSceneObject* object = Object(name);
    EXPECT_NE(object, nullptr) << name;
    if (!object) return {0, 0};
    const scene::TCamera& camera = *viewer->Camera();
    const int w = viewer->ClientWidth(), h = viewer->ClientHeight();
    const osg::Vec3d ndc =
        object->WorldPosition() * camera.ViewMatrix() * camera.ProjectionMatrix(w, h);
    return {static_cast<int>((ndc.x() + 1) / 2 * w), static_cast<int>((1 - ndc.y()) / 2 * h)};
}

void ViewFixture::PressOn(const std::string& name) {
    const auto [x, y] = PixelOf(name);
    view->MouseDown(scene::TMouseButton::Left, scene::kLeft, x, y);
    view->MouseUp(scene::TMouseButton::Left, 0, x, y);
}

} // namespace vantorel::testing

int main(int argc, char** argv) {
    // No window is shown: the offscreen platform unless the test asks for another.
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
