#include "TextBoard.h"

#include <cmath>
#include <numeric>
#include <vector>

namespace vantorel::cli {

std::string DrawTextBoard(const Tmodele& model, const std::string& board) {
    const auto& points = model.Points;
    // Work on a grid of the coordinates' common step; boards off that grid print as text.
    long long step = 0;
    long long minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const double x = points[i].X, y = points[i].Y;
        if (x != std::round(x) || y != std::round(y) || std::fabs(x) > 100 || std::fabs(y) > 100)
            return board + "\n";
        const auto ix = static_cast<long long>(x), iy = static_cast<long long>(y);
        if (i == 0) minX = maxX = ix, minY = maxY = iy;
        minX = std::min(minX, ix), maxX = std::max(maxX, ix);
        minY = std::min(minY, iy), maxY = std::max(maxY, iy);
    }
    if (points.empty()) return "\n";
    for (const auto& p : points) {
        step = std::gcd(step, static_cast<long long>(p.X) - minX);
        step = std::gcd(step, static_cast<long long>(p.Y) - minY);
    }
    if (step == 0) step = 1;
    const auto column = [&](double x) {
        return static_cast<size_t>((static_cast<long long>(x) - minX) / step * 4);
    };
    const auto row = [&](double y) {
        return static_cast<size_t>((maxY - static_cast<long long>(y)) / step * 2);
    };
    std::vector<std::string> canvas(row(minY) + 1, std::string(column(maxX) + 1, ' '));

    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        const auto& a = points[static_cast<size_t>(link.A)];
        const auto& b = points[static_cast<size_t>(link.B)];
        if (a.Y == b.Y) {
            const size_t r = row(a.Y);
            for (size_t c = std::min(column(a.X), column(b.X));
                 c <= std::max(column(a.X), column(b.X)); ++c)
                canvas[r][c] = '-';
        } else if (a.X == b.X) {
            const size_t c = column(a.X);
            for (size_t r = std::min(row(a.Y), row(b.Y)); r <= std::max(row(a.Y), row(b.Y)); ++r)
                canvas[r][c] = '|';
        }
    }
    for (size_t i = 0; i < points.size(); ++i) {
        const char piece = i < board.size() ? board[i] : 'L';
        canvas[row(points[i].Y)][column(points[i].X)] = piece == 'L' ? '+' : piece;
    }
    std::string text;
    for (const auto& line : canvas)
        text += "  " + line + "\n";
    return text;
}

} // namespace vantorel::cli
