#include "Splash.h"

#include "AppIcon.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QScreen>

namespace vantorel {

QRegion SplashRegion(const QImage& picture) {
    QRegion region;
    if (picture.width() < 2 || picture.height() < 2) return region;
    const QRgb key = picture.pixel(1, 1);
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width()) {
            if (picture.pixel(x, y) == key) {
                ++x;
                continue;
            }
            const int x1 = x;
            while (x < picture.width() && picture.pixel(x, y) != key)
                ++x;
            region += QRect(x1, y, x - x1, 1);
        }
    }
    return region;
}

QImage SplashPicture() {
    QImage picture(392, 252, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    // No smoothing on the outline: a blended edge pixel would keep a pink fringe.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 36, 18));
    painter.drawRoundedRect(QRect(16, 40, 360, 196), 40, 40);
    painter.setBrush(QColor(196, 142, 82));
    painter.drawRoundedRect(QRect(24, 48, 344, 180), 34, 34);
    painter.drawImage(QPoint(36, 66), DrawVantorelIcon(144));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(60, 36, 18));
    QFont title(QStringLiteral("DejaVu Serif"), 30, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(190, 80, 170, 60), Qt::AlignCenter, QStringLiteral("Vantorel"));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawText(
        QRect(190, 140, 170, 50), Qt::AlignCenter | Qt::TextWordWrap,
        QApplication::translate("TSplashForm", "Le jeu du moulin sur tous les plateaux"));
    // A piece sitting on the frame breaks the outline, so the cut is not a plain rectangle.
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(30, 20, 10), 3));
    painter.drawEllipse(QPoint(330, 40), 28, 28);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(290, 30), 24, 24);
    return picture;
}

TSplashForm::TSplashForm(const QImage& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setWindowTitle(QStringLiteral("Vantorel"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QRegion region = SplashRegion(picture_);
    // The key colour becomes white wherever a pixel of it remains inside the shape.
    const QRgb key = picture_.isNull() ? 0 : picture_.pixel(1, 1);
    for (int y = 0; y < picture_.height(); ++y)
        for (int x = 0; x < picture_.width(); ++x)
            if (picture_.pixel(x, y) == key) picture_.setPixel(x, y, qRgb(255, 255, 255));
    const QRect bounds = region.boundingRect();
    resize(bounds.right() + 1, bounds.bottom() + 1);
    setMask(region);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashForm::ShowNow() {
    show();
    repaint();
    QApplication::processEvents();
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

} // namespace vantorel
