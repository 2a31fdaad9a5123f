// The anniversary cake really drawn, by Mesa in a virtual X server.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_6.h"
#include "views/TPlateau3D_7.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

QImage Drawn7(ViewFixture& f) {
    f.viewer->show();
    QElapsedTimer wait;
    wait.start();
    while (!f.viewer->isValid() && wait.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_TRUE(f.viewer->isValid());
    f.viewer->repaint();
    return f.viewer->Snapshot();
}

int Differing(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); y += 4)
        for (int x = 0; x < a.width(); x += 4)
            differ += a.pixelColor(x, y) != b.pixelColor(x, y);
    return differ;
}

} // namespace

// Guards the whole picture: a lit cake in a room (not the blue background alone), its
// sugar gems where picking finds them, and a picture unlike the classic 3D board's.
TEST(Plateau3D7Gl, TheCakeStandsInItsRoom) {
    ViewFixture f(MakerOf<TPlateau3D_7>(), 1, {}, QSize(640, 480));
    const QImage picture = Drawn7(f);
    ASSERT_FALSE(picture.isNull());
    if (qEnvironmentVariableIsSet("VANTOREL_SNAPSHOT"))
        picture.save(qEnvironmentVariable("VANTOREL_SNAPSHOT") + QStringLiteral("-7.png"));
    const int w = picture.width(), h = picture.height();
    int blue = 0, warm = 0;
    for (int y = 0; y < h; y += 2)
        for (int x = 0; x < w; x += 2) {
            const QColor c = picture.pixelColor(x, y);
            blue += c.blue() > 200 && c.red() < 40 && c.green() < 40;
            warm += c.red() > c.blue() + 30;
        }
    const int samples = (w / 2) * (h / 2);
    EXPECT_LT(blue, samples / 2);  // the room fills most of the picture
    EXPECT_GT(warm, samples / 10); // cake, table and floor in warm light
    const auto [mx, my] = f.PixelOf("L_0");
    EXPECT_GT(picture.pixelColor(mx, my).red(), 100); // an orange gem

    ViewFixture classic(MakerOf<TPlateau3D_6>(), 1, {}, QSize(640, 480));
    EXPECT_GT(Differing(picture, Drawn7(classic)), (w / 4) * (h / 4) / 2);
}
