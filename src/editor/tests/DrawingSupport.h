#pragma once
// Drawings the editor tests build point by point, as a user would with the mouse.
#include "editor/TDrawing.h"

#include <initializer_list>
#include <utility>

namespace vantorel::editor::test {

// Right clicks at each position, in order: point k is number k + 1.
inline void Place(TDrawing& d, std::initializer_list<std::pair<int, int>> at) {
    for (const auto& [x, y] : at)
        d.MouseDown(TButton::Right, false, x, y);
}

// Clicks with the link tool on the centres of two numbered points.
inline void LinkByTool(TDrawing& d, int from, int to) {
    const TTool before = d.ToolMode;
    d.ToolMode = TTool::Link;
    const Tplot a = *d.PointNumbered(from);
    const Tplot b = *d.PointNumbered(to);
    d.MouseDown(TButton::Left, false, a.X, a.Y);
    d.MouseDown(TButton::Left, false, b.X, b.Y);
    d.ToolMode = before;
}

inline void Click(TDrawing& d, int number, bool ctrl = true) {
    const Tplot p = *d.PointNumbered(number);
    d.MouseDown(TButton::Left, ctrl, p.X, p.Y);
}

} // namespace vantorel::editor::test
