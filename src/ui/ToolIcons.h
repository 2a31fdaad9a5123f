#pragma once
// The pictures of the tool-bar buttons, drawn by the program itself in the colours of its
// icon: dark wood strokes, a light fill where a shape needs one.
#include <QIcon>
#include <QImage>

namespace vantorel {

enum class TToolIcon {
    Exit,     // an open door with an arrow leaving
    Numbers,  // a small board with its points numbered
    ZoomIn,   // a magnifying glass with a plus
    ZoomOut,  // a magnifying glass with a minus
    Rotate,   // a curved arrow a quarter of a turn round
    Previous, // an arrow to the left
    Next,     // an arrow to the right
    Replay,   // a strip of film with a play mark: the game shown again
    Continue, // a play triangle
    Stop,     // a square
    Help,     // a question mark
};

QImage DrawToolIcon(TToolIcon icon, int size);
QIcon ToolIcon(TToolIcon icon);

} // namespace vantorel
