#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vantorel {

namespace {

const QColor kInk(60, 36, 18);
const QColor kLight(245, 232, 205);
const QColor kGo(46, 125, 50);
const QColor kHalt(178, 40, 32);

// An arrow head at `tip` pointing along `angle` (degrees, screen: 0 right, 90 down).
void ArrowHead(QPainter& p, QPointF tip, double angle, double length) {
    const double a = angle * M_PI / 180;
    const double spread = 0.5;
    QPolygonF head;
    head << tip << tip - QPointF(length * std::cos(a - spread), length * std::sin(a - spread))
         << tip - QPointF(length * std::cos(a + spread), length * std::sin(a + spread));
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

void Magnifier(QPainter& p, double s, bool plus) {
    p.setBrush(kLight);
    p.drawEllipse(QPointF(s * 0.42, s * 0.42), s * 0.28, s * 0.28);
    p.drawLine(QPointF(s * 0.62, s * 0.62), QPointF(s * 0.9, s * 0.9));
    p.drawLine(QPointF(s * 0.28, s * 0.42), QPointF(s * 0.56, s * 0.42));
    if (plus) p.drawLine(QPointF(s * 0.42, s * 0.28), QPointF(s * 0.42, s * 0.56));
}

} // namespace

QImage DrawToolIcon(TToolIcon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPen pen(kInk, std::max(1.5, s / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case TToolIcon::Exit: {
        p.setBrush(kLight);
        p.drawRect(QRectF(s * 0.12, s * 0.1, s * 0.42, s * 0.8));
        p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.88, s * 0.5));
        ArrowHead(p, QPointF(s * 0.92, s * 0.5), 0, s * 0.25);
        break;
    }
    case TToolIcon::Numbers: {
        QFont font = p.font();
        font.setPixelSize(std::max(6, static_cast<int>(s * 0.42)));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, s * 0.5, s * 0.5), Qt::AlignCenter, QStringLiteral("1"));
        p.drawText(QRectF(s * 0.5, 0, s * 0.5, s * 0.5), Qt::AlignCenter, QStringLiteral("2"));
        p.drawText(QRectF(0, s * 0.5, s, s * 0.5), Qt::AlignCenter, QStringLiteral("3"));
        break;
    }
    case TToolIcon::ZoomIn:
        Magnifier(p, s, true);
        break;
    case TToolIcon::ZoomOut:
        Magnifier(p, s, false);
        break;
    case TToolIcon::Rotate: {
        const QRectF circle(s * 0.15, s * 0.15, s * 0.7, s * 0.7);
        p.drawArc(circle, 90 * 16, -270 * 16);
        ArrowHead(p, QPointF(s * 0.5, s * 0.15), 180, s * 0.28);
        break;
    }
    case TToolIcon::Previous:
    case TToolIcon::Next: {
        const bool left = icon == TToolIcon::Previous;
        p.setPen(QPen(kInk, s / 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * (left ? 0.85 : 0.15), s * 0.5),
                   QPointF(s * (left ? 0.35 : 0.65), s * 0.5));
        p.setPen(QPen(kInk, 1));
        ArrowHead(p, QPointF(s * (left ? 0.08 : 0.92), s * 0.5), left ? 180 : 0, s * 0.45);
        break;
    }
    case TToolIcon::Replay: {
        // A strip of film, its holes along both edges, and a small play mark inside.
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.14, s * 0.84, s * 0.72), s * 0.06, s * 0.06);
        p.setPen(Qt::NoPen);
        p.setBrush(kLight);
        for (int k = 0; k < 4; ++k) {
            const double x = s * (0.16 + 0.19 * k);
            p.drawRect(QRectF(x, s * 0.19, s * 0.1, s * 0.08));
            p.drawRect(QRectF(x, s * 0.73, s * 0.1, s * 0.08));
        }
        p.drawRect(QRectF(s * 0.14, s * 0.32, s * 0.72, s * 0.36));
        p.setBrush(kGo);
        QPolygonF play;
        play << QPointF(s * 0.42, s * 0.36) << QPointF(s * 0.62, s * 0.5)
             << QPointF(s * 0.42, s * 0.64);
        p.drawPolygon(play);
        break;
    }
    case TToolIcon::Continue: {
        p.setPen(QPen(kInk, std::max(1.0, s / 20)));
        p.setBrush(kGo);
        QPolygonF play;
        play << QPointF(s * 0.22, s * 0.12) << QPointF(s * 0.85, s * 0.5)
             << QPointF(s * 0.22, s * 0.88);
        p.drawPolygon(play);
        break;
    }
    case TToolIcon::Stop:
        p.setPen(QPen(kInk, std::max(1.0, s / 20)));
        p.setBrush(kHalt);
        p.drawRoundedRect(QRectF(s * 0.18, s * 0.18, s * 0.64, s * 0.64), s * 0.06, s * 0.06);
        break;
    case TToolIcon::Help: {
        p.setBrush(kLight);
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        QFont font = p.font();
        font.setPixelSize(std::max(6, static_cast<int>(s * 0.62)));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return image;
}

QIcon ToolIcon(TToolIcon icon) {
    QIcon result;
    for (int size : {16, 22, 24, 32, 48})
        result.addPixmap(QPixmap::fromImage(DrawToolIcon(icon, size)));
    return result;
}

} // namespace vantorel
