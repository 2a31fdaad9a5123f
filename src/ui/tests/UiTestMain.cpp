#include "scene/TSceneViewer.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The viewer is never shown here: the offscreen platform's word that it cannot draw is
// expected and says nothing about the test.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("QOpenGLWidget is not supported"))) return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    // Never a real screen: ctest's discovery runs this without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    // The drawn tests need the context the scene draws with.
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setOrganizationName(QStringLiteral("TEV"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
