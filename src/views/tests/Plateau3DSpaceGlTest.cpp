// The Planets and Stonehenge scenes really drawn, by Mesa in a virtual X server.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_10.h"
#include "views/TPlateau3D_13.h"
#include "views/TPlateau3D_6.h"

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
    const QImage picture = f.viewer->Snapshot();
    // VANTOREL_SNAPSHOT_DIR keeps the pictures, to look at them.
    const QString folder = qEnvironmentVariable("VANTOREL_SNAPSHOT_DIR");
    const TAnim& view = *f.view;
    if (!folder.isEmpty())
        picture.save(folder + QLatin1Char('/') + QString::fromLatin1(typeid(view).name()) +
                     QStringLiteral(".png"));
    return picture;
}

int Differing(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); y += 4)
        for (int x = 0; x < a.width(); x += 4)
            differ += a.pixelColor(x, y) != b.pixelColor(x, y);
    return differ;
}

std::function<void(TPlateau&)> WithDice() {
    return [](TPlateau& game) {
        game.Model.DiceRule = 1;
        game.NewGame();
    };
}

} // namespace

// Guards the space scene: a dark sky, orange points where picking finds them, planets in
// orbit round the board, and a picture nothing like the classic board's.
TEST(Plateau3D10Gl, PlanetsCircleTheBoardInTheDarkSky) {
    ViewFixture f(MakerOf<TPlateau3D_10>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn(f);
    ASSERT_FALSE(picture.isNull());
    const int w = picture.width(), h = picture.height();
    // Corners: the sky, dark and bluish (a star may sit on one pixel; take the darker).
    for (const QPoint corner : {QPoint(3, 3), QPoint(w - 4, 3), QPoint(3, h - 4)}) {
        const QColor c = picture.pixelColor(corner);
        EXPECT_LT(c.red(), 60) << corner.x() << "," << corner.y();
        EXPECT_LT(c.green(), 60) << corner.x() << "," << corner.y();
    }
    // The marker of point 1, lit orange where the picking geometry says it is.
    const auto [mx, my] = f.PixelOf("L_0");
    const QColor marker = picture.pixelColor(mx, my);
    EXPECT_GT(marker.red(), 150);
    EXPECT_LT(marker.blue(), 100);
    // Planets of the orbit are drawn: lit pixels well away from the board.
    const auto [px, py] = f.PixelOf("B_0");
    int lit = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            lit += picture.pixelColor(std::clamp(px + dx, 0, w - 1), std::clamp(py + dy, 0, h - 1))
                       .lightness() > 60;
    EXPECT_GT(lit, 20);

    ViewFixture classic(MakerOf<TPlateau3D_6>(), 1, {}, QSize(640, 480));
    EXPECT_GT(Differing(picture, Drawn(classic)), (w / 4) * (h / 4) / 2);
}

// Guards the figures of the dice: drawn over the middle of the scene once the roll settles.
TEST(Plateau3D10Gl, TheDiceFiguresShowOverTheBoard) {
    ViewFixture f(MakerOf<TPlateau3D_10>(), 1, WithDice(), QSize(640, 480));
    const QImage before = Drawn(f);
    f.game->RollDice();
    f.game->Click(-1);
    f.RunUntilIdle(20, 400);
    f.viewer->update();
    const QImage after = Drawn(f);
    // The figures are yellow-white dots over the middle, where the board was dark.
    int bright = 0;
    for (int y = after.height() / 2 - 60; y < after.height() / 2 + 20; ++y)
        for (int x = after.width() / 2 - 80; x < after.width() / 2 + 80; ++x) {
            const QColor c = after.pixelColor(x, y);
            bright += c.red() > 200 && c.green() > 150 && before.pixelColor(x, y) != c;
        }
    EXPECT_GT(bright, 200);
}

// Guards the stone circle: the sunset sky round a board of grass whose black slabs stand
// where picking finds them, a boulder beside it, and a picture unlike the Planets'.
TEST(Plateau3D13Gl, TheStonesStandOnTheGrassUnderTheSunset) {
    ViewFixture f(MakerOf<TPlateau3D_13>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn(f);
    ASSERT_FALSE(picture.isNull());
    const int w = picture.width(), h = picture.height();
    // The grass: green wins over red and blue in the middle of the board.
    int grass = 0;
    for (int y = h / 2 - 40; y < h / 2 + 40; y += 2)
        for (int x = w / 2 - 40; x < w / 2 + 40; x += 2) {
            const QColor c = picture.pixelColor(x, y);
            grass += c.green() > c.red() + 10 && c.green() > c.blue() + 10;
        }
    EXPECT_GT(grass, 40 * 40 / 4);
    // A slab: dark where point 1's marker is.
    const auto [mx, my] = f.PixelOf("L_0");
    EXPECT_LT(picture.pixelColor(mx, my).lightness(), 60);
    // The sky at the top corners: blue rather than grey fog.
    const QColor corner = picture.pixelColor(3, 3);
    EXPECT_GT(corner.blue(), corner.red());

    ViewFixture planets(MakerOf<TPlateau3D_10>(), 1, {}, QSize(640, 480));
    EXPECT_GT(Differing(picture, Drawn(planets)), (w / 4) * (h / 4) / 2);
}
