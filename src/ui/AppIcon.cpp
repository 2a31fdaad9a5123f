#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace vantorel {

QImage DrawVantorelIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A wooden tile under the board.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 142, 82));
    painter.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.14, s * 0.14);
    // Three nested squares and the four middle links.
    painter.setPen(QPen(QColor(60, 36, 18), std::max(1.0, s / 28)));
    painter.setBrush(Qt::NoBrush);
    const qreal margins[3] = {0.16, 0.30, 0.44};
    for (qreal m : margins)
        painter.drawRect(QRectF(s * m, s * m, s * (1 - 2 * m), s * (1 - 2 * m)));
    painter.drawLine(QPointF(s * 0.5, s * 0.16), QPointF(s * 0.5, s * 0.44));
    painter.drawLine(QPointF(s * 0.5, s * 0.56), QPointF(s * 0.5, s * 0.84));
    painter.drawLine(QPointF(s * 0.16, s * 0.5), QPointF(s * 0.44, s * 0.5));
    painter.drawLine(QPointF(s * 0.56, s * 0.5), QPointF(s * 0.84, s * 0.5));
    // A white mill along the top and two black pieces.
    const auto piece = [&](qreal x, qreal y, QColor fill) {
        painter.setPen(QPen(QColor(30, 20, 10), std::max(1.0, s / 40)));
        painter.setBrush(fill);
        painter.drawEllipse(QPointF(s * x, s * y), s * 0.09, s * 0.09);
    };
    for (qreal x : {0.16, 0.5, 0.84})
        piece(x, 0.16, QColor(245, 243, 236));
    piece(0.30, 0.70, QColor(35, 35, 40));
    piece(0.84, 0.84, QColor(35, 35, 40));
    return image;
}

QIcon VantorelIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawVantorelIcon(size)));
    return icon;
}

} // namespace vantorel
