#include "Diagram.h"

#include "engine/Tmodele.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

using C = TDiagramColour;

TDiagramShape Shape(TDiagramShape::Kind kind, int x1, int y1, int x2, int y2, C pen, C brush) {
    TDiagramShape shape;
    shape.Shape = kind;
    shape.X1 = x1;
    shape.Y1 = y1;
    shape.X2 = x2;
    shape.Y2 = y2;
    shape.Pen = pen;
    shape.Brush = brush;
    return shape;
}

TDiagramShape Disc(int x, int y, int radius, C pen, C brush) {
    return Shape(TDiagramShape::Ellipse, x - radius, y - radius, x + radius, y + radius, pen,
                 brush);
}

TDiagramShape RoundSquare(int x, int y, int half, C pen, C brush) {
    TDiagramShape shape =
        Shape(TDiagramShape::RoundSquare, x - half, y - half, x + half, y + half, pen, brush);
    shape.Radius = half;
    return shape;
}

TDiagramShape LabelAt(int x, int y, std::string text, C colour, C background = C::None) {
    TDiagramShape shape = Shape(TDiagramShape::Label, x, y, x, y, colour, background);
    shape.Text = std::move(text);
    return shape;
}

TDiagramShape ClippedText(int x, int y, std::string text, C colour, int cx1, int cy1, int cx2,
                          int cy2) {
    TDiagramShape shape = LabelAt(x, y, std::move(text), colour);
    shape.ClipX1 = cx1;
    shape.ClipY1 = cy1;
    shape.ClipX2 = cx2;
    shape.ClipY2 = cy2;
    return shape;
}

char PieceAt(std::string_view board, size_t point) {
    return point < board.size() ? board[point] : 'L';
}

// The schematic shared by the printed and the suggested diagrams; `onWindow` draws it on
// the window's colours. Returns the lowest pixel row of a point (top included).
int Schematic(TDiagram& out, const Tmodele& model, std::string_view board, int left, int size,
              int top, bool onWindow) {
    const C ground = onWindow ? C::Window : C::White;
    const C ink = onWindow ? C::WindowText : C::Black;
    out.push_back(Shape(TDiagramShape::Rect, left, top, left + size, top + size, ground, ground));
    if (model.Points.empty()) return top;

    double minX = model.Points[0].X, maxX = minX, minY = model.Points[0].Y, maxY = minY;
    for (const TPointRec& p : model.Points) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    const int cx = RoundEven((minX + maxX) / 2);
    const int cy = RoundEven((minY + maxY) / 2);
    const double span = std::max(maxX - minX, maxY - minY);
    const double scale = span > 0 ? size / span : 1.0;
    const int r = RoundEven(scale / 2);
    const int bigR = RoundEven(scale);
    const int half = RoundEven(size / 2.0);

    std::vector<int> px, py;
    int lowest = top;
    for (const TPointRec& p : model.Points) {
        // The horizontal axis is mirrored, as the boards are drawn.
        px.push_back(RoundEven((cx - p.X) * scale + left + half));
        py.push_back(RoundEven((p.Y - cy) * scale + top + half));
        lowest = std::max(lowest, py.back());
    }
    for (size_t j = 0; j < px.size(); ++j)
        out.push_back(Disc(px[j], py[j], r, ink, ink));
    const auto n = px.size();
    for (const TLinkRec& link : model.Links) {
        const auto a = static_cast<size_t>(link.A), b = static_cast<size_t>(link.B);
        if (a < n && b < n)
            out.push_back(Shape(TDiagramShape::Line, px[a], py[a], px[b], py[b], ink, C::None));
    }
    for (size_t j = 0; j < n; ++j) {
        const char piece = PieceAt(board, j);
        if (piece == 'N') out.push_back(Disc(px[j], py[j], bigR, C::Black, C::Black));
        if (piece == 'B') out.push_back(RoundSquare(px[j], py[j], bigR, C::Black, C::White));
    }
    return lowest;
}

} // namespace

int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

TDiagram DrawPreview(const Tmodele& model, std::string_view board, const int8_t reserve[2],
                     int left, bool selected, int top) {
    TDiagram out;
    const C ground = selected ? C::Highlight : C::Window;
    const C ink = selected ? C::HighlightText : C::WindowText;
    out.push_back(Shape(TDiagramShape::Rect, left - 10, top, left + 60, top + 50, ground, ground));
    left += 5;
    top += 5;
    std::vector<int> px, py;
    for (const TPointRec& p : model.Points) {
        px.push_back(RoundEven((p.X + 10) * 2) + left);
        py.push_back(RoundEven((p.Y + 10) * 2) + top);
    }
    const auto n = px.size();
    for (size_t j = 0; j < n; ++j)
        out.push_back(Disc(px[j], py[j], 2, ink, ground));
    for (const TLinkRec& link : model.Links) {
        const auto a = static_cast<size_t>(link.A), b = static_cast<size_t>(link.B);
        if (a < n && b < n)
            out.push_back(Shape(TDiagramShape::Line, px[a], py[a], px[b], py[b], ink, C::None));
    }
    for (size_t j = 0; j < n; ++j) {
        const char piece = PieceAt(board, j);
        if (piece == 'N') out.push_back(Disc(px[j], py[j], 2, C::Red, C::Black));
        if (piece == 'B') out.push_back(Disc(px[j], py[j], 2, C::Black, C::White));
    }
    // Columns of nine, each further out than the one before.
    for (int side = 0; side < 2; ++side) {
        int c = 0, row = 0;
        for (int k = 0; k < reserve[side]; ++k) {
            if (row == 9) {
                c -= 5;
                row = 0;
            }
            const int x = side == 0 ? left + c - 4 : left + c + 45;
            const int y = top + 5 * row + 2;
            out.push_back(side == 0 ? Disc(x, y, 2, C::Black, C::White)
                                    : Disc(x, y, 2, C::Red, C::Black));
            ++row;
        }
    }
    return out;
}

TDiagram DrawDiagram(const Tmodele& model, std::string_view board, int left, int size, int top) {
    TDiagram out;
    Schematic(out, model, board, left, size, top, false);
    return out;
}

TDiagram DrawPositionDiagram(const Tmodele& model, int left, int top, int size,
                             std::string_view board, int whiteReserve, int blackReserve) {
    TDiagram out;
    const int yMax = Schematic(out, model, board, left, size, top, true);
    const double span = [&] {
        if (model.Points.empty()) return 0.0;
        auto [minX, maxX] =
            std::minmax_element(model.Points.begin(), model.Points.end(),
                                [](const TPointRec& a, const TPointRec& b) { return a.X < b.X; });
        auto [minY, maxY] =
            std::minmax_element(model.Points.begin(), model.Points.end(),
                                [](const TPointRec& a, const TPointRec& b) { return a.Y < b.Y; });
        return std::max(maxX->X - minX->X, maxY->Y - minY->Y);
    }();
    const int bigR = RoundEven(span > 0 ? size / span : 1.0);
    // The reserve row sits under the board: yMax already counts `top`, and so does the row.
    const int row = top + yMax;
    if (whiteReserve > 0) {
        out.push_back(RoundSquare(left + 30, row - 10, bigR, C::Black, C::White));
        out.push_back(
            LabelAt(left, row - 15, std::to_string(whiteReserve) + " * ", C::Black, C::White));
    }
    if (blackReserve > 0) {
        out.push_back(Disc(left + 95, row - 10, bigR, C::Black, C::Black));
        out.push_back(
            LabelAt(left + 65, row - 15, std::to_string(blackReserve) + " * ", C::Black, C::White));
    }
    return out;
}

std::string StripMoveText(TMove move) {
    std::string text = move.From < 0 ? "_" : std::to_string(move.From + 1);
    text += " -> ";
    text += move.To < 0 ? "_" : std::to_string(move.To + 1);
    if (move.Capture >= 0) text += "x " + std::to_string(move.Capture + 1);
    return text;
}

TDiagram DrawSuggestionStrip(const Tmodele& model, std::string_view board, const int8_t reserve[2],
                             int side, const TSearchLine& line, const TStripTexts& texts,
                             int* steps) {
    TDiagram out = DrawPositionDiagram(model, 10, 25, 100, board, reserve[0], reserve[1]);
    out.push_back(ClippedText(5, 0, texts.Start, C::WindowText, 5, 0, 122, 15));
    out.push_back(Shape(TDiagramShape::Line, 122, 0, 122, 200, C::WindowText, C::None));

    std::string copy(board);
    int8_t left[2] = {reserve[0], reserve[1]};
    const auto n = static_cast<int>(copy.size());
    int i = 0;
    for (; i < kLineLength - 1; ++i) {
        const TMove move = line.Moves[static_cast<size_t>(i)];
        // A dice removal is the one step without a destination: (−2, −2, point or −1).
        const bool removal = move.From == -2 && move.Capture >= kReserveCapture;
        if (move.To < 0 && !removal) break;
        const char piece = side == 0 ? 'B' : 'N';
        if (move.From >= 0 && move.From < n) copy[static_cast<size_t>(move.From)] = 'L';
        if (move.To >= 0 && move.To < n) copy[static_cast<size_t>(move.To)] = piece;
        if (move.Capture >= 0 && move.Capture < n) copy[static_cast<size_t>(move.Capture)] = 'L';
        if (move.From < 0 && move.To >= 0) --left[side];
        if (move.Capture == kReserveCapture) --left[1 - side];

        const TDiagram diagram =
            DrawPositionDiagram(model, i * 127 + 135, 25, 100, copy, left[0], left[1]);
        out.insert(out.end(), diagram.begin(), diagram.end());
        out.push_back(ClippedText(i * 127 + 134, 0, side == 1 ? texts.Black : texts.White,
                                  C::WindowText, i * 125 + 122, 0, i * 125 + 244, 15));
        out.push_back(LabelAt(i * 127 + 145, 160, StripMoveText(move), C::WindowText));
        out.push_back(Shape(TDiagramShape::Line, i * 127 + 122, 0, i * 127 + 122, 200,
                            C::WindowText, C::None));
        if (move.To >= 0) side = 1 - side;
    }
    if (steps) *steps = i;
    return out;
}

} // namespace vantorel
