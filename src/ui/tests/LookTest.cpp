// The program's look outside the board: the splash cut from its picture, the bubble of the
// tool tips, and the about box around the clock and the view.
#include "UiTestSupport.h"

#include "ui/About1.h"
#include "ui/Splash.h"
#include "ui/TMonHint.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

const QRgb kKey = qRgb(255, 0, 255);
const QRgb kInk = qRgb(20, 40, 60);

QImage Picture(int width, int height, const std::vector<QRect>& shapes) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kKey);
    for (const QRect& r : shapes)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                picture.setPixel(x, y, kInk);
    return picture;
}

// Guards the cut: exactly the pixels that differ from the colour at (1, 1), whatever the
// shape (a hole, a pixel at (0, 0), runs broken within a row), and nothing for a picture
// of one colour.
TEST(Splash, RegionIsEveryPixelApartFromTheKey) {
    const struct {
        const char* what;
        std::vector<QRect> shapes;
    } cases[] = {
        {"one block", {QRect(5, 2, 10, 6)}},
        {"two runs in a row", {QRect(3, 3, 4, 2), QRect(10, 3, 5, 2)}},
        {"the corner pixel", {QRect(0, 0, 1, 1), QRect(4, 4, 3, 3)}},
        {"plain", {}},
    };
    for (const auto& c : cases) {
        const QImage picture = Picture(20, 10, c.shapes);
        QRegion expected;
        for (const QRect& r : c.shapes)
            expected += r;
        EXPECT_TRUE((SplashRegion(picture) ^ expected).isEmpty()) << c.what;
    }
    // The key found only at (1, 1): everything else is kept.
    QImage solid = Picture(6, 4, {QRect(0, 0, 6, 4)});
    solid.setPixel(1, 1, kKey);
    EXPECT_TRUE((SplashRegion(solid) ^ (QRegion(0, 0, 6, 4) - QRegion(1, 1, 1, 1))).isEmpty());
}

// Guards the program's own picture: its pink background is cut away, the window takes the
// shape's size, and no key colour is left inside.
TEST(Splash, ProgramPictureAndForm) {
    const QImage picture = SplashPicture();
    EXPECT_EQ(picture.size(), QSize(392, 252));
    const QRegion region = SplashRegion(picture);
    EXPECT_FALSE(region.contains(QPoint(2, 2)));
    EXPECT_TRUE(region.contains(QPoint(200, 150)));
    TSplashForm form(picture);
    EXPECT_EQ(form.size(),
              QSize(region.boundingRect().right() + 1, region.boundingRect().bottom() + 1));
    EXPECT_TRUE((form.mask() ^ region).isEmpty());
}

// Guards the size rule: the wrapped text's rectangle plus 10 × 30, a short word keeping
// its own width and a long text wrapped at 200.
TEST(Hint, SizeRule) {
    const QFontMetrics metrics(QApplication::font());
    const QString word = QStringLiteral("Ouvrir");
    EXPECT_EQ(HintSize(metrics, word),
              metrics.boundingRect(QRect(0, 0, 200, 0), Qt::TextWordWrap, word).size() +
                  QSize(10, 30));
    const QString longText = QStringLiteral("Enregistre la partie en cours dans le fichier "
                                            "qui porte son nom, sans rien demander");
    const QSize size = HintSize(metrics, longText);
    EXPECT_LE(size.width(), 210);
    EXPECT_GE(size.height(), 2 * metrics.lineSpacing() + 30);
}

// Guards the bubble's shape: the pointer above the body at the left, the cut corners.
TEST(Hint, Shape) {
    const QRegion bubble = BubbleRegion(QRect(0, 0, 120, 60));
    const struct {
        QPoint at;
        bool inside;
    } cases[] = {
        {{60, 40}, true}, {{18, 15}, true},   {{15, 5}, true},  {{5, 5}, false}, {{60, 10}, false},
        {{1, 21}, false}, {{118, 58}, false}, {{60, 21}, true}, {{2, 40}, true}, {{117, 40}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bubble.contains(c.at), c.inside) << c.at.x() << "," << c.at.y();
}

// Guards the bubble in place of a tool tip: a widget's tip shows it with the text, and a
// press hides it.
TEST(Hint, ReplacesToolTips) {
    TMonHintInstaller installer;
    QPushButton button(QStringLiteral("x"));
    button.setToolTip(QStringLiteral("&Enregistrer"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), QPoint(100, 100));
    QApplication::sendEvent(&button, &tip);
    EXPECT_TRUE(installer.Hint().isVisible());
    EXPECT_EQ(installer.Hint().Text(), QStringLiteral("Enregistrer"));
    EXPECT_EQ(installer.Hint().size(), HintSize(installer.Hint().fontMetrics(), "Enregistrer"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(100, 100), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
    EXPECT_FALSE(installer.Hint().isVisible());
}

// Guards the about box: its texts, and the clock and the view held while it is open and
// given back after.
TEST(About, TextsAndTheHeldClock) {
    WindowFixture f;
    f.EndIntro();
    f.window->Horloge.start();
    const uint8_t theme = f.window->ThemeId;
    int themeInside = 0;
    bool tickingInside = true;
    QStringList texts;
    ShowAboutBox(*f.window, [&](TApropos& box) {
        themeInside = f.window->ThemeId;
        tickingInside = f.window->Horloge.isActive();
        for (QLabel* label : {box.Label_site, box.Label_contact, box.Label_version, box.Label_date})
            texts << label->text();
        texts << box.windowTitle();
        EXPECT_TRUE(box.Lien_site->openExternalLinks());
        EXPECT_TRUE(box.Lien_contact->text().contains("mailto:" + kContactAddress));
        EXPECT_TRUE(box.Lien_site->text().contains(kSiteAddress));
    });
    EXPECT_EQ(themeInside, TMainWindow::kNoTheme);
    EXPECT_FALSE(tickingInside);
    EXPECT_EQ(texts, (QStringList{"Site : ", "Contact : ", "Version 1.1 ", "02/2004", "A propos"}));
    EXPECT_EQ(f.window->ThemeId, theme);
    EXPECT_TRUE(f.window->Horloge.isActive());
}

} // namespace
