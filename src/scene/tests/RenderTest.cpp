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
