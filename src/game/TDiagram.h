#pragma once
// The schematic board printed beside each history entry, computed as a list of shapes so
// that its geometry is checked without a canvas; the window paints the shapes as they come.
// Coordinates are device units with right and bottom exclusive, as a canvas fills them.
#include "TPlateau.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantorel {

struct TDiagramShape {
    enum class Kind : uint8_t { Rect, Ellipse, Line, RoundRect };
    Kind Shape = Kind::Rect;
    // A line runs from (Left, Top) to (Right, Bottom).
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Corner = 0; // width and height of a rounded rectangle's corner ellipse
    uint32_t Pen = 0x000000;
    uint32_t Brush = 0xFFFFFF;
    bool operator==(const TDiagramShape&) const = default;
};
using TDiagram = std::vector<TDiagramShape>;

inline constexpr uint32_t kDiagramWhite = 0xFFFFFF;
inline constexpr uint32_t kDiagramBlack = 0x000000;

// The position `board` (one 'L', 'B' or 'N' per point) of the variant in the square of
// side `size` at (left, top): a white square, the points as small discs, the links, black
// pieces as large discs and white pieces as rounded squares. The board is mirrored left to
// right, as the printed page has always shown it.
TDiagram DrawDiagram(const Tmodele& model, const std::string& board, int left, int size, int top);
// The game's live position.
TDiagram DrawDiagram(const TPlateau& game, int left, int size, int top);

} // namespace vantorel
