#pragma once
// The small board pictures of the chooser's list, of the suggestion strip and of the printed
// game, as plain lists of shapes: the desktop paints them, tests read their coordinates.
// Colours are named by role so that the painter can take them from the window's palette.
#include "engine/TMove.h"
#include "engine/TSearchLine.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class Tmodele;

enum class TDiagramColour : uint8_t {
    None, // no fill, or a transparent text background
    Window,
    WindowText,
    Highlight,
    HighlightText,
    White,
    Black,
    Red,
};

struct TDiagramShape {
    enum Kind : uint8_t {
        Rect,        // (X1, Y1)–(X2, Y2) filled with Brush, edged with Pen
        Ellipse,     // inside the box (X1, Y1)–(X2, Y2)
        Line,        // from (X1, Y1) to (X2, Y2)
        RoundSquare, // the box (X1, Y1)–(X2, Y2), corners rounded by Radius
        Label,       // Text with its top left at (X1, Y1), clipped to Clip* when ClipX2 > ClipX1
    };
    Kind Shape = Rect;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Radius = 0;
    TDiagramColour Pen = TDiagramColour::None;
    TDiagramColour Brush = TDiagramColour::None;
    std::string Text;
    int ClipX1 = 0, ClipY1 = 0, ClipX2 = 0, ClipY2 = 0;

    bool operator==(const TDiagramShape&) const = default;
};

using TDiagram = std::vector<TDiagramShape>;

// Nearest integer, halves to even, as every diagram coordinate is taken.
int RoundEven(double value);

// The chooser's miniature of a board drawn in −10..10, 70 × 50 pixels from (left − 10, top),
// with each side's reserve in columns of nine beside it.
TDiagram DrawPreview(const Tmodele& model, std::string_view board, const int8_t reserve[2],
                     int left, bool selected, int top);

// The printed schematic: the square of side `size` at (left, top), the board scaled to fit
// it, black points and links, black discs and white rounded squares for the pieces.
TDiagram DrawDiagram(const Tmodele& model, std::string_view board, int left, int size, int top);

// The suggestion strip's picture of one position: DrawDiagram on the window's colours, with
// each side's reserve count under the board.
TDiagram DrawPositionDiagram(const Tmodele& model, int left, int top, int size,
                             std::string_view board, int whiteReserve, int blackReserve);

// The texts the suggestion strip writes, supplied by the window in its language.
struct TStripTexts {
    std::string Start;
    std::string White;
    std::string Black;
};

// The suggestion strip: the starting position, then one diagram per step of `line` with the
// mover's name, the move and a separator. `steps` receives how many moves were drawn.
TDiagram DrawSuggestionStrip(const Tmodele& model, std::string_view board, const int8_t reserve[2],
                             int side, const TSearchLine& line, const TStripTexts& texts,
                             int* steps = nullptr);

// "_ -> 5", "1 -> 2x 9": a step of the suggested line as the strip writes it.
std::string StripMoveText(TMove move);

} // namespace vantorel
