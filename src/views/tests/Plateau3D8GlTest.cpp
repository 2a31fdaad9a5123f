// The Euros board really drawn, by Mesa in a virtual X server.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_7.h"
#include "views/TPlateau3D_8.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

QImage Drawn8(ViewFixture& f) {
    f.viewer->show();
    QElapsedTimer wait;
    wait.start();
    while (!f.viewer->isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_TRUE(f.viewer->isValid());
    return f.viewer->Snapshot();
}

} // namespace

// Guards the whole picture: the board picture lit green on black, its red point circles
// under the markers, coins in sight; and a picture unlike the cake's.
TEST(Plateau3D8Gl, TheBoardPictureLiesUnderTheGreenLight) {
    ViewFixture f(MakerOf<TPlateau3D_8>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn8(f);
    ASSERT_FALSE(picture.isNull());
    if (qEnvironmentVariableIsSet("VANTOREL_SNAPSHOT"))
        picture.save(qEnvironmentVariable("VANTOREL_SNAPSHOT") + QStringLiteral("-8.png"));
    const int w = picture.width(), h = picture.height();
    EXPECT_LT(picture.pixelColor(3, 3).lightness(), 10); // the black background
    int lit = 0;
    for (int y = h / 4; y < 3 * h / 4; y += 2)
        for (int x = w / 4; x < 3 * w / 4; x += 2)
            lit += picture.pixelColor(x, y).green() > 60;
    EXPECT_GT(lit, (w / 4) * (h / 4) / 5); // the lit board in the middle
    // Around a marker: the red circle of the picture, lit by a yellow-green light.
    const auto [mx, my] = f.PixelOf("L_1");
    int reddish = 0;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) {
            const QColor c = picture.pixelColor(mx + dx, my + dy);
            reddish += c.red() > c.blue() + 30;
        }
    EXPECT_GT(reddish, 10);

    ViewFixture cake(MakerOf<TPlateau3D_7>(), 1, {}, QSize(640, 480));
    const QImage other = Drawn8(cake);
    int differ = 0;
    for (int y = 0; y < h; y += 4)
        for (int x = 0; x < w; x += 4)
            differ += picture.pixelColor(x, y) != other.pixelColor(x, y);
    EXPECT_GT(differ, (w / 4) * (h / 4) / 2);
}
