#pragma once
// Paints the game layer's diagrams with QPainter, taking the role colours from a palette.
#include "game/Diagram.h"

#include <QColor>
#include <QPalette>

class QPainter;

namespace vantorel {

QColor DiagramColour(TDiagramColour colour, const QPalette& palette);
void PaintDiagram(QPainter& painter, const TDiagram& diagram, const QPalette& palette);

} // namespace vantorel
