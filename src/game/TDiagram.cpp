#include "TDiagram.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

// Nearest integer, halves to even.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

TDiagram DrawDiagram(const Tmodele& model, const std::string& board, int left, int size, int top) {
    TDiagram shapes;
    shapes.push_back({TDiagramShape::Kind::Rect, left, top, left + size, top + size, 0,
                      kDiagramWhite, kDiagramWhite});
    if (model.Points.empty()) return shapes;

    double minX = model.Points[0].X, maxX = minX, minY = model.Points[0].Y, maxY = minY;
    for (const TPointRec& p : model.Points) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    const int cx = Round((minX + maxX) / 2);
    const int cy = Round((minY + maxY) / 2);
    const double span = std::max(maxX - minX, maxY - minY);
    const double scale = span == 0 ? 1.0 : size / span;
    const int r = Round(scale / 2);
    const int R = Round(scale);
    const int half = Round(size / 2.0);

    std::vector<int> px(model.Points.size()), py(model.Points.size());
    for (size_t j = 0; j < model.Points.size(); ++j) {
        px[j] = Round((cx - model.Points[j].X) * scale + left + half);
        py[j] = Round((model.Points[j].Y - cy) * scale + top + half);
        shapes.push_back({TDiagramShape::Kind::Ellipse, px[j] - r, py[j] - r, px[j] + r, py[j] + r,
                          0, kDiagramBlack, kDiagramBlack});
    }
    const auto valid = [&](int point) {
        return point >= 0 && static_cast<size_t>(point) < model.Points.size();
    };
    for (const TLinkRec& link : model.Links) {
        if (!valid(link.A) || !valid(link.B)) continue;
        shapes.push_back({TDiagramShape::Kind::Line, px[static_cast<size_t>(link.A)],
                          py[static_cast<size_t>(link.A)], px[static_cast<size_t>(link.B)],
                          py[static_cast<size_t>(link.B)], 0, kDiagramBlack, kDiagramBlack});
    }
    const size_t points = std::min(board.size(), model.Points.size());
    for (size_t j = 0; j < points; ++j) {
        if (board[j] == 'N')
            shapes.push_back({TDiagramShape::Kind::Ellipse, px[j] - R, py[j] - R, px[j] + R,
                              py[j] + R, 0, kDiagramBlack, kDiagramBlack});
        else if (board[j] == 'B')
            shapes.push_back({TDiagramShape::Kind::RoundRect, px[j] - R, py[j] - R, px[j] + R,
                              py[j] + R, R, kDiagramBlack, kDiagramWhite});
    }
    return shapes;
}

TDiagram DrawDiagram(const TPlateau& game, int left, int size, int top) {
    return DrawDiagram(game.Model, game.Engine ? game.Engine->LiveBoard : std::string(), left, size,
                       top);
}

} // namespace vantorel
