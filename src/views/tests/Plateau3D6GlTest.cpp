// The 3D classic board really drawn, by Mesa in a virtual X server.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_6.h"
#include "views/Tplateau2D_manu.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

QImage Drawn(ViewFixture& f) {
    f.viewer->show();
    QElapsedTimer wait;
    wait.start();
    while (!f.viewer->isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_TRUE(f.viewer->isValid());
    return f.viewer->Snapshot();
}

bool Olive(const QColor& c) {
    return std::abs(c.red() - 128) < 8 && std::abs(c.green() - 128) < 8 && c.blue() < 8;
}

} // namespace

// Guards the whole picture: olive ground round a lit wooden board whose markers, links and
// pieces show; and a picture that is not the flat board's.
TEST(Plateau3D6Gl, TheBoardIsDrawnOnItsOliveGround) {
    ViewFixture f(MakerOf<TPlateau3D_6>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn(f);
    ASSERT_FALSE(picture.isNull());
    if (qEnvironmentVariableIsSet("VANTOREL_SNAPSHOT"))
        picture.save(qEnvironmentVariable("VANTOREL_SNAPSHOT"));
    EXPECT_TRUE(Olive(picture.pixelColor(5, 5)));
    EXPECT_TRUE(Olive(picture.pixelColor(picture.width() - 5, 5)));
    // The middle third: the board, not the ground, and more than one colour on it.
    int board = 0, bright = 0;
    const int w = picture.width(), h = picture.height();
    for (int y = h / 3; y < 2 * h / 3; ++y)
        for (int x = w / 3; x < 2 * w / 3; ++x) {
            const QColor c = picture.pixelColor(x, y);
            board += !Olive(c);
            bright += c.lightness() > 150; // the brass markers and the links
        }
    const int area = (w / 3) * (h / 3);
    EXPECT_GT(board, area * 3 / 4);
    EXPECT_GT(bright, area / 50);
    // The marker of point 1 is drawn where picking finds it.
    const auto [mx, my] = f.PixelOf("L_0");
    EXPECT_GT(picture.pixelColor(mx, my).lightness(), 120);

    ViewFixture flat(vantorel::testing::MakerOf<Tplateau2D_1>(), 1, {}, QSize(640, 480));
    const QImage other = Drawn(flat);
    int differ = 0;
    for (int y = 0; y < h; y += 4)
        for (int x = 0; x < w; x += 4)
            differ += picture.pixelColor(x, y) != other.pixelColor(x, y);
    EXPECT_GT(differ, (w / 4) * (h / 4) / 2);
}

// Guards the medieval page: lit from the light above its middle (large planes are lit cell
// by cell, not only at their corners), with its light grey markers on show.
TEST(Plateau2DManuGl, ThePageIsLitUnderItsLight) {
    ViewFixture f(MakerOf<Tplateau2D_manu>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn(f);
    ASSERT_FALSE(picture.isNull());
    const int w = picture.width(), h = picture.height();
    const auto [mx, my] = f.PixelOf("L_0");
    EXPECT_GT(picture.pixelColor(mx, my).lightness(), 150);
    const QColor middle = picture.pixelColor(w / 2, h / 2 + 20);
    const QColor edge = picture.pixelColor(w / 2, 10);
    EXPECT_GT(middle.lightness(), edge.lightness() + 40);
    EXPECT_GT(middle.red(), 120); // the warm parchment, not only the blue ambient light
}
