#include "TDie.h"

#include "engine/Random.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace vantorel {

TDie::TDie(QWidget* parent) : QWidget(parent) {
    setMinimumSize(28, 28);
    setCursor(Qt::PointingHandCursor);
    faces_.setInterval(kFaceMs);
    stop_.setSingleShot(true);
    connect(&faces_, &QTimer::timeout, this, &TDie::NextFace);
    connect(&stop_, &QTimer::timeout, this, &TDie::Stop);
}

void TDie::Roll(int stopAfterMs) {
    rolling_ = true;
    faces_.start();
    stop_.start(stopAfterMs);
    NextFace();
}

void TDie::NextFace() {
    value_ = static_cast<int>(RandomBelow(6)) + 1;
    update();
    emit Changed();
}

void TDie::StopOn(int value) {
    faces_.stop();
    stop_.stop();
    value_ = value < 1 || value > 6 ? 1 : value;
    update();
    emit Changed();
    rolling_ = false;
    emit Stopped();
}

void TDie::Stop() {
    faces_.stop();
    rolling_ = false;
    emit Stopped();
}

void TDie::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
}

void TDie::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 2;
    const QRectF face((width() - side) / 2, (height() - side) / 2, side, side);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(rolling_ ? QColor(250, 245, 225) : Qt::white);
    painter.drawRoundedRect(face, side / 6, side / 6);
    // Pips on a 3 x 3 grid: which cells each face uses.
    static constexpr std::array<std::array<bool, 9>, 6> kPips = {{
        {0, 0, 0, 0, 1, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0, 0, 0, 1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {1, 0, 1, 0, 0, 0, 1, 0, 1},
        {1, 0, 1, 0, 1, 0, 1, 0, 1},
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
    }};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal step = side / 4, radius = side / 11;
    for (int cell = 0; cell < 9; ++cell)
        if (kPips[static_cast<size_t>(value_ - 1)][static_cast<size_t>(cell)])
            painter.drawEllipse(
                QPointF(face.left() + step * (1 + cell % 3), face.top() + step * (1 + cell / 3)),
                radius, radius);
}

} // namespace vantorel
