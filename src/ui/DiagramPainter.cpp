#include "DiagramPainter.h"

#include <QPainter>

namespace vantorel {

QColor DiagramColour(TDiagramColour colour, const QPalette& palette) {
    switch (colour) {
    case TDiagramColour::None:
        return Qt::transparent;
    case TDiagramColour::Window:
        return palette.color(QPalette::Base);
    case TDiagramColour::WindowText:
        return palette.color(QPalette::Text);
    case TDiagramColour::Highlight:
        return palette.color(QPalette::Highlight);
    case TDiagramColour::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case TDiagramColour::White:
        return Qt::white;
    case TDiagramColour::Black:
        return Qt::black;
    case TDiagramColour::Red:
        return Qt::red;
    }
    return Qt::black;
}

void PaintDiagram(QPainter& painter, const TDiagram& diagram, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const TDiagramShape& s : diagram) {
        const QColor pen = DiagramColour(s.Pen, palette);
        const QColor brush = DiagramColour(s.Brush, palette);
        painter.setPen(s.Pen == TDiagramColour::None ? QPen(Qt::NoPen) : QPen(pen, 1));
        painter.setBrush(s.Brush == TDiagramColour::None ? QBrush(Qt::NoBrush) : QBrush(brush));
        const QRect box(QPoint(s.X1, s.Y1), QPoint(s.X2, s.Y2));
        switch (s.Shape) {
        case TDiagramShape::Rect:
            painter.fillRect(box, brush);
            break;
        case TDiagramShape::Ellipse:
            painter.drawEllipse(box);
            break;
        case TDiagramShape::Line:
            painter.drawLine(s.X1, s.Y1, s.X2, s.Y2);
            break;
        case TDiagramShape::RoundSquare:
            painter.drawRoundedRect(box, s.Radius / 2.0, s.Radius / 2.0);
            break;
        case TDiagramShape::Label: {
            painter.save();
            if (s.ClipX2 > s.ClipX1)
                painter.setClipRect(QRect(QPoint(s.ClipX1, s.ClipY1), QPoint(s.ClipX2, s.ClipY2)));
            const QString text = QString::fromStdString(s.Text);
            const QFontMetrics metrics = painter.fontMetrics();
            const QRect area(s.X1, s.Y1, metrics.horizontalAdvance(text), metrics.height());
            if (s.Brush != TDiagramColour::None) painter.fillRect(area, brush);
            painter.setPen(pen);
            painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text);
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

} // namespace vantorel
