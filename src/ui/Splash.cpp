#include "Splash.h"

#include "AppIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QPainter>
#include <QScreen>
#include <QWindow>

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
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(184, 80, 180, 60), Qt::AlignCenter, QStringLiteral("Vantorel"));
    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(13);
    painter.setFont(line);
    painter.drawText(
        QRect(184, 140, 180, 50), Qt::AlignCenter | Qt::TextWordWrap,
        QApplication::translate("TSplashForm", "Le jeu du moulin sur tous les plateaux"));
    // Two pieces sitting on the frame break the outline, so the cut is not a plain shape.
    painter.setPen(QPen(QColor(30, 20, 10), 3));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(QPoint(290, 30), 24, 24);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(330, 40), 28, 28);
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
    // The window system maps the window in its own time; paint only once it is on screen,
    // or the long construction that follows leaves an empty hole.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    repaint();
    QApplication::processEvents();
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

} // namespace vantorel
