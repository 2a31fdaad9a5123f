#include "TMonHint.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolTip>

namespace vantorel {

namespace {

QPainterPath BubblePath(const QRect& client) {
    QPainterPath body;
    body.addRoundedRect(
        QRectF(client.left(), client.top() + 20, client.width(), client.height() - 20), 15, 15);
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF({QPointF(18, 20), QPointF(13, 0), QPointF(33, 20)}));
    pointer.closeSubpath();
    return body.united(pointer);
}

} // namespace

QSize HintSize(const QFontMetrics& metrics, const QString& text) {
    const QRect textRect = metrics.boundingRect(QRect(0, 0, TMonHint::kWrapWidth, 0),
                                                Qt::TextWordWrap | Qt::AlignCenter, text);
    return textRect.size() + QSize(10, 30);
}

QRegion BubbleRegion(const QRect& client) {
    QPainterPath body;
    body.addRoundedRect(
        QRectF(client.left(), client.top() + 20, client.width(), client.height() - 20), 15, 15);
    const QPolygon pointer({QPoint(18, 20), QPoint(13, 0), QPoint(33, 20)});
    return QRegion(body.toFillPolygon().toPolygon(), Qt::OddEvenFill) +
           QRegion(pointer, Qt::OddEvenFill);
}

TMonHint::TMonHint() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
}

void TMonHint::ActivateHint(const QPoint& globalPos, const QString& text) {
    text_ = text;
    resize(HintSize(fontMetrics(), text));
    QPoint place = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        place.setX(std::min(place.x(), area.right() - width()));
        place.setY(std::min(place.y(), area.bottom() - height()));
    }
    move(place);
    shapePending_ = true;
    show();
    update();
}

void TMonHint::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    if (shapePending_) {
        setMask(BubbleRegion(client));
        shapePending_ = false;
    }
    QPainter painter(this);
    painter.fillRect(client, palette().toolTipBase());
    const QPainterPath outline = BubblePath(client.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(96, 96, 96), 2));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.drawPath(outline);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(client.adjusted(5, 5 + 22, -5, -5), Qt::AlignCenter | Qt::TextWordWrap, text_);
}

TMonHintInstaller::TMonHintInstaller(QObject* parent) : QObject(parent), hint_(new TMonHint) {
    qApp->installEventFilter(this);
}

TMonHintInstaller::~TMonHintInstaller() {
    delete hint_;
}

bool TMonHintInstaller::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!widget || widget == hint_) return false;
        QString text = widget->toolTip();
        if (text.isEmpty()) {
            hint_->hide();
            return false;
        }
        text.remove(u'&');
        hint_->ActivateHint(help->globalPos() + QPoint(-13, 18), text);
        return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        if (hint_->isVisible()) hint_->hide();
        return false;
    default:
        return false;
    }
}

} // namespace vantorel
