// One frame really drawn: an orange plane fills the middle of the picture.
#include "scene/TSceneViewer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

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
