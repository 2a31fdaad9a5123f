// Sockets need an event loop, the window a QApplication.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The window is never shown: no display needed, even where the tests are listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
