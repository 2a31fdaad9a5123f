// The window really drawn, at the size it opens at on a 1280 × 1024 screen: the board fills
// the view and the point numbers stand out. Under a virtual X server with Mesa.
#include "UiTestSupport.h"

#include "scene/TSceneViewer.h"
#include "ui/StatusPanels.h"
#include "ui/WindowPlace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

void RunFor(int ms) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Guards the 180-pixel board in a 450-pixel window and the 7-pixel numbers hidden by
// pieces: at the default size, with pieces on the board and the numbers on, the points
// span most of the view's height and many number pixels show in their own colour.
TEST(WindowGl, TheBoardFillsTheViewAtTheDefaultSize) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.SetPosition("BLLNLLLLLBLLLLNLLLBLLLLN", 6, 6, kWhite);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int needed = StatusTextWidths(f.window->StatusPanel(0)->fontMetrics()).Status;
    f.window->setGeometry(DefaultWindowRect(area, needed));
    f.window->show();
    f.window->GLSceneViewer1->SetCadencerEnabled(true);
    RunFor(1500);
    f.window->NumeroterClick();
    RunFor(1500);
    const QImage picture = f.window->GLSceneViewer1->Snapshot();
    ASSERT_FALSE(picture.isNull());
    picture.save(QStringLiteral("window-gl.png"));

    // The point markers are the only bluish pixels; the numbers the only light yellow ones.
    int top = picture.height(), bottom = -1, numberPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.blue() > c.red() + 60 && c.blue() > c.green() + 60) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
            if (c.red() > 200 && c.green() > 170 && c.blue() < 140) ++numberPixels;
        }
    ASSERT_GE(bottom, top);
    EXPECT_GT(bottom - top, picture.height() * 55 / 100)
        << "the points span " << bottom - top << " of " << picture.height() << " pixels";
    EXPECT_GT(numberPixels, 24 * 20) << "each of the 24 numbers shows in its colour";
}

// Guards the window that drew 60 frames a second while waiting for a click: with the
// clock running and a human to play, no frame is drawn; a click is shown at once.
TEST(WindowGl, AWindowWaitingForAClickDrawsNothing) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.window->resize(800, 600);
    f.window->show();
    f.window->GLSceneViewer1->SetCadencerEnabled(true);
    f.window->Horloge.start();
    QElapsedTimer wait;
    wait.start();
    while (!f.window->GLSceneViewer1->CadencerResting() && wait.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    int frames = 0;
    QObject::connect(f.window->GLSceneViewer1, &scene::TSceneViewer::FrameRendered,
                     [&] { ++frames; });
    RunFor(2000);
    EXPECT_EQ(frames, 0) << "frames drawn in two idle seconds";
    f.Game().Click(0, kNoColour, -1);
    wait.restart();
    while (frames <= 5 && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GT(frames, 5) << "the placement is animated";
}

} // namespace
