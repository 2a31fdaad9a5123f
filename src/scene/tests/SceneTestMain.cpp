#include "scene/TSceneViewer.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    // No window is shown: the offscreen platform unless the test asks for another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
